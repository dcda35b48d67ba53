#include "MainFixture.h"
#include "editor/Algemeen.h"
#include "platform/Colour.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QTest>

using namespace korv;

namespace {
// The pointer read-out shows its whole text inside its frame.
void expectReadoutWhole(const Main& m) {
    const QRect inside = m.Frame6->contentsRect();
    const QRect label = m.XYlabel->geometry();
    EXPECT_GE(label.width(), m.XYlabel->fontMetrics().horizontalAdvance(m.XYlabel->text()))
        << m.XYlabel->text().toStdString();
    EXPECT_LE(label.right(), inside.right()) << m.XYlabel->text().toStdString();
    EXPECT_GE(label.left(), m.Label12->geometry().right()) << "clear of the slider caption";
}
} // namespace

TEST_F(MainTest, StartLayoutThatOtherWindowsRelyOn) {
    Main& m = load();
    EXPECT_EQ(m.Pic->Width(), 6225);
    EXPECT_EQ(m.Pic->Height(), 4650);
    EXPECT_EQ(m.Pic->Left(), 345);
    EXPECT_EQ(m.Pic->Top(), 345);
    EXPECT_EQ(m.Pic->ScaleWidth(), 415);
    EXPECT_EQ(m.TandPic->picture().size(), QSize(460, 355));
    EXPECT_EQ(m.Bar->surface().widthPx(), 2940 / 15 - 4);
    EXPECT_EQ(m.XYlabel->text(), "0 x 0");
    expectReadoutWhole(m);
    EXPECT_EQ(m.Combo1->currentText(), "Arial");
    EXPECT_EQ(m.Combo2->count(), 72);
    EXPECT_EQ(m.Combo2->currentText(), "20");
    EXPECT_EQ(m.Text1->text(), "Nederland");
    EXPECT_EQ(m.HScroll2[0]->value(), 190);
    EXPECT_EQ(m.HScroll2[2]->value(), 0);
    EXPECT_EQ(m.Label23[2]->text(), "0");
    EXPECT_FALSE(m.Check2->isEnabled());
    EXPECT_EQ(m.ClipPic->toolTip(), " Rechtermuisknop is keuzemenu ");
    EXPECT_EQ(m.LogoImg->Left(), 12660 - 4140);
    EXPECT_EQ(m.ExitKnop->Top(), 4020 - 870);
    // The hidden pop-up menus are not in the menu bar; the format entry cannot be chosen.
    QStringList bar;
    for (QAction* a : m.menuBar()->actions())
        bar << a->text();
    EXPECT_EQ(bar, QStringList({"Bestand", "Bewerken", "Filters", "Tools", "Omklappen", "Help",
                                "(415 x 310 / Liggend Kort)"}));
    EXPECT_FALSE(m.Maat->isEnabled());
}

TEST_F(MainTest, StartLogoIsOneOfFour) {
    for (int n = 1; n <= 4; ++n) {
        QImage logo(415, 310, QImage::Format_RGB32);
        logo.fill(qRgb(n * 50, 0, 0));
        ASSERT_TRUE(logo.save(path(QString("Data/Logo-%1.jpg").arg(n)), "JPEG", 100));
    }
    Main& m = load();
    const int red = qRed(m.Pic->Image().pixel(200, 150));
    EXPECT_TRUE(red > 40 && red < 210 && (red + 5) % 50 <= 10) << red;
}

TEST_F(MainTest, MissingLogoLeavesTheCanvasBlank) {
    Main& m = load();
    EXPECT_EQ(m.Pic->surface().pixel(10, 10), RGB(240, 240, 240));
}

TEST_F(MainTest, DesignFormatsLayTheWindowOut) {
    const struct {
        int format, w, h, frame3Left, frame3Top, frame4Left;
        const char* caption;
    } cases[] = {
        {1, 415, 310, 4800, 5925, 12240, "(415 x 310 / Liggend Kort)"},
        {2, 475, 310, 4800, 5925, 13140, "(475 x 310 / Landscape)"},
        {3, 580, 310, 4800, 5925, 14715, "(580 x 310 / Liggend Lang)"},
        {4, 415, 415, 4800, 7500, 12240, "(415 x 415 / Vierkant)"},
        {5, 310, 415, 4800, 7500, 10680, "(310 x 415 / Staand Kort)"},
        {6, 310, 475, 4800, 8400, 10680, "(310 x 475 / Portret)"},
        {7, 310, 580, 10680, 7500, 10680, "(310 x 580 / Staand Lang)"},
    };
    Main& m = load();
    for (const auto& c : cases) {
        writeTemplate(c.format, c.w, c.h);
        m.Pic->surface().setPixel(5, 5, 0);
        SetDesignFormat(m, c.format);
        EXPECT_EQ(m.Pic->surface().widthPx(), c.w) << c.format;
        EXPECT_EQ(m.Pic->surface().heightPx(), c.h) << c.format;
        EXPECT_EQ(m.Pic->surface().pixel(5, 5), RGB(240, 240, 240)) << "canvas emptied";
        EXPECT_EQ(m.UndoPic->surface().widthPx(), c.w);
        EXPECT_EQ(m.TandPic->Width(), c.w * 15 + 675);
        EXPECT_EQ(leftInContainer(m.Frame3), c.frame3Left);
        EXPECT_EQ(topInContainer(m.Frame3), c.frame3Top);
        EXPECT_EQ(leftInContainer(m.Frame4), c.frame4Left);
        EXPECT_EQ(m.Maat->title(), c.caption);
        EXPECT_EQ(m.XYlabel->text(), QString("%1 x %2").arg(c.w).arg(c.h));
        expectReadoutWhole(m);
        m.Pic_MouseMove(0, 0, c.w, c.h);
        expectReadoutWhole(m);
        EXPECT_EQ(m.Label9->text(), c.format == 2 ? "Buttons" : "Ontwerp Buttons");
        EXPECT_EQ(widthInContainer(m.KnopLabel), c.format == 2 ? 1260 : 2280);
        // Logo and exit image keep their distance to the lower frame's corner.
        EXPECT_EQ(m.LogoImg->Left(), widthInContainer(m.Frame3) - 4140);
        EXPECT_EQ(m.ExitKnop->Top(), heightInContainer(m.Frame3) - 870);
        EXPECT_EQ(m.TandPic->picture().size(), QSize(c.w + 45, c.h + 45));
    }
}

TEST_F(MainTest, MissingTemplateStopsAfterTheLayout) {
    Main& m = load();
    writeTemplate(3, 580, 310);
    SetDesignFormat(m, 3);
    dialogs->expectMsg("Kan Template niet laden....").title = "Error";
    SetDesignFormat(m, 5); // no template file for format 5
    EXPECT_EQ(m.Pic->surface().widthPx(), 310);
    EXPECT_EQ(m.Maat->title(), "(310 x 415 / Staand Kort)");
    EXPECT_EQ(m.XYlabel->text(), "580 x 310") << "the read-out keeps its text";
    EXPECT_EQ(m.TandPic->picture().width(), 625) << "the template it had stays";
    ASSERT_EQ(dialogs->seen().size(), 1u);
    EXPECT_EQ(dialogs->seen().front().buttons, Mb::OkOnly | Mb::Critical);

    // A number outside 1 to 7 lays nothing out but still empties the canvas.
    m.Pic->surface().setPixel(1, 1, 0);
    dialogs->expectMsg("Kan Template niet laden....");
    SetDesignFormat(m, 0);
    EXPECT_EQ(m.Pic->surface().widthPx(), 310);
    EXPECT_EQ(m.Pic->surface().pixel(1, 1), RGB(240, 240, 240));
}

TEST_F(MainTest, RulersTicksAndCentreMark) {
    Main& m = load();
    m.LineaalCheck->setChecked(true);
    m.LineaalCheck_Click();
    EXPECT_EQ(m.LineaalCheck->text(), "Lineaal Aan");
    EXPECT_TRUE(m.TopMaat->isVisibleTo(&m));
    const Surface& top = m.TopMaat->surface();
    EXPECT_EQ(top.widthPx(), 419);
    EXPECT_EQ(top.heightPx(), 8);
    const int tick = RGB(150, 170, 150);
    EXPECT_EQ(top.pixel(1, 2), tick);
    EXPECT_EQ(top.pixel(411, 7), tick);
    EXPECT_EQ(top.pixel(1, 1), RGB(255, 255, 255));
    EXPECT_EQ(top.pixel(2, 4), RGB(255, 255, 255));
    EXPECT_EQ(top.pixel(208, 0), 0) << "centre mark at 415 / 2 + 1, halves to even";
    const Surface& left = m.LeftMaat->surface();
    EXPECT_EQ(left.heightPx(), 314);
    EXPECT_EQ(left.pixel(5, 301), tick);
    EXPECT_EQ(left.pixel(0, 156), 0);

    m.LineaalCheck->setChecked(false);
    m.LineaalCheck_Click();
    EXPECT_EQ(m.LineaalCheck->text(), "Lineaal Uit");
    EXPECT_FALSE(m.TopMaat->isVisibleTo(&m));
    // Switched off, a format change leaves the rulers alone.
    writeTemplate(3, 580, 310);
    SetDesignFormat(m, 3);
    EXPECT_EQ(m.TopMaat->surface().widthPx(), 419);
    m.LineaalCheck->setChecked(true);
    m.LineaalCheck_Click();
    EXPECT_EQ(m.TopMaat->surface().widthPx(), 584);
    EXPECT_EQ(m.TopMaat->surface().pixel(581, 3), tick);
}

TEST_F(MainTest, CrosshairToggle) {
    Main& m = load();
    m.KruisCheck->setChecked(true);
    m.KruisCheck_Click();
    EXPECT_EQ(m.KruisCheck->text(), "Tekenkruis Aan");
    EXPECT_TRUE(m.HorLijn->isVisibleTo(&m));
    m.KruisCheck->setChecked(false);
    m.KruisCheck_Click();
    EXPECT_EQ(m.KruisCheck->text(), "Tekenkruis Uit");
    EXPECT_FALSE(m.VerLijn->isVisibleTo(&m));
}

TEST_F(MainTest, ClockCaption) {
    Main& m = load();
    EXPECT_EQ(m.KlokLabel->text(), "00:00:00");
    services.clock->fix(QDateTime(QDate(2027, 5, 9), QTime(7, 5, 3)));
    m.Timer1_Timer();
    EXPECT_EQ(m.KlokLabel->text(), "9 Mei 2027 / 7:05:03");
    services.clock->fix(QDateTime(QDate(2026, 12, 6), QTime(13, 8, 10)));
    m.Timer1_Timer();
    EXPECT_EQ(m.KlokLabel->text(), "6 Dec. 2026 / 13:08:10");
    services.clock->fix(QDateTime(QDate(2026, 3, 31), QTime(0, 0, 0)));
    m.Timer1_Timer();
    EXPECT_EQ(m.KlokLabel->text(), "31 Maart 2026 / 0:00:00");
}

TEST_F(MainTest, ScreenInformation) {
    Main& m = load();
    m.screenMetrics = [] { return ScreenMetrics{12, QSize(1920, 1080)}; };
    dialogs
        ->expectMsg("Schermresolutie... : 120 Dpi (Dots / Inch)\r\n"
                    "Schermgrootte..... : 1536 x 864 Pixels\r\n"
                    "------------------------------------------\r\n"
                    "Is de Schermresolutie ongelijk dan 96 Dpi\r\n"
                    "kijk dan onder Help/Wijzig Resolutie voor\r\n"
                    "het wijzigen van de Schermresolutie voor\r\n"
                    "de versies Windows XP en Windows 7..10.")
        .title = " Scherminfo";
    m.Helpscreen_Click(1);
    m.screenMetrics = [] { return ScreenMetrics{15, QSize(1366, 768)}; };
    dialogs->expectMsg(
        "Schermresolutie... : 96 Dpi (Dots / Inch)\r\nSchermgrootte..... : 1366 x 768 Pixels");
    m.Helpscreen_Click(1);
    m.Helpscreen_Click(3); // nothing
}

TEST_F(MainTest, HelpDocumentsAndPagesOpenInTheShell) {
    Main& m = load();
    m.HelpHelp_Click();
    m.Helpscreen_Click(2);
    m.HelpMeerSoftware_Click();
    m.HelpMeerAfbeeldingen_Click();
    ASSERT_EQ(shell->opened.size(), 4);
    EXPECT_EQ(shell->opened[0], path("Data/Help.pdf"));
    EXPECT_EQ(shell->opened[1], path("Data/Beeldscherm.pdf"));
    EXPECT_TRUE(shell->opened[2].startsWith("https://"));
    EXPECT_NE(shell->opened[2], shell->opened[3]);
}

TEST_F(MainTest, SpecialCharactersTable) {
    const QString t = specialCharactersText();
    const QStringList lines = t.split("\r\n");
    ASSERT_EQ(lines.size(), 18);
    EXPECT_EQ(lines[1], QString(25, '-'));
    EXPECT_EQ(lines[2], QString::fromUtf8("á  = Ctrl-Alt - a / 160"));
    EXPECT_EQ(lines[10], "");
    EXPECT_EQ(lines[12], QString::fromUtf8(" ²  = Ctrl-Alt - 2"));
    EXPECT_EQ(lines[14], QString::fromUtf8("€   = Ctrl-Alt - 5"));
    Main& m = load();
    dialogs->expectMsg("Bijzondere combinaties").title = "Korvamint Smidrovel";
    m.HelpSpecialeTekens_Click();
}

TEST_F(MainTest, ClipboardCopyReportsWhatHappened) {
    Main& m = load();
    m.Pic->surface().setPixel(3, 4, RGB(1, 2, 3));
    dialogs
        ->expectMsg("Ontwerp is gecopyeerd naar het Clipboard voor\r\nverdere bewerking in een "
                    "ander programma.")
        .title = "Korvamint Smidrovel";
    m.EditCopyClipboard_Click();
    EXPECT_EQ(clipboard->last.pixel(3, 4), qRgb(1, 2, 3));
    clipboard->works = false;
    dialogs->expectMsg("Clipboard").title = "Error";
    m.EditCopyClipboard_Click();
    EXPECT_EQ(clipboard->count, 1);
}

TEST_F(MainTest, UndoPutsTheUndoCopyBack) {
    Main& m = load();
    m.UndoPic->setPicture(m.Pic->Image());
    m.Pic->surface().filledBox(0, 0, 9, 9, 0);
    state->Gewijzigd = true;
    m.EditUndo_Click();
    EXPECT_EQ(m.Pic->surface().pixel(5, 5), RGB(240, 240, 240));
    EXPECT_TRUE(state->Gewijzigd);
    m.EditUndo_Click(); // again: the same picture
    EXPECT_EQ(m.Pic->surface().pixel(5, 5), RGB(240, 240, 240));
}

// Ctrl+Z and Ctrl+C typed as the user types them, with the focus in each text field and
// after a click on the canvas.
TEST_F(MainTest, UndoAndCopyKeysReachTheDesignWhereverTheFocusIs) {
    Main& m = load();
    m.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m));
    m.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m));
    m.Text1->setText("Nederland");
    int copies = 0;
    auto undoAndCopy = [&](const char* where) {
        SCOPED_TRACE(where);
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        m.UndoPic->setPicture(m.Pic->Image());
        m.Pic->surface().filledBox(0, 0, 9, 9, 0);
        QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(m.Pic->surface().pixel(5, 5), RGB(240, 240, 240));
        dialogs->expectMsg("Ontwerp is gecopyeerd naar het Clipboard");
        QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(clipboard->count, ++copies);
        EXPECT_EQ(dialogs->seen().size(), size_t(copies));
    };
    EXPECT_TRUE(m.Combo1->hasFocus()); // the font box has the focus at start
    undoAndCopy("Combo1");
    m.Combo2->setFocus();
    undoAndCopy("Combo2");
    m.Text1->setFocus();
    m.Text1->selectAll();
    undoAndCopy("Text1");
    EXPECT_EQ(m.Text1->text(), "Nederland");

    QTest::mouseClick(m.Pic, Qt::LeftButton, {}, QPoint(50, 40));
    EXPECT_EQ(QApplication::focusWidget(), m.Pic);
    undoAndCopy("Pic");

    // Typing in the fields goes on as before.
    m.Text1->setFocus();
    m.Text1->clear();
    QTest::keyClicks(m.Text1, "Post");
    QTest::keyClick(m.Text1, Qt::Key_Backspace);
    EXPECT_EQ(m.Text1->text(), "Pos");
    m.Combo2->setFocus();
    m.Combo2->lineEdit()->selectAll();
    QTest::keyClicks(m.Combo2, "36");
    EXPECT_EQ(m.Combo2->currentText(), "36");
}

TEST_F(MainTest, WindowCommandsGoThroughTheTable) {
    QStringList opened;
    for (const char* name : {"NieuwForm", "OpenForm", "SaveForm", "AfdrukForm", "ConfigForm",
                             "ClipartForm", "SizeForm", "LijstForm", "CaptureForm"})
        windows.add(name, [&opened, name](Main&) { opened << name; });
    Main& m = load();
    m.FileNew->trigger();
    m.FileOpen->trigger();
    m.FileSave->trigger();
    m.FilePrint->trigger();
    m.ToolsConfig->trigger();
    m.ToolsCliparts->trigger();
    m.ToolsEigenFoto->trigger();
    m.ToolsLijst->trigger();
    m.ToolsCaptureScherm->trigger();
    EXPECT_EQ(opened, QStringList({"NieuwForm", "OpenForm", "SaveForm", "AfdrukForm", "ConfigForm",
                                   "ClipartForm", "SizeForm", "LijstForm", "CaptureForm"}));
    EXPECT_FALSE(state->Gewijzigd);
}

TEST_F(MainTest, ExitImageAnimatesThenCloses) {
    Main& m = load();
    bool ended = false;
    m.EndProgram = [&] { ended = true; };
    const double left = m.ExitKnop->Left(), top = m.ExitKnop->Top();
    // A second click during the animation is ignored; a close request waits.
    int nested = 0;
    QTimer::singleShot(0, &m, [&] {
        m.ExitKnop_Click();
        ++nested;
        m.close();
        EXPECT_FALSE(ended) << "closing under a running handler";
    });
    services.clock->pauseScale = 1.0;
    m.ExitKnop_Click();
    services.clock->pauseScale = 0.0;
    EXPECT_EQ(nested, 1);
    EXPECT_TRUE(ended);
    EXPECT_EQ(m.ExitKnop->Left(), left);
    EXPECT_EQ(m.ExitKnop->Top(), top);
}

TEST_F(MainTest, LogoOpensTheVideoPage) {
    Main& m = load();
    m.LogoImg_Click();
    ASSERT_EQ(shell->opened.size(), 1);
    EXPECT_TRUE(shell->opened[0].startsWith("https://"));
}

TEST_F(MainTest, CloseWaitsForARunningPictureOperation) {
    Main& m = load();
    bool ended = false;
    m.EndProgram = [&] { ended = true; };
    state->imaging.OperationBusy = true;
    m.close();
    EXPECT_FALSE(ended);
    QTimer::singleShot(150, &m, [&] { state->imaging.OperationBusy = false; });
    QElapsedTimer t;
    t.start();
    while (!ended && t.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_TRUE(ended);
}

#include "designfiles/OpenForm.h"
#include "DesignFilesFixture.h"
#include "editor/Algemeen.h"
#include "platform/Colour.h"
#include "platform/PictureBox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <cstdlib>

using namespace korv;

namespace {

const QString kNotADesign = QString::fromUtf8("Dit is géén orgineel ontwerp!");

// Selects a row as a click on the list does.
void clickRow(OpenForm& f, int row) {
    {
        const QSignalBlocker block(f.List1);
        f.List1->setCurrentRow(row);
    }
    f.List1_Click();
}

// A left click on a row as the user makes it, through the list's own mouse handling.
void mouseClickRow(OpenForm& f, int row) {
    QWidget* view = f.List1->viewport();
    const QPointF pos = f.List1->visualItemRect(f.List1->item(row)).center();
    const QPointF global = view->mapToGlobal(pos);
    QMouseEvent press(QEvent::MouseButtonPress, pos, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(view, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, pos, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(view, &release);
}

void pressKey(QWidget* w, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

// Colours within a JPEG's error of each other.
bool near(int a, int b) {
    return std::abs(redOf(a) - redOf(b)) < 12 && std::abs(greenOf(a) - greenOf(b)) < 12 &&
           std::abs(blueOf(a) - blueOf(b)) < 12;
}

QStringList entries(const OpenForm& f) {
    QStringList out;
    for (int i = 0; i < f.List1->count(); ++i)
        out << f.List1->item(i)->text();
    return out;
}

} // namespace

TEST_F(DesignFilesTest, OpenListsOnlyBitmapNamesWithTheirCount) {
    writeDesign("abc.bmp", quarters(415, 310));
    writeDesign("Def.BMP", quarters(415, 310));
    writeDesign("ghi.bmp", quarters(10, 10));
    writeDesign("photo.jpg", quarters(415, 310), "JPEG");
    writeFile("Ontwerpen/notes.txt", "x");
    OpenForm f(M());
    EXPECT_EQ(entries(f), (QStringList{"abc", "Def", "ghi"}));
    EXPECT_EQ(f.Label2->text(), "3 Ontwerpen");
    // The file's own spelling of the extension is kept for opening.
    clickRow(f, 1);
    EXPECT_EQ(S().OpenFormaat, 1);
    EXPECT_EQ(S().OntwerpBestand, designFile("Def.BMP"));
}

TEST_F(DesignFilesTest, OpenRecognisesEachFormatByItsExactSize) {
    for (int format = 1; format <= 7; ++format) {
        const FormatSize s = formatSize(format);
        // Format 5 as a JPEG named .bmp: only the size counts.
        writeDesign(QString("f%1.bmp").arg(format), quarters(s.width, s.height),
                    format == 5 ? "JPEG" : "BMP");
    }
    OpenForm f(M());
    for (int format = 1; format <= 7; ++format) {
        SCOPED_TRACE(format);
        clickRow(f, format - 1);
        EXPECT_EQ(S().OpenFormaat, format);
        // A third of the size, in a frame label 135 twips (9 pixels) larger.
        const FormatSize s = formatSize(format);
        const int w = static_cast<int>(std::nearbyint(s.width / 3.0));
        const int h = static_cast<int>(std::nearbyint(s.height / 3.0));
        EXPECT_EQ(f.Pic1->size(), QSize(w, h));
        EXPECT_EQ(f.Label1->size(), QSize(w + 9, h + 9));
        const Surface& p = f.Pic1->surface();
        EXPECT_TRUE(near(p.pixel(w - 3, 2), RGB(30, 200, 30)));
        EXPECT_TRUE(near(p.pixel(2, h - 3), RGB(30, 30, 200)));
    }
}

TEST_F(DesignFilesTest, OpenPreviewsAnEntryPickedWithTheMouseOrTheKeys) {
    writeDesign("liggend.bmp", quarters(415, 310));
    writeDesign("staand.bmp", quarters(310, 415));
    OpenForm f(M());
    f.show();
    mouseClickRow(f, 1);
    EXPECT_EQ(f.List1->currentRow(), 1);
    EXPECT_EQ(S().OpenFormaat, 5);
    EXPECT_EQ(S().OntwerpBestand, designFile("staand.bmp"));
    // 4650 x 6225 twips at a third: 1550 x 2075 twips, 103 x 138 pixels.
    EXPECT_EQ(f.Pic1->size(), QSize(103, 138));
    EXPECT_EQ(f.Label1->size(), QSize(112, 147));
    EXPECT_TRUE(near(f.Pic1->surface().pixel(2, 135), RGB(30, 30, 200)));

    pressKey(f.List1, Qt::Key_Up);
    EXPECT_EQ(f.List1->currentRow(), 0);
    EXPECT_EQ(S().OpenFormaat, 1);
    EXPECT_EQ(S().OntwerpBestand, designFile("liggend.bmp"));
    EXPECT_EQ(f.Pic1->size(), QSize(138, 103));
    f.hide();
}

TEST_F(DesignFilesTest, OpenRejectsWrongSizesAndNonPictures) {
    writeDesign("a.bmp", quarters(415, 310));
    writeDesign("b.bmp", quarters(416, 310));
    writeDesign("c.bmp", quarters(415, 311));
    writeDesign("d.bmp", quarters(830, 620)); // the right proportions are not enough
    writeFile("Ontwerpen/e.bmp", "not a picture");
    OpenForm f(M());
    clickRow(f, 0);
    const QSize preview = f.Pic1->size();
    for (int row = 1; row <= 4; ++row) {
        SCOPED_TRACE(row);
        auto& box = dialogs->expectMsg(kNotADesign);
        box.title = "Foute Afbeelding";
        box.buttons = Mb::OkOnly | Mb::Critical;
        clickRow(f, row);
        EXPECT_EQ(S().OpenFormaat, 0);
        EXPECT_EQ(f.Pic1->size(), preview);
        EXPECT_EQ(f.Pic1->surface().pixel(2, 2), RGB(200, 30, 30));
    }
}

TEST_F(DesignFilesTest, OpenPutsTheDesignOnCanvasAndUndoCopy) {
    const QImage design = quarters(310, 580);
    writeDesign("staand.bmp", design);
    S().Gewijzigd = true;
    OpenForm f(M());
    clickRow(f, 0);
    dialogs->expectMsg(kUnsavedDesign, Mb::Yes);
    f.OkKnop_Click();
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(S().OntwerpFormaat, 7);
    EXPECT_EQ(S().OntwerpBestand, designFile("staand.bmp"));
    EXPECT_FALSE(S().Gewijzigd);
    EXPECT_EQ(M().Pic->Image(), design);
    EXPECT_EQ(M().UndoPic->Image(), design);
}

// Opening replaces the canvas: over unsaved work it asks when the design is about to be
// put on it. No changes nothing and keeps the window open, so that the user can still
// cancel and save; without unsaved work nothing asks.
TEST_F(DesignFilesTest, OpenOverUnsavedWorkAsksFirst) {
    const QImage design = quarters(310, 580);
    writeDesign("staand.bmp", design);
    SetDesignFormat(M(), 1);
    S().OntwerpFormaat = 1;
    makeUnsavedWork();
    OpenForm f(M());
    f.show();
    clickRow(f, 0);
    // What the program-wide path holds when "Ok" is pressed is what No must leave.
    S().OntwerpBestand = designFile("oud.bmp");

    expectNoKeepsTheDesign(f, [&] { f.OkKnop_Click(); });
    EXPECT_EQ(S().OntwerpBestand, designFile("oud.bmp"));
    EXPECT_EQ(f.List1->currentRow(), 0);

    dialogs->expectMsg(kUnsavedDesign, Mb::Yes);
    f.OkKnop_Click();
    dialogs->verifyDone();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(M().Pic->Image(), design);
    EXPECT_EQ(M().UndoPic->Image(), design);
    EXPECT_EQ(S().OntwerpBestand, designFile("staand.bmp"));
    EXPECT_EQ(S().OntwerpFormaat, 7);
    EXPECT_FALSE(S().Gewijzigd);

    // Just opened, so nothing unsaved: the next open asks nothing.
    OpenForm again(M());
    clickRow(again, 0);
    again.OkKnop_Click();
    EXPECT_EQ(again.result(), QDialog::Accepted);
}

TEST_F(DesignFilesTest, OpenOkWithoutAValidDesignLeavesTheCanvasAlone) {
    writeDesign("gone.bmp", quarters(415, 415));
    writeDesign("wrong.bmp", quarters(100, 100));
    S().OntwerpFormaat = 1;
    S().Gewijzigd = true;
    M().Pic->surface().filledBox(0, 0, 20, 20, RGB(255, 0, 0));
    const QImage before = M().Pic->Image().copy();
    OpenForm f(M());

    dialogs->expectMsg("Eerst een ontwerp selecteren!");
    f.OkKnop_Click();

    clickRow(f, 0);
    ASSERT_EQ(S().OpenFormaat, 4);
    ASSERT_TRUE(QFile::remove(designFile("gone.bmp")));
    dialogs->expectMsg(kNotADesign).title = "Foute Afbeelding";
    f.OkKnop_Click();

    dialogs->expectMsg(kNotADesign);
    clickRow(f, 1);
    dialogs->expectMsg(kNotADesign);
    f.OkKnop_Click();

    EXPECT_NE(f.result(), QDialog::Accepted);
    EXPECT_EQ(M().Pic->Image(), before);
    EXPECT_EQ(S().OntwerpFormaat, 1);
    EXPECT_TRUE(S().Gewijzigd);
}

TEST_F(DesignFilesTest, OpenDeleteAsksAndRemovesFileAndEntry) {
    writeDesign("een.bmp", quarters(415, 310));
    writeDesign("twee.bmp", quarters(415, 310));
    OpenForm f(M());
    dialogs->expectMsg("Eerst een ontwerp selecteren!").buttons = Mb::OkOnly;
    f.DelKnop_Click();

    clickRow(f, 0);
    auto& no = dialogs->expectMsg("Wil je dit ontwerp (een) voorgoed verwijderen?", Mb::No);
    no.title = "Delete";
    no.buttons = Mb::YesNo;
    f.DelKnop_Click();
    EXPECT_TRUE(QFile::exists(designFile("een.bmp")));
    EXPECT_EQ(f.List1->count(), 2);

    dialogs->expectMsg("Wil je dit ontwerp (een) voorgoed verwijderen?", Mb::Yes);
    f.DelKnop_Click();
    EXPECT_FALSE(QFile::exists(designFile("een.bmp")));
    EXPECT_EQ(entries(f), QStringList{"twee"});
    EXPECT_EQ(f.Label2->text(), "1 Ontwerpen");
    EXPECT_EQ(f.Pic1->surface().pixel(2, 2), f.Pic1->backColor()) << "preview not emptied";
    // Nothing is selected afterwards.
    dialogs->expectMsg("Eerst een ontwerp selecteren!");
    f.DelKnop_Click();
}

TEST_F(DesignFilesTest, OpenDeleteThatFailsIsReportedAndKeepsTheEntry) {
    writeDesign("vast.bmp", quarters(415, 310));
    OpenForm f(M());
    clickRow(f, 0);
    // A non-empty folder in the file's place cannot be removed as a file.
    ASSERT_TRUE(QFile::remove(designFile("vast.bmp")));
    ASSERT_TRUE(QDir().mkpath(designFile("vast.bmp/inner")));
    dialogs->expectMsg("voorgoed verwijderen?", Mb::Yes);
    dialogs->expectMsg("kon niet worden verwijderd").title = "Error";
    f.DelKnop_Click();
    EXPECT_EQ(entries(f), QStringList{"vast"});
}

// A user's way through the program: a new design in "Staand Kort", drawn with the canvas
// tools, saved, opened again and printed as a stamp sheet on the PDF printer. The main
// window's own menu commands open the real windows; each window is driven through its
// handlers as the user's clicks would run them, without a modal loop.
#include "DesignFilesFixture.h"
#include "designfiles/AfdrukForm.h"
#include "designfiles/NieuwForm.h"
#include "designfiles/OpenForm.h"
#include "designfiles/SaveForm.h"
#include "platform/Colour.h"
#include "platform/Files.h"
#include "platform/PictureBox.h"
#include "platform/Printer.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <cstdlib>

using namespace korv;

namespace {

constexpr int kBlank = 240 + 256 * 240 + 65536 * 240;
const int kRed = RGB(255, 0, 0);
const int kBlue = RGB(0, 0, 255);

bool near(QRgb a, int b, int tolerance = 24) {
    return std::abs(qRed(a) - redOf(b)) < tolerance &&
           std::abs(qGreen(a) - greenOf(b)) < tolerance &&
           std::abs(qBlue(a) - blueOf(b)) < tolerance;
}

void leftClick(QWidget* w, QPointF pos) {
    const QPointF global = w->mapToGlobal(pos);
    QMouseEvent press(QEvent::MouseButtonPress, pos, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, pos, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

class RoundTripTest : public DesignFilesTest {
protected:
    void SetUp() override {
        DesignFilesTest::SetUp();
        pdf_ = std::make_shared<QtPrinterService>(path("Afdrukken"));
        S().services.printers = pdf_;
        // A plain pale sheet background, 9630 x 6900 twips as format 5 prints it.
        QImage vel(642, 460, QImage::Format_RGB32);
        vel.fill(QColor(255, 255, 200));
        ASSERT_TRUE(vel.save(path("Data/vel-5.jpg"), "JPEG", 95));
        S().TekstOpVel = "Korvamint";
    }
    std::shared_ptr<QtPrinterService> pdf_;
};

} // namespace

TEST_F(RoundTripTest, NewDrawSaveOpenAndPrintASheet) {
    Main& m = M();
    int newFormat = 5;
    windows_.add("NieuwForm", [&](Main& main) {
        NieuwForm f(main);
        EXPECT_EQ(f.windowTitle(), "Nieuw Ontwerp");
        f.Option1[newFormat]->click();
        f.OkKnop_Click();
        EXPECT_EQ(f.result(), QDialog::Accepted);
    });

    // New design, "Staand Kort": a blank canvas of 310 x 415 pixels.
    S().Gewijzigd = false;
    m.FileNew_Click();
    EXPECT_EQ(S().OntwerpFormaat, 5);
    ASSERT_EQ(m.Pic->Image().size(), QSize(310, 415));
    EXPECT_EQ(m.Pic->surface().pixel(155, 200), kBlank);
    EXPECT_EQ(m.Maat->title(), "(310 x 415 / Staand Kort)");
    EXPECT_EQ(m.XYlabel->text(), "310 x 415");
    EXPECT_EQ(m.TandPic->Image().size(), QSize(355, 460)) << "the format's template";

    // A red box of four lines, three pixels wide, filled blue inside.
    m.HScroll1[0]->setValue(255);
    m.HScroll1[1]->setValue(0);
    m.HScroll1[2]->setValue(0);
    m.HScroll2[0]->setValue(0);
    m.HScroll2[1]->setValue(0);
    m.HScroll2[2]->setValue(255);
    m.LijndikteScroll->setValue(3);
    m.TekenKnop_Click(1);
    const QPoint corners[5] = {{60, 80}, {250, 80}, {250, 335}, {60, 335}, {60, 80}};
    for (int i = 0; i < 4; ++i) {
        m.Pic_MouseDown(Mouse::Left, 0, corners[i].x(), corners[i].y());
        m.Pic_MouseMove(Mouse::Left, 0, corners[i + 1].x(), corners[i + 1].y());
        m.Pic_MouseUp(Mouse::Left, 0, corners[i + 1].x(), corners[i + 1].y());
    }
    m.TekenKnop_Click(3);
    m.Pic_MouseDown(Mouse::Left, 0, 155, 200);
    m.Pic_MouseUp(Mouse::Left, 0, 155, 200);
    EXPECT_TRUE(S().Gewijzigd);
    const Surface& canvas = m.Pic->surface();
    EXPECT_EQ(canvas.pixel(155, 80), kRed);
    EXPECT_EQ(canvas.pixel(60, 200), kRed);
    EXPECT_EQ(canvas.pixel(155, 200), kBlue);
    EXPECT_EQ(canvas.pixel(240, 325), kBlue);
    EXPECT_EQ(canvas.pixel(20, 20), kBlank);
    EXPECT_EQ(canvas.pixel(290, 400), kBlank);
    const QImage drawn = m.Pic->Image().copy();

    // Save as "rondje": the name box empties on a click, then the name is typed.
    windows_.add("SaveForm", [&](Main& main) {
        SaveForm f(main);
        EXPECT_EQ(f.windowTitle(), "Ontwerp Opslaan");
        f.Text1->setText("iets anders");
        leftClick(f.Text1, QPointF(5, 5));
        EXPECT_EQ(f.Text1->text(), "");
        f.Text1->setText("rondje");
        f.SaveKnop_Click();
        EXPECT_EQ(f.result(), QDialog::Accepted);
        EXPECT_EQ(f.Label1->text(), "100%");
        EXPECT_TRUE(f.Bar->isVisibleTo(&f));
    });
    m.FileSave_Click();
    EXPECT_FALSE(S().Gewijzigd);
    EXPECT_EQ(S().OntwerpBestand, picturesFolder() + "/rondje.jpg");
    QImage bmp, jpeg;
    ASSERT_TRUE(loadPicture(designFile("rondje.bmp"), bmp));
    EXPECT_EQ(bmp.convertToFormat(QImage::Format_RGB32), drawn);
    ASSERT_TRUE(loadPicture(picturesFolder() + "/rondje.jpg", jpeg));
    EXPECT_EQ(jpeg.size(), QSize(310, 415));
    EXPECT_TRUE(near(jpeg.pixel(155, 200), kBlue));
    EXPECT_FALSE(QFile::exists(path("mydummy.bmp")));

    // Another new design wipes the canvas; opening brings the saved one back.
    newFormat = 1;
    m.FileNew_Click();
    ASSERT_EQ(m.Pic->Image().size(), QSize(415, 310));
    windows_.add("OpenForm", [&](Main& main) {
        OpenForm f(main);
        EXPECT_EQ(f.windowTitle(), "Openen van een Korvamint Ontwerp");
        ASSERT_EQ(f.List1->count(), 1);
        EXPECT_EQ(f.List1->item(0)->text(), "rondje");
        EXPECT_EQ(f.Label2->text(), "1 Ontwerpen");
        f.show();
        leftClick(f.List1->viewport(), f.List1->visualItemRect(f.List1->item(0)).center());
        EXPECT_EQ(S().OpenFormaat, 5);
        // A third of 4650 x 6225 twips: 1550 x 2075 twips, 103 x 138 pixels.
        EXPECT_EQ(f.Pic1->size(), QSize(103, 138));
        EXPECT_EQ(f.Pic1->surface().pixel(51, 66), kBlue);
        EXPECT_EQ(f.Pic1->surface().pixel(3, 3), kBlank);
        f.OkKnop_Click();
        EXPECT_EQ(f.result(), QDialog::Accepted);
        f.hide();
    });
    m.FileOpen_Click();
    EXPECT_EQ(S().OntwerpFormaat, 5);
    EXPECT_EQ(S().OntwerpBestand, designFile("rondje.bmp"));
    EXPECT_FALSE(S().Gewijzigd);
    EXPECT_EQ(m.Pic->Image(), drawn);
    EXPECT_EQ(m.UndoPic->Image(), drawn);
    EXPECT_EQ(m.Maat->title(), "(310 x 415 / Staand Kort)");
    EXPECT_EQ(m.TandPic->Image().size(), QSize(355, 460));

    // A mint sheet on the PDF printer.
    windows_.add("AfdrukForm", [&](Main& main) {
        AfdrukForm f(main);
        const int pdfIndex = f.Combo2->findText(kPdfPrinterName);
        ASSERT_GE(pdfIndex, 0);
        f.Combo2->setCurrentIndex(pdfIndex);
        f.Combo2_Click();
        EXPECT_EQ(f.windowTitle(), "Afdrukken (" + kPdfPrinterName + ")");
        f.Option1[1]->click();
        EXPECT_TRUE(f.Option2[1]->isChecked()) << "mint unless the user picks the postmark";
        f.PrintKnop_Click();
        EXPECT_EQ(f.result(), QDialog::Accepted);
    });
    m.FilePrint_Click();
    const QString pdfFile = pdf_->lastPdf();
    ASSERT_FALSE(pdfFile.isEmpty());
    ASSERT_TRUE(QFile::exists(pdfFile));

    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    if (pdftoppm.isEmpty()) GTEST_SKIP() << "pdftoppm is needed to look at the printed page";
    // At 72 dots per inch one pixel is 20 twips.
    QProcess p;
    p.start(pdftoppm, {"-r", "72", "-png", pdfFile, path("page")});
    ASSERT_TRUE(p.waitForFinished(60000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const QStringList pages = QDir(dir_.path()).entryList({"page*.png"});
    ASSERT_EQ(pages, QStringList{"page-1.png"}) << "one sheet, one page";
    const QImage page(path("page-1.png"));
    // Landscape A4: 842 x 595 points.
    EXPECT_EQ(page.size(), QSize(842, 595));
    // Ten stamps, five across and two down from (3960, 3510) twips in steps of 1695 and
    // 2265, each 1530 x 2100: the design's blue middle at (765, 1050) in each.
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 5; ++col) {
            SCOPED_TRACE(QString("stamp %1,%2").arg(col).arg(row).toStdString());
            const int x = 3960 + 1695 * col, y = 3510 + 2265 * row;
            EXPECT_TRUE(near(page.pixel((x + 765) / 20, (y + 1050) / 20), kBlue));
            // The blank corner of the design.
            EXPECT_TRUE(near(page.pixel((x + 100) / 20, (y + 100) / 20), kBlank));
        }
    // The sheet text in grey, centred in a band from 420 twips below the background's top
    // (the background's middle is at 3300 + 9630 / 2 = 8115 twips).
    int left = 0, right = 0;
    for (int y = (2250 + 420) / 20; y < (2250 + 420 + 700) / 20; ++y)
        for (int x = 3300 / 20; x < 12930 / 20; ++x)
            if (near(page.pixel(x, y), RGB(160, 160, 160), 16)) ++(x < 8115 / 20 ? left : right);
    EXPECT_GT(left, 100);
    EXPECT_GT(right, 100);
    EXPECT_LT(std::abs(left - right), (left + right) / 4) << left << " left, " << right << " right";
    // Between the stamps the sheet's background shows; beyond it the paper.
    EXPECT_TRUE(near(page.pixel((5490 + 5655) / 40, 4500 / 20), RGB(255, 255, 200)));
    EXPECT_TRUE(near(page.pixel(13500 / 20, 4500 / 20), RGB(255, 255, 255)));
    EXPECT_TRUE(near(page.pixel(3000 / 20, 4500 / 20), RGB(255, 255, 255)));
}

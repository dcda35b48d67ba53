// Listing, opening, saving and printing supplement pages.
#include "FullDisk.h"
#include "SuppFixture.h"

#include "platform/Colour.h"
#include "platform/Files.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

using namespace korv;

namespace {
QImage solid(int w, int h, QColor c) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}
void clickEntry(SuppForm& f, const QString& name) {
    const auto items = f.List1->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << name.toStdString();
    f.List1->setCurrentItem(items.front());
    f.List1_Click();
}
// The centre of a row in the list's viewport, where the user clicks.
QPoint rowCentre(SuppForm& f, int row) {
    return f.List1->visualItemRect(f.List1->item(row)).center();
}
const QString kUnsavedPage = "De pagina is gewijzigd en niet opgeslagen. Toch doorgaan?";
} // namespace

TEST_F(SuppTest, ListsEachFolderAndOpensACoverPage) {
    ASSERT_TRUE(solid(480, 700, QColor(0, 0, 255)).save(path("Supplementen/Wapens/Blauw.jpg")));
    ASSERT_TRUE(solid(200, 100, QColor(255, 0, 0)).save(path("Supplementen/Wapens/Klein.jpg")));
    writeFile("Supplementen/Wapens/lees.txt", "x");
    open();
    F().Openen_Click(1);
    ASSERT_EQ(F().List1->count(), 2);
    EXPECT_EQ(F().List1->item(0)->text(), "Blauw.jpg");
    EXPECT_EQ(F().Label2->text(), "2");

    clickEntry(F(), "Blauw.jpg");
    for (QPoint p : {QPoint(0, 0), QPoint(479, 699), QPoint(240, 350)}) {
        const int c = px(p.x(), p.y());
        EXPECT_LE(redOf(c), 8);
        EXPECT_GE(blueOf(c), 247);
    }
    // A smaller page leaves the rest of the page white.
    clickEntry(F(), "Klein.jpg");
    EXPECT_GE(redOf(px(199, 99)), 247);
    EXPECT_EQ(px(200, 99), kWhite);
    EXPECT_EQ(px(479, 699), kWhite);
}

// Opening a page replaces the whole page: over unsaved work the user is asked first, for
// cover pages and own pages alike, and No keeps page, undo copy, flag and list as they were.
TEST_F(SuppTest, OpeningAPageOverAnUnsavedPageAsksFirst) {
    ASSERT_TRUE(solid(480, 700, QColor(0, 0, 255)).save(path("Supplementen/Wapens/Blauw.jpg")));
    ASSERT_TRUE(solid(480, 700, QColor(255, 0, 0)).save(path("Supplementen/Wapens/Rood.jpg")));
    ASSERT_TRUE(solid(480, 700, QColor(0, 255, 0)).save(path("Supplementen/Ontwerpen/Eigen.bmp")));
    open();
    F().show();
    F().Openen_Click(1);
    ASSERT_EQ(F().List1->count(), 2);
    QTest::mouseClick(F().List1->viewport(), Qt::LeftButton, {}, rowCentre(F(), 0));
    EXPECT_GE(blueOf(px(240, 350)), 247); // unchanged page: opened without a question
    EXPECT_FALSE(F().PaginaGewijzigd);

    drag(10, 10, 40, 40);
    drag(100, 100, 140, 140);
    const QImage page = F().Pic->Image().copy();
    const QImage undo = F().UndoPic->Image().copy();
    ASSERT_NE(page, undo);

    auto& q = dialogs->expectMsg(kUnsavedPage, Mb::No);
    q.title = "Korvamint Smidrovel";
    q.buttons = Mb::YesNo;
    QTest::mouseClick(F().List1->viewport(), Qt::LeftButton, {}, rowCentre(F(), 1));
    dialogs->verifyDone();
    EXPECT_EQ(F().Pic->Image(), page);
    EXPECT_EQ(F().UndoPic->Image(), undo);
    EXPECT_TRUE(F().PaginaGewijzigd);
    EXPECT_EQ(F().List1->currentRow(), 0) << "the list should show the page still on show";
    EXPECT_TRUE(F().isVisible());

    // A double click is one choice: one question, and No opens nothing afterwards.
    dialogs->expectMsg(kUnsavedPage, Mb::No);
    // As the window system delivers one: press, release, double click, release.
    QTest::mouseClick(F().List1->viewport(), Qt::LeftButton, {}, rowCentre(F(), 1));
    QTest::mouseDClick(F().List1->viewport(), Qt::LeftButton, {}, rowCentre(F(), 1));
    QTest::mouseRelease(F().List1->viewport(), Qt::LeftButton, {}, rowCentre(F(), 1));
    dialogs->verifyDone();
    EXPECT_EQ(F().Pic->Image(), page);
    EXPECT_EQ(F().List1->currentRow(), 0);

    // Enter on a row opens it too, and asks the same.
    F().List1->setCurrentRow(1);
    dialogs->expectMsg(kUnsavedPage, Mb::No);
    QTest::keyClick(F().List1, Qt::Key_Return);
    dialogs->verifyDone();
    EXPECT_EQ(F().Pic->Image(), page);
    EXPECT_EQ(F().List1->currentRow(), 0);

    dialogs->expectMsg(kUnsavedPage, Mb::Yes);
    QTest::mouseClick(F().List1->viewport(), Qt::LeftButton, {}, rowCentre(F(), 1));
    dialogs->verifyDone();
    EXPECT_GE(redOf(px(20, 20)), 247);
    EXPECT_LE(blueOf(px(20, 20)), 8);
    EXPECT_FALSE(F().PaginaGewijzigd);
    EXPECT_EQ(F().List1->currentRow(), 1);

    // Own pages: a list filled afresh has no row on show to go back to.
    F().Openen_Click(2);
    drag(10, 10, 40, 40);
    const QImage drawn = F().Pic->Image().copy();
    dialogs->expectMsg(kUnsavedPage, Mb::No);
    QTest::mouseClick(F().List1->viewport(), Qt::LeftButton, {}, rowCentre(F(), 0));
    dialogs->verifyDone();
    EXPECT_EQ(F().Pic->Image(), drawn);
    EXPECT_TRUE(F().PaginaGewijzigd);
    EXPECT_EQ(F().List1->currentRow(), -1);
    EXPECT_TRUE(F().List1->selectedItems().isEmpty());
    dialogs->expectMsg(kUnsavedPage, Mb::Yes);
    QTest::mouseClick(F().List1->viewport(), Qt::LeftButton, {}, rowCentre(F(), 0));
    EXPECT_EQ(px(20, 20), RGB(0, 255, 0));
    EXPECT_FALSE(F().PaginaGewijzigd);
}

TEST_F(SuppTest, MissingFolderAndUnreadablePageAreReported) {
    ASSERT_TRUE(QDir(path("Supplementen/Wapens")).removeRecursively());
    writeFile("Supplementen/Ontwerpen/Kapot.bmp", "geen plaatje");
    open();
    dialogs->expectError("Supplementen/Wapens");
    F().Openen_Click(1);
    EXPECT_EQ(F().List1->count(), 0);
    EXPECT_EQ(F().Label2->text(), "0");

    drag(10, 10, 20, 20);
    F().Openen_Click(2);
    dialogs->expectMsg("Kapot.bmp").title = "Error";
    clickEntry(F(), "Kapot.bmp"); // nothing to open: no question, the page stays unsaved
    EXPECT_EQ(px(10, 10), kBlack);
    EXPECT_TRUE(F().PaginaGewijzigd);
}

TEST_F(SuppTest, SavedPageKeepsTheNameAsTypedAndReopensExactly) {
    open();
    drag(30, 40, 130, 140);
    S().OntwerpBestand = "vorige";
    auto& ask = dialogs->expectInput("Geef de naam voor dit Supplement...", " Blad 1 ");
    ask.title = "Naam";
    F().FileSave_Click();
    const QString file = path("Supplementen/Ontwerpen/ Blad 1 .bmp");
    EXPECT_EQ(QDir::cleanPath(S().OntwerpBestand), QDir::cleanPath(file));
    ASSERT_TRUE(QFile::exists(file));
    const QImage saved = F().Pic->Image().copy();

    dialogs->expectMsg("Wilt u een nieuw ontwerp maken?", Mb::Yes);
    F().FileNew_Click();
    F().Openen_Click(2);
    clickEntry(F(), " Blad 1 .bmp");
    EXPECT_EQ(F().Pic->Image(), saved);

    // With the frame on, it is drawn over the opened page once more.
    F().HScroll1[0]->setValue(255);
    F().Check1->setChecked(true);
    dialogs->expectMsg(kUnsavedPage, Mb::Yes); // the frame is unsaved work
    F().FileNew_Click();
    clickEntry(F(), " Blad 1 .bmp");
    EXPECT_EQ(px(16, 16), RGB(255, 0, 0));
    EXPECT_EQ(px(80, 80), RGB(240, 240, 240));
}

TEST_F(SuppTest, SaveStopsOnBlankNamesRefusedNamesAndNo) {
    open();
    S().OntwerpBestand = "vorige";
    dialogs->expectInput("Geef de naam", "   ");
    F().FileSave_Click();
    dialogs->expectInput("Geef de naam", ""); // Cancel
    F().FileSave_Click();
    for (const QString& bad : {QString("a/b"), QString(".."), QString("a\\b"), QString("x\ty")}) {
        dialogs->expectInput("Geef de naam", bad);
        dialogs->expectMsg("bestandsnaam").title = "Error";
        F().FileSave_Click();
    }
    EXPECT_EQ(S().OntwerpBestand, "vorige");
    EXPECT_TRUE(listFiles(path("Supplementen/Ontwerpen"), {"*"}).isEmpty());

    writeFile("Supplementen/Ontwerpen/Oud.bmp", "oud");
    dialogs->expectInput("Geef de naam", "Oud");
    dialogs->expectMsg("Naam supplement bestaat al, overschrijven?", Mb::No).title = " Exist";
    F().FileSave_Click();
    EXPECT_TRUE(S().OntwerpBestand.endsWith("Supplementen/Ontwerpen/Oud.bmp"));
    QFile f(path("Supplementen/Ontwerpen/Oud.bmp"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "oud");
}

TEST_F(SuppTest, FailedSaveIsReported) {
    open();
    // A folder where the file should go makes the write fail.
    ASSERT_TRUE(QDir().mkpath(path("Supplementen/Ontwerpen/Vast.bmp")));
    dialogs->expectInput("Geef de naam", "Vast");
    dialogs->expectError("niet worden opgeslagen");
    F().FileSave_Click();
}

TEST_F(SuppTest, PrintsThePageOnA4InTwips) {
    open();
    drag(10, 10, 100, 100);
    printers_->setCurrent(0);
    printers_->recording().Orientation = 2;
    F().FilePrint_Click();
    RecordingPrinter& pr = printers_->recording();
    ASSERT_EQ(pr.documents.size(), 1u);
    ASSERT_EQ(pr.documents[0].size(), 1u);
    ASSERT_EQ(pr.documents[0][0].size(), 1u);
    const PrintOp& op = pr.documents[0][0][0];
    EXPECT_EQ(op.kind, PrintOp::Image);
    EXPECT_EQ(op.orientation, 1);
    // 600 dots per inch: 300 twips are 125 dots, 11160 are 4650, 16200 are 6750.
    EXPECT_NEAR(op.rect.left(), 125, 0.01);
    EXPECT_NEAR(op.rect.top(), 125, 0.01);
    EXPECT_NEAR(op.rect.width(), 4650, 0.01);
    EXPECT_NEAR(op.rect.height(), 6750, 0.01);
    EXPECT_EQ(op.source, QRectF(0, 0, 480, 700));
    EXPECT_EQ(op.image.pixel(50, 50) & 0xFFFFFF, 0xF0F0F0u);

    pr.failEnd = true;
    dialogs->expectMsg("afgedrukt").title = "Error";
    F().PrintSupplement();
}

namespace {
class SuppFullDiskTest : public SuppTest, public ::testing::WithParamInterface<FullDiskKind> {};
} // namespace

TEST_P(SuppFullDiskTest, FullDiskKeepsTheOldPageAndSaysSo) {
    writeFile("Supplementen/Ontwerpen/Oud.bmp", "old page");
    open();
    FullDisk full(GetParam(), path("Supplementen/Ontwerpen"));
    if (!full.active()) GTEST_SKIP() << full.reason().toStdString();
    const QStringList before = full.entries();

    dialogs->expectInput("Geef de naam", "Oud");
    dialogs->expectMsg("Naam supplement bestaat al, overschrijven?", Mb::Yes);
    dialogs->expectError("Het supplement kon niet worden opgeslagen");
    F().FileSave_Click();
    dialogs->verifyDone();
    EXPECT_EQ(fileBytes(path("Supplementen/Ontwerpen/Oud.bmp")), "old page");
    EXPECT_EQ(full.entries(), before);
}

INSTANTIATE_TEST_SUITE_P(FullDisk, SuppFullDiskTest, kFullDiskKinds, fullDiskName);

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
    clickEntry(F(), "Kapot.bmp");
    EXPECT_EQ(px(10, 10), kBlack);
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
    dialogs->expectMsg("Wilt u een nieuw ontwerp maken?", Mb::Yes);
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

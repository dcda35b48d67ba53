#include "designfiles/SaveForm.h"
#include "DesignFilesFixture.h"
#include "FullDisk.h"
#include "editor/Algemeen.h"
#include "platform/Colour.h"
#include "platform/Files.h"
#include "platform/PictureBox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

using namespace korv;

namespace {

QByteArray contents(const QString& p) {
    QFile f(p);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class SaveFormTest : public DesignFilesTest {
protected:
    void SetUp() override {
        DesignFilesTest::SetUp();
        SetDesignFormat(M(), 2);
        S().OntwerpFormaat = 2;
        M().Pic->surface().filledBox(0, 0, 99, 49, RGB(255, 0, 0));
        M().Pic->surface().filledBox(300, 200, 474, 309, RGB(0, 0, 255));
        S().Gewijzigd = true;
    }
    // Saves under `name`; true when the window closed after a complete save.
    bool save(const QString& name) {
        SaveForm f(M());
        f.Text1->setText(name);
        f.SaveKnop_Click();
        return f.result() == QDialog::Accepted;
    }
    QString jpg(const QString& name) const { return picturesFolder() + "/" + name + ".jpg"; }
};

TEST_F(SaveFormTest, WritesTheDesignAndItsJpegCopy) {
    SaveForm f(M());
    f.Text1->setText("abc");
    f.SaveKnop_Click();
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(f.Label1->text(), "100%");
    EXPECT_FALSE(S().services.busy.isBusy());

    QImage bmp, jpeg;
    ASSERT_TRUE(loadPicture(designFile("abc.bmp"), bmp));
    EXPECT_EQ(bmp, M().Pic->Image());
    EXPECT_EQ(bmp.size(), QSize(475, 310));
    ASSERT_TRUE(loadPicture(jpg("abc"), jpeg));
    EXPECT_EQ(jpeg.size(), QSize(475, 310));
    const QRgb red = jpeg.pixel(40, 20), blue = jpeg.pixel(400, 250);
    EXPECT_GT(qRed(red), 240);
    EXPECT_LT(qGreen(red) + qBlue(red), 20);
    EXPECT_GT(qBlue(blue), 240);
    EXPECT_FALSE(QFile::exists(path("mydummy.bmp")));

    EXPECT_EQ(S().OntwerpBestand, jpg("abc"));
    EXPECT_FALSE(S().Gewijzigd);
}

TEST_F(SaveFormTest, MakesMissingFoldersAndKeepsBlanksInTheName) {
    ASSERT_TRUE(QDir(path("Ontwerpen")).removeRecursively());
    EXPECT_TRUE(save(" abc "));
    EXPECT_TRUE(QFile::exists(designFile(" abc .bmp")));
    EXPECT_TRUE(QFile::exists(jpg(" abc ")));

    S().Gewijzigd = true;
    EXPECT_FALSE(save("   "));
    EXPECT_TRUE(S().Gewijzigd);
    EXPECT_EQ(QDir(path("Ontwerpen")).entryList(QDir::Files).size(), 1);
}

TEST_F(SaveFormTest, AsksBeforeOverwritingADesignOrAPicture) {
    writeFile("Ontwerpen/abc.bmp", "old");
    auto& q = dialogs->expectMsg("Naam ontwerp bestaat al, overschrijven?", Mb::No);
    q.title = " Exist";
    q.buttons = Mb::YesNo;
    EXPECT_FALSE(save("abc"));
    EXPECT_EQ(contents(designFile("abc.bmp")), "old");
    EXPECT_FALSE(QFile::exists(jpg("abc")));
    EXPECT_TRUE(S().Gewijzigd);

    dialogs->expectMsg("Naam ontwerp bestaat al, overschrijven?", Mb::Yes);
    EXPECT_TRUE(save("abc"));
    QImage bmp;
    EXPECT_TRUE(loadPicture(designFile("abc.bmp"), bmp));
    EXPECT_FALSE(S().Gewijzigd);

    // A picture of the user's with the name, and no design: asked as well.
    ASSERT_TRUE(QDir().mkpath(picturesFolder()));
    ASSERT_TRUE(QFile(jpg("vakantie")).open(QIODevice::WriteOnly));
    dialogs->expectMsg("Naam ontwerp bestaat al, overschrijven?", Mb::No);
    EXPECT_FALSE(save("vakantie"));
    EXPECT_EQ(QFileInfo(jpg("vakantie")).size(), 0);
    EXPECT_FALSE(QFile::exists(designFile("vakantie.bmp")));
}

TEST_F(SaveFormTest, RefusesNamesThatAreNoFileNames) {
    const QString bad[] = {
        "a/b", "a\\b", ".", "..", QString("a") + QChar(9) + "b", QString("x") + QChar(0x7f)};
    for (const QString& name : bad) {
        SCOPED_TRACE(name.toStdString());
        dialogs->expectMsg("bestandsnaam").title = "Error";
        EXPECT_FALSE(save(name));
        EXPECT_EQ(dialogs->seen().back().buttons, Mb::OkOnly | Mb::Critical);
    }
    EXPECT_TRUE(QDir(path("Ontwerpen")).entryList(QDir::Files).isEmpty());
    EXPECT_FALSE(QDir(picturesFolder()).exists());
    EXPECT_TRUE(S().Gewijzigd);
}

TEST_F(SaveFormTest, ADesignThatCannotBeWrittenIsReported) {
    // A file where the designs folder should be: no design can be written beneath it.
    ASSERT_TRUE(QDir(path("Ontwerpen")).removeRecursively());
    writeFile("Ontwerpen", "in the way");
    SaveForm f(M());
    f.Text1->setText("abc");
    dialogs->expectMsg("Het ontwerp kon niet worden opgeslagen").title = "Error";
    f.SaveKnop_Click();
    EXPECT_EQ(dialogs->seen().back().buttons, Mb::OkOnly | Mb::Critical);
    EXPECT_NE(f.result(), QDialog::Accepted);
    EXPECT_EQ(f.Label1->text(), "0%") << "no animation after a failure";
    EXPECT_FALSE(QFile::exists(jpg("abc")));
    EXPECT_TRUE(S().Gewijzigd);
}

TEST_F(SaveFormTest, AJpegCopyThatCannotBeWrittenStopsTheSave) {
    writeFile("blocker", "x");
    S().services.picturesFolder = path("blocker/Pictures");
    SaveForm f(M());
    f.Text1->setText("abc");
    dialogs->expectMsg("Fout bij opslaan als JPG!").buttons = Mb::OkOnly;
    f.SaveKnop_Click();
    EXPECT_NE(f.result(), QDialog::Accepted);
    EXPECT_EQ(f.Label1->text(), "0%");
    EXPECT_TRUE(QFile::exists(designFile("abc.bmp")));
    EXPECT_EQ(S().OntwerpBestand, designFile("abc.bmp"));
    EXPECT_TRUE(S().Gewijzigd);
}

TEST_F(SaveFormTest, ButtonsAndCloseBoxWaitForTheAnimation) {
    SaveForm f(M());
    f.Text1->setText("abc");
    int accepted = 0, rejected = 0;
    QObject::connect(&f, &QDialog::accepted, [&] { ++accepted; });
    QObject::connect(&f, &QDialog::rejected, [&] { ++rejected; });
    bool tried = false, wasAnimating = false;
    // Runs inside one of the animation's pauses.
    QTimer::singleShot(0, &f, [&] {
        tried = true;
        wasAnimating = f.animating();
        f.CancelKnop_Click();
        f.close();
        f.reject();
        f.SaveKnop_Click();
    });
    f.SaveKnop_Click();
    ASSERT_TRUE(tried);
    EXPECT_TRUE(wasAnimating);
    EXPECT_EQ(rejected, 0);
    EXPECT_EQ(accepted, 1);
    EXPECT_FALSE(f.Text1->isVisibleTo(&f));
    EXPECT_TRUE(f.Bar->isVisibleTo(&f));
    EXPECT_EQ(f.Bar->surface().pixel(100, 10), RGB(0, 240, 0));
}

namespace {
class SaveFormFullDiskTest : public SaveFormTest,
                             public ::testing::WithParamInterface<FullDiskKind> {};
} // namespace

TEST_P(SaveFormFullDiskTest, DesignKeepsTheOldBitmapAndStaysChanged) {
    writeFile("Ontwerpen/abc.bmp", "old design");
    FullDisk full(GetParam(), path("Ontwerpen"));
    if (!full.active()) GTEST_SKIP() << full.reason().toStdString();
    const QStringList before = full.entries();

    dialogs->expectMsg("Naam ontwerp bestaat al, overschrijven?", Mb::Yes);
    dialogs->expectError("Het ontwerp kon niet worden opgeslagen");
    EXPECT_FALSE(save("abc"));
    dialogs->verifyDone();
    EXPECT_EQ(contents(designFile("abc.bmp")), "old design");
    EXPECT_EQ(full.entries(), before);
    EXPECT_FALSE(QFile::exists(jpg("abc")));
    EXPECT_TRUE(S().Gewijzigd);
}

TEST_P(SaveFormFullDiskTest, JpegCopyKeepsTheOldPictureAndTheSaveStopsShort) {
    // A limit on file sizes stops the design bitmap, which is written first, already.
    if (GetParam() == FullDiskKind::FileSizeLimit)
        GTEST_SKIP() << "the design bitmap fails before its JPEG copy is tried";
    ASSERT_TRUE(QDir().mkpath(picturesFolder()));
    writeFile("Pictures/abc.jpg", "old copy");
    FullDisk full(GetParam(), picturesFolder());
    if (!full.active()) GTEST_SKIP() << full.reason().toStdString();
    const QStringList before = full.entries();

    dialogs->expectMsg("Naam ontwerp bestaat al, overschrijven?", Mb::Yes);
    dialogs->expectMsg("Fout bij opslaan als JPG!").buttons = Mb::OkOnly;
    SaveForm f(M());
    f.Text1->setText("abc");
    f.SaveKnop_Click();
    dialogs->verifyDone();
    EXPECT_NE(f.result(), QDialog::Accepted);
    EXPECT_NE(f.Label1->text(), "100%");
    EXPECT_EQ(contents(jpg("abc")), "old copy");
    EXPECT_EQ(full.entries(), before);
    EXPECT_TRUE(S().Gewijzigd);
}

INSTANTIATE_TEST_SUITE_P(FullDisk, SaveFormFullDiskTest, kFullDiskKinds, fullDiskName);

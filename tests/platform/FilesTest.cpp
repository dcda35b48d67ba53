#include "platform/Files.h"
#include "platform/Colour.h"
#include "support/FullDisk.h"
#include "support/ProgramFolder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

using namespace korv;

namespace {

using FilesTest = ProgramFolderTest;

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

QByteArray encoded(const QImage& img, const char* format) {
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    QImageWriter w(&buf, format);
    EXPECT_TRUE(w.write(img)) << format;
    return bytes;
}

bool canCreateIn(const QString& folder) {
    QFile probe(folder + "/probe.tmp");
    if (!probe.open(QIODevice::WriteOnly)) return false;
    probe.close();
    probe.remove();
    return true;
}

// A folder that refuses new entries while it lives: read-only permissions, and for the
// superuser, whom permissions do not stop, the file system's immutable flag.
class LockedFolder {
public:
    explicit LockedFolder(const QString& path) : path_(path) {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
        if (!canCreateIn(path)) return;
        fd_ = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY);
        int flags = 0;
        if (fd_ >= 0 && ::ioctl(fd_, FS_IOC_GETFLAGS, &flags) == 0) {
            flags |= FS_IMMUTABLE_FL;
            immutable_ = ::ioctl(fd_, FS_IOC_SETFLAGS, &flags) == 0;
        }
    }
    ~LockedFolder() {
        if (immutable_) {
            int flags = 0;
            ::ioctl(fd_, FS_IOC_GETFLAGS, &flags);
            flags &= ~FS_IMMUTABLE_FL;
            ::ioctl(fd_, FS_IOC_SETFLAGS, &flags);
        }
        if (fd_ >= 0) ::close(fd_);
        QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    LockedFolder(const LockedFolder&) = delete;
    LockedFolder& operator=(const LockedFolder&) = delete;
    bool locked() const { return !canCreateIn(path_); }

private:
    QString path_;
    int fd_ = -1;
    bool immutable_ = false;
};

} // namespace

TEST_F(FilesTest, ListFilesMatchesAndSortsWithoutCaseKeepingRealNames) {
    for (const char* name : {"b.JPG", "Zeta.Jpg", "A.jpg", "c.bmp", "notes.txt", "x.jpgx"})
        writeFile(QString("Cliparts/") + name, "x");
    ASSERT_TRUE(QDir().mkpath(path("Cliparts/folder.jpg")));

    EXPECT_EQ(listFiles(path("Cliparts"), {"*.jpg"}), (QStringList{"A.jpg", "b.JPG", "Zeta.Jpg"}));
    EXPECT_EQ(listFiles(path("Cliparts"), {"*.BMP", "*.JPG"}),
              (QStringList{"A.jpg", "b.JPG", "c.bmp", "Zeta.Jpg"}));
    EXPECT_EQ(listFiles(path("Cliparts"), {"*.gif"}), QStringList{});
    EXPECT_EQ(listFiles(path("Nowhere"), {"*.jpg"}), QStringList{});

    for (const char* name : {"beta", "Alpha", "gamma"})
        ASSERT_TRUE(QDir().mkpath(path(QString("Verzameling/") + name)));
    EXPECT_EQ(listFolders(path("Verzameling")), (QStringList{"Alpha", "beta", "gamma"}));
}

TEST_F(FilesTest, LoadPictureGoesByContentNotExtension) {
    QImage img(3, 2, QImage::Format_RGB32);
    img.setPixel(0, 0, qRgb(255, 0, 0));
    img.setPixel(1, 0, qRgb(0, 255, 0));
    img.setPixel(2, 0, qRgb(0, 0, 255));
    img.setPixel(0, 1, qRgb(0, 0, 0));
    img.setPixel(1, 1, qRgb(255, 255, 255));
    img.setPixel(2, 1, qRgb(12, 34, 56));
    writeFile("Cliparts/really-a-bmp.jpg", encoded(img, "bmp"));

    QImage out;
    QString error;
    ASSERT_TRUE(loadPicture(path("Cliparts/really-a-bmp.jpg"), out, &error)) << error.toStdString();
    ASSERT_EQ(out.size(), QSize(3, 2));
    EXPECT_EQ(out.format(), QImage::Format_RGB32);
    EXPECT_EQ(fromQRgb(out.pixel(0, 0)), RGB(255, 0, 0));
    EXPECT_EQ(fromQRgb(out.pixel(1, 0)), RGB(0, 255, 0));
    EXPECT_EQ(fromQRgb(out.pixel(2, 0)), RGB(0, 0, 255));
    EXPECT_EQ(fromQRgb(out.pixel(2, 1)), RGB(12, 34, 56));

    // A JPEG named .bmp loads as well.
    QImage grey(16, 8, QImage::Format_RGB32);
    grey.fill(qRgb(128, 128, 128));
    writeFile("Cliparts/really-a-jpeg.bmp", encoded(grey, "jpeg"));
    ASSERT_TRUE(loadPicture(path("Cliparts/really-a-jpeg.bmp"), out));
    EXPECT_EQ(out.size(), QSize(16, 8));
}

TEST_F(FilesTest, LoadPictureReportsFailureAndLeavesTheImageAlone) {
    writeFile("Cliparts/text.jpg", "This is no picture at all.\r\n");
    writeFile("Cliparts/empty.bmp", "");
    QImage out(5, 5, QImage::Format_RGB32);
    out.fill(qRgb(1, 2, 3));
    for (const char* name : {"Cliparts/text.jpg", "Cliparts/empty.bmp", "Cliparts/missing.bmp"}) {
        QString error;
        EXPECT_FALSE(loadPicture(path(name), out, &error)) << name;
        EXPECT_FALSE(error.isEmpty()) << name;
        ASSERT_EQ(out.size(), QSize(5, 5)) << name;
        EXPECT_EQ(out.pixel(4, 4), qRgb(1, 2, 3)) << name;
    }
}

TEST_F(FilesTest, WriteFileAtomicLeavesTheOldFileWholeOnFailure) {
    writeFile("Ontwerpen/design.txt", "old contents");
    ASSERT_TRUE(writeFileAtomic(path("Ontwerpen/design.txt"), "new contents"));
    EXPECT_EQ(readAll(path("Ontwerpen/design.txt")), "new contents");

    // The path is a folder: refused, the folder stays a folder.
    ASSERT_TRUE(QDir().mkpath(path("Ontwerpen/afolder")));
    writeFile("Ontwerpen/afolder/inside.txt", "kept");
    QString error;
    EXPECT_FALSE(writeFileAtomic(path("Ontwerpen/afolder"), "data", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(FolderExists(path("Ontwerpen/afolder")));
    EXPECT_EQ(readAll(path("Ontwerpen/afolder/inside.txt")), "kept");

    // The folder takes no new files: the file there stays as it was.
    {
        LockedFolder lock(path("Ontwerpen"));
        if (!lock.locked()) GTEST_SKIP() << "cannot make a read-only folder here";
        EXPECT_FALSE(writeFileAtomic(path("Ontwerpen/design.txt"), "replacement"));
        EXPECT_FALSE(writeLines(path("Ontwerpen/design.txt"), {"replacement"}));
    }
    EXPECT_EQ(readAll(path("Ontwerpen/design.txt")), "new contents");
    EXPECT_EQ(QDir(path("Ontwerpen")).entryList(QDir::Files), QStringList{"design.txt"});
}

TEST_F(FilesTest, ReadLinesTakesUtf8OrWindows1252) {
    writeFile("Data/utf8.txt", "\xEF\xBB\xBF"
                               "Caf\xC3\xA9\r\n"
                               "\xE2\x82\xAC 5\n"
                               "\r\n"
                               "last\rafter-cr");
    QStringList lines;
    ASSERT_TRUE(readLines(path("Data/utf8.txt"), lines));
    EXPECT_EQ(lines, (QStringList{QString::fromUtf16(u"Café"), QString::fromUtf16(u"€ 5"), "",
                                  "last", "after-cr"}));

    writeFile("Data/ansi.txt", "Caf\xE9\r\n\x80 5\r\n\x93quoted\x94\r\n");
    ASSERT_TRUE(readLines(path("Data/ansi.txt"), lines));
    EXPECT_EQ(lines, (QStringList{QString::fromUtf16(u"Café"), QString::fromUtf16(u"€ 5"),
                                  QString::fromUtf16(u"\u201Cquoted\u201D")}));

    EXPECT_FALSE(readLines(path("Data/missing.txt"), lines));
}

TEST_F(FilesTest, WriteLinesUsesTheCodePageWhenEveryCharacterFits) {
    // Every character in Windows-1252: one byte each, every line ended with CR LF.
    const QStringList ansi{"a", QString::fromUtf16(u"é€“x”"), "", "z"};
    ASSERT_TRUE(writeLines(path("Data/out.txt"), ansi));
    EXPECT_EQ(readAll(path("Data/out.txt")), QByteArray("a\r\n\xE9\x80\x93x\x94\r\n\r\nz\r\n"));
    QStringList back;
    ASSERT_TRUE(readLines(path("Data/out.txt"), back));
    EXPECT_EQ(back, ansi);

    // One character outside it (and one outside the BMP): the whole file is UTF-8.
    const QStringList wide{QString::fromUtf16(u"é"), QString::fromUtf16(u"Ł😀")};
    ASSERT_TRUE(writeLines(path("Data/out.txt"), wide));
    EXPECT_EQ(readAll(path("Data/out.txt")),
              QByteArray("\xC3\xA9\r\n\xC5\x81\xF0\x9F\x98\x80\r\n"));
    ASSERT_TRUE(readLines(path("Data/out.txt"), back));
    EXPECT_EQ(back, wide);

    // Code-page bytes that would read back as UTF-8 ("Ã©" is C3 A9): UTF-8 as well.
    ASSERT_TRUE(writeLines(path("Data/out.txt"), {QString::fromUtf16(u"Ã©")}));
    ASSERT_TRUE(readLines(path("Data/out.txt"), back));
    EXPECT_EQ(back, QStringList{QString::fromUtf16(u"Ã©")});
}

TEST_F(FilesTest, ProgramPathFindsTheExistingSpelling) {
    writeFile("Data/Template-1.jpg", "x");
    const QString root = dir_.path();
    EXPECT_EQ(programPath(root, "data\\Template-1.jpg"), root + "/Data/Template-1.jpg");
    EXPECT_EQ(programPath(root, "DATA/template-1.JPG"), root + "/Data/Template-1.jpg");
    EXPECT_EQ(programPath(root + "/", "supplementen/wapens/"), root + "/Supplementen/Wapens/");
    // A name that does not exist in any spelling stays as written.
    EXPECT_EQ(programPath(root, "data/New-File.txt"), root + "/Data/New-File.txt");
    EXPECT_TRUE(FileExists(programPath(root, "data\\template-1.jpg")));
    EXPECT_FALSE(FileExists(programPath(root, "data")));
    EXPECT_TRUE(FolderExists(programPath(root, "data")));
}

namespace {
class FilesFullDiskTest : public FilesTest, public ::testing::WithParamInterface<FullDiskKind> {};

QImage testPicture(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb(x * 7 % 256, y * 5 % 256, (x + y) % 256));
    return img;
}
} // namespace

// On a full disk every kind of save fails, says why, keeps the old file byte for byte
// and leaves no temporary file. Small writes matter most: they wait in a buffer that is
// only flushed when the file is committed.
TEST_P(FilesFullDiskTest, EverySaveKeepsTheOldFileAndReportsTheFailure) {
    const QByteArray old = "old contents, whole\r\n";
    const QStringList names = {"text.txt", "lines.txt", "small.bmp", "large.bmp", "copy.jpg"};
    for (const QString& name : names)
        writeFile("Ontwerpen/" + name, old);
    FullDisk full(GetParam(), path("Ontwerpen"));
    if (!full.active()) GTEST_SKIP() << full.reason().toStdString();
    const QStringList before = full.entries();

    QString error;
    EXPECT_FALSE(writeFileAtomic(path("Ontwerpen/text.txt"), "new text, longer than that", &error));
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    EXPECT_FALSE(writeLines(path("Ontwerpen/lines.txt"), {"one", "two"}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(saveBmp(testPicture(4, 4), path("Ontwerpen/small.bmp")));
    EXPECT_FALSE(saveBmp(testPicture(300, 200), path("Ontwerpen/large.bmp")));
    EXPECT_FALSE(saveJpeg(testPicture(40, 30), path("Ontwerpen/copy.jpg"), 100));

    for (const QString& name : names)
        EXPECT_EQ(fileBytes(path("Ontwerpen/" + name)), old) << name.toStdString();
    EXPECT_EQ(full.entries(), before);
}

INSTANTIATE_TEST_SUITE_P(FullDisk, FilesFullDiskTest, kFullDiskKinds, fullDiskName);

#include "FullDisk.h"
#include "RecordingPrinter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/Printer.h"

TEST(Printer, NewPageOnlyWhenMoreOutputFollows) {
    RecordingPrinter p("P", 600);
    p.Print("een");
    p.NewPage();
    p.PSet(1440, 720, 255);
    p.NewPage();
    EXPECT_TRUE(p.EndDoc());
    ASSERT_EQ(p.documents.size(), 1u);
    ASSERT_EQ(p.documents[0].size(), 2u) << "no blank page after the last NewPage";
    // Twips to device pixels at 600 dpi: 1440 twips is one inch.
    EXPECT_EQ(p.documents[0][1][0].rect.topLeft(), QPointF(600, 300));
    // An ended document without output produces nothing; a NewPage before any output neither.
    p.NewPage();
    EXPECT_TRUE(p.EndDoc());
    EXPECT_EQ(p.documents.size(), 1u);
}

TEST(Printer, PrintMovesDownOneLineAndBackToTheLeft) {
    RecordingPrinter p("P", 600);
    p.FontSize = 12;
    p.CurrentX = 1440;
    p.CurrentY = 0;
    p.Print("regel");
    EXPECT_EQ(p.CurrentX, 0);
    EXPECT_NEAR(p.CurrentY, p.TextHeight("regel"), 1e-9);
    EXPECT_GT(p.CurrentY, 12 * 20 * 0.9) << "a 12-point line is about 240 twips high";
    EXPECT_EQ(p.open[0][0].font.pixelSize(), 100);
    p.ScaleMode = korv::Printer::Scale::Pixels;
    EXPECT_NEAR(p.ScaleWidth(), 8.27 * 600, 1e-6);
    p.Orientation = 2;
    EXPECT_NEAR(p.ScaleWidth(), 11.69 * 600, 1e-6);
}

TEST(Printer, PdfPrinterWritesAFile) {
    QTemporaryDir dir;
    korv::QtPrinterService service(dir.path());
    QStringList written;
    service.onPdfWritten = [&](const QString& p) { written << p; };
    const QStringList names = service.names();
    ASSERT_FALSE(names.isEmpty());
    EXPECT_EQ(names.last(), korv::kPdfPrinterName);
    service.setCurrent(int(names.size()) - 1);
    korv::Printer& p = service.current();
    EXPECT_EQ(p.dpi(), 600);
    QImage img(20, 10, QImage::Format_RGB32);
    img.fill(Qt::red);
    p.PaintPicture(img, 1440, 1440, 2880, 1440);
    p.Print("Korvamint");
    p.NewPage();
    p.Print("twee");
    EXPECT_TRUE(p.EndDoc());
    EXPECT_EQ(written, QStringList{service.lastPdf()});
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QFileInfo(service.lastPdf()).fileName()})
        << "the PDF under its own name and nothing beside it";
    QFile f(service.lastPdf());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray pdf = f.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "),
              2);
    // The printout carries the program's name as its title.
    QProcess info;
    info.start("pdfinfo", {service.lastPdf()});
    ASSERT_TRUE(info.waitForFinished(30000)) << "pdfinfo (poppler-utils) runs";
    const QString meta = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(
        QRegularExpression("^Title:\\s+Korvamint Smidrovel$", QRegularExpression::MultilineOption)
            .match(meta)
            .hasMatch())
        << meta.toStdString();
}

namespace {
class PdfFullDiskTest : public ::testing::TestWithParam<FullDiskKind> {};
} // namespace

// A PDF cut short by a full disk is a failed printout, not a document to open.
TEST_P(PdfFullDiskTest, PdfPrinterOnAFullDiskReportsFailure) {
    QTemporaryDir dir;
    korv::QtPrinterService service(dir.path());
    QStringList written;
    service.onPdfWritten = [&](const QString& p) { written << p; };
    service.setCurrent(int(service.names().size()) - 1);
    korv::Printer& p = service.current();
    FullDisk full(GetParam(), dir.path());
    if (!full.active()) GTEST_SKIP() << full.reason().toStdString();
    const QStringList before = full.entries();
    p.Print("Korvamint");
    EXPECT_FALSE(p.EndDoc());
    EXPECT_TRUE(written.isEmpty());
    // Only a whole PDF may carry a printout's name; the cut-off one is gone.
    EXPECT_EQ(full.entries(), before);
}

INSTANTIATE_TEST_SUITE_P(FullDisk, PdfFullDiskTest, kFullDiskKinds, fullDiskName);

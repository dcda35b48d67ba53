#include "designfiles/PrintJobs.h"
#include "ProgramFolder.h"
#include "RecordingPrinter.h"
#include "platform/Colour.h"
#include "platform/PictureBox.h"

#include <QFile>
#include <QPainter>
#include <vector>

using namespace korv;

namespace {

// Twips at the recording printer's 600 dots per inch.
QRectF dev(double x, double y, double w, double h) {
    return QRectF(x * 600 / 1440, y * 600 / 1440, w * 600 / 1440, h * 600 / 1440);
}

bool same(const QRectF& a, const QRectF& b) {
    return std::abs(a.x() - b.x()) < 1e-6 && std::abs(a.y() - b.y()) < 1e-6 &&
           std::abs(a.width() - b.width()) < 1e-6 && std::abs(a.height() - b.height()) < 1e-6;
}

QImage filled(int w, int h, QColor c) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

class PrintJobsTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        // As the print window sets its work picture up.
        work.setAutoSize(true);
        work.Move(0, 0, 2235, 1455);
        work.surface().scaleMode = ScaleMode::Twips;
        work.surface().fontSize = 34;
        work.surface().fontBold = true;
        work.surface().foreColor = RGB(160, 160, 160);
        work.setBackColor(RGB(255, 255, 255));
    }
    // Saved as BMP whatever the name says: the loader goes by content, and the pixels
    // stay exact.
    void writePicture(const QString& sub, const QImage& img) {
        ASSERT_TRUE(img.save(path(sub), "BMP"));
    }
    std::vector<PrintOp> images(const RecordingPrinter::Page& page) {
        std::vector<PrintOp> out;
        for (const PrintOp& op : page)
            if (op.kind == PrintOp::Image) out.push_back(op);
        return out;
    }
    // The stamps of one sheet page, in print order, against a grid of columns and rows.
    void expectGrid(const RecordingPrinter::Page& page, const std::vector<double>& xs,
                    const std::vector<double>& ys, int count, double w, double h) {
        const auto ops = images(page);
        ASSERT_EQ(ops.size(), size_t(count) + 1);
        for (int i = 0; i < count; ++i) {
            const QRectF want = dev(xs[i % xs.size()], ys[i / xs.size()], w, h);
            EXPECT_TRUE(same(ops[i + 1].rect, want)) << "stamp " << i;
        }
    }

    RecordingPrinter printer;
    BusyPointer busy;
    PictureBox work;
    QImage design = filled(415, 310, QColor(20, 120, 220));
};

} // namespace

TEST_F(PrintJobsTest, SheetOfFormatOneLiesOnTheBackgroundInFourColumnsAndThreeRows) {
    writePicture("Data/vel-1.jpg", filled(660, 460, QColor(250, 246, 234)));
    prepareSheet(work, services.programFolder, 1, "");
    SheetJob job;
    job.design = design;
    ASSERT_TRUE(printSheet(printer, work.Image(), job, busy));
    ASSERT_EQ(printer.documents.size(), 1u);
    ASSERT_EQ(printer.documents[0].size(), 1u); // one copy starts no new page
    const auto& page = printer.documents[0][0];
    const auto ops = images(page);
    ASSERT_EQ(ops.size(), 13u);
    EXPECT_EQ(ops[0].orientation, 2);
    EXPECT_EQ(ops[0].image.size(), QSize(660, 460));
    EXPECT_TRUE(same(ops[0].rect, dev(3300, 2250, 9900, 6900)));
    expectGrid(page, {3930, 6120, 8310, 10500}, {3405, 4965, 6525}, 12, 2040, 1425);
    EXPECT_EQ(ops[1].source, QRectF(0, 0, 415, 310));
    EXPECT_EQ(ops[1].image.pixel(5, 5), qRgb(20, 120, 220));
}

TEST_F(PrintJobsTest, EachFormatWrapsItsStampsAtTheSameLimit) {
    struct Case {
        int format;
        std::vector<double> xs, ys;
        int count;
        double w, h, backTop, backW, backH;
    };
    const std::vector<Case> cases = {
        {2, {3930, 6855, 9780}, {3405, 4965, 6525}, 9, 2340, 1425, 2250, 9900, 6900},
        {3, {3930, 6855, 9780}, {3405, 4965, 6525}, 9, 2775, 1425, 2250, 9900, 6900},
        {4, {3960, 5655, 7350, 9045, 10740}, {3510, 5775}, 10, 1530, 1530, 2250, 9630, 6900},
        {5, {3960, 5655, 7350, 9045, 10740}, {3510, 5775}, 10, 1530, 2100, 2250, 9630, 6900},
        {6, {3960, 5655, 7350, 9045, 10740}, {2565, 5775}, 10, 1530, 2400, 1200, 9630, 9000},
        {7, {3960, 5655, 7350, 9045, 10740}, {2565, 5775}, 10, 1530, 3060, 1200, 9630, 9000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        RecordingPrinter p;
        SheetJob job;
        job.format = c.format;
        job.design = design;
        prepareSheet(work, services.programFolder, c.format, "x");
        ASSERT_TRUE(printSheet(p, work.Image(), job, busy));
        ASSERT_EQ(p.documents.size(), 1u);
        const auto& page = p.documents[0][0];
        EXPECT_TRUE(same(images(page)[0].rect, dev(3300, c.backTop, c.backW, c.backH)));
        expectGrid(page, c.xs, c.ys, c.count, c.w, c.h);
    }
}

TEST_F(PrintJobsTest, CopiesGiveIdenticalPagesWithoutATrailingBlankOne) {
    SheetJob job;
    job.copies = 3;
    job.design = design;
    ASSERT_TRUE(printSheet(printer, work.Image(), job, busy));
    ASSERT_EQ(printer.documents.size(), 1u);
    const auto& doc = printer.documents[0];
    ASSERT_EQ(doc.size(), 3u);
    for (const auto& page : doc)
        expectGrid(page, {3930, 6120, 8310, 10500}, {3405, 4965, 6525}, 12, 2040, 1425);
}

TEST_F(PrintJobsTest, PostmarkDotsLeaveOutTheCornerColourAtBothPositions) {
    QImage mark = filled(3, 2, Qt::white);
    mark.setPixel(1, 0, qRgb(200, 0, 0));
    mark.setPixel(2, 1, qRgb(0, 0, 180));
    SheetJob job;
    job.design = design;
    job.cancelled = true;
    job.postmark = mark;
    ASSERT_TRUE(printSheet(printer, work.Image(), job, busy));
    const auto& page = printer.documents.at(0).at(0);
    std::vector<PrintOp> points;
    for (const PrintOp& op : page)
        if (op.kind == PrintOp::Point) points.push_back(op);
    ASSERT_EQ(points.size(), 4u);
    // Device pixels, 4 apart, rows top down.
    const double want[4][2] = {{2104, 1950}, {3919, 1950}, {2108, 1954}, {3923, 1954}};
    const int colours[4] = {RGB(200, 0, 0), RGB(200, 0, 0), RGB(0, 0, 180), RGB(0, 0, 180)};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(points[i].rect.topLeft(), QPointF(want[i][0], want[i][1])) << i;
        EXPECT_EQ(points[i].colour, colours[i]) << i;
    }
    // After the stamps; the printer is back in twips and the pointer normal.
    EXPECT_EQ(page.back().kind, PrintOp::Point);
    EXPECT_EQ(printer.ScaleMode, Printer::Scale::Twips);
    EXPECT_FALSE(busy.isBusy());

    // A dark corner: now white is printed and the corner's colour left out.
    RecordingPrinter p2;
    QImage dark = filled(2, 1, Qt::black);
    dark.setPixel(1, 0, qRgb(255, 255, 255));
    job.postmark = dark;
    ASSERT_TRUE(printSheet(p2, work.Image(), job, busy));
    int whites = 0;
    for (const PrintOp& op : p2.documents.at(0).at(0))
        if (op.kind == PrintOp::Point) {
            EXPECT_EQ(op.colour, RGB(255, 255, 255));
            ++whites;
        }
    EXPECT_EQ(whites, 2);
}

// The overlay's dots are a 600-dpi printer's: at 1200 dpi every place and every point
// doubles, so the marks cover the same area of paper.
TEST_F(PrintJobsTest, PostmarkLandsAtTheSamePlaceAndSizeAtAnyResolution) {
    QImage mark = filled(3, 2, Qt::white);
    mark.setPixel(2, 1, qRgb(0, 0, 180));
    SheetJob job;
    job.design = design;
    job.cancelled = true;
    job.postmark = mark;
    for (int dpi : {600, 1200, 300}) {
        RecordingPrinter p("P", dpi);
        ASSERT_TRUE(printSheet(p, work.Image(), job, busy));
        std::vector<QRectF> points;
        for (const PrintOp& op : p.documents.at(0).at(0))
            if (op.kind == PrintOp::Point) points.push_back(op.rect);
        ASSERT_EQ(points.size(), 2u) << dpi;
        const double k = dpi / 600.0;
        EXPECT_EQ(points[0], QRectF(2108 * k, 1954 * k, k, k)) << dpi;
        EXPECT_EQ(points[1], QRectF(3923 * k, 1954 * k, k, k)) << dpi;
        EXPECT_EQ(p.DrawWidth, 1) << "the point size is put back";
    }
}

TEST_F(PrintJobsTest, AFormatOutsideTheTableGetsOnlyThePostmark) {
    SheetJob job;
    job.format = 0;
    job.design = design;
    job.cancelled = true;
    job.postmark = filled(2, 2, Qt::white);
    job.postmark.setPixel(1, 1, qRgb(0, 0, 0));
    ASSERT_TRUE(printSheet(printer, work.Image(), job, busy));
    const auto& page = printer.documents.at(0).at(0);
    ASSERT_EQ(page.size(), 2u);
    EXPECT_EQ(page[0].kind, PrintOp::Point);
    // An empty postmark (its file was missing) prints nothing at all.
    RecordingPrinter p2;
    job.postmark = QImage();
    ASSERT_TRUE(printSheet(p2, work.Image(), job, busy));
    EXPECT_TRUE(p2.documents.empty());
}

TEST_F(PrintJobsTest, SheetGetsAGreyFrameAndItsTextCentredNearTheTop) {
    const int grey = RGB(160, 160, 160), frame = RGB(90, 90, 90);
    writePicture("Data/vel-2.jpg", filled(600, 200, Qt::white));
    prepareSheet(work, services.programFolder, 2, "Ab");
    const Surface& s = work.surface();
    ASSERT_EQ(s.widthPx(), 600);
    for (auto [x, y] : {std::pair{0, 0}, {599, 0}, {0, 199}, {599, 199}, {300, 0}, {0, 100}})
        EXPECT_EQ(s.pixel(x, y), frame) << x << "," << y;
    EXPECT_EQ(s.pixel(1, 1), RGB(255, 255, 255));
    int left = 600, right = -1, top = 200;
    for (int y = 1; y < 199; ++y)
        for (int x = 1; x < 599; ++x)
            if (s.pixel(x, y) == grey) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
            }
    ASSERT_GE(right, 0);
    EXPECT_GE(top, 28); // 420 twips
    // Centred: the ink's margins to either side differ by the side bearings only.
    EXPECT_NEAR(left, 599 - right, 6);

    // Without text only the frame; a missing background keeps the blank work picture.
    PictureBox blank;
    blank.setAutoSize(true);
    blank.Move(0, 0, 2235, 1455);
    blank.surface().scaleMode = ScaleMode::Twips;
    blank.surface().fontSize = 34;
    blank.surface().foreColor = grey;
    blank.setBackColor(RGB(255, 255, 255));
    prepareSheet(blank, services.programFolder, 3, "");
    ASSERT_EQ(blank.surface().widthPx(), 149);
    int others = 0;
    for (int y = 1; y < 96; ++y)
        for (int x = 1; x < 148; ++x)
            others += blank.surface().pixel(x, y) != RGB(255, 255, 255);
    EXPECT_EQ(others, 0);
    EXPECT_EQ(blank.surface().pixel(148, 96), frame);

    // A text wider than the sheet starts left of it and is cut off at both sides.
    prepareSheet(blank, services.programFolder, 3, "WWWWWWWWWWWWWWWW");
    bool atLeft = false, atRight = false;
    for (int y = 29; y < 96; ++y) {
        atLeft |= blank.surface().pixel(1, y) == grey;
        atRight |= blank.surface().pixel(147, y) == grey;
    }
    EXPECT_TRUE(atLeft && atRight);
}

TEST_F(PrintJobsTest, ThumbnailsFillFourColumnsAndSixRowsAPage) {
    QStringList files;
    for (int i = 0; i < 25; ++i) {
        const QString name = QString("d%1.bmp").arg(i, 2, 10, QChar('0'));
        writePicture("Ontwerpen/" + name, design);
        files << name;
    }
    writeFile("Ontwerpen/kapot.bmp", "geen plaatje");
    files.insert(5, "kapot.bmp");
    printer.FontSize = 12;
    ASSERT_TRUE(printThumbnails(printer, work, path("Ontwerpen"), files));
    ASSERT_EQ(printer.documents.size(), 1u);
    const auto& doc = printer.documents[0];
    ASSERT_EQ(doc.size(), 2u);
    const auto page1 = images(doc[0]);
    ASSERT_EQ(page1.size(), 24u);          // the broken file is left out, not printed twice
    const double w = 6225 / 3.5, h = 1329; // 4650 / 3.5 = 1328.57 rounds to 1329
    const double xs[4] = {450, 3150, 5850, 8550};
    const double ys[6] = {450, 3330, 6210, 9090, 11970, 14850};
    for (int i = 0; i < 24; ++i)
        EXPECT_TRUE(same(page1[i].rect, dev(xs[i % 4], ys[i / 4], w, h))) << i;
    // Each name 30 twips below its picture, at its left edge, without ".bmp".
    const PrintOp& name5 = doc[0][11]; // the sixth thumbnail: the broken file left no gap
    EXPECT_EQ(name5.kind, PrintOp::Text);
    EXPECT_EQ(name5.text, "d05");
    EXPECT_EQ(name5.rect.topLeft(), dev(3150, 3330 + 1359, 0, 0).topLeft());
    EXPECT_EQ(name5.colour, RGB(90, 90, 90));
    EXPECT_EQ(name5.font.pixelSize(), 67); // 8 points at 600 dots per inch
    ASSERT_EQ(images(doc[1]).size(), 1u);
    EXPECT_TRUE(same(images(doc[1])[0].rect, dev(450, 450, w, h)));
    EXPECT_EQ(printer.FontSize, 12); // the printer's font is its own again

    // Exactly 24: the new page after the last one adds no blank page.
    RecordingPrinter p24;
    files.removeAt(5);
    files.removeLast();
    ASSERT_TRUE(printThumbnails(p24, work, path("Ontwerpen"), files));
    EXPECT_EQ(p24.documents.at(0).size(), 1u);
}

TEST_F(PrintJobsTest, PriceLabelsFillTheirGrids) {
    writePicture("Data/prijslabel.bmp", filled(386, 488, Qt::white));
    ASSERT_TRUE(printLabels(printer, work, services.programFolder, kSmallLabels));
    auto ops = images(printer.documents.at(0).at(0));
    ASSERT_EQ(ops.size(), 90u);
    EXPECT_EQ(ops[0].image.size(), QSize(386, 488));
    EXPECT_TRUE(same(ops[0].rect, dev(210, 210, 1230, 1500)));
    EXPECT_TRUE(same(ops[8].rect, dev(10170, 210, 1230, 1500)));
    EXPECT_TRUE(same(ops[9].rect, dev(210, 1725, 1230, 1500)));
    EXPECT_NEAR(ops[89].rect.right(), 11400 / 2.4, 1e-6);
    EXPECT_NEAR(ops[89].rect.bottom(), 15345 / 2.4, 1e-6);

    // Large labels, and the work picture's sample when the label file is missing.
    QFile::remove(path("Data/prijslabel.bmp"));
    work.setPicture(filled(193, 244, Qt::yellow));
    RecordingPrinter big;
    ASSERT_TRUE(printLabels(big, work, services.programFolder, kLargeLabels));
    ops = images(big.documents.at(0).at(0));
    ASSERT_EQ(ops.size(), 63u);
    EXPECT_EQ(ops[0].image.size(), QSize(193, 244));
    EXPECT_TRUE(same(ops[6].rect, dev(9660, 210, 1560, 1740)));
    EXPECT_TRUE(same(ops[7].rect, dev(210, 1965, 1560, 1740)));
    EXPECT_NEAR(ops[62].rect.right(), 11220 / 2.4, 1e-6);
    EXPECT_NEAR(ops[62].rect.bottom(), 15990 / 2.4, 1e-6);
    EXPECT_EQ(ops[62].orientation, 1);
}

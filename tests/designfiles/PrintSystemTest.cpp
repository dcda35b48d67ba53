// Printing through a real print system: a private cupsd with PDF queues, its output read
// back and set beside what the built-in PDF printer writes.
#include "platform/PrintSystem.h"
#include "DesignFilesFixture.h"
#include "PrivateCups.h"
#include "designfiles/AfdrukForm.h"
#include "editor/Algemeen.h"
#include "platform/PictureBox.h"
#include "platform/Printer.h"

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRadioButton>
#include <functional>
#include <iostream>

using namespace korv;

namespace {

// A bounding box in millimetres on a rendered page.
struct Box {
    double left = 0, top = 0, right = 0, bottom = 0;
    bool found = false;
};

struct Page {
    QImage image;
    double dpi = 0;
    double widthMm() const { return image.width() * 25.4 / dpi; }
    double heightMm() const { return image.height() * 25.4 / dpi; }
    Box box(const std::function<bool(QRgb)>& is) const {
        int l = image.width(), t = image.height(), r = -1, b = -1;
        for (int y = 0; y < image.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if (is(row[x])) {
                    l = std::min(l, x), r = std::max(r, x);
                    t = std::min(t, y), b = std::max(b, y);
                }
        }
        if (r < 0) return {};
        const double mm = 25.4 / dpi;
        return {l * mm, t * mm, (r + 1) * mm, (b + 1) * mm, true};
    }
};

// The first page of a PDF, rendered by poppler at `dpi`.
Page render(const QString& pdf, const QString& folder, double dpi = 300) {
    const QString stem = QDir(folder).filePath(QFileInfo(pdf).completeBaseName() + "-page");
    QProcess p;
    p.start("pdftoppm",
            {"-png", "-r", QString::number(dpi), "-f", "1", "-l", "1", "-singlefile", pdf, stem});
    p.waitForFinished(60000);
    QImage img(stem + ".png");
    return {img.convertToFormat(QImage::Format_RGB32), dpi};
}

// The postmark's red dots, alone or blended into the blue sheet or white stamps.
bool reddish(QRgb c) {
    return qRed(c) >= 40 && qRed(c) >= qGreen(c) + 30;
}
bool blue(QRgb c) {
    return qBlue(c) >= 200 && qRed(c) < 60 && qGreen(c) < 60;
}

// A landscape job may come out on portrait paper turned a quarter turn: maps a box on
// such a page back onto the landscape page, turned the way that puts `anchor` where
// `anchorWanted` is.
std::function<Box(const Box&)> unturn(const Page& page, const Box& anchor,
                                      const Box& anchorWanted) {
    if (page.widthMm() > page.heightMm()) return [](const Box& b) { return b; };
    const double w = page.widthMm(), h = page.heightMm();
    // Turned clockwise: a landscape point (x, y) lies at (w - y, x).
    auto cw = [w](const Box& b) { return Box{b.top, w - b.right, b.bottom, w - b.left, b.found}; };
    // Turned anticlockwise: (x, y) lies at (y, h - x).
    auto ccw = [h](const Box& b) { return Box{h - b.bottom, b.left, h - b.top, b.right, b.found}; };
    auto off = [&](const Box& b) {
        return std::abs(b.left - anchorWanted.left) + std::abs(b.top - anchorWanted.top);
    };
    if (off(cw(anchor)) < off(ccw(anchor))) return cw;
    return ccw;
}

void expectSameBox(const Box& got, const Box& want, double tolerance, const char* what) {
    ASSERT_TRUE(got.found) << what;
    EXPECT_NEAR(got.left, want.left, tolerance) << what;
    EXPECT_NEAR(got.top, want.top, tolerance) << what;
    EXPECT_NEAR(got.right, want.right, tolerance) << what;
    EXPECT_NEAR(got.bottom, want.bottom, tolerance) << what;
}

class PrintSystemTest : public DesignFilesTest {
protected:
    void SetUp() override {
        DesignFilesTest::SetUp();
        if (!cups.active()) GTEST_SKIP() << cups.reason().toStdString();
    }
    // The print service, made once the private print system is up.
    QtPrinterService& printers() {
        if (!printers_) {
            printers_ = std::make_shared<QtPrinterService>(path("Afdrukken"));
            S().services.printers = printers_;
        }
        return *printers_;
    }
    // Opens the print window, picks the printer and the job and prints.
    void print(const QString& printer, int job, bool cancelled = false) {
        printers();
        AfdrukForm f(M());
        const int index = f.Combo2->findText(printer);
        ASSERT_GE(index, 0) << printer.toStdString() << " is listed";
        f.Combo2->setCurrentIndex(index);
        f.Combo2_Click();
        f.Option1[job]->setChecked(true);
        f.Option2[cancelled ? 0 : 1]->setChecked(true);
        f.PrintKnop_Click();
    }
    QStringList listed() {
        printers();
        AfdrukForm f(M());
        QStringList names;
        for (int i = 0; i < f.Combo2->count(); ++i)
            names << f.Combo2->itemText(i);
        return names;
    }

    PrivateCups cups;
    std::shared_ptr<QtPrinterService> printers_;
};

} // namespace

TEST_F(PrintSystemTest, ACancelledSheetsPostmarksLandWhereThePdfPrinterPutsThem) {
    ASSERT_TRUE(cups.addPdfQueue("Vel")) << cups.log().right(2000).toStdString();
    // A blue sheet, white stamps and a postmark with a red square on white.
    QImage sheet(660, 460, QImage::Format_RGB32);
    sheet.fill(qRgb(0, 0, 255));
    ASSERT_TRUE(sheet.save(path("Data/vel-1.jpg"), "JPEG", 100));
    QImage mark(100, 100, QImage::Format_RGB32);
    mark.fill(Qt::white);
    for (int y = 20; y < 80; ++y)
        for (int x = 20; x < 80; ++x)
            mark.setPixel(x, y, qRgb(255, 0, 0));
    ASSERT_TRUE(mark.save(path("Data/Stempel.bmp"), "BMP"));
    S().OntwerpFormaat = 1;
    QImage design(415, 310, QImage::Format_RGB32);
    design.fill(Qt::white);
    M().Pic->setPicture(design);

    print("Vel", 1, true);
    const int job = lastJobId("Vel");
    // The overlay is only put to the test on a printer of another resolution than 600.
    std::cout << "The queue prints at " << printers().current().dpi() << " dots per inch\n";
    print(kPdfPrinterName, 1, true);
    const QStringList queued = cups.waitForPdfs(1);
    ASSERT_EQ(queued.size(), 1) << cups.log().right(3000).toStdString();
    ASSERT_FALSE(printers().lastPdf().isEmpty());

    const Page want = render(printers().lastPdf(), path(""));
    const Page got = render(queued[0], path(""));
    ASSERT_FALSE(want.image.isNull());
    ASSERT_FALSE(got.image.isNull());
    const Box wantSheet = want.box(blue), wantMark = want.box(reddish);
    // Two marks of 60 dots, 4 dots apart at 600 dots per inch, 1815 dots apart.
    ASSERT_TRUE(wantMark.found);
    EXPECT_NEAR(wantMark.right - wantMark.left, (1815 + 4 * 59 + 1) * 25.4 / 600, 0.5);
    EXPECT_NEAR(wantMark.left, (2100 + 4 * 20) * 25.4 / 600, 0.5);
    const auto back = unturn(got, got.box(blue), wantSheet);
    expectSameBox(back(got.box(blue)), wantSheet, 1.0, "sheet");
    expectSameBox(back(got.box(reddish)), wantMark, 0.5, "postmarks");

    // The job carries the program's name in the print queue.
    EXPECT_EQ(cups.jobName(job), kPrintJobName);
}

TEST_F(PrintSystemTest, AnUnprintableMarginShiftsTheDesignInsteadOfCuttingIt) {
    const double margins[4] = {36, 36, 36, 36}; // half an inch all round
    ASSERT_TRUE(cups.addPdfQueue("Rand", margins)) << cups.log().right(2000).toStdString();
    QImage tpl(460, 355, QImage::Format_RGB32);
    tpl.fill(qRgb(0, 0, 255));
    M().TandPic->setPicture(tpl);
    QImage design(415, 310, QImage::Format_RGB32);
    design.fill(Qt::white);
    M().Pic->setPicture(design);

    print("Rand", 0);
    print(kPdfPrinterName, 0);
    const QStringList queued = cups.waitForPdfs(1);
    ASSERT_EQ(queued.size(), 1) << cups.log().right(3000).toStdString();
    const Box want = render(printers().lastPdf(), path("")).box(blue);
    const Box got = render(queued[0], path("")).box(blue);
    ASSERT_TRUE(want.found);
    // 300 twips from the corner on the PDF printer, which has no margin.
    EXPECT_NEAR(want.left, 300 * 25.4 / 1440, 0.5);
    EXPECT_NEAR(want.top, 300 * 25.4 / 1440, 0.5);
    const double margin = 36 * 25.4 / 72;
    expectSameBox(
        got,
        {want.left + margin, want.top + margin, want.right + margin, want.bottom + margin, true},
        0.5, "the template, moved by the margin and whole");
}

TEST_F(PrintSystemTest, ARefusingOrVanishedQueueGivesTheFailureBoxAndTheListFollows) {
    ASSERT_TRUE(cups.addPdfQueue("Weiger"));
    ASSERT_TRUE(cups.addPdfQueue("Weg"));
    EXPECT_TRUE(listed().contains("Weg"));
    ASSERT_TRUE(cups.run("cupsreject", {"Weiger"}));
    dialogs->expectMsg("Het afdrukken is mislukt.").title = "Error";
    print("Weiger", 0);
    dialogs->verifyDone();

    // Removed while the print window is open: the window still lists it.
    printers();
    {
        AfdrukForm f(M());
        const int index = f.Combo2->findText("Weg");
        ASSERT_GE(index, 0);
        f.Combo2->setCurrentIndex(index);
        f.Combo2_Click();
        ASSERT_TRUE(cups.run("lpadmin", {"-x", "Weg"}));
        f.Option1[0]->setChecked(true);
        dialogs->expectMsg("Het afdrukken is mislukt.").title = "Error";
        f.PrintKnop_Click();
        dialogs->verifyDone();
    }
    EXPECT_TRUE(cups.waitForPdfs(1, 3000).isEmpty()) << "nothing was printed";
    // The next opening reads the list again.
    const QStringList now = listed();
    EXPECT_FALSE(now.contains("Weg"));
    EXPECT_TRUE(now.contains("Weiger"));
    EXPECT_EQ(now.last(), kPdfPrinterName);
}

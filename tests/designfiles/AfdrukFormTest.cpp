#include "designfiles/AfdrukForm.h"
#include "DesignFilesFixture.h"
#include "RecordingPrinter.h"
#include "editor/Algemeen.h"
#include "platform/Colour.h"
#include "platform/PictureBox.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace korv;

namespace {

class AfdrukFormTest : public DesignFilesTest {
protected:
    void SetUp() override {
        DesignFilesTest::SetUp();
        S().services.printers = printers;
    }
    // A click on a job option.
    static void choose(AfdrukForm& f, int job) { f.Option1[job]->setChecked(true); }
    RecordingPrinter& printer() { return printers->recording(); }

    std::shared_ptr<RecordingPrinterService> printers = std::make_shared<RecordingPrinterService>();
};

// A left click on an option's round box, through the window system as the user makes it.
void clickOption(QRadioButton* o) {
    QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(6, o->height() / 2));
}

int countChecked(const AfdrukForm& f) {
    int n = 0;
    for (QRadioButton* o : f.Option1)
        n += o->isChecked();
    return n;
}

int countOps(const RecordingPrinter::Page& page, PrintOp::Kind kind) {
    int n = 0;
    for (const PrintOp& op : page)
        n += op.kind == kind;
    return n;
}

} // namespace

TEST_F(AfdrukFormTest, OpensOnTheDesignPreviewOfTheCurrentFormat) {
    SetDesignFormat(M(), 6);
    S().OntwerpFormaat = 6;
    M().Pic->setPicture(quarters(310, 475));
    AfdrukForm f(M());
    EXPECT_EQ(f.windowTitle(), "Afdrukken (Testprinter)");
    // 1305 x 1965 twips inside a 1440 x 2100 frame, the whole canvas scaled into it.
    EXPECT_EQ(f.Pic->size(), QSize(87, 131));
    EXPECT_EQ(f.Label2->size(), QSize(96, 140));
    EXPECT_EQ(f.Pic->surface().pixel(2, 2), RGB(200, 30, 30));
    EXPECT_EQ(f.Pic->surface().pixel(84, 128), RGB(250, 250, 250));
    EXPECT_EQ(f.Pic->surface().pixel(84, 2), RGB(30, 200, 30));

    ASSERT_EQ(f.Combo2->count(), 2);
    EXPECT_EQ(f.Combo2->itemText(0), "Kantoor");
    EXPECT_EQ(f.Combo2->currentIndex(), 1);
    EXPECT_TRUE(f.Option1[0]->isChecked());
    EXPECT_EQ(f.Option1[4]->text(), "Print Prijslabels Groot (63)");
    EXPECT_TRUE(f.Option2[1]->isChecked());
    EXPECT_FALSE(f.Option2[0]->isEnabled());
    EXPECT_FALSE(f.Label3->isEnabled());
    EXPECT_EQ(f.Combo1->count(), 20);
    EXPECT_EQ(f.Combo1->currentText(), "1");
    EXPECT_TRUE(f.Combo1->isEnabled());
}

TEST_F(AfdrukFormTest, EachJobSetsItsPreviewAndControls) {
    AfdrukForm f(M());
    EXPECT_EQ(f.Pic->size(), QSize(111, 77));             // format 1: 1665 x 1155
    EXPECT_EQ(f.BackPic->Image().size(), QSize(149, 97)); // blank, 2235 x 1455 twips

    choose(f, 1);
    EXPECT_TRUE(f.Option2[0]->isEnabled());
    EXPECT_TRUE(f.Option2[1]->isEnabled());
    EXPECT_TRUE(f.Label3->isEnabled());
    EXPECT_EQ(f.Pic->size(), QSize(150, 105)); // the sample sheet at its own size
    EXPECT_EQ(f.Label2->size(), QSize(157, 112));
    f.Option2[0]->setChecked(true);

    choose(f, 2);
    EXPECT_FALSE(f.Option2[0]->isEnabled());
    EXPECT_FALSE(f.Label3->isEnabled());
    EXPECT_TRUE(f.Option2[0]->isChecked()); // kept while disabled
    EXPECT_FALSE(f.Combo1->isEnabled());
    EXPECT_EQ(f.Pic->size(), QSize(100, 145));

    choose(f, 4);
    EXPECT_FALSE(f.Combo1->isEnabled());
    EXPECT_EQ(f.Pic->size(), QSize(109, 129));
    // The sample label is the work picture now, scaled into the whole preview.
    EXPECT_EQ(f.BackPic->Image().size(), QSize(193, 244));

    choose(f, 0);
    EXPECT_TRUE(f.Combo1->isEnabled());
    EXPECT_EQ(f.Pic->size(), QSize(111, 77));
}

TEST_F(AfdrukFormTest, ClicksKeepOneJobAndOneSheetChoiceAndTheChosenJobPrints) {
    SetDesignFormat(M(), 1);
    AfdrukForm f(M());
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));

    // A click on the job that is already chosen keeps it chosen.
    clickOption(f.Option1[0]);
    EXPECT_TRUE(f.Option1[0]->isChecked());
    EXPECT_EQ(countChecked(f), 1);
    EXPECT_TRUE(f.Option2[1]->isChecked());

    // Choosing a job leaves the sheet choice alone, and the sheet choice the job.
    clickOption(f.Option1[1]);
    EXPECT_TRUE(f.Option1[1]->isChecked());
    EXPECT_TRUE(f.Option2[1]->isChecked());
    clickOption(f.Option2[0]);
    EXPECT_TRUE(f.Option2[0]->isChecked());
    EXPECT_FALSE(f.Option2[1]->isChecked());
    EXPECT_TRUE(f.Option1[1]->isChecked());
    clickOption(f.Option1[1]);
    EXPECT_TRUE(f.Option1[1]->isChecked());
    EXPECT_EQ(countChecked(f), 1);
    clickOption(f.Option1[0]);
    clickOption(f.Option1[0]);
    EXPECT_EQ(countChecked(f), 1);
    EXPECT_TRUE(f.Option2[0]->isChecked()); // kept while disabled

    f.PrintKnop_Click();
    EXPECT_EQ(f.result(), QDialog::Accepted);
    ASSERT_EQ(printer().documents.size(), 1u);
    EXPECT_EQ(printer().documents[0].size(), 1u); // the design once, no sheet
    EXPECT_EQ(countOps(printer().documents[0][0], PrintOp::Image), 2);
}

TEST_F(AfdrukFormTest, AFormatOutsideTheTableKeepsTheOpeningSizes) {
    S().OntwerpFormaat = 0;
    AfdrukForm f(M());
    EXPECT_EQ(f.Pic->size(), QSize(90, 117));     // 1350 x 1755
    EXPECT_EQ(f.Label2->size(), QSize(110, 146)); // 1650 x 2190
}

TEST_F(AfdrukFormTest, PrintersAreChosenByPositionAndTheChoiceOutlivesTheWindow) {
    printers = std::make_shared<RecordingPrinterService>(QStringList{"Laser", "Laser", "Inkt"});
    printers->setCurrent(1);
    S().services.printers = printers;
    AfdrukForm f(M());
    EXPECT_EQ(f.Combo2->currentIndex(), 1); // the second "Laser", not the first

    f.Combo2->setCurrentIndex(2);
    f.Combo2_Click();
    EXPECT_EQ(printers->currentIndex(), 2);
    EXPECT_EQ(f.windowTitle(), "Afdrukken (Inkt)");
    f.Combo2->setCurrentIndex(0);
    f.Combo2_Click();
    EXPECT_EQ(printers->currentIndex(), 0);
    EXPECT_EQ(f.windowTitle(), "Afdrukken (Laser)");

    f.CancelKnop_Click();
    EXPECT_EQ(f.result(), QDialog::Rejected);
    EXPECT_EQ(printers->currentIndex(), 0);
    for (const auto& p : printers->printers)
        EXPECT_TRUE(p->documents.empty());
}

TEST_F(AfdrukFormTest, CancelledSheetPrintsEveryCopyWithThePostmark) {
    S().OntwerpFormaat = 1;
    QImage mark(212, 212, QImage::Format_RGB32);
    mark.fill(Qt::white);
    for (int i = 0; i < 212; ++i)
        mark.setPixel(i, 106, qRgb(0, 0, 0)); // one black line
    ASSERT_TRUE(mark.save(path("Data/Stempel.bmp"), "BMP"));
    AfdrukForm f(M());
    choose(f, 1);
    f.Option2[0]->setChecked(true);
    f.Combo1->setCurrentIndex(1); // "2"

    // A second click and a close while the postmark loop lets events run change nothing.
    bool yieldingSeen = false;
    QTimer::singleShot(0, &f, [&] {
        yieldingSeen = M().yielding();
        f.PrintKnop_Click();
        f.CancelKnop_Click();
    });
    f.PrintKnop_Click();
    EXPECT_TRUE(yieldingSeen);
    EXPECT_FALSE(M().yielding());
    EXPECT_EQ(f.result(), QDialog::Accepted);
    ASSERT_EQ(printer().documents.size(), 1u);
    const auto& doc = printer().documents[0];
    ASSERT_EQ(doc.size(), 2u);
    for (const auto& page : doc) {
        EXPECT_EQ(countOps(page, PrintOp::Image), 13);
        EXPECT_EQ(countOps(page, PrintOp::Point), 2 * 212);
    }
    EXPECT_EQ(doc[0].back().rect.topLeft(), QPointF(3915 + 4 * 211, 1950 + 4 * 106));
}

TEST_F(AfdrukFormTest, MintSheetLeavesThePostmarkOutAndDrawsTheSheetText) {
    S().OntwerpFormaat = 1;
    S().TekstOpVel = "Korvamint";
    QImage mark(4, 4, QImage::Format_RGB32);
    mark.fill(Qt::black);
    mark.setPixel(0, 0, qRgb(255, 255, 255));
    ASSERT_TRUE(mark.save(path("Data/Stempel.bmp"), "BMP"));
    QImage back(660, 460, QImage::Format_RGB32);
    back.fill(Qt::white);
    ASSERT_TRUE(back.save(path("Data/vel-1.jpg"), "BMP"));
    AfdrukForm f(M());
    choose(f, 1);
    f.PrintKnop_Click();
    const auto& page = printer().documents.at(0).at(0);
    EXPECT_EQ(countOps(page, PrintOp::Point), 0);
    const QImage& sheet = page.at(0).image;
    ASSERT_EQ(sheet.size(), QSize(660, 460));
    int grey = 0;
    for (int y = 0; y < 460; ++y)
        for (int x = 0; x < 660; ++x)
            grey += sheet.pixel(x, y) == qRgb(160, 160, 160);
    EXPECT_GT(grey, 100);
}

TEST_F(AfdrukFormTest, DesignJobPrintsTheTemplateAndTheCanvas) {
    SetDesignFormat(M(), 1);
    AfdrukForm f(M());
    f.Combo1->setCurrentIndex(2); // three copies
    f.PrintKnop_Click();
    ASSERT_EQ(printer().documents.size(), 1u);
    const auto& doc = printer().documents[0];
    ASSERT_EQ(doc.size(), 3u);
    // The canvas of format 1 is 6225 x 4650 twips: (600, 600) to (6945, 5340).
    const QRectF design = doc[0].at(1).rect;
    EXPECT_NEAR(design.right(), 6945 / 2.4, 1e-6);
    EXPECT_NEAR(design.bottom(), 5340 / 2.4, 1e-6);
    EXPECT_EQ(doc[0].at(0).rect.topLeft(), QPointF(125, 125));
    EXPECT_EQ(doc[0].at(0).image.size(), M().TandPic->Image().size());
}

TEST_F(AfdrukFormTest, ThumbnailsAskFirstAndNoPrintsNothing) {
    writeDesign("a.bmp", quarters(415, 310));
    writeDesign("b.bmp", quarters(310, 415));
    {
        AfdrukForm f(M());
        choose(f, 2);
        dialogs->expectMsg("Wil je alle 2 ontwerpen als Tumbnails afdrukken?", Mb::No).title =
            "Print";
        f.PrintKnop_Click();
        EXPECT_EQ(f.result(), QDialog::Accepted);
        EXPECT_TRUE(printer().documents.empty());
    }
    AfdrukForm f(M());
    choose(f, 2);
    dialogs->expectMsg("Wil je alle 2 ontwerpen als Tumbnails afdrukken?", Mb::Yes).buttons =
        Mb::YesNo;
    f.PrintKnop_Click();
    ASSERT_EQ(printer().documents.size(), 1u);
    EXPECT_EQ(countOps(printer().documents[0][0], PrintOp::Image), 2);
    EXPECT_EQ(printer().documents[0][0][3].text, "b");
}

TEST_F(AfdrukFormTest, LabelsWithoutTheirPictureUseTheSampleAndFailuresAreReported) {
    AfdrukForm f(M());
    choose(f, 3);
    printer().failEnd = true;
    dialogs->expectMsg("Het afdrukken is mislukt.").title = "Error";
    f.PrintKnop_Click();
    ASSERT_EQ(printer().documents.size(), 1u);
    const auto& page = printer().documents[0][0];
    ASSERT_EQ(countOps(page, PrintOp::Image), 90);
    EXPECT_EQ(page[0].image.size(), QSize(193, 244));
}

TEST_F(AfdrukFormTest, ASheetOnThePdfPrinterBecomesAPdfFile) {
    QTemporaryDir out;
    auto pdf = std::make_shared<QtPrinterService>(out.path());
    S().services.printers = pdf;
    const int last = int(pdf->names().size()) - 1;
    ASSERT_EQ(pdf->names().at(last), kPdfPrinterName);
    S().OntwerpFormaat = 1;
    M().Pic->setPicture(quarters(415, 310));
    AfdrukForm f(M());
    f.Combo2->setCurrentIndex(last);
    f.Combo2_Click();
    choose(f, 1);
    f.PrintKnop_Click();
    QFile file(pdf->lastPdf());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF"));
    EXPECT_GT(file.size(), 1000);
}

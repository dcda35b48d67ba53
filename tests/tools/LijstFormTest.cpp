#include "tools/LijstForm.h"
#include "InsertFixture.h"
#include "controls/VistaButton.h"

#include <QLabel>
#include <QScrollBar>
#include <functional>

using namespace korv;

namespace {
constexpr int kW = 415, kH = 310;
// The canvas's own content under the frame: a colour no ring uses.
const QRgb kDesign = qRgb(90, 140, 190);
} // namespace

class LijstFormTest : public InsertDialogTest {
protected:
    void SetUp() override {
        InsertDialogTest::SetUp();
        QImage design(kW, kH, QImage::Format_RGB32);
        design.fill(kDesign);
        M().Pic->setPicture(design);
    }

    // A strip whose cell n has its top-left pixel in the colour (n, 1, 2) and whose
    // profile row gives column i of every cell the colour profile(i).
    void writeStrip(const std::function<QRgb(int)>& profile) {
        QImage strip(1600, 400, QImage::Format_RGB32);
        strip.fill(Qt::white);
        for (int n = 0; n < 100; ++n) {
            const int x0 = (n % 20) * 80, y0 = (n / 20) * 80;
            strip.setPixel(x0, y0, qRgb(n, 1, 2));
            for (int i = 6; i <= 75; ++i)
                strip.setPixel(x0 + i, y0 + 1, profile(i));
        }
        ASSERT_TRUE(strip.save(path("Data/Lijsten.bmp"), "BMP"));
    }

    // The ring that covers canvas pixel (x, y) with a pen one pixel wide.
    static int ringOf(int x, int y, int w, int h) {
        return std::min(std::min(x, y), std::min(w - x, h - y));
    }
};

TEST_F(LijstFormTest, BarStepsThroughTheCellsOfTheStrip) {
    writeStrip([](int) { return qRgb(255, 255, 255); });
    LijstForm f(*main_);
    EXPECT_EQ(f.windowTitle(), "Schilderijlijsten");
    EXPECT_EQ(f.Label3->text(), "1 / 100");
    EXPECT_EQ(f.Label4->text(), "Verschuif de scrollbalk voor de verschillende lijsten,\r\n"
                                "heb je de juiste lijst, klik dan op de button 'Export' om de\r\n"
                                "lijst over te brengen naar het orginele korvamintontwerp.");
    EXPECT_EQ(f.CancelKnop->Caption(), "Annuleren");
    EXPECT_EQ(f.OkKnop->Caption(), "Export");
    EXPECT_EQ(f.LijstPic->size(), QSize(78, 78));
    EXPECT_EQ(f.LijstPic->surface().pixel(0, 0), RGB(0, 1, 2));
    struct Step {
        int value, x, y;
        const char* label;
    };
    for (const Step& s : {Step{19, 1520, 0, "20 / 100"}, Step{20, 0, 80, "21 / 100"},
                          Step{57, 1360, 160, "58 / 100"}, Step{99, 1520, 320, "100 / 100"}}) {
        SCOPED_TRACE(s.value);
        f.HScroll1->setValue(s.value); // the bar's own signal runs the step
        EXPECT_EQ(f.LijstX, s.x);
        EXPECT_EQ(f.LijstY, s.y);
        EXPECT_EQ(f.Label3->text(), s.label);
        EXPECT_EQ(f.LijstPic->surface().pixel(0, 0), RGB(s.value, 1, 2));
    }
}

TEST_F(LijstFormTest, RingsFollowTheProfileAndLeaveOpenPlacesAlone) {
    // Column i in its own colour, except two open places: pure red and near-white.
    auto profile = [](int i) {
        if (i == 9) return qRgb(255, 0, 0);
        if (i == 40) return qRgb(249, 249, 250);
        return qRgb(i, 200 - i, 30);
    };
    writeStrip(profile);
    // A shape tool may have left a solid fill and an inverting pen on the canvas.
    Surface& c = main_->Pic->surface();
    c.fillStyle = FillSolid;
    c.fillColor = RGB(0, 0, 0);
    c.drawMode = DrawInvert;
    LijstForm f(*main_);
    f.OkKnop_Click();
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_TRUE(state_->Gewijzigd);
    EXPECT_EQ(c.fillStyle, FillSolid);
    EXPECT_EQ(c.drawMode, DrawInvert);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const int i = ringOf(x, y, kW, kH) + 7;
            QRgb want = kDesign;
            if (i <= 75 && i != 9 && i != 40) want = profile(i);
            ASSERT_EQ(c.pixel(x, y), fromQRgb(want)) << x << "," << y;
        }
    // The frame's extent: 69 columns on the left, 68 on the right (347 to 414).
    EXPECT_NE(c.pixel(68, 155), fromQRgb(kDesign));
    EXPECT_EQ(c.pixel(69, 155), fromQRgb(kDesign));
    EXPECT_EQ(c.pixel(346, 155), fromQRgb(kDesign));
    EXPECT_NE(c.pixel(347, 155), fromQRgb(kDesign));
    EXPECT_EQ(c.pixel(200, 241), fromQRgb(kDesign));
    EXPECT_NE(c.pixel(200, 242), fromQRgb(kDesign));
    // Undo brings the design back as it was.
    main_->EditUndo_Click();
    EXPECT_EQ(c.pixel(0, 0), fromQRgb(kDesign));
    EXPECT_EQ(c.pixel(414, 309), fromQRgb(kDesign));
}

TEST_F(LijstFormTest, WiderPenLetsInnerRingsCoverOuterOnes) {
    writeStrip([](int i) { return i == 7 ? qRgb(10, 10, 10) : qRgb(20, 20, 20 + i); });
    main_->Pic->surface().drawWidth = 3;
    LijstForm f(*main_);
    f.OkKnop_Click();
    const Surface& c = main_->Pic->surface();
    // A three-pixel pen reaches one pixel either side of each ring, so column k ends in
    // the colour of ring k + 1, and ring 0 is covered wholly by ring 1.
    EXPECT_EQ(c.pixel(0, 150), RGB(20, 20, 28));
    EXPECT_EQ(c.pixel(1, 150), RGB(20, 20, 29));
    EXPECT_EQ(c.pixel(2, 150), RGB(20, 20, 30));
    EXPECT_EQ(c.pixel(200, 0), RGB(20, 20, 28));
    // The innermost ring (d = 68) with its pen reaches column 69.
    EXPECT_EQ(c.pixel(68, 150), RGB(20, 20, 95));
    EXPECT_EQ(c.pixel(69, 150), RGB(20, 20, 95));
    EXPECT_EQ(c.pixel(70, 150), fromQRgb(kDesign));
}

TEST_F(LijstFormTest, WithoutAStripOrOnCancelNothingIsPainted) {
    LijstForm cancelled(*main_);
    cancelled.CancelKnop_Click();
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
    LijstForm f(*main_);
    f.HScroll1->setValue(42);
    EXPECT_EQ(f.Label3->text(), "43 / 100");
    f.OkKnop_Click();
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_FALSE(state_->Gewijzigd);
    const Surface& c = main_->Pic->surface();
    for (int y = 0; y < kH; y += 7)
        for (int x = 0; x < kW; x += 7)
            ASSERT_EQ(c.pixel(x, y), fromQRgb(kDesign));
}

#include "tools/BallonForm.h"
#include "InsertFixture.h"

#include <QLabel>
#include <QScrollBar>

using namespace korv;

namespace {
int shapeColour(int x, int y) {
    return RGB(x, y, 77);
}
QImage shape() {
    QImage img(150, 100, QImage::Format_RGB32);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 150; ++x)
            img.setPixel(x, y, toQRgb(shapeColour(x, y)));
    return img;
}
// Pixel (x, y) of the shape stretched to w x h, optionally flipped first.
int stretched(int x, int y, int w, int h, bool flipH = false, bool flipV = false) {
    int sx = (2 * x + 1) * 150 / (2 * w), sy = (2 * y + 1) * 100 / (2 * h);
    if (flipH) sx = 149 - sx;
    if (flipV) sy = 99 - sy;
    return shapeColour(sx, sy);
}
} // namespace

class BallonFormTest : public InsertDialogTest {};

TEST_F(BallonFormTest, OpensWithTheFirstShapeAtItsOwnSize) {
    BallonForm f(M());
    for (int k = 0; k < 4; ++k)
        ASSERT_EQ(f.Img[k].size(), QSize(150, 100)) << "balloon picture " << k;
    EXPECT_EQ(f.windowTitle(), "Tekstballon");
    EXPECT_EQ(f.HScroll1->value(), 150);
    EXPECT_EQ(f.VScroll1->value(), 100);
    EXPECT_EQ(f.HScroll1->maximum(), 290);
    EXPECT_EQ(f.VScroll1->maximum(), 170);
    EXPECT_EQ(f.Label4->text(), "150 x 100 Pixels");
    EXPECT_EQ(f.Pic->Image(), f.Img[0].convertToFormat(QImage::Format_RGB32));
}

TEST_F(BallonFormTest, BarsStretchTheShapeAndAChoiceBringsBackItsOwnSize) {
    BallonForm f(M());
    f.Img[1] = shape();
    f.Knop_Click(1); // bars already at 150 and 100
    EXPECT_EQ(f.Pic->Image(), shape());
    f.HScroll1->setValue(290);
    f.VScroll1->setValue(170);
    EXPECT_EQ(f.Label4->text(), "290 x 170 Pixels");
    ASSERT_EQ(f.Pic->Image().size(), QSize(290, 170));
    for (const auto& [x, y] : {std::pair{0, 0}, {289, 169}, {100, 33}, {201, 150}})
        EXPECT_EQ(f.Pic->surface().pixel(x, y), stretched(x, y, 290, 170)) << x << "," << y;
    f.HScroll1->setValue(37);
    EXPECT_EQ(f.Label4->text(), "37 x 170 Pixels");
    EXPECT_EQ(f.Pic->surface().pixel(36, 100), stretched(36, 100, 37, 170));

    f.Knop_Click(1);
    EXPECT_EQ(f.HScroll1->value(), 150);
    EXPECT_EQ(f.VScroll1->value(), 100);
    EXPECT_EQ(f.Label4->text(), "150 x 100 Pixels");
    EXPECT_EQ(f.Pic->Image(), shape());
}

TEST_F(BallonFormTest, FlipsLastUntilANewShapeIsChosen) {
    BallonForm f(M());
    f.Img[2] = shape();
    f.Knop_Click(2);
    f.FlipHorKnop_Click();
    EXPECT_EQ(f.Pic->surface().pixel(0, 5), shapeColour(149, 5));
    f.FlipHorKnop_Click();
    EXPECT_EQ(f.Pic->Image(), shape());
    f.FlipVerKnop_Click();
    f.VScroll1->setValue(60);
    f.HScroll1->setValue(200);
    for (const auto& [x, y] : {std::pair{0, 0}, {199, 59}, {77, 13}})
        EXPECT_EQ(f.Pic->surface().pixel(x, y), stretched(x, y, 200, 60, false, true));
    f.Knop_Click(2);
    EXPECT_EQ(f.Pic->Image(), shape());
}

TEST_F(BallonFormTest, ExportHandsOverTheBalloonAtItsSetSize) {
    {
        BallonForm f(M());
        f.CancelKnop_Click();
        EXPECT_TRUE(M().ClipPic->isHidden());
    }
    BallonForm f(M());
    f.Img[3] = shape();
    f.Knop_Click(3);
    f.HScroll1->setValue(0);
    f.ExportKnop_Click(); // nothing to place: the window stays
    EXPECT_TRUE(M().ClipPic->isHidden());
    EXPECT_EQ(S().Tool, 3);
    EXPECT_EQ(f.result(), 0);
    f.HScroll1->setValue(80);
    f.VScroll1->setValue(40);
    const QImage balloon = f.Pic->Image().copy();
    EXPECT_EQ(px(balloon, 79, 39), stretched(79, 39, 80, 40));
    S().MeldingPlaatsen = true;
    expectPlacementHint();
    f.ExportKnop_Click();
    EXPECT_EQ(S().Tool, 50);
    EXPECT_EQ(f.result(), QDialog::Accepted);
    expectHandedOver(balloon);
}

// Picture placement and cuts, and the caption rectangle, on a 75 x 23 button.
#include "ButtonHarness.h"
#include "platform/Colour.h"
#include "platform/Surface.h"

#include <QFontMetrics>
#include <cmath>

using korv::RGB;
using korv::VistaButton;

namespace {

const QRgb kRed = qRgb(255, 0, 0), kBlue = qRgb(0, 0, 255), kYellow = qRgb(255, 255, 0),
           kGreen = qRgb(0, 255, 0);

// Sub-images of 16 x 16 in the given colours, each with a mask-green top-left pixel.
QImage strip(std::initializer_list<QRgb> colours, int sub = 16, int height = 16) {
    QImage img(sub * static_cast<int>(colours.size()), height, QImage::Format_RGB32);
    int i = 0;
    for (QRgb c : colours) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < sub; ++x)
                img.setPixel(i * sub + x, y, c);
        img.setPixel(i * sub, 0, kGreen);
        ++i;
    }
    return img;
}

// Metrics of the caption font (8.25 point Arial at 96 pixels per inch).
QFontMetrics captionMetrics() {
    return QFontMetrics(korv::Surface().font());
}

} // namespace

class ButtonPicture : public ButtonHarness {
protected:
    QRgb px(int x, int y) { return button->grab().toImage().pixel(x, y) & 0xFFFFFF; }
    void expectPlacement(int x, int y, int w, int h, int sx, int sy, int cut) {
        const auto p = button->picturePlacement();
        EXPECT_TRUE(p.drawn);
        EXPECT_EQ(p.x, x);
        EXPECT_EQ(p.y, y);
        EXPECT_EQ(p.width, w);
        EXPECT_EQ(p.height, h);
        EXPECT_EQ(p.srcX, sx);
        EXPECT_EQ(p.srcY, sy);
        EXPECT_EQ(p.leftCut, cut);
    }
};

TEST_F(ButtonPicture, CentredSubImagePerLookWithMask) {
    button->setPicture(strip({kRed, kBlue}));
    button->setPictures(2);
    // x = (75 - 16) / 2 = 29.5 drawn at 30; y = 3.5 drawn at 4.
    expectPlacement(30, 4, 16, 16, 0, 0, 0);
    EXPECT_EQ(px(31, 5), kRed & 0xFFFFFF);
    EXPECT_EQ(px(45, 19), kRed & 0xFFFFFF);
    EXPECT_EQ(px(30, 4), px(29, 4)); // the mask pixel shows the face
    EXPECT_EQ(px(46, 5), px(29, 5));

    button->setUseMaskColor(false);
    EXPECT_EQ(px(30, 4), kGreen & 0xFFFFFF);

    button->setEnabled(false);
    expectPlacement(30, 4, 16, 16, 16, 0, 0);
    EXPECT_EQ(px(31, 5), kBlue & 0xFFFFFF);
}

TEST_F(ButtonPicture, ThirdSubImageShiftedWhileHeld) {
    korv::PropertyBag bag = VistaButton::storedLayout();
    bag.WriteProperty("Picture", strip({kRed, kBlue, kYellow}));
    bag.WriteProperty("Pictures", 3);
    bag.WriteProperty("PictureOffset", 2);
    button->ReadProperties(bag);
    EXPECT_EQ(button->Pictures(), 3);
    expectPlacement(30, 4, 16, 16, 0, 0, 0);
    press(10, 10);
    // 29.5 + 2 = 31.5 drawn at 32; 4 + 2 = 6, so the two bottom rows fall below 20.
    expectPlacement(32, 6, 16, 14, 32, 0, 0);
    EXPECT_EQ(px(33, 7), kYellow & 0xFFFFFF);
    release(10, 10);
    expectPlacement(30, 4, 16, 16, 0, 0, 0);
}

TEST_F(ButtonPicture, OversizedPictureIsCutToTheInnerArea) {
    button->setPicture(strip({kRed}, 80, 30));
    button->setPictures(1);
    // x = -2.5: 5.5 cut on each side; y = -3.5 -> -4: 7 cut at the top, 6 at the bottom.
    expectPlacement(3, 3, 69, 17, 6, 7, 6);
    EXPECT_EQ(button->captionRect().left, 82); // 80 + 8 - 6
}

TEST_F(ButtonPicture, CaptionRectangleBesideAndWithoutPicture) {
    const QFontMetrics fm = captionMetrics();
    button->setCaption("Opslaan");
    const int tw = fm.horizontalAdvance("Opslaan"), h = fm.height();
    auto r = button->captionRect();
    EXPECT_EQ(button->measuredTextWidth(), tw);
    EXPECT_EQ(r.left, 3);
    EXPECT_EQ(r.right, 72);
    EXPECT_EQ(r.top, static_cast<int>(std::nearbyint((23 - h) / 2.0)));
    EXPECT_EQ(r.bottom, static_cast<int>(std::nearbyint((23 + h) / 2.0)));

    button->setPicture(strip({kRed, kBlue}));
    button->setPictures(2);
    r = button->captionRect();
    EXPECT_EQ(r.left, 24); // 16 + 8: the caption is centred right of the picture
    const int x = static_cast<int>(std::nearbyint((75 - tw - 16 - 5) / 2.0));
    EXPECT_EQ(button->picturePlacement().x, x);

    // On a narrow button the group starts left of the inner area: the picture is cut
    // at the left and the caption moves left by the same amount.
    button->resize(30, 23);
    const double gx = (30 - tw - 16 - 5) / 2.0;
    ASSERT_LT(gx, 3);
    const int cut = static_cast<int>(std::nearbyint(3 - gx));
    EXPECT_EQ(button->picturePlacement().leftCut, cut);
    EXPECT_EQ(button->picturePlacement().x, 3);
    EXPECT_EQ(button->captionRect().left, 24 - cut);
}

// A bare instance holds Pictures 0; the picture and the caption beside it both count it
// as one sub-image, so the caption starts at 16 + 8 like the picture's own width says.
TEST_F(ButtonPicture, BareInstanceCountsZeroPicturesAsOne) {
    VistaButton bare(VistaButton::Blank, window.get());
    bare.setGeometry(10, 40, 75, 23);
    ASSERT_EQ(bare.Pictures(), 0);
    bare.setPicture(strip({kRed}));
    bare.setCaption("Opslaan");
    EXPECT_TRUE(bare.picturePlacement().drawn);
    EXPECT_EQ(bare.picturePlacement().width, 16);
    EXPECT_EQ(bare.captionRect().left, 24);
}

#include "controls/VistaButton.h"
#include "platform/Colour.h"

#include <QImage>
#include <gtest/gtest.h>

using korv::PropertyBag;
using korv::VistaButton;

TEST(ButtonProperties, PicturesIsLimitedToOneOrTwo) {
    VistaButton b;
    const std::pair<int, int> cases[] = {{0, 1}, {-5, 1}, {1, 1}, {2, 2}, {3, 2}, {100, 2}};
    for (auto [set, want] : cases) {
        b.setPictures(set);
        EXPECT_EQ(b.Pictures(), want) << set;
    }
}

TEST(ButtonProperties, StoredLayoutAndFirstPlacementDefaults) {
    VistaButton b;
    EXPECT_TRUE(b.UseMaskColor());
    EXPECT_EQ(b.MaskColor(), korv::RGB(0, 255, 0));
    EXPECT_FALSE(b.NoBackGround());
    EXPECT_EQ(b.BackColor(), korv::RGB(255, 255, 255));
    EXPECT_EQ(b.PictureOffset(), 0);
    EXPECT_EQ(b.Pictures(), 1);
    EXPECT_TRUE(b.Enabled());
    EXPECT_EQ(b.State(), VistaButton::Normal);
    EXPECT_EQ(b.Font().family(), "Arial");

    VistaButton placed(VistaButton::Blank);
    placed.InitProperties("VistaButton1");
    EXPECT_EQ(placed.Caption(), "VistaButton1");
    EXPECT_EQ(placed.Pictures(), 2);
    EXPECT_TRUE(placed.UseMaskColor());
    EXPECT_EQ(placed.MaskColor(), 65280);
    EXPECT_TRUE(placed.Enabled());
}

TEST(ButtonProperties, ReadingAStoreFillsMissingKeysWithZeroValues) {
    VistaButton b(VistaButton::Blank);
    PropertyBag bag;
    bag.WriteProperty("Caption", "Show");
    bag.WriteProperty("Pictures", 0);
    b.ReadProperties(bag);
    EXPECT_EQ(b.Caption(), "Show");
    EXPECT_EQ(b.Pictures(), 1); // a stored count below one counts as one
    EXPECT_EQ(b.BackColor(), VistaButton::kSystemButtonFace);
    EXPECT_EQ(b.ForeColor(), 0);
    EXPECT_FALSE(b.UseMaskColor());
    EXPECT_EQ(b.MaskColor(), 0);
    EXPECT_FALSE(b.Enabled());
    EXPECT_EQ(b.State(), VistaButton::Disabled);
    EXPECT_FALSE(b.HasPictureDC());

    bag.WriteProperty("Pictures", -3);
    bag.WriteProperty("Enabled", true);
    b.ReadProperties(bag);
    EXPECT_EQ(b.Pictures(), 1);
    bag.WriteProperty("Pictures", 3); // read back without the setter's limit
    b.ReadProperties(bag);
    EXPECT_EQ(b.Pictures(), 3);
}

TEST(ButtonProperties, WrittenStoreReadsBackIntoAnotherButton) {
    VistaButton a;
    a.setCaption("Exit");
    a.setForeColor(korv::RGB(1, 2, 3));
    a.setPictures(2);
    a.setMaskColor(korv::RGB(255, 0, 255));
    a.setNoBackGround(true);
    a.setBackColor(korv::RGB(9, 8, 7));
    a.setPictureOffset(1);
    QImage pic(8, 4, QImage::Format_RGB32);
    pic.fill(Qt::red);
    a.setPicture(pic);
    a.setEnabled(false);
    PropertyBag bag;
    a.WriteProperties(bag);
    EXPECT_EQ(bag.names(),
              QStringList({"Caption", "ForeColor", "Font", "Picture", "Pictures", "UseMaskColor",
                           "MaskColor", "Enabled", "NoBackGround", "BackColor", "PictureOffset"}));

    VistaButton b(VistaButton::Blank);
    b.ReadProperties(bag);
    EXPECT_EQ(b.Caption(), "Exit");
    EXPECT_EQ(b.ForeColor(), korv::RGB(1, 2, 3));
    EXPECT_EQ(b.MaskColor(), korv::RGB(255, 0, 255));
    EXPECT_TRUE(b.NoBackGround());
    EXPECT_EQ(b.BackColor(), korv::RGB(9, 8, 7));
    EXPECT_EQ(b.PictureOffset(), 1);
    EXPECT_EQ(b.PictureWidth(), 8);
    EXPECT_EQ(b.State(), VistaButton::Disabled);
}

TEST(ButtonProperties, MovesInTwipsAndPicturesOfZeroSizeShowNothing) {
    QWidget window;
    VistaButton b(&window);
    b.Move(150, 300, 1125, 345);
    EXPECT_EQ(b.geometry(), QRect(10, 20, 75, 23));
    EXPECT_EQ(b.surface().widthPx(), 75);
    b.setPicture(QImage());
    EXPECT_FALSE(b.HasPictureDC());
    b.setPicture(QImage(0, 5, QImage::Format_RGB32));
    EXPECT_FALSE(b.HasPictureDC());
    EXPECT_FALSE(b.picturePlacement().drawn);
    // Tiny sizes draw overlapping parts but stay inside the surface.
    b.setCaption("Tekst");
    for (QSize s : {QSize(5, 4), QSize(1, 1), QSize(0, 0), QSize(13, 7)}) {
        b.resize(s);
        b.setEnabled(true);
        EXPECT_EQ(b.surface().image().size(), s);
    }
}

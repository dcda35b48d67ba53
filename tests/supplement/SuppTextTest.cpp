// Texts with their preview, the frame and its width, and the page number.
#include "SuppFixture.h"

#include "platform/Colour.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>

using namespace korv;

namespace {
void setColour(SuppForm& f, int r, int g, int b) {
    f.HScroll1[0]->setValue(r);
    f.HScroll1[1]->setValue(g);
    f.HScroll1[2]->setValue(b);
}
// Height of a line of text in Arial at the size, as the platform measures it.
double arialHeight(double size, const QString& text) {
    Surface m(1, 1);
    m.fontName = "Arial";
    m.fontSize = size;
    return m.textHeight(text);
}
} // namespace

TEST_F(SuppTest, PlaceButtonWithoutTextShowsErrorAndEndsModes) {
    open();
    F().Check2->setChecked(true);
    F().Check4->setChecked(true);
    F().Text1->setText("   ");
    auto& box = dialogs->expectMsg(QString::fromUtf8("Géén tekst ingevuld..."));
    box.buttons = Mb::OkOnly | Mb::Critical;
    box.title = "Error";
    F().PlaatsKnop_Click();
    EXPECT_FALSE(S().TekstPlaatsenActief);
    EXPECT_FALSE(F().Check2->isChecked());
    EXPECT_FALSE(F().Check4->isChecked());
    EXPECT_FALSE(F().TextLabel->isVisibleTo(&F()));
}

TEST_F(SuppTest, PendingTextIsPlacedWhereThePreviewStoodWithSettingsAtRelease) {
    open();
    F().Check4->setChecked(true);
    F().Text1->setText("Ab");
    setColour(F(), 0, 0, 200);
    F().PlaatsKnop_Click();
    EXPECT_TRUE(S().TekstPlaatsenActief);
    EXPECT_TRUE(F().TextLabel->isVisibleTo(&F()));
    EXPECT_EQ(F().TextLabel->text(), "Ab ");
    EXPECT_FALSE(F().Check4->isChecked());

    const double h = arialHeight(20, "Ab ");
    F().Pic_MouseMove(0, 0, 100, 200);
    EXPECT_EQ(leftInContainer(F().TextLabel), 100);
    EXPECT_NEAR(topInContainer(F().TextLabel), 200 - h - 5, 1.0);

    // What is printed follows the settings at the release.
    setColour(F(), 200, 0, 0);
    F().Text1->setText("Xy");
    F().Check4->setChecked(true); // even in fixed-size mode no box is drawn
    F().Pic_MouseUp(Mouse::Right, 0, 100, 200);
    EXPECT_FALSE(S().TekstPlaatsenActief);
    EXPECT_FALSE(F().TextLabel->isVisibleTo(&F()));
    const int top = static_cast<int>(std::nearbyint(200 - h - 5));
    const int red = RGB(200, 0, 0);
    EXPECT_GT(countIn(red, 100, top, 160, 195), 30);
    EXPECT_EQ(countAll(red), countIn(red, 100, top, 160, 195));
    EXPECT_EQ(countAll(RGB(0, 0, 200)), 0);
    EXPECT_EQ(countAll(kBlack), 0);

    // Undo gives the page as before the release.
    F().EditUndo_Click();
    EXPECT_EQ(countAll(kWhite), 480 * 700);
}

TEST_F(SuppTest, PendingTextOutlivesTheWindow) {
    open();
    F().PlaatsKnop_Click();
    F().FileExit_Click();
    form_.reset();
    EXPECT_TRUE(S().TekstPlaatsenActief);
    open();
    EXPECT_FALSE(S().TekstPlaatsenActief);
}

TEST_F(SuppTest, FrameWidthAppliesAtTheNextDrawingAndClearingWipesFive) {
    open();
    setColour(F(), 0, 128, 0);
    const int green = RGB(0, 128, 0);
    F().Rand_Click(2);
    EXPECT_EQ(S().Kaderbreedte, 2);
    EXPECT_TRUE(F().Rand[2]->isChecked());
    EXPECT_FALSE(F().Rand[5]->isChecked());
    F().Check1->setChecked(true);
    for (int d : {16, 17}) {
        EXPECT_EQ(px(d, d), green) << d;
        EXPECT_EQ(px(479 - d, 699 - d), green) << d;
        EXPECT_EQ(px(240, d), green) << d;
        EXPECT_EQ(px(d, 350), green) << d;
    }
    EXPECT_EQ(px(15, 15), kWhite);
    EXPECT_EQ(px(18, 18), kWhite);
    // Two nested outlines of 448 x 668 and 446 x 666 pixels.
    EXPECT_EQ(countAll(green), (2 * 448 + 2 * 668 - 4) + (2 * 446 + 2 * 666 - 4));
    F().Rand_Click(4);
    EXPECT_EQ(px(18, 18), kWhite); // nothing redrawn

    drag(10, 10, 30, 30);
    F().Check1->setChecked(false);
    for (int d = 16; d <= 20; ++d)
        EXPECT_EQ(px(d, d), kWhite) << d;
    EXPECT_EQ(px(21, 21), RGB(240, 240, 240));
    EXPECT_EQ(countAll(green), 0);
}

TEST_F(SuppTest, PageNumberWipesItsPlaceAndTakesTheLastTextStyle) {
    open();
    drag(200, 640, 300, 690);
    const int grey = RGB(64, 64, 64);
    F().Combo2->setEditText("12");
    EXPECT_EQ(px(224, 650), kWhite);
    EXPECT_EQ(px(284, 675), kWhite);
    EXPECT_EQ(px(223, 650), RGB(240, 240, 240));
    EXPECT_EQ(px(285, 675), RGB(240, 240, 240));
    EXPECT_GT(countIn(grey, 234, 655, 284, 676), 10);
    EXPECT_EQ(countAll(grey), countIn(grey, 234, 655, 284, 676));
    EXPECT_TRUE(F().Pic->surface().fontBold);
    EXPECT_EQ(F().Pic->surface().fontSize, 10);

    F().Combo2->setEditText(" ");
    EXPECT_EQ(countAll(grey), 0);

    setColour(F(), 150, 0, 0);
    F().ItalicCheck->setChecked(true);
    F().PlaatsKnop_Click();
    F().Pic_MouseUp(Mouse::Left, 0, 50, 100);
    F().Combo2->setEditText("7");
    EXPECT_TRUE(F().Pic->surface().fontItalic);
    EXPECT_EQ(F().Pic->surface().fontName, "Arial");
    EXPECT_GT(countIn(RGB(150, 0, 0), 224, 650, 285, 676), 5);
}

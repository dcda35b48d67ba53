// Free, fixed-size and erasing boxes, the crosshair read-out and the modes.
#include "SuppFixture.h"

#include "platform/Colour.h"

#include <QCheckBox>
#include <QComboBox>

using namespace korv;

namespace {
const int kVak = RGB(200, 210, 220);
}

TEST_F(SuppTest, FreeDragDrawsAnOutlinedBoxWithBothCorners) {
    S().VakKleurR = 200;
    S().VakKleurG = 210;
    S().VakKleurB = 220;
    open();
    F().Pic_MouseDown(Mouse::Left, 0, 10, 20);
    EXPECT_TRUE(F().Layer->isVisibleTo(&F()));
    F().Pic_MouseMove(Mouse::Left, 0, 30, 40);
    EXPECT_EQ(F().Layer->Width(), 21);
    EXPECT_EQ(F().Layer->Height(), 21);
    F().Pic_MouseMove(Mouse::Left, 0, 5, 8); // never left of or above the press point
    EXPECT_EQ(F().Layer->Width(), 1);
    F().Pic_MouseUp(Mouse::Left, 0, 30, 40);
    EXPECT_FALSE(F().Layer->isVisibleTo(&F()));
    EXPECT_EQ(S().StartX, 10);
    EXPECT_EQ(S().StartY, 20);
    EXPECT_EQ(px(10, 20), kBlack);
    EXPECT_EQ(px(30, 40), kBlack);
    EXPECT_EQ(px(20, 20), kBlack);
    EXPECT_EQ(px(11, 21), kVak);
    EXPECT_EQ(px(29, 39), kVak);
    EXPECT_EQ(countIn(kVak, 0, 0, 480, 700), 19 * 19);
    EXPECT_EQ(countAll(kBlack), 4 * 20);
}

TEST_F(SuppTest, DragsThatDrawNothing) {
    open();
    drag(50, 50, 40, 60);               // ends left of the press point
    drag(50, 50, 60, 50);               // ends on its row
    drag(50, 50, 50, 50);               // a click
    drag(50, 50, 90, 90, Mouse::Right); // right button
    EXPECT_EQ(countAll(kWhite), 480 * 700);
}

TEST_F(SuppTest, EraseModePaintsWhiteWithoutOutline) {
    open();
    drag(10, 10, 100, 100);
    F().Check3->setChecked(true);
    drag(50, 50, 200, 200);
    EXPECT_EQ(px(50, 50), kWhite);
    EXPECT_EQ(px(100, 100), kWhite);
    EXPECT_EQ(px(49, 49), RGB(240, 240, 240));
    EXPECT_EQ(px(100, 49), kBlack);
    EXPECT_EQ(countIn(kBlack, 50, 50, 201, 201), 0);
}

TEST_F(SuppTest, FixedSizeBoxFollowsThePointerAndAnyButtonDrawsIt) {
    open();
    F().Check4->setChecked(true);
    EXPECT_TRUE(F().Combo1->isEnabled());
    EXPECT_TRUE(F().Combo5->isEnabled());
    EXPECT_TRUE(F().Layer->isVisibleTo(&F()));
    F().Pic_MouseDown(Mouse::Right, 0, 230, 240);
    F().Pic_MouseMove(0, 0, 230, 240);
    EXPECT_NEAR(F().Layer->Width(), 68.4, 1e-9);
    EXPECT_NEAR(F().Layer->Height(), 70.2, 1e-9);
    EXPECT_NEAR(F().Layer->Left(), 161.6, 1e-9);
    EXPECT_NEAR(F().Layer->Top(), 169.8, 1e-9);
    F().Pic_MouseUp(Mouse::Right, 0, 230, 240);
    // 161.6 and 169.8 round to 162 and 170.
    EXPECT_EQ(px(162, 170), kBlack);
    EXPECT_EQ(px(230, 240), kBlack);
    EXPECT_EQ(px(161, 200), kWhite);
    EXPECT_EQ(px(200, 200), RGB(240, 240, 240));
    EXPECT_TRUE(F().Layer->isVisibleTo(&F()));
}

TEST_F(SuppTest, ReadoutShowsMillimetresBesideThePointer) {
    open();
    F().Check2->setChecked(true);
    EXPECT_TRUE(F().Line1->isVisibleTo(&F()));
    EXPECT_TRUE(F().Label3->isVisibleTo(&F()));
    F().Pic_MouseMove(0, 0, 230, 240);
    EXPECT_EQ(F().Label3->text(), " 100 x 102 mm ");
    EXPECT_EQ(leftInContainer(F().Label3), 235);
    EXPECT_EQ(topInContainer(F().Label3), 220);
    EXPECT_EQ(F().Line1->X1(), 230);
    EXPECT_EQ(F().Line1->Y2(), 700);
    EXPECT_EQ(F().Label3->palette().color(QPalette::Window), QColor(230, 230, 230));
    F().Pic_MouseMove(0, 0, 399, 100);
    EXPECT_EQ(leftInContainer(F().Label3), 404);
    F().Pic_MouseMove(0, 0, 400, 100);
    EXPECT_EQ(leftInContainer(F().Label3), 320);

    // While dragging: the box size, on a cyan background.
    F().Pic_MouseDown(Mouse::Left, 0, 10, 10);
    F().Pic_MouseMove(Mouse::Left, 0, 80, 90); // 70 / 2.28 = 30.7, 80 / 2.34 = 34.2
    EXPECT_EQ(F().Label3->text(), " 30 x 34 mm ");
    EXPECT_EQ(F().Label3->palette().color(QPalette::Window), QColor(0, 250, 250));

    F().Check2->setChecked(false);
    EXPECT_FALSE(F().Line2->isVisibleTo(&F()));
    EXPECT_FALSE(F().Label3->isVisibleTo(&F()));
}

TEST_F(SuppTest, FixedSizeAndEraseModesExcludeEachOther) {
    open();
    F().Check3->setChecked(true);
    F().Check4->setChecked(true);
    EXPECT_TRUE(F().Check4->isChecked());
    EXPECT_FALSE(F().Check3->isChecked());
    EXPECT_TRUE(F().Combo1->isEnabled());
    EXPECT_TRUE(F().Layer->isVisibleTo(&F()));

    F().Check3->setChecked(true);
    EXPECT_FALSE(F().Check4->isChecked());
    EXPECT_FALSE(F().Combo5->isEnabled());
    EXPECT_FALSE(F().Layer->isVisibleTo(&F()));
}

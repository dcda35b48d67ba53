// The face as the widget shows it, for a 75 x 23 button: M = 10, upper face rows 2..9,
// lower face rows 10..20, side columns x = 1 and x = 73.
#include "ButtonHarness.h"
#include "platform/Colour.h"

#include <QImage>

using korv::RGB;
using korv::VistaButton;

namespace {

constexpr int W = 75, H = 23, M = 10;

struct LookPixels {
    int look;
    int line0, line1, line20, line2, line5, line11, line12, line19;
    int stop0, stop2, stop6;
};

const LookPixels kLooks[] = {
    {VistaButton::Normal, RGB(112, 112, 112), RGB(252, 252, 252), RGB(243, 243, 243),
     RGB(144, 144, 144), RGB(145, 145, 145), RGB(252, 252, 252), RGB(134, 134, 134),
     RGB(236, 236, 236), RGB(242, 242, 242), RGB(221, 221, 221), RGB(246, 246, 246)},
    {VistaButton::Hover, RGB(60, 127, 177), RGB(250, 253, 254), RGB(232, 245, 252),
     RGB(102, 147, 181), RGB(105, 157, 195), RGB(249, 253, 254), RGB(87, 138, 175),
     RGB(220, 240, 251), RGB(234, 246, 253), RGB(190, 230, 253), RGB(239, 249, 254)},
    {VistaButton::Pressed, RGB(44, 98, 139), RGB(158, 176, 186), RGB(104, 179, 219),
     RGB(57, 89, 113), RGB(58, 104, 138), RGB(170, 188, 199), RGB(75, 117, 147), RGB(109, 181, 220),
     RGB(228, 243, 251), RGB(152, 209, 239), RGB(120, 170, 197)},
    {VistaButton::Focused, RGB(60, 127, 177), RGB(52, 213, 254), RGB(41, 206, 250),
     RGB(160, 190, 212), RGB(50, 146, 195), RGB(52, 213, 254), RGB(155, 187, 210),
     RGB(84, 210, 247), RGB(236, 245, 250), RGB(206, 231, 244), RGB(56, 210, 252)},
    {VistaButton::Disabled, RGB(173, 178, 181), RGB(252, 252, 252), RGB(252, 252, 252),
     RGB(183, 187, 190), RGB(192, 195, 198), RGB(252, 252, 252), RGB(176, 181, 184),
     RGB(251, 251, 251), RGB(244, 244, 244), RGB(244, 244, 244), RGB(252, 252, 252)},
};

} // namespace

class ButtonFace : public ButtonHarness {
protected:
    int px(int x, int y) { return korv::fromQRgb(shot.pixel(x, y)); }
    void grab() { shot = button->grab().toImage(); }
    QImage shot;
    // Puts the button into a look through its own input.
    void enterLook(int look) {
        switch (look) {
        case VistaButton::Hover:
            move(40, 5);
            break;
        case VistaButton::Pressed:
            press(40, 5);
            break;
        case VistaButton::Focused:
            focus(QEvent::FocusIn);
            break;
        case VistaButton::Disabled:
            button->setEnabled(false);
            break;
        default:
            break;
        }
    }
};

TEST_F(ButtonFace, OutlineCornersAndFirstGradientRowsOfEveryLook) {
    for (const LookPixels& l : kLooks) {
        SCOPED_TRACE(l.look);
        SetUp(); // a fresh window and button per look
        enterLook(l.look);
        ASSERT_EQ(button->State(), l.look);
        grab();
        ASSERT_EQ(shot.size(), QSize(W, H));
        EXPECT_EQ(px(30, 0), l.line0);
        EXPECT_EQ(px(30, H - 1), l.line0);
        EXPECT_EQ(px(0, 8), l.line0);
        EXPECT_EQ(px(W - 1, 15), l.line0);
        EXPECT_EQ(px(30, 1), l.line1);
        EXPECT_EQ(px(30, H - 2), l.line20);
        EXPECT_EQ(px(1, 0), l.line2);
        EXPECT_EQ(px(W - 2, 0), l.line2);
        EXPECT_EQ(px(1, 1), l.line5);
        EXPECT_EQ(px(W - 2, 1), l.line5);
        EXPECT_EQ(px(1, 3), l.line11);
        EXPECT_EQ(px(1, H - 1), l.line12);
        EXPECT_EQ(px(W - 3, H - 3), l.line19);
        if (l.look != VistaButton::Focused) {
            EXPECT_EQ(px(30, 2), l.stop0);
        }
        EXPECT_EQ(px(30, M), l.stop2);
        EXPECT_EQ(px(1, M), l.stop6);
        EXPECT_EQ(px(W - 2, M), l.stop6);
        EXPECT_EQ(px(1, H - 4), px(W - 2, H - 4)); // both side columns alike
    }
}

// Upper face of the normal look: 242 down to 235 over 8 rows; each row keeps the
// whole part of 242 - 7 * row / 8.
TEST_F(ButtonFace, GradientRowsInBetween) {
    grab();
    EXPECT_EQ(px(30, 3), RGB(241, 241, 241));
    EXPECT_EQ(px(30, 6), RGB(238, 238, 238)); // 242 - 3.5
    EXPECT_EQ(px(30, 9), RGB(235, 235, 235)); // 242 - 6.125
    // Lower face 221 down to 207 over 11 rows: row 20 is 221 - 14 * 10 / 11 = 208.27.
    EXPECT_EQ(px(30, 20), RGB(208, 208, 208));
}

TEST_F(ButtonFace, PressedAndFocusedExtras) {
    press(40, 5);
    grab();
    const int B = RGB(220, 237, 246), E = RGB(109, 181, 220), G = RGB(220, 237, 245);
    for (int x : {3, 6, W - 7, W - 4})
        EXPECT_EQ(px(x, 2), B) << x;
    EXPECT_EQ(px(7, 2), RGB(228, 243, 251)); // the upper face again
    for (int x : {3, 6})
        EXPECT_EQ(px(x, H - 3), E) << x;
    EXPECT_EQ(px(2, 3), G);
    EXPECT_EQ(px(W - 3, 3), G);

    release(40, 5);
    pointAt(150, 70);
    focus(QEvent::FocusIn);
    wait();
    ASSERT_EQ(button->State(), VistaButton::Focused);
    grab();
    EXPECT_EQ(px(3, 2), RGB(166, 233, 251));
    EXPECT_EQ(px(W - 4, 2), RGB(166, 233, 251));
    EXPECT_EQ(px(30, H - 3), RGB(132, 213, 239));
    EXPECT_EQ(px(2, 3), RGB(165, 232, 251));
    EXPECT_EQ(px(W - 3, 3), RGB(165, 232, 251));
    EXPECT_EQ(px(2, M), RGB(146, 222, 245));
    EXPECT_EQ(px(W - 3, M), RGB(146, 222, 245));
    EXPECT_EQ(px(2, 4), px(W - 3, 4));
}

TEST_F(ButtonFace, NoBackGroundShowsTheFaceOnlyWhenHoveredOrHeld) {
    button->setBackColor(RGB(10, 20, 30));
    button->setNoBackGround(true);
    grab();
    for (QPoint p : {QPoint(1, 0), QPoint(30, 1), QPoint(30, 10), QPoint(1, M)})
        EXPECT_EQ(px(p.x(), p.y()), RGB(10, 20, 30));
    move(40, 5);
    grab();
    EXPECT_EQ(px(30, 2), RGB(234, 246, 253));
    EXPECT_EQ(px(1, 0), RGB(102, 147, 181));
}

TEST_F(ButtonFace, WindowOutlineLacksTheFourCornersAndFollowsTheSize) {
    const QRegion outline = button->windowOutline();
    for (QPoint p : {QPoint(0, 0), QPoint(0, H - 1), QPoint(W - 1, 0), QPoint(W - 1, H - 1)})
        EXPECT_FALSE(outline.contains(p)) << p.x() << "," << p.y();
    for (QPoint p : {QPoint(1, 0), QPoint(0, 1), QPoint(W - 2, H - 1), QPoint(30, 10)})
        EXPECT_TRUE(outline.contains(p)) << p.x() << "," << p.y();
    EXPECT_EQ(outline.boundingRect(), QRect(0, 0, W, H));

    const int builds = button->outlineBuilds();
    button->setCaption("Opslaan");
    EXPECT_EQ(button->outlineBuilds(), builds);
    button->resize(90, 30);
    EXPECT_EQ(button->outlineBuilds(), builds + 1);
    EXPECT_FALSE(button->windowOutline().contains(QPoint(89, 29)));
    EXPECT_TRUE(button->windowOutline().contains(QPoint(88, 29)));
}

TEST(ButtonGeometry, MiddleRowOfTheFace) {
    EXPECT_EQ(VistaButton::middleRow(22), 10);
    EXPECT_EQ(VistaButton::middleRow(23), 10);
    EXPECT_EQ(VistaButton::middleRow(24), 11);
}

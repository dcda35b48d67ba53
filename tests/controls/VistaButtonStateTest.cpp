#include "ButtonHarness.h"

using korv::VistaButton;

TEST_F(ButtonHarness, PointerOverAndAway) {
    pointAt(5, 5);
    EXPECT_TRUE(button->IsMouseOver());
    pointAt(0, 0); // a cut-away corner
    EXPECT_FALSE(button->IsMouseOver());
    pointAt(74, 22);
    EXPECT_FALSE(button->IsMouseOver());
    pointAt(1, 0);
    EXPECT_TRUE(button->IsMouseOver());
    pointAt(80, 5);
    EXPECT_FALSE(button->IsMouseOver());
}

TEST_F(ButtonHarness, HoverAcrossRaisesMouseInPerMoveAndOneMouseOut) {
    move(5, 5);
    move(6, 5);
    EXPECT_EQ(button->State(), VistaButton::Hover);
    EXPECT_TRUE(button->IsHoverTracking());
    EXPECT_EQ(take(),
              QStringList({"MouseMove 0 0 5 5", "MouseIn", "MouseMove 0 0 6 5", "MouseIn"}));
    pointer = QPoint(150, 80);
    wait();
    EXPECT_EQ(take(), QStringList({"MouseOut"}));
    EXPECT_EQ(button->State(), VistaButton::Normal);
    EXPECT_FALSE(button->IsHoverTracking());

    focus(QEvent::FocusIn);
    EXPECT_EQ(button->State(), VistaButton::Focused);
    move(5, 5);
    EXPECT_EQ(button->State(), VistaButton::Hover);
    pointer = QPoint(150, 80);
    leave(); // at once, without waiting for the next tick
    EXPECT_EQ(button->State(), VistaButton::Focused);
}

TEST_F(ButtonHarness, PressDragOffAndReleaseOutsideRaisesNoClick) {
    move(5, 5);
    press(5, 5);
    EXPECT_EQ(button->State(), VistaButton::Pressed);
    EXPECT_TRUE(button->IsPressed());
    move(100, 5, Qt::LeftButton);
    EXPECT_EQ(button->State(), VistaButton::Hover);
    wait();
    EXPECT_EQ(button->State(), VistaButton::Hover); // still held
    move(20, 5, Qt::LeftButton);                    // back over the button
    EXPECT_EQ(button->State(), VistaButton::Pressed);
    move(100, 5, Qt::LeftButton);
    wait();
    release(100, 5);
    EXPECT_EQ(button->State(), VistaButton::Normal);
    EXPECT_FALSE(button->IsPressed());
    EXPECT_EQ(take(),
              QStringList({"MouseMove 0 0 5 5", "MouseIn", "MouseDown 1 0 5 5",
                           "MouseMove 1 0 100 5", "MouseOut", "MouseMove 1 0 20 5", "MouseIn",
                           "MouseMove 1 0 100 5", "MouseOut", "MouseUp 1 0 100 5"}));
}

// The button appears under the pointer and is clicked without any move first: the
// hover look must still end when the pointer goes.
TEST_F(ButtonHarness, ClickInsideAndHoverWithoutMoveEndsWhenPointerLeaves) {
    press(5, 5);
    release(6, 6);
    EXPECT_EQ(take(), QStringList({"MouseDown 1 0 5 5", "MouseUp 1 0 6 6", "Click"}));
    EXPECT_EQ(button->State(), VistaButton::Hover);
    EXPECT_TRUE(button->IsHoverTracking());
    pointer = QPoint(150, 80);
    wait();
    EXPECT_EQ(take(), QStringList({"MouseOut"}));
    EXPECT_EQ(button->State(), VistaButton::Normal);
    EXPECT_FALSE(button->IsHoverTracking());
}

TEST_F(ButtonHarness, HeldSpaceKeyClicksOnceOnRelease) {
    focus(QEvent::FocusIn);
    EXPECT_EQ(button->State(), VistaButton::Focused);
    key(QEvent::KeyPress);
    EXPECT_EQ(button->State(), VistaButton::Pressed);
    for (int i = 0; i < 3; ++i) {
        key(QEvent::KeyRelease, true);
        key(QEvent::KeyPress, true);
    }
    key(QEvent::KeyRelease);
    const QStringList seen = take();
    EXPECT_EQ(seen.count("Click"), 1);
    EXPECT_EQ(seen.count("MouseDown 0 0 0 0"), 1);
    EXPECT_EQ(seen.first(), "MouseDown 0 0 0 0");
    EXPECT_EQ(seen.mid(seen.size() - 3), QStringList({"MouseUp 0 0 -1 0", "Click", "KeyUp 32"}));
    EXPECT_EQ(button->State(), VistaButton::Focused);

    pointAt(5, 5); // released with the pointer over the button
    key(QEvent::KeyPress);
    key(QEvent::KeyRelease);
    EXPECT_TRUE(take().contains("MouseUp 0 0 0 0"));
    EXPECT_EQ(button->State(), VistaButton::Hover);
}

TEST_F(ButtonHarness, FocusKeepsHoverAndLosingItOverTheButtonKeepsTheLook) {
    move(5, 5);
    focus(QEvent::FocusIn);
    EXPECT_TRUE(button->HasFocus());
    EXPECT_EQ(button->State(), VistaButton::Hover);
    press(5, 5);
    focus(QEvent::FocusOut);
    EXPECT_EQ(button->State(), VistaButton::Pressed);
    pointAt(150, 70);
    focus(QEvent::FocusIn);
    EXPECT_EQ(button->State(), VistaButton::Pressed); // held
    focus(QEvent::FocusOut);
    EXPECT_EQ(button->State(), VistaButton::Normal);
}

TEST_F(ButtonHarness, DisabledButtonRaisesNothingButMouseOut) {
    ASSERT_TRUE(button->TabStop());
    move(5, 5);
    button->setEnabled(false);
    EXPECT_EQ(button->State(), VistaButton::Disabled);
    EXPECT_FALSE(button->TabStop());
    EXPECT_TRUE(button->isEnabled()); // the widget still receives the pointer
    take();
    move(6, 6);
    press(6, 6);
    release(6, 6);
    key(QEvent::KeyPress);
    key(QEvent::KeyRelease);
    focus(QEvent::FocusIn);
    EXPECT_TRUE(take().isEmpty());
    EXPECT_EQ(button->State(), VistaButton::Disabled);
    pointer = QPoint(150, 80);
    wait();
    EXPECT_EQ(take(), QStringList({"MouseOut"}));
    EXPECT_EQ(button->State(), VistaButton::Disabled);

    pointAt(5, 5);
    button->setEnabled(true);
    EXPECT_EQ(button->State(), VistaButton::Normal); // until the next move
    EXPECT_TRUE(button->TabStop());
    move(5, 5);
    EXPECT_EQ(button->State(), VistaButton::Hover);
}

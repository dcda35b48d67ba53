#include "tools/CaptureForm.h"
#include "InsertFixture.h"

#include "platform/Screen.h"

#include <QAction>
#include <QWindow>

// Qt's queue of window-system input (exported by Qt Gui; its header is not installed).
// What it holds is delivered by the next round of events that admits user input, as a
// real click made while a loop runs would be.
class QWindowSystemInterface {
public:
    struct AsynchronousDelivery;
    template <typename Delivery>
    static bool handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                 Qt::MouseButtons state, Qt::MouseButton button, QEvent::Type type,
                                 Qt::KeyboardModifiers mods, Qt::MouseEventSource source);
};

using namespace korv;

namespace {
int screenColour(int x, int y) {
    return RGB(x % 256, y % 256, (x / 256) * 16 + y / 256);
}
} // namespace

class CaptureFormTest : public InsertDialogTest {
protected:
    void SetUp() override {
        InsertDialogTest::SetUp();
        form_ = std::make_unique<CaptureForm>(M());
        const QSize screen = screenSizePx();
        F().grabScreen = [this, screen] {
            ++grabs_;
            statesDuringGrab_ = {F().windowState(), M().windowState()};
            yieldingDuringGrab_ = M().yielding();
            return pattern(screen.width(), screen.height(), screenColour);
        };
    }
    void TearDown() override {
        form_.reset();
        InsertDialogTest::TearDown();
    }
    CaptureForm& F() { return *form_; }
    void drag(double x0, double y0, double x1, double y1, int button = Mouse::Left) {
        F().Pic_MouseDown(button, 0, x0, y0);
        F().Pic_MouseMove(button, 0, (x0 + x1) / 2, (y0 + y1) / 2);
        F().Pic_MouseMove(button, 0, x1, y1);
        F().Pic_MouseUp(button, 0, x1, y1);
    }

    std::unique_ptr<CaptureForm> form_;
    int grabs_ = 0;
    std::pair<Qt::WindowStates, Qt::WindowStates> statesDuringGrab_;
    bool yieldingDuringGrab_ = false;
};

TEST_F(CaptureFormTest, CaptureMinimisesBothWindowsAndBringsThemBackNormal) {
    EXPECT_EQ(F().windowTitle(), "Copyeer Buraublad");
    EXPECT_FALSE(F().Label1->isHidden());
    EXPECT_TRUE(F().Label1->text().startsWith("1. Klik op het menu-item 'Capture'"));
    EXPECT_EQ(F().Pic->Image().size(), screenSizePx());
    EXPECT_EQ(F().Pic->surface().pixel(5, 5), RGB(250, 240, 210));

    M().setWindowState(Qt::WindowMaximized);
    F().Afdruk->trigger();
    EXPECT_EQ(grabs_, 1);
    EXPECT_TRUE(statesDuringGrab_.first & Qt::WindowMinimized);
    EXPECT_TRUE(statesDuringGrab_.second & Qt::WindowMinimized);
    EXPECT_TRUE(yieldingDuringGrab_);
    EXPECT_EQ(F().windowState(), Qt::WindowNoState);
    EXPECT_EQ(M().windowState(), Qt::WindowNoState);
    EXPECT_FALSE(M().yielding());
    EXPECT_TRUE(F().Label1->isHidden());
    const QSize s = screenSizePx();
    EXPECT_EQ(F().Pic->surface().pixel(0, 0), screenColour(0, 0));
    EXPECT_EQ(F().Pic->surface().pixel(s.width() - 1, s.height() - 1),
              screenColour(s.width() - 1, s.height() - 1));
}

TEST_F(CaptureFormTest, TheWindowCannotBeClosedWhileTheScreenIsCopied) {
    F().grabScreen = [this] {
        F().FileExit_Click();
        return QImage();
    };
    F().Afdruk_Click();
    EXPECT_EQ(F().result(), 0);
    EXPECT_EQ(M().windowState(), Qt::WindowNoState);
    F().FileExit_Click();
    EXPECT_EQ(F().result(), QDialog::Rejected);
}

TEST_F(CaptureFormTest, AClickDuringTheCopyWaitsUntilTheCopyIsTaken) {
    F().show();
    QWindow* window = F().windowHandle();
    ASSERT_NE(window, nullptr);
    const QPoint at = F().Pic->mapTo(&F(), QPoint(30, 40));
    auto queue = [&](QEvent::Type type, Qt::MouseButtons held) {
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
            window, QPointF(at), QPointF(F().mapToGlobal(at)), held, Qt::LeftButton, type,
            Qt::NoModifier, Qt::MouseEventNotSynthesized);
    };
    S().StartX = -1;
    S().StartY = -1;
    double startXAtGrab = 0;
    const QSize screen = screenSizePx();
    F().grabScreen = [&] {
        startXAtGrab = S().StartX;
        return pattern(screen.width(), screen.height(), screenColour);
    };
    queue(QEvent::MouseButtonPress, Qt::LeftButton);
    F().Afdruk_Click();
    EXPECT_EQ(startXAtGrab, -1) << "the press reached the copy before it was taken";
    EXPECT_EQ(S().StartX, -1);
    EXPECT_TRUE(F().Layer->isHidden());

    // Held back, not lost: it arrives once the copy is there.
    queue(QEvent::MouseButtonRelease, Qt::NoButton);
    doEvents();
    EXPECT_EQ(S().StartX, 30);
    EXPECT_EQ(S().StartY, 40);
}

TEST_F(CaptureFormTest, ALeftDragSelectsRightAndDownFromThePress) {
    F().Afdruk_Click();
    drag(100, 50, 300, 200);
    EXPECT_EQ(F().SelectieBreedte, 201);
    EXPECT_EQ(F().SelectieHoogte, 151);
    EXPECT_EQ(S().StartX, 100);
    EXPECT_EQ(S().StartY, 50);
    EXPECT_TRUE(F().Pic->isHidden());
    EXPECT_FALSE(F().Picture1->isHidden());
    ASSERT_EQ(F().Picture1->Image().size(), QSize(201, 151));
    EXPECT_EQ(F().Picture1->surface().pixel(0, 0), screenColour(100, 50));
    EXPECT_EQ(F().Picture1->surface().pixel(200, 150), screenColour(300, 200));

    F().Afdruk_Click();
    EXPECT_TRUE(F().Picture1->isHidden());
    drag(300, 200, 250, 100); // up and left: one pixel each way
    EXPECT_EQ(F().SelectieBreedte, 1);
    EXPECT_EQ(F().SelectieHoogte, 1);
    EXPECT_EQ(F().Picture1->surface().pixel(0, 0), screenColour(300, 200));
}

TEST_F(CaptureFormTest, RightReleaseShowsTheLastSelectionAndAClickAloneSelectsNothing) {
    F().Afdruk_Click();
    drag(10, 20, 29, 39);
    const QImage first = F().Picture1->Image().copy();
    F().Afdruk_Click();
    drag(200, 200, 260, 260, Mouse::Right);
    EXPECT_TRUE(F().Pic->isHidden());
    EXPECT_EQ(F().Picture1->Image(), first);

    F().Afdruk_Click();
    F().Pic_MouseDown(Mouse::Left, 0, 40, 40);
    F().Pic_MouseUp(Mouse::Left, 0, 40, 40);
    EXPECT_FALSE(F().Pic->isHidden()) << "the copy stays for another try";
    EXPECT_TRUE(F().Picture1->isHidden());
    F().Export->trigger();
    EXPECT_TRUE(M().ClipPic->isHidden());
    EXPECT_EQ(F().result(), 0);
}

TEST_F(CaptureFormTest, ExportHandsOverTheSelectionOnlyWhenItIsShown) {
    F().Export_Click();
    EXPECT_TRUE(M().ClipPic->isHidden());
    F().Afdruk_Click();
    drag(100, 50, 300, 200);
    F().Afdruk_Click();
    F().Export_Click(); // right after a new capture: the selection is hidden
    EXPECT_TRUE(M().ClipPic->isHidden());
    EXPECT_EQ(F().result(), 0);

    drag(100, 50, 300, 200);
    S().MeldingPlaatsen = true;
    expectPlacementHint();
    F().Export_Click();
    EXPECT_EQ(F().result(), QDialog::Accepted);
    EXPECT_EQ(S().Tool, 3) << "the tool stays";
    expectHandedOver(pattern(201, 151, [](int x, int y) { return screenColour(100 + x, 50 + y); }));
}

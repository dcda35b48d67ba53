#include "platform/PictureBox.h"
#include "platform/Colour.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWindow>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace korv;

// The window-system entry point that Qt's own test library uses for mouse input.
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button,
                                      QEvent::Type type, Qt::KeyboardModifiers mods, int timestamp);

namespace {

QImage picture(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb(8 * x, 12 * y, 200));
    return img;
}

// A shown top-level container with a picture box at (10, 20), 100 x 80 pixels, whose
// mouse events are written down as text.
struct MouseBench {
    QWidget top;
    PictureBox* pb;
    std::vector<std::string> log;

    explicit MouseBench(ScaleMode mode, PictureBox::Border border = PictureBox::Border::None) {
        top.resize(200, 150);
        pb = new PictureBox(&top);
        pb->setScaleMode(ScaleMode::Twips);
        pb->Move(150, 300, 1500, 1200);
        pb->setBorderStyle(border);
        pb->setScaleMode(mode);
        auto rec = [this](const char* what) {
            return [this, what](int button, int shift, double x, double y) {
                log.push_back(std::string(what) + " " + std::to_string(button) + " " +
                              std::to_string(shift) + " " + std::to_string(int(x)) + " " +
                              std::to_string(int(y)));
            };
        };
        pb->onMouseDown = rec("down");
        pb->onMouseMove = rec("move");
        pb->onMouseUp = rec("up");
        pb->onDblClick = rec("dbl");
        pb->onClick = [this] { log.push_back("click"); };
        top.show();
        QApplication::processEvents();
        // Start with the pointer beside the box, wherever an earlier test left it.
        send(QEvent::MouseMove, {199, 149}, Qt::NoButton, Qt::NoButton);
    }

    // A mouse event as the window system reports it, at a point of `top`: Qt makes the
    // QMouseEvents from it, double clicks included, and routes them to the widget. Events
    // are a second apart unless `gapMs` says otherwise.
    void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
              Qt::KeyboardModifiers mods = Qt::NoModifier, int gapMs = 1000) {
        static int timestamp = 1000;
        timestamp += gapMs;
        QWindow* window = top.windowHandle();
        ASSERT_NE(window, nullptr);
        qt_handleMouseEvent(window, QPointF(at), QPointF(top.mapToGlobal(at)), held, button, type,
                            mods, timestamp);
    }
};

} // namespace

TEST(PictureBox, AutoSizeTakesThePicturesSize) {
    QWidget parent;
    auto* pb = new PictureBox(&parent);
    pb->setAutoSize(true);
    pb->setPicture(picture(30, 20));
    EXPECT_EQ(pb->size(), QSize(30, 20));
    ASSERT_EQ(pb->Image().size(), QSize(30, 20));
    EXPECT_EQ(pb->Image().pixel(29, 19), qRgb(232, 228, 200));
    EXPECT_EQ(pb->Width(), 30 * 15.0);
    EXPECT_EQ(pb->Height(), 20 * 15.0);

    // With a sunken border the box is the picture plus two pixels each way.
    auto* sunken = new PictureBox(&parent);
    sunken->setBorderStyle(PictureBox::Border::Sunken);
    sunken->setAutoSize(true);
    sunken->setPicture(picture(30, 20));
    EXPECT_EQ(sunken->size(), QSize(34, 24));
    EXPECT_EQ(sunken->Image().size(), QSize(30, 20));

    // Turned on after the picture came.
    auto* late = new PictureBox(&parent);
    late->setPicture(picture(30, 20));
    late->setAutoSize(true);
    EXPECT_EQ(late->size(), QSize(30, 20));
    EXPECT_EQ(late->Image().size(), QSize(30, 20));
    EXPECT_EQ(late->Image().pixel(29, 19), qRgb(232, 228, 200));
    late->setScaleMode(ScaleMode::Twips);
    EXPECT_EQ(late->ScaleWidth(), 30 * 15.0);
}

TEST(PictureBox, SunkenBorderMakesTheInsideFourPixelsSmaller) {
    QWidget parent;
    auto* pb = new PictureBox(&parent);
    pb->setScaleMode(ScaleMode::Pixels);
    pb->Move(0, 0, 1500, 750);
    EXPECT_EQ(pb->Image().size(), QSize(100, 50));
    EXPECT_EQ(pb->ScaleWidth(), 100);
    pb->setBorderStyle(PictureBox::Border::Sunken);
    EXPECT_EQ(pb->size(), QSize(100, 50));
    EXPECT_EQ(pb->Image().size(), QSize(96, 46));
    EXPECT_EQ(pb->ScaleWidth(), 96);
    EXPECT_EQ(pb->ScaleHeight(), 46);
    pb->setBorderStyle(PictureBox::Border::None);
    EXPECT_EQ(pb->Image().size(), QSize(100, 50));
}

TEST(PictureBox, PositionIsInTheContainersUnits) {
    QWidget form;
    auto* pb = new PictureBox(&form);
    pb->Move(150, 300, 1500, 750); // twips on a plain container
    EXPECT_EQ(pb->geometry(), QRect(10, 20, 100, 50));
    EXPECT_EQ(pb->Left(), 150);
    EXPECT_EQ(pb->Top(), 300);
    EXPECT_EQ(pb->Width(), 1500);
    EXPECT_EQ(pb->Height(), 750);
    pb->setLeft(45);
    EXPECT_EQ(pb->geometry(), QRect(3, 20, 100, 50));

    // Inside a picture box in pixels with a sunken border: pixels from the inner corner.
    pb->setScaleMode(ScaleMode::Pixels);
    pb->setBorderStyle(PictureBox::Border::Sunken);
    auto* child = new PictureBox(pb);
    child->Move(10, 5, 30, 40);
    EXPECT_EQ(child->geometry(), QRect(12, 7, 30, 40));
    EXPECT_EQ(child->Left(), 10);
    EXPECT_EQ(child->Top(), 5);
    EXPECT_EQ(child->Width(), 30);

    auto* label = new OverlayLabel(pb);
    label->Move(4, 6, 20, 10);
    EXPECT_EQ(label->geometry(), QRect(6, 8, 20, 10));

    // Inside a picture box in twips.
    auto* twips = new PictureBox(&form);
    twips->setScaleMode(ScaleMode::Twips);
    auto* inner = new PictureBox(twips);
    inner->Move(150, 300, 450, 600);
    EXPECT_EQ(inner->geometry(), QRect(10, 20, 30, 40));
    EXPECT_EQ(inner->Left(), 150);
}

TEST(PictureBox, ClsRestoresThePictureOnTheBackColour) {
    QWidget parent;
    auto* pb = new PictureBox(&parent);
    pb->setScaleMode(ScaleMode::Pixels);
    pb->Move(0, 0, 40 * 15, 30 * 15);
    pb->setBackColor(RGB(255, 0, 0));
    const QImage pic = picture(10, 8);
    pb->setPicture(pic);
    Surface& s = pb->surface();
    EXPECT_EQ(s.pixel(3, 2), fromQRgb(pic.pixel(3, 2)));
    EXPECT_EQ(s.pixel(10, 0), RGB(255, 0, 0));
    s.filledBox(0, 0, 39, 29, RGB(0, 0, 255));
    s.currentX = 7;
    s.currentY = 9;
    pb->Cls();
    EXPECT_DOUBLE_EQ(s.currentX, 0);
    EXPECT_DOUBLE_EQ(s.currentY, 0);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const int want = x < 10 && y < 8 ? fromQRgb(pic.pixel(x, y)) : RGB(255, 0, 0);
            ASSERT_EQ(s.pixel(x, y), want) << x << "," << y;
        }

    // Without a picture Cls is the back colour alone.
    pb->clearPicture();
    s.filledBox(0, 0, 5, 5, RGB(0, 0, 255));
    pb->Cls();
    EXPECT_EQ(s.pixel(3, 2), RGB(255, 0, 0));
    EXPECT_TRUE(pb->picture().isNull());
}

TEST(PictureBox, MouseEventsCarryButtonShiftAndScaleUnits) {
    MouseBench b(ScaleMode::Twips);
    // Pixel (30, 15) of the box is 450, 225 twips.
    b.send(QEvent::MouseMove, {40, 35}, Qt::NoButton, Qt::NoButton);
    b.send(QEvent::MouseButtonPress, {40, 35}, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
    b.send(QEvent::MouseMove, {41, 37}, Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
    b.send(QEvent::MouseMove, {42, 38}, Qt::NoButton, Qt::LeftButton);
    b.send(QEvent::MouseButtonRelease, {42, 38}, Qt::LeftButton, Qt::NoButton);
    b.send(QEvent::MouseMove, {12, 21}, Qt::NoButton, Qt::NoButton, Qt::ControlModifier);
    b.send(QEvent::MouseButtonPress, {12, 21}, Qt::RightButton, Qt::RightButton,
           Qt::ControlModifier);
    b.send(QEvent::MouseButtonRelease, {12, 21}, Qt::RightButton, Qt::NoButton);
    b.send(QEvent::MouseMove, {13, 22}, Qt::NoButton, Qt::NoButton);
    b.send(QEvent::MouseButtonPress, {13, 22}, Qt::MiddleButton, Qt::MiddleButton, Qt::AltModifier);
    b.send(QEvent::MouseButtonRelease, {13, 22}, Qt::MiddleButton, Qt::NoButton);
    EXPECT_EQ(b.log,
              (std::vector<std::string>{"move 0 0 450 225", "down 1 1 450 225", "move 1 1 465 255",
                                        "move 1 0 480 270", "up 1 0 480 270", "click",
                                        "move 0 2 30 15", "down 2 2 30 15", "up 2 0 30 15",
                                        "move 0 0 45 30", "down 4 4 45 30", "up 4 0 45 30"}));

    // Pixel scale with a sunken border: from the inner corner.
    MouseBench p(ScaleMode::Pixels, PictureBox::Border::Sunken);
    p.send(QEvent::MouseMove, {40, 35}, Qt::NoButton, Qt::NoButton);
    p.send(QEvent::MouseButtonPress, {40, 35}, Qt::LeftButton, Qt::LeftButton);
    p.send(QEvent::MouseButtonRelease, {40, 35}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(p.log, (std::vector<std::string>{"move 0 0 28 13", "down 1 0 28 13", "up 1 0 28 13",
                                               "click"}));
}

TEST(PictureBox, TheBoxKeepsTheMouseWhileAButtonIsHeld) {
    MouseBench b(ScaleMode::Pixels);
    b.send(QEvent::MouseMove, {40, 35}, Qt::NoButton, Qt::NoButton);
    b.send(QEvent::MouseButtonPress, {40, 35}, Qt::LeftButton, Qt::LeftButton);
    b.send(QEvent::MouseMove, {5, 8}, Qt::NoButton, Qt::LeftButton); // left of and above it
    b.send(QEvent::MouseMove, {150, 130}, Qt::NoButton, Qt::LeftButton);
    b.send(QEvent::MouseButtonRelease, {150, 130}, Qt::LeftButton, Qt::NoButton);
    b.send(QEvent::MouseMove, {160, 130}, Qt::NoButton, Qt::NoButton); // not ours any more
    // Released outside: no click.
    EXPECT_EQ(b.log,
              (std::vector<std::string>{"move 0 0 30 15", "down 1 0 30 15", "move 1 0 -5 -12",
                                        "move 1 0 140 110", "up 1 0 140 110"}));
}

TEST(PictureBox, DoubleClickHasNoSecondPress) {
    MouseBench b(ScaleMode::Pixels);
    b.send(QEvent::MouseMove, {40, 35}, Qt::NoButton, Qt::NoButton);
    b.send(QEvent::MouseButtonPress, {40, 35}, Qt::LeftButton, Qt::LeftButton);
    b.send(QEvent::MouseButtonRelease, {40, 35}, Qt::LeftButton, Qt::NoButton, {}, 50);
    b.send(QEvent::MouseButtonPress, {40, 35}, Qt::LeftButton, Qt::LeftButton, {}, 50);
    b.send(QEvent::MouseButtonRelease, {40, 35}, Qt::LeftButton, Qt::NoButton, {}, 50);
    // One click only: the double click stands for the second.
    EXPECT_EQ(b.log, (std::vector<std::string>{"move 0 0 30 15", "down 1 0 30 15", "up 1 0 30 15",
                                               "click", "dbl 1 0 30 15", "up 1 0 30 15"}));
    // The next single click is a click again.
    b.log.clear();
    b.send(QEvent::MouseButtonPress, {40, 35}, Qt::LeftButton, Qt::LeftButton);
    b.send(QEvent::MouseButtonRelease, {40, 35}, Qt::LeftButton, Qt::NoButton, {}, 50);
    EXPECT_EQ(b.log, (std::vector<std::string>{"down 1 0 30 15", "up 1 0 30 15", "click"}));
}

TEST(PictureBox, OverlaysLetTheMouseThrough) {
    MouseBench b(ScaleMode::Pixels);
    auto* shape = new OverlayShape(b.pb);
    shape->Move(0, 0, 100, 80);
    shape->style = OverlayShape::Style::Dot;
    auto* line = new OverlayLine(b.pb);
    line->setLine(0, 15, 99, 15);
    auto* label = new OverlayLabel(b.pb);
    label->setText("label");
    label->Move(20, 10, 40, 20);
    for (QWidget* w : std::initializer_list<QWidget*>{shape, line, label})
        w->show();
    QApplication::processEvents();
    ASSERT_TRUE(label->geometry().contains(30, 15));

    b.send(QEvent::MouseMove, {40, 35}, Qt::NoButton, Qt::NoButton);
    b.send(QEvent::MouseButtonPress, {40, 35}, Qt::LeftButton, Qt::LeftButton);
    b.send(QEvent::MouseMove, {41, 35}, Qt::NoButton, Qt::LeftButton);
    b.send(QEvent::MouseButtonRelease, {41, 35}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(b.log, (std::vector<std::string>{"move 0 0 30 15", "down 1 0 30 15", "move 1 0 31 15",
                                               "up 1 0 31 15", "click"}));
}

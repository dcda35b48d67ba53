#pragma once
// A picture box: a widget that shows a Surface as its persistent image, positioned in
// its container's units, with overlays above the image that take no mouse events.
#include "Surface.h"

#include <QLabel>
#include <QWidget>
#include <functional>

namespace korv {

// Mouse buttons and shift state as the program's handlers receive them.
namespace Mouse {
constexpr int Left = 1;
constexpr int Right = 2;
constexpr int Middle = 4;
constexpr int Shift = 1;
constexpr int Ctrl = 2;
constexpr int Alt = 4;
} // namespace Mouse

// Pixels per container unit and the origin of a widget's container: a picture box
// measures its children in its own scale, every other container in twips.
double containerUnitsPerPixel(const QWidget* container);
QPoint containerOrigin(const QWidget* container);
// Places `w` at left/top with width/height, all in its container's units.
void placeInContainer(QWidget* w, double left, double top, double width, double height);
double leftInContainer(const QWidget* w);
double topInContainer(const QWidget* w);
double widthInContainer(const QWidget* w);
double heightInContainer(const QWidget* w);

class PictureBox : public QWidget {
    Q_OBJECT
public:
    enum class Border { None, Sunken };
    using MouseHandler = std::function<void(int button, int shift, double x, double y)>;

    explicit PictureBox(QWidget* parent = nullptr);

    Surface& surface() { return surface_; }
    const Surface& surface() const { return surface_; }

    // Position and size in the container's units.
    double Left() const { return leftInContainer(this); }
    double Top() const { return topInContainer(this); }
    double Width() const { return widthInContainer(this); }
    double Height() const { return heightInContainer(this); }
    void setLeft(double v) { Move(v, Top(), Width(), Height()); }
    void setTop(double v) { Move(Left(), v, Width(), Height()); }
    void setWidth(double v) { Move(Left(), Top(), v, Height()); }
    void setHeight(double v) { Move(Left(), Top(), Width(), v); }
    void Move(double left, double top, double width, double height);
    void Move(double left, double top) { Move(left, top, Width(), Height()); }

    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool on);
    Border borderStyle() const { return border_; }
    void setBorderStyle(Border b);
    int borderPx() const { return border_ == Border::Sunken ? 2 : 0; }
    int backColor() const { return surface_.backColor; }
    void setBackColor(int c); // also clears the image, as a picture box does

    // The picture: assigning it resets the image to the back colour with the picture
    // at its top-left (and sizes the box when AutoSize is on).
    void setPicture(const QImage& img);
    void clearPicture();
    const QImage& picture() const { return picture_; }
    // The persistent image: the picture with everything drawn since.
    const QImage& Image() const { return surface_.image(); }

    void Cls();     // back to the back colour and the picture; current x/y to 0
    void Refresh(); // shows the persistent image now

    ScaleMode scaleMode() const { return surface_.scaleMode; }
    void setScaleMode(ScaleMode m) { surface_.scaleMode = m; }
    double ScaleWidth() const { return surface_.scaleWidth(); }
    double ScaleHeight() const { return surface_.scaleHeight(); }

    MouseHandler onMouseDown, onMouseMove, onMouseUp, onDblClick;
    std::function<void()> onClick;

    // Delivers a mouse event as the platform would, in scale units (for tests too).
    void sendMouseDown(int button, int shift, double x, double y);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;

private:
    void syncSurfaceSize();
    void eventArgs(QMouseEvent* e, int& shift, double& x, double& y) const;

    Surface surface_;
    QImage picture_;
    bool autoSize_ = false;
    Border border_ = Border::None;
    bool releaseEndsDoubleClick_ = false;
};

// A rectangle or circle outline drawn above a picture box's image.
class OverlayShape : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Rectangle, Circle };
    enum class Style { Solid, Dot };
    explicit OverlayShape(QWidget* parent);
    Kind kind = Kind::Rectangle;
    Style style = Style::Solid;
    int borderColor = 0;
    int borderWidth = 1;
    void Move(double left, double top, double width, double height) {
        placeInContainer(this, left, top, width, height);
    }

protected:
    void paintEvent(QPaintEvent*) override;
};

// A straight line drawn above a picture box's image; end points in container units.
class OverlayLine : public QWidget {
    Q_OBJECT
public:
    explicit OverlayLine(QWidget* parent);
    int borderColor = 0;
    void setLine(double x1, double y1, double x2, double y2);
    double X1() const { return x1_; }
    double Y1() const { return y1_; }
    double X2() const { return x2_; }
    double Y2() const { return y2_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    QPoint p1_, p2_;
};

// A label above a picture box's image that lets mouse events through.
class OverlayLabel : public QLabel {
    Q_OBJECT
public:
    explicit OverlayLabel(QWidget* parent);
    void Move(double left, double top) {
        placeInContainer(this, left, top, widthInContainer(this), heightInContainer(this));
    }
    void Move(double left, double top, double width, double height) {
        placeInContainer(this, left, top, width, height);
    }
};

} // namespace korv

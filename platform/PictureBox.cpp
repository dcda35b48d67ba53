#include "PictureBox.h"

#include "Colour.h"
#include "VbMath.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace korv {

double containerUnitsPerPixel(const QWidget* container) {
    if (const auto* pb = qobject_cast<const PictureBox*>(container)) return pb->surface().unit();
    return kTwipsPerPixel;
}

QPoint containerOrigin(const QWidget* container) {
    if (const auto* pb = qobject_cast<const PictureBox*>(container))
        return QPoint(pb->borderPx(), pb->borderPx());
    return QPoint(0, 0);
}

void placeInContainer(QWidget* w, double left, double top, double width, double height) {
    const double u = containerUnitsPerPixel(w->parentWidget());
    const QPoint o = containerOrigin(w->parentWidget());
    w->setGeometry(o.x() + vbCInt(left / u), o.y() + vbCInt(top / u),
                   std::max(0, vbCInt(width / u)), std::max(0, vbCInt(height / u)));
}

double leftInContainer(const QWidget* w) {
    return (w->x() - containerOrigin(w->parentWidget()).x()) *
           containerUnitsPerPixel(w->parentWidget());
}
double topInContainer(const QWidget* w) {
    return (w->y() - containerOrigin(w->parentWidget()).y()) *
           containerUnitsPerPixel(w->parentWidget());
}
double widthInContainer(const QWidget* w) {
    return w->width() * containerUnitsPerPixel(w->parentWidget());
}
double heightInContainer(const QWidget* w) {
    return w->height() * containerUnitsPerPixel(w->parentWidget());
}

// ------------------------------------------------------------------ PictureBox

PictureBox::PictureBox(QWidget* parent) : QWidget(parent), surface_(1, 1, 0xFFFFFF) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    surface_.backColor = RGB(240, 240, 240);
    surface_.clear(surface_.backColor);
}

void PictureBox::Move(double left, double top, double width, double height) {
    placeInContainer(this, left, top, width, height);
    syncSurfaceSize();
}

void PictureBox::setAutoSize(bool on) {
    autoSize_ = on;
    if (on && !picture_.isNull()) {
        resize(picture_.width() + 2 * borderPx(), picture_.height() + 2 * borderPx());
        // A hidden widget gets its resize event only when shown.
        syncSurfaceSize();
    }
}

void PictureBox::setBorderStyle(Border b) {
    border_ = b;
    syncSurfaceSize();
    update();
}

void PictureBox::setBackColor(int c) {
    surface_.backColor = c;
    Cls();
    update();
}

void PictureBox::setPicture(const QImage& img) {
    picture_ = img.isNull() ? QImage() : img.convertToFormat(QImage::Format_RGB32);
    if (autoSize_ && !picture_.isNull())
        resize(picture_.width() + 2 * borderPx(), picture_.height() + 2 * borderPx());
    syncSurfaceSize();
    Cls();
    update();
}

void PictureBox::clearPicture() {
    setPicture(QImage());
}

void PictureBox::Cls() {
    surface_.clear(surface_.backColor);
    if (!picture_.isNull() && !surface_.image().isNull()) {
        QPainter p(&surface_.imageRef());
        p.drawImage(0, 0, picture_);
    }
    update();
}

void PictureBox::Refresh() {
    update();
}

void PictureBox::syncSurfaceSize() {
    const int w = std::max(0, width() - 2 * borderPx());
    const int h = std::max(0, height() - 2 * borderPx());
    if (w == surface_.widthPx() && h == surface_.heightPx()) return;
    surface_.resize(w, h, surface_.backColor);
}

QSize PictureBox::sizeHint() const {
    return size();
}

void PictureBox::resizeEvent(QResizeEvent*) {
    syncSurfaceSize();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (border_ == Border::Sunken) {
        p.fillRect(rect(), QColor(255, 255, 255));
        p.fillRect(0, 0, width() - 1, 1, QColor(160, 160, 160));
        p.fillRect(0, 0, 1, height() - 1, QColor(160, 160, 160));
        p.fillRect(1, 1, width() - 3, 1, QColor(105, 105, 105));
        p.fillRect(1, 1, 1, height() - 3, QColor(105, 105, 105));
        p.fillRect(1, height() - 2, width() - 2, 1, QColor(227, 227, 227));
        p.fillRect(width() - 2, 1, 1, height() - 2, QColor(227, 227, 227));
    }
    const int b = borderPx();
    p.fillRect(b, b, width() - 2 * b, height() - 2 * b, toQColor(surface_.backColor));
    p.drawImage(b, b, surface_.image());
}

void PictureBox::eventArgs(QMouseEvent* e, int& shift, double& x, double& y) const {
    shift = 0;
    if (e->modifiers() & Qt::ShiftModifier) shift |= Mouse::Shift;
    if (e->modifiers() & Qt::ControlModifier) shift |= Mouse::Ctrl;
    if (e->modifiers() & Qt::AltModifier) shift |= Mouse::Alt;
    const QPointF pos = e->position();
    x = (pos.x() - borderPx()) * surface_.unit();
    y = (pos.y() - borderPx()) * surface_.unit();
}

namespace {
int buttonOf(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton:
        return Mouse::Left;
    case Qt::RightButton:
        return Mouse::Right;
    case Qt::MiddleButton:
        return Mouse::Middle;
    default:
        return 0;
    }
}
int buttonsOf(Qt::MouseButtons b) {
    int r = 0;
    if (b & Qt::LeftButton) r |= Mouse::Left;
    if (b & Qt::RightButton) r |= Mouse::Right;
    if (b & Qt::MiddleButton) r |= Mouse::Middle;
    return r;
}
} // namespace

void PictureBox::sendMouseDown(int button, int shift, double x, double y) {
    if (onMouseDown) onMouseDown(button, shift, x, y);
}

void PictureBox::mousePressEvent(QMouseEvent* e) {
    int shift;
    double x, y;
    eventArgs(e, shift, x, y);
    sendMouseDown(buttonOf(e->button()), shift, x, y);
}

void PictureBox::mouseMoveEvent(QMouseEvent* e) {
    int shift;
    double x, y;
    eventArgs(e, shift, x, y);
    if (onMouseMove) onMouseMove(buttonsOf(e->buttons()), shift, x, y);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e) {
    int shift;
    double x, y;
    eventArgs(e, shift, x, y);
    // The release that ends a double click is no second click.
    const bool endsDoubleClick = releaseEndsDoubleClick_;
    releaseEndsDoubleClick_ = false;
    if (onMouseUp) onMouseUp(buttonOf(e->button()), shift, x, y);
    if (e->button() == Qt::LeftButton && !endsDoubleClick &&
        rect().contains(e->position().toPoint()) && onClick)
        onClick();
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* e) {
    // The second press of a double click is a double click only, never a press.
    int shift;
    double x, y;
    eventArgs(e, shift, x, y);
    releaseEndsDoubleClick_ = e->button() == Qt::LeftButton;
    if (onDblClick) onDblClick(buttonOf(e->button()), shift, x, y);
}

// ------------------------------------------------------------------ overlays

OverlayShape::OverlayShape(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void OverlayShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(toQColor(borderColor));
    pen.setWidth(borderWidth);
    pen.setStyle(style == Style::Dot ? Qt::DotLine : Qt::SolidLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QRect r(0, 0, width() - 1, height() - 1);
    if (kind == Kind::Circle) {
        const int d = std::min(r.width(), r.height());
        p.drawEllipse(QRect((r.width() - d) / 2, (r.height() - d) / 2, d, d));
    } else {
        p.drawRect(r);
    }
}

OverlayLine::OverlayLine(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void OverlayLine::setLine(double x1, double y1, double x2, double y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    const double u = containerUnitsPerPixel(parentWidget());
    const QPoint o = containerOrigin(parentWidget());
    // Clip far-away end points to a generous box so that the widget stays small.
    auto c = [](double v) { return std::clamp(v, -100000.0, 100000.0); };
    const QPoint a(o.x() + vbCInt(c(x1 / u)), o.y() + vbCInt(c(y1 / u)));
    const QPoint b(o.x() + vbCInt(c(x2 / u)), o.y() + vbCInt(c(y2 / u)));
    QRect box = QRect(a, b).normalized().adjusted(0, 0, 1, 1);
    if (parentWidget()) box = box.intersected(parentWidget()->rect());
    p1_ = a - box.topLeft();
    p2_ = b - box.topLeft();
    setGeometry(box);
    update();
}

void OverlayLine::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(toQColor(borderColor), 1));
    p.drawLine(p1_, p2_);
}

OverlayLabel::OverlayLabel(QWidget* parent) : QLabel(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

} // namespace korv

#include "VistaButton.h"

#include "platform/Colour.h"
#include "platform/PictureBox.h"

#include <QApplication>
#include <QCursor>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

namespace korv {

namespace {

int shiftState(Qt::KeyboardModifiers m) {
    int s = 0;
    if (m & Qt::ShiftModifier) s |= Mouse::Shift;
    if (m & Qt::ControlModifier) s |= Mouse::Ctrl;
    if (m & Qt::AltModifier) s |= Mouse::Alt;
    return s;
}

int buttonCode(Qt::MouseButtons b) {
    int c = 0;
    if (b & Qt::LeftButton) c |= Mouse::Left;
    if (b & Qt::RightButton) c |= Mouse::Right;
    if (b & Qt::MiddleButton) c |= Mouse::Middle;
    return c;
}

constexpr int kSpace = 32;

} // namespace

VistaButton::VistaButton(QWidget* parent) : VistaButton(Blank, parent) {
    ReadProperties(storedLayout());
}

VistaButton::VistaButton(BlankTag, QWidget* parent) : QWidget(parent) {
    Initialize();
}

VistaButton::~VistaButton() = default;

void VistaButton::Initialize() {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    surface_.scaleMode = ScaleMode::Pixels;
    surface_.fontTransparent = true;
    state_ = Normal;
    pressed_ = false;
    surface_.drawWidth = 1;
}

PropertyBag VistaButton::storedLayout() {
    PropertyBag bag;
    bag.WriteProperty("Caption", QString());
    bag.WriteProperty("ForeColor", 0);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    bag.WriteProperty("Font", font);
    bag.WriteProperty("Pictures", 1);
    bag.WriteProperty("UseMaskColor", true);
    bag.WriteProperty("MaskColor", kPureGreen);
    bag.WriteProperty("Enabled", true);
    bag.WriteProperty("NoBackGround", false);
    bag.WriteProperty("BackColor", kWhite);
    bag.WriteProperty("PictureOffset", 0);
    return bag;
}

// ------------------------------------------------------------------ properties

void VistaButton::setPictureOffset(int v) {
    pictureOffset_ = v;
}

void VistaButton::setBackColor(int c) {
    backColor_ = c;
    Redraw();
}

void VistaButton::setNoBackGround(bool v) {
    noBackGround_ = v;
    Redraw();
}

void VistaButton::setEnabled(bool v) {
    enabled_ = v;
    state_ = v ? Normal : Disabled;
    UpdateTabStop();
    Redraw();
}

void VistaButton::setMaskColor(int c) {
    maskColor_ = c;
    Redraw();
}

void VistaButton::setUseMaskColor(bool v) {
    useMaskColor_ = v;
    Redraw();
}

void VistaButton::setPictures(int n) {
    pictures_ = n < 1 ? 1 : (n > 2 ? 2 : n);
    Redraw();
}

void VistaButton::setPicture(const QImage& img) {
    picture_ = img;
    PreparePictureDC();
    Redraw();
}

QFont VistaButton::Font() const {
    QFont f(surface_.fontName);
    f.setPointSizeF(surface_.fontSize);
    f.setBold(surface_.fontBold);
    f.setItalic(surface_.fontItalic);
    f.setUnderline(surface_.fontUnderline);
    f.setStrikeOut(surface_.fontStrikethru);
    return f;
}

void VistaButton::setFont(const QFont& f) {
    surface_.fontName = f.family();
    if (f.pointSizeF() > 0)
        surface_.fontSize = f.pointSizeF();
    else if (f.pixelSize() > 0)
        surface_.fontSize = f.pixelSize() * 72.0 / 96.0;
    surface_.fontBold = f.bold();
    surface_.fontItalic = f.italic();
    surface_.fontUnderline = f.underline();
    surface_.fontStrikethru = f.strikeOut();
    QWidget::setFont(f);
    Redraw();
}

void VistaButton::setForeColor(int c) {
    foreColor_ = c;
    Redraw();
}

void VistaButton::setCaption(const QString& text) {
    caption_ = text;
    Redraw();
}

void VistaButton::PreparePictureDC() {
    if (picture_.isNull() || picture_.width() < 1 || picture_.height() < 1) {
        hasPictureDC_ = false;
        pictureDC_ = Surface();
        return;
    }
    pictureDC_.setImage(picture_);
    hasPictureDC_ = true;
    pictureWidth_ = picture_.width();
    pictureHeight_ = picture_.height();
}

// ------------------------------------------------------------------ host side

void VistaButton::Move(double left, double top, double width, double height) {
    placeInContainer(this, left, top, width, height);
    Redraw();
}

double VistaButton::Left() const {
    return leftInContainer(this);
}
double VistaButton::Top() const {
    return topInContainer(this);
}
double VistaButton::Width() const {
    return widthInContainer(this);
}
double VistaButton::Height() const {
    return heightInContainer(this);
}

bool VistaButton::TabStop() const {
    return (focusPolicy() & Qt::TabFocus) != 0;
}

void VistaButton::setTabStop(bool on) {
    const int p = focusPolicy();
    setFocusPolicy(static_cast<Qt::FocusPolicy>(on ? (p | Qt::TabFocus) : (p & ~Qt::TabFocus)));
}

// There is no window designer in this program, so the rule always acts.
void VistaButton::UpdateTabStop() {
    if (!enabled_ && TabStop()) {
        savedTabStop_ = true;
        setTabStop(false);
        tabStopSaved_ = true;
    } else if (enabled_ && tabStopSaved_ && TabStop() != savedTabStop_) {
        setTabStop(savedTabStop_);
    }
}

// ------------------------------------------------------------------ stored properties

void VistaButton::InitProperties(const QString& displayName) {
    foreColor_ = kBlack;
    caption_ = displayName;
    surface_.fontName = QStringLiteral("Arial");
    pictures_ = 2;
    setUseMaskColor(true);
    maskColor_ = kPureGreen;
    enabled_ = true;
}

void VistaButton::ReadProperties(const PropertyBag& bag) {
    caption_ = bag.ReadProperty("Caption", caption_).toString();
    foreColor_ = bag.ReadProperty("ForeColor", foreColor_).toInt();
    const QVariant font = bag.ReadProperty("Font");
    if (font.canConvert<QFont>()) {
        const QFont f = font.value<QFont>();
        surface_.fontName = f.family();
        if (f.pointSizeF() > 0) surface_.fontSize = f.pointSizeF();
        surface_.fontBold = f.bold();
        surface_.fontItalic = f.italic();
        surface_.fontUnderline = f.underline();
        surface_.fontStrikethru = f.strikeOut();
        QWidget::setFont(f);
    }
    picture_ = bag.ReadProperty("Picture", QImage()).value<QImage>();
    // The face divides the strip's width by this count; a stored count below one would
    // divide by zero or mirror the picture, so it counts as one.
    pictures_ = std::max(1, bag.ReadProperty("Pictures", pictures_).toInt());
    useMaskColor_ = bag.ReadProperty("UseMaskColor", useMaskColor_).toBool();
    maskColor_ = bag.ReadProperty("MaskColor", maskColor_).toInt();
    enabled_ = bag.ReadProperty("Enabled", enabled_).toBool();
    noBackGround_ = bag.ReadProperty("NoBackGround", noBackGround_).toBool();
    backColor_ = bag.ReadProperty("BackColor", kSystemButtonFace).toInt();
    pictureOffset_ = bag.ReadProperty("PictureOffset", pictureOffset_).toInt();

    PreparePictureDC();
    if (!enabled_) state_ = Disabled;
    UpdateTabStop();
    Redraw();
}

void VistaButton::WriteProperties(PropertyBag& bag) const {
    bag.WriteProperty("Caption", caption_);
    bag.WriteProperty("ForeColor", foreColor_);
    bag.WriteProperty("Font", Font());
    bag.WriteProperty("Picture", picture_);
    bag.WriteProperty("Pictures", pictures_);
    bag.WriteProperty("UseMaskColor", useMaskColor_);
    bag.WriteProperty("MaskColor", maskColor_);
    bag.WriteProperty("Enabled", enabled_);
    bag.WriteProperty("NoBackGround", noBackGround_);
    bag.WriteProperty("BackColor", backColor_);
    bag.WriteProperty("PictureOffset", pictureOffset_);
}

// ------------------------------------------------------------------ states

bool VistaButton::SetState(int newState) {
    if (newState == state_) return false;
    state_ = newState;
    Redraw();
    return true;
}

bool VistaButton::inside(double x, double y) const {
    return x >= 0 && y >= 0 && x < width() && y < height();
}

bool VistaButton::IsMouseOver() const {
    if (!isVisible()) return false;
    const QPoint global = cursorPosition ? cursorPosition() : QCursor::pos();
    if (QApplication::widgetAt(global) != this) return false;
    const QPoint local = mapFromGlobal(global);
    const int w = width(), h = height();
    const bool corner =
        (local.x() == 0 || local.x() == w - 1) && (local.y() == 0 || local.y() == h - 1);
    return rect().contains(local) && !corner;
}

void VistaButton::StartHover() {
    if (hover_) return;
    hover_ = new QTimer(this);
    hover_->setObjectName(QStringLiteral("Hover"));
    hover_->setInterval(10);
    connect(hover_, &QTimer::timeout, this, &VistaButton::Hover_Timer);
    hover_->start();
}

void VistaButton::Hover_Timer() {
    if (!IsMouseOver()) EndHover();
}

void VistaButton::EndHover() {
    if (!hover_) return;
    // The tick that ends the tracking runs inside the timer's own signal.
    QTimer* t = hover_;
    t->stop();
    t->deleteLater();
    if (enabled_ && !pressed_) SetState(hasFocus_ ? Focused : Normal);
    hover_ = nullptr;
    emit MouseOut();
}

// A hover or pressed look that began without a move inside (a press right after the
// button appeared under the pointer, a space key released over it) must end too when
// the pointer leaves, so tracking starts whenever the pointer is over the button.
void VistaButton::trackIfOver() {
    if (!hover_ && (state_ == Hover || state_ == Pressed) && IsMouseOver()) StartHover();
}

// ------------------------------------------------------------------ input

void VistaButton::UserControl_MouseDown(int button, int shift, double x, double y) {
    if (!enabled_) return;
    emit MouseDown(button, shift, x, y);
    pressed_ = true;
    SetState(Pressed);
    update();
    trackIfOver();
}

void VistaButton::UserControl_MouseMove(int button, int shift, double x, double y) {
    if (!enabled_) return;
    emit MouseMove(button, shift, x, y);
    if (inside(x, y)) {
        emit MouseIn();
        if (SetState(pressed_ ? Pressed : Hover)) StartHover();
    } else {
        SetState(Hover);
    }
}

void VistaButton::UserControl_MouseUp(int button, int shift, double x, double y) {
    if (!enabled_) return;
    emit MouseUp(button, shift, x, y);
    pressed_ = false;
    if (inside(x, y))
        SetState(Hover);
    else
        SetState(hasFocus_ ? Focused : Normal);
    trackIfOver();
}

void VistaButton::UserControl_Click() {
    if (enabled_) emit Click();
}

void VistaButton::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) clickArmed_ = true;
    const QPointF p = e->position();
    UserControl_MouseDown(buttonCode(e->button()), shiftState(e->modifiers()), p.x(), p.y());
}

void VistaButton::mouseDoubleClickEvent(QMouseEvent* e) {
    // A second click in quick succession is a press like any other.
    mousePressEvent(e);
}

void VistaButton::mouseMoveEvent(QMouseEvent* e) {
    const QPointF p = e->position();
    UserControl_MouseMove(buttonCode(e->buttons()), shiftState(e->modifiers()), p.x(), p.y());
}

void VistaButton::mouseReleaseEvent(QMouseEvent* e) {
    const QPointF p = e->position();
    UserControl_MouseUp(buttonCode(e->button()), shiftState(e->modifiers()), p.x(), p.y());
    if (e->button() == Qt::LeftButton) {
        const bool click = clickArmed_ && inside(p.x(), p.y());
        clickArmed_ = false;
        if (click) UserControl_Click();
    }
}

void VistaButton::keyPressEvent(QKeyEvent* e) {
    const int key = e->key();
    if (key == Qt::Key_Space) {
        // A held key repeats its press; the button is pressed once.
        if (!(e->isAutoRepeat() && spaceHeld_)) {
            spaceHeld_ = true;
            UserControl_MouseDown(0, 0, 0, 0);
        }
    }
    if (enabled_) {
        emit KeyDown(key == Qt::Key_Space ? kSpace : key, shiftState(e->modifiers()));
        const QString text = e->text();
        if (!text.isEmpty()) emit KeyPress(text.at(0).unicode());
    }
    // Other keys go on to the window (its default and cancel keys).
    if (key != Qt::Key_Space) e->ignore();
}

void VistaButton::keyReleaseEvent(QKeyEvent* e) {
    const int key = e->key();
    // Some platforms report a held key as repeated release and press pairs: only the
    // real release counts.
    if (e->isAutoRepeat()) return;
    if (key == Qt::Key_Space) {
        if (!spaceHeld_) return; // the press went to another widget
        spaceHeld_ = false;
        const bool over = IsMouseOver();
        UserControl_MouseUp(0, 0, over ? 0 : -1, 0);
        if (!enabled_) return;
        emit Click();
    }
    if (enabled_) emit KeyUp(key == Qt::Key_Space ? kSpace : key, shiftState(e->modifiers()));
    if (key != Qt::Key_Space) e->ignore();
}

void VistaButton::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    hasFocus_ = true;
    if (!IsMouseOver() && enabled_ && !pressed_) SetState(Focused);
}

void VistaButton::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    hasFocus_ = false;
    if (!IsMouseOver() && enabled_) SetState(Normal);
}

void VistaButton::leaveEvent(QEvent* e) {
    QWidget::leaveEvent(e);
    // The pointer has gone: no need to wait for the next tick. A hover look shown
    // without tracking ends here as well.
    if (!hover_ && (state_ == Hover || state_ == Pressed)) StartHover();
    Hover_Timer();
}

} // namespace korv

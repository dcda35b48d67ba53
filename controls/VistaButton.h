#pragma once
// The program's own push button: an owner-drawn face in five looks (normal, hover,
// pressed, focused, disabled) with a rounded outline, a word-wrapped caption and a
// picture taken from a strip of equal sub-images.
#include "PropertyBag.h"
#include "platform/Surface.h"

#include <QFont>
#include <QImage>
#include <QRegion>
#include <QString>
#include <QWidget>
#include <functional>

class QTimer;

namespace korv {

class VistaButton : public QWidget {
    Q_OBJECT
public:
    // The looks, as kept in State().
    enum Look : int { Normal = 0, Hover = 1, Pressed = 2, Focused = 3, Disabled = 4 };

    // System colour 15 (button face) as a stored colour value: the flag bit plus the index.
    static constexpr int kSystemButtonFace = static_cast<int>(0x8000000Fu);
    static constexpr int kPureGreen = 65280;
    static constexpr int kDisabledCaptionColour = 131 + 256 * 131 + 65536 * 131;

    struct BlankTag {};
    static constexpr BlankTag Blank{};

    // A button with the values every button of the program's window layouts stores
    // (see storedLayout()); windows then set caption, picture and the like.
    explicit VistaButton(QWidget* parent = nullptr);
    // A bare instance: only the start of an instance has run; every property holds its
    // zero value (disabled, no caption, black, no mask). Call InitProperties or
    // ReadProperties next.
    VistaButton(BlankTag, QWidget* parent = nullptr);
    ~VistaButton() override;

    // The values stored for every button of the program's window layouts: mask colour
    // pure green in use, background drawn, white back colour, no picture offset, one
    // sub-image, enabled, "Arial".
    static PropertyBag storedLayout();

    // --- properties ---------------------------------------------------------------
    int PictureOffset() const { return pictureOffset_; }
    void setPictureOffset(int v); // shows at the next press; no redraw
    int BackColor() const { return backColor_; }
    void setBackColor(int c);
    bool NoBackGround() const { return noBackGround_; }
    void setNoBackGround(bool v);
    // The button's own enabled state. The widget itself stays enabled so that it keeps
    // receiving the pointer (hover tracking) while the button refuses to act.
    bool Enabled() const { return enabled_; }
    void setEnabled(bool v);
    int MaskColor() const { return maskColor_; }
    void setMaskColor(int c);
    bool UseMaskColor() const { return useMaskColor_; }
    void setUseMaskColor(bool v);
    int Pictures() const { return pictures_; }
    void setPictures(int n); // limited to 1..2
    const QImage& Picture() const { return picture_; }
    void setPicture(const QImage& img); // a null image removes the picture
    QFont Font() const;
    void setFont(const QFont& f);
    int ForeColor() const { return foreColor_; }
    void setForeColor(int c);
    QString Caption() const { return caption_; }
    void setCaption(const QString& text);

    // --- host side ------------------------------------------------------------------
    // Position and size in the container's units (twips on a window).
    void Move(double left, double top, double width, double height);
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    QString ToolTipText() const { return toolTip(); }
    void setToolTipText(const QString& text) { setToolTip(text); }
    bool TabStop() const;
    void setTabStop(bool on);

    // --- stored properties ------------------------------------------------------------
    // A button newly placed on a window: black "Arial" caption showing `displayName`,
    // two sub-images expected, pure green as mask colour in use, enabled.
    void InitProperties(const QString& displayName);
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

    // --- read-outs -------------------------------------------------------------------
    int State() const { return state_; }
    bool IsPressed() const { return pressed_; }
    bool HasFocus() const { return hasFocus_; }
    bool IsHoverTracking() const { return hover_ != nullptr; }
    bool HasPictureDC() const { return hasPictureDC_; }
    int PictureWidth() const { return pictureWidth_; }
    int PictureHeight() const { return pictureHeight_; }
    // The face as last drawn (the widget shows exactly this).
    const Surface& surface() const { return surface_; }
    // The window outline: the button's rectangle without its four corner pixels.
    QRegion windowOutline() const { return mask(); }
    int outlineBuilds() const { return outlineBuilds_; }

    struct CaptionRect {
        int left = 0, top = 0, right = 0, bottom = 0;
    };
    // The rectangle the caption was last drawn in, and the measured text width.
    CaptionRect captionRect() const { return captionRect_; }
    int measuredTextWidth() const { return measuredTextWidth_; }
    int measuredTextHeight() const { return measuredTextHeight_; }

    struct PicturePlacement {
        bool drawn = false;
        int x = 0, y = 0, width = 0, height = 0; // destination on the face
        int srcX = 0, srcY = 0;                  // source in the picture strip
        int leftCut = 0;
    };
    PicturePlacement picturePlacement() const { return placement_; }

    // True when the window under the pointer is this button and the pointer is not on
    // one of the cut-away corner pixels.
    bool IsMouseOver() const;
    // The pointer's screen position; tests put a scripted pointer here.
    std::function<QPoint()> cursorPosition;

    // The row where the upper gradients end and the lower ones begin.
    static int middleRow(int height);
    // Vertical gradient over the rectangle between the two vertices (right column and
    // bottom row excluded), from the upper vertex's colour on the top row downwards.
    static void FillGradient(Surface& s, int x1, int y1, int x2, int y2, int colourA, int colourB);

signals:
    void Click();
    void KeyDown(int KeyCode, int Shift);
    void KeyPress(int KeyAscii);
    void KeyUp(int KeyCode, int Shift);
    void MouseDown(int Button, int Shift, double X, double Y);
    void MouseMove(int Button, int Shift, double X, double Y);
    void MouseUp(int Button, int Shift, double X, double Y);
    void MouseIn();
    void MouseOut();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    void Initialize();
    bool SetState(int newState);
    void StartHover();
    void Hover_Timer();
    void EndHover();
    void trackIfOver();
    void UserControl_MouseDown(int button, int shift, double x, double y);
    void UserControl_MouseMove(int button, int shift, double x, double y);
    void UserControl_MouseUp(int button, int shift, double x, double y);
    void UserControl_Click();
    void UpdateTabStop();
    void PreparePictureDC();
    bool inside(double x, double y) const;

    // Painting (VistaButton_Paint.cpp).
    void Redraw();
    void DrawButton(int look);
    void MakeRegion();
    void DrawCaption();
    int DrawPicture(int textWidth);
    int resolvedBackColor() const;

    Surface surface_;
    QString caption_;
    int foreColor_ = 0;
    QImage picture_;
    int pictures_ = 0;
    bool useMaskColor_ = false;
    int maskColor_ = 0;
    bool noBackGround_ = false;
    int pictureOffset_ = 0;
    int backColor_ = kSystemButtonFace;
    Surface pictureDC_;
    bool hasPictureDC_ = false;
    int pictureWidth_ = 0, pictureHeight_ = 0;
    bool hasFocus_ = false;
    bool enabled_ = false;
    bool savedTabStop_ = false;
    bool tabStopSaved_ = false;
    int state_ = Normal;
    bool pressed_ = false;
    int lastWidth_ = 0, lastHeight_ = 0;
    QTimer* hover_ = nullptr;

    bool clickArmed_ = false; // a left press began on the button
    bool spaceHeld_ = false;  // key repeats of a held space key are one press
    int outlineBuilds_ = 0;
    CaptionRect captionRect_;
    int measuredTextWidth_ = 0, measuredTextHeight_ = 0;
    PicturePlacement placement_;
};

} // namespace korv

// Painting of the button face, its window outline, caption and picture.
#include "VistaButton.h"

#include "platform/Colour.h"
#include "platform/VbMath.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <array>

namespace korv {

namespace {

struct Rgb {
    int r, g, b;
    int colour() const { return RGB(r, g, b); }
};

struct LookColours {
    std::array<Rgb, 8> stop;
    std::array<Rgb, 21> line;
};

// Per look: eight gradient stops, then the outline box, the rows under the top and
// above the bottom edge, and the corner pixels that round the corners.
const std::array<LookColours, 5> kLooks = {{
    // normal
    {{{{242, 242, 242},
       {235, 235, 235},
       {221, 221, 221},
       {207, 207, 207},
       {251, 251, 251},
       {250, 250, 250},
       {246, 246, 246},
       {243, 243, 243}}},
     {{{112, 112, 112}, {252, 252, 252}, {144, 144, 144}, {119, 119, 119}, {135, 136, 136},
       {145, 145, 145}, {232, 232, 232}, {117, 117, 117}, {234, 234, 234}, {250, 250, 250},
       {112, 112, 112}, {252, 252, 252}, {134, 134, 134}, {117, 117, 117}, {136, 136, 136},
       {143, 143, 143}, {228, 228, 228}, {117, 117, 117}, {226, 226, 226}, {236, 236, 236},
       {243, 243, 243}}}},
    // hover
    {{{{234, 246, 253},
       {217, 240, 252},
       {190, 230, 253},
       {167, 217, 245},
       {249, 253, 254},
       {245, 251, 254},
       {239, 249, 254},
       {233, 246, 253}}},
     {{{60, 127, 177},  {250, 253, 254}, {102, 147, 181}, {66, 131, 179},  {88, 138, 175},
       {105, 157, 195}, {223, 235, 243}, {62, 128, 178},  {225, 237, 244}, {247, 251, 254},
       {62, 128, 178},  {249, 253, 254}, {87, 138, 175},  {62, 128, 178},  {90, 139, 176},
       {100, 155, 195}, {212, 231, 243}, {62, 129, 178},  {211, 230, 242}, {220, 240, 251},
       {232, 245, 252}}}},
    // pressed
    {{{{228, 243, 251},
       {196, 229, 246},
       {152, 209, 239},
       {104, 179, 219},
       {176, 195, 206},
       {154, 186, 203},
       {120, 170, 197},
       {85, 146, 181}}},
     {{{44, 98, 139},  {158, 176, 186}, {57, 89, 113},  {46, 96, 134},   {51, 86, 113},
       {58, 104, 138}, {134, 157, 171}, {44, 95, 134},  {134, 157, 171}, {186, 203, 213},
       {44, 98, 139},  {170, 188, 199}, {75, 117, 147}, {46, 100, 140},  {71, 110, 140},
       {47, 100, 138}, {99, 172, 211},  {45, 97, 136},  {85, 146, 181},  {109, 181, 220},
       {104, 179, 219}}}},
    // focused
    {{{{236, 245, 250},
       {230, 242, 248},
       {206, 231, 244},
       {187, 219, 237},
       {52, 213, 254},
       {51, 212, 253},
       {56, 210, 252},
       {42, 207, 250}}},
     {{{60, 127, 177}, {52, 213, 254}, {160, 190, 212}, {86, 143, 186}, {158, 188, 211},
       {50, 146, 195}, {44, 199, 243}, {83, 142, 185},  {45, 200, 244}, {107, 223, 253},
       {60, 127, 177}, {52, 213, 254}, {155, 187, 210}, {81, 140, 184}, {158, 188, 211},
       {50, 145, 194}, {37, 197, 242}, {83, 142, 185},  {37, 196, 241}, {84, 210, 247},
       {41, 206, 250}}}},
    // disabled
    {{{{244, 244, 244},
       {244, 244, 244},
       {244, 244, 244},
       {244, 244, 244},
       {252, 252, 252},
       {252, 252, 252},
       {252, 252, 252},
       {252, 252, 252}}},
     {{{173, 178, 181}, {252, 252, 252}, {183, 187, 190}, {175, 180, 183}, {177, 181, 184},
       {192, 195, 198}, {241, 242, 242}, {174, 179, 182}, {242, 242, 243}, {251, 251, 251},
       {173, 178, 181}, {252, 252, 252}, {176, 181, 184}, {174, 179, 182}, {177, 182, 185},
       {192, 195, 198}, {243, 243, 244}, {174, 179, 182}, {242, 242, 243}, {251, 251, 251},
       {252, 252, 252}}}},
}};

// Extras of the pressed look.
constexpr Rgb kPressA{151, 170, 180}, kPressB{220, 237, 246}, kPressC{157, 175, 185},
    kPressD{99, 172, 211}, kPressE{109, 181, 220}, kPressF{104, 178, 218}, kPressG{220, 237, 245};
// Extras of the focused look.
constexpr Rgb kFocusP{166, 233, 251}, kFocusQ{132, 213, 239};
constexpr Rgb kFocusUpperTop{165, 232, 251}, kFocusUpperBottom{161, 230, 249};
constexpr Rgb kFocusLowerTop{146, 222, 245}, kFocusLowerBottom{133, 213, 240};

// Pixel offsets of the corner pixels, for lines 2..11 (top) and 12..19 (bottom). The
// offsets are from the left edge and from the top or bottom edge.
constexpr std::array<std::array<int, 2>, 10> kTopCorner = {
    {{1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}, {0, 2}, {1, 2}, {2, 2}, {0, 3}, {1, 3}}};
constexpr std::array<std::array<int, 2>, 8> kBottomCorner = {
    {{1, 1}, {2, 1}, {0, 2}, {1, 2}, {2, 2}, {0, 3}, {1, 3}, {2, 3}}};

// One 16-bit gradient channel of a component, as a vertex carries it.
inline int vertexChannel(int c) {
    return (c & 0xFF) << 8;
}

// Greedy word wrap: lines break at blanks and at line ends; a word wider than the
// width stands on a line of its own and is not broken.
QStringList wrapText(const QFontMetrics& fm, const QString& text, int width) {
    QStringList out;
    QString norm = text;
    norm.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    norm.replace(QChar('\r'), QChar('\n'));
    const QStringList paragraphs = norm.split(QChar('\n'));
    for (const QString& para : paragraphs) {
        const QStringList words = para.split(QChar(' '), Qt::SkipEmptyParts);
        if (words.isEmpty()) {
            out.append(QString());
            continue;
        }
        QString line;
        for (const QString& w : words) {
            const QString candidate = line.isEmpty() ? w : line + QChar(' ') + w;
            if (!line.isEmpty() && fm.horizontalAdvance(candidate) > width) {
                out.append(line);
                line = w;
            } else {
                line = candidate;
            }
        }
        out.append(line);
    }
    return out;
}

} // namespace

int VistaButton::middleRow(int height) {
    return vbCInt(height / 2.2);
}

void VistaButton::FillGradient(Surface& s, int x1, int y1, int x2, int y2, int colourA,
                               int colourB) {
    const int left = std::min(x1, x2), right = std::max(x1, x2);
    const int top = std::min(y1, y2), bottom = std::max(y1, y2);
    const int upper = y1 <= y2 ? colourA : colourB;
    const int lower = y1 <= y2 ? colourB : colourA;
    const int len = bottom - top;
    if (len <= 0 || right <= left) return;
    const int r0 = vertexChannel(redOf(upper)), g0 = vertexChannel(greenOf(upper)),
              b0 = vertexChannel(blueOf(upper));
    const int r1 = vertexChannel(redOf(lower)), g1 = vertexChannel(greenOf(lower)),
              b1 = vertexChannel(blueOf(lower));
    for (int y = top; y < bottom; ++y) {
        if (y < 0 || y >= s.heightPx()) continue;
        const int pos = y - top;
        // Each channel moves linearly from the upper to the lower colour and keeps the
        // high byte of its 16-bit value.
        const int r = ((r0 * (len - pos) + r1 * pos) / len) >> 8;
        const int g = ((g0 * (len - pos) + g1 * pos) / len) >> 8;
        const int b = ((b0 * (len - pos) + b1 * pos) / len) >> 8;
        const int c = RGB(r, g, b);
        for (int x = std::max(left, 0); x < std::min(right, s.widthPx()); ++x)
            s.setPixel(x, y, c);
    }
}

int VistaButton::resolvedBackColor() const {
    if (backColor_ & 0x80000000) {
        // System colours: the classic light face for buttons and 3-D objects, white
        // window background, black texts.
        switch (backColor_ & 0xFF) {
        case 5:
            return kWhite;
        case 8:
        case 18:
            return kBlack;
        default:
            return RGB(240, 240, 240);
        }
    }
    return backColor_ & 0xFFFFFF;
}

// The redraw entry: the face for the current look, the outline when the size changed.
void VistaButton::Redraw() {
    const int w = width(), h = height();
    if (surface_.widthPx() != w || surface_.heightPx() != h)
        surface_.resize(std::max(w, 0), std::max(h, 0), resolvedBackColor());
    if (w > 0 && h > 0) DrawButton(state_);
    if (w != lastWidth_ || h != lastHeight_) {
        MakeRegion();
        lastWidth_ = w;
        lastHeight_ = h;
    }
    update();
}

void VistaButton::MakeRegion() {
    const int w = width(), h = height();
    QRegion outline(0, 0, w, h);
    outline -= QRegion(0, 0, 1, 1);
    outline -= QRegion(0, h - 1, 1, 1);
    outline -= QRegion(w - 1, 0, 1, 1);
    outline -= QRegion(w - 1, h - 1, 1, 1);
    setMask(outline);
    ++outlineBuilds_;
}

void VistaButton::DrawButton(int look) {
    Surface& s = surface_;
    const int W = s.widthPx(), H = s.heightPx();
    const int bg = resolvedBackColor();
    if ((look == Normal || look == Focused || look == Disabled) && noBackGround_) {
        s.clear(bg);
        DrawCaption();
        return;
    }
    const LookColours& c = kLooks[static_cast<size_t>(std::clamp(look, 0, 4))];
    auto stop = [&](int i) { return c.stop[static_cast<size_t>(i)].colour(); };
    auto line = [&](int i) { return c.line[static_cast<size_t>(i)].colour(); };
    const int M = middleRow(H);

    s.clear(bg);
    FillGradient(s, 2, 2, W - 2, M, stop(0), stop(1));
    FillGradient(s, 2, M, W - 2, H - 2, stop(2), stop(3));
    FillGradient(s, 1, 3, 2, M, stop(4), stop(5));
    FillGradient(s, W - 2, 3, W - 1, M, stop(4), stop(5));
    FillGradient(s, 1, M, 2, H - 3, stop(6), stop(7));
    FillGradient(s, W - 1, M, W - 2, H - 3, stop(6), stop(7));

    if (look == Pressed) {
        s.line(3, 1, 6, 1, kPressA.colour());
        s.line(3, 2, 6, 2, kPressB.colour());
        s.line(7, 1, 10, 1, kPressC.colour());
        s.line(W - 4, 1, W - 7, 1, kPressA.colour());
        s.line(W - 4, 2, W - 7, 2, kPressB.colour());
        s.line(W - 8, 1, W - 11, 1, kPressC.colour());
        s.line(3, H - 2, 6, H - 2, kPressD.colour());
        s.line(3, H - 3, 6, H - 3, kPressE.colour());
        s.line(7, H - 2, 10, H - 2, kPressF.colour());
        s.setPixel(2, 3, kPressG.colour());
        s.setPixel(W - 3, 3, kPressG.colour());
    } else if (look == Focused) {
        s.line(3, 2, W - 4, 2, kFocusP.colour());
        s.line(3, H - 3, W - 4, H - 3, kFocusQ.colour());
        FillGradient(s, 2, 3, 3, M, kFocusUpperTop.colour(), kFocusUpperBottom.colour());
        FillGradient(s, W - 2, 3, W - 3, M, kFocusUpperTop.colour(), kFocusUpperBottom.colour());
        FillGradient(s, 2, M, 3, H - 3, kFocusLowerTop.colour(), kFocusLowerBottom.colour());
        FillGradient(s, W - 2, M, W - 3, H - 3, kFocusLowerTop.colour(),
                     kFocusLowerBottom.colour());
    }

    DrawCaption();

    s.box(0, 0, W - 1, H - 1, line(0));
    s.line(3, 1, W - 4, 1, line(1));
    s.line(3, H - 2, W - 4, H - 2, line(20));
    for (size_t i = 0; i < kTopCorner.size(); ++i)
        s.setPixel(kTopCorner[i][0], kTopCorner[i][1], line(static_cast<int>(i) + 2));
    for (size_t i = 0; i < kTopCorner.size(); ++i)
        s.setPixel(W - 1 - kTopCorner[i][0], kTopCorner[i][1], line(static_cast<int>(i) + 2));
    for (size_t i = 0; i < kBottomCorner.size(); ++i)
        s.setPixel(kBottomCorner[i][0], H - kBottomCorner[i][1], line(static_cast<int>(i) + 12));
    for (size_t i = 0; i < kBottomCorner.size(); ++i)
        s.setPixel(W - 1 - kBottomCorner[i][0], H - kBottomCorner[i][1],
                   line(static_cast<int>(i) + 12));
}

void VistaButton::DrawCaption() {
    Surface& s = surface_;
    const int W = s.widthPx(), H = s.heightPx();
    const int colour = enabled_ ? (foreColor_ & 0xFFFFFF) : kDisabledCaptionColour;
    const QFontMetrics fm(s.font());

    // Measured over the whole width; the widest line is the text width.
    const QStringList measured = caption_.isEmpty() ? QStringList() : wrapText(fm, caption_, W);
    int textWidth = 0;
    for (const QString& l : measured)
        textWidth = std::max(textWidth, fm.horizontalAdvance(l));
    const int h = static_cast<int>(measured.size()) * fm.height();
    measuredTextWidth_ = textWidth;
    measuredTextHeight_ = h;

    const int leftCut = DrawPicture(textWidth);

    CaptionRect r;
    r.left = 3;
    if (hasPictureDC_) // the same sub-image width as the picture was drawn with
        r.left = vbCInt(pictureWidth_ / static_cast<double>(std::max(pictures_, 1)) + 8 - leftCut);
    r.top = vbCInt((H - h) / 2.0);
    r.right = W - 3;
    r.bottom = vbCInt((H + h) / 2.0);
    captionRect_ = r;
    const bool centre = leftCut <= 0;

    const int rw = r.right - r.left, rh = r.bottom - r.top;
    if (caption_.isEmpty() || rw <= 0 || rh <= 0) return;
    // Text goes through a scratch surface in a key colour so that the face shows
    // between the letters and nothing spills outside the rectangle.
    const int key = (colour ^ 0xFFFFFF) & 0xFFFFFF;
    Surface text(rw, rh, key);
    text.fontName = s.fontName;
    text.fontSize = s.fontSize;
    text.fontBold = s.fontBold;
    text.fontItalic = s.fontItalic;
    text.fontUnderline = s.fontUnderline;
    text.fontStrikethru = s.fontStrikethru;
    text.foreColor = colour;
    const QStringList lines = wrapText(fm, caption_, rw);
    int y = 0;
    for (const QString& l : lines) {
        if (y >= rh) break;
        text.currentX = centre ? (rw - fm.horizontalAdvance(l)) / 2 : 0;
        text.currentY = y;
        text.print(l);
        y += fm.height();
    }
    s.keyedCopy(r.left, r.top, rw, rh, text, 0, 0, rw, rh, key);
}

int VistaButton::DrawPicture(int textWidth) {
    placement_ = PicturePlacement();
    if (!hasPictureDC_) return 0;
    const int W = surface_.widthPx(), H = surface_.heightPx();
    const double subW = pictureWidth_ / static_cast<double>(std::max(pictures_, 1));

    double x = caption_.isEmpty() ? (W - subW) / 2.0 : (W - textWidth - subW - 5) / 2.0;
    int y = vbCInt((H - pictureHeight_) / 2.0);
    if (pressed_) {
        x += pictureOffset_;
        y += pictureOffset_;
    }
    double rightCut = 0;
    if (x + subW > W - 3) rightCut = (W - 3 - x) - subW;
    double leftCut = 0;
    if (x < 3) {
        leftCut = 3 - x;
        x = 3;
    }
    int bottomCut = 0;
    if (H - 3 < y + pictureHeight_) bottomCut = H - 3 - y - pictureHeight_;
    int topCut = 0;
    if (y < 3) {
        topCut = 3 - y;
        y = 3;
    }
    int index = 0;
    if (pictures_ >= 2 && !enabled_) index = 1;
    if (pictures_ == 3 && enabled_ && pressed_) index = 2;

    PicturePlacement& p = placement_;
    p.x = vbCInt(x);
    p.y = y;
    p.width = vbCInt(subW - leftCut + rightCut);
    p.height = pictureHeight_ - topCut + bottomCut;
    p.srcX = vbCInt(index * subW + leftCut);
    p.srcY = topCut;
    p.leftCut = vbCInt(leftCut);
    // A picture cut away completely draws nothing (a negative extent would mirror it).
    if (p.width > 0 && p.height > 0) {
        p.drawn = true;
        if (useMaskColor_)
            surface_.keyedCopy(p.x, p.y, p.width, p.height, pictureDC_, p.srcX, p.srcY, p.width,
                               p.height, maskColor_ & 0xFFFFFF);
        else
            surface_.copy(p.x, p.y, p.width, p.height, pictureDC_, p.srcX, p.srcY);
    }
    return static_cast<std::int16_t>(p.leftCut);
}

void VistaButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, surface_.image());
}

void VistaButton::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Redraw();
}

} // namespace korv

#pragma once
// A drawing surface with the drawing state of a picture box: a 32-bit RGB image plus
// pen, fill, font, current position and scale. Everything is aliased and pixel-exact.
#include <QFont>
#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

namespace korv {

// Binary raster operations of pen and brush (the values the program stores).
enum DrawMode : int {
    DrawBlack = 1,
    DrawNotMergePen = 2,
    DrawMaskNotPen = 3,
    DrawNotCopyPen = 4,
    DrawMaskPenNot = 5,
    DrawInvert = 6,
    DrawXorPen = 7,
    DrawNotMaskPen = 8,
    DrawMaskPen = 9,
    DrawNotXorPen = 10,
    DrawNop = 11,
    DrawMergeNotPen = 12,
    DrawCopyPen = 13,
    DrawMergePenNot = 14,
    DrawMergePen = 15,
    DrawWhite = 16,
};

enum FillStyle : int {
    FillSolid = 0,
    FillTransparent = 1,
    FillHorizontal = 2,
    FillVertical = 3,
    FillUpwardDiagonal = 4,
    FillDownwardDiagonal = 5,
    FillCross = 6,
    FillDiagonalCross = 7,
};

enum class ScaleMode { Twips, Pixels };

// Raster operations of rectangle copies.
enum class Rop { SrcCopy, SrcAnd, SrcPaint, SrcInvert, MergePaint, NotSrcCopy };

enum class FloodMode { Border = 0, Surface = 1 };

constexpr int kTwipsPerPixel = 15;

class Surface {
public:
    Surface() = default;
    Surface(int widthPx, int heightPx, int backColor = 0xFFFFFF);

    // --- the image --------------------------------------------------------------
    int widthPx() const { return img_.width(); }
    int heightPx() const { return img_.height(); }
    const QImage& image() const { return img_; }
    QImage& imageRef() { return img_; }
    // Replaces the image (converted to RGB32); the drawing state stays.
    void setImage(const QImage& img);
    // New size; what fits is kept, new area takes `fill`.
    void resize(int widthPx, int heightPx, int fill);
    void clear(int color); // the whole image in one colour, current x/y to 0

    // --- drawing state ----------------------------------------------------------
    int foreColor = 0;
    int drawWidth = 1; // pixels
    int drawMode = DrawCopyPen;
    int fillStyle = FillTransparent;
    int fillColor = 0;
    double currentX = 0, currentY = 0; // scale units
    ScaleMode scaleMode = ScaleMode::Pixels;
    bool fontTransparent = true;
    int backColor = 0xFFFFFF; // used by text when not transparent

    QString fontName = "Arial";
    double fontSize = 8.25; // points
    bool fontBold = false, fontItalic = false, fontUnderline = false, fontStrikethru = false;

    // Units per pixel of the current scale (1 or 15).
    double unit() const { return scaleMode == ScaleMode::Twips ? kTwipsPerPixel : 1.0; }
    double scaleWidth() const { return img_.width() * unit(); }
    double scaleHeight() const { return img_.height() * unit(); }
    int toPx(double v) const; // scale units to a whole pixel, halves to even

    // --- drawing (coordinates in scale units) -------------------------------------
    // A line in the fore colour (or `color`), both end points drawn; current x/y
    // move to the end point.
    void line(double x1, double y1, double x2, double y2);
    void line(double x1, double y1, double x2, double y2, int color);
    // Box outline in the pen colour, inside filled per fill style with the fill colour.
    void box(double x1, double y1, double x2, double y2);
    void box(double x1, double y1, double x2, double y2, int color);
    // Box in one colour, outline and inside, both corners included.
    void filledBox(double x1, double y1, double x2, double y2, int color);
    // Boxes from x1 to x2 that differ only in their rows and colours, painted in order:
    // the same pixels as filledBox for each, with the columns worked out once and each
    // row painted once, in the colour of the last box over it.
    struct Band {
        double y1, y2;
        int color;
    };
    void filledBands(double x1, double x2, const Band* bands, int count);
    // Circle, ellipse, arc or pie. Angles in radians counter-clockwise from three
    // o'clock; a negative angle also draws the radius line to that end; with both
    // angles negative the pie is filled per fill style. The radius is the horizontal
    // half-axis when aspect < 1, the vertical one otherwise. Start and end both 0
    // draw the whole figure.
    void circle(double x, double y, double radius, int color);
    void circle(double x, double y, double radius, int color, double start, double end,
                double aspect = 1.0);
    void ellipse(double x, double y, double radius, int color, double aspect);
    // Rounded rectangle from (x1, y1) up to but excluding (x2, y2), corner ellipse
    // cw x ch pixels; outline in the fore colour, inside per fill style. Pixels.
    void roundRect(int x1, int y1, int x2, int y2, int cw, int ch);

    void pset(double x, double y, int color);
    int point(double x, double y) const; // -1 outside
    int pixel(int x, int y) const;       // -1 outside (pixel coordinates)
    void setPixel(int x, int y, int color);

    // Fills from pixel (x, y) with the fill colour and style: Surface mode fills the
    // 4-connected area of `color`, Border mode the area bounded by `color`.
    void floodFill(int x, int y, int color, FloodMode mode);

    // Copies the source rectangle (pixels) stretched into the destination rectangle
    // with a raster operation. Negative extents mirror (the rectangle then runs from
    // its start pixel downwards); zero extents copy nothing; source pixels outside the
    // source image leave their destination pixels alone. The source may be *this.
    void stretchCopy(int dx, int dy, int dw, int dh, const Surface& src, int sx, int sy, int sw,
                     int sh, Rop rop = Rop::SrcCopy);
    void copy(int dx, int dy, int w, int h, const Surface& src, int sx, int sy,
              Rop rop = Rop::SrcCopy) {
        stretchCopy(dx, dy, w, h, src, sx, sy, w, h, rop);
    }
    // As stretchCopy with SrcCopy, leaving out source pixels of colour `key`.
    void keyedCopy(int dx, int dy, int dw, int dh, const Surface& src, int sx, int sy, int sw,
                   int sh, int key);

    // --- text --------------------------------------------------------------------
    QFont font() const; // the font at the screen's 96 pixels per inch, no antialiasing
    // Prints one line with its top-left at the current position; afterwards current x
    // is 0 and current y one line lower.
    void print(const QString& text);
    double textWidth(const QString& text) const;  // scale units
    double textHeight(const QString& text) const; // scale units

private:
    struct Mask {
        int x0 = 0, y0 = 0, w = 0, h = 0; // bounding box in pixels
        std::vector<std::uint8_t> bits;
        void init(int x, int y, int ww, int hh) {
            x0 = x;
            y0 = y;
            w = ww > 0 ? ww : 0;
            h = hh > 0 ? hh : 0;
            bits.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
        }
        void set(int x, int y) {
            x -= x0;
            y -= y0;
            if (x >= 0 && y >= 0 && x < w && y < h) bits[static_cast<size_t>(y) * w + x] = 1;
        }
        bool get(int x, int y) const {
            x -= x0;
            y -= y0;
            return x >= 0 && y >= 0 && x < w && y < h && bits[static_cast<size_t>(y) * w + x];
        }
    };

    void clipMaskInit(Mask& m) const;
    void stampPen(Mask& m, int cx, int cy) const;
    void lineToMask(Mask& m, int x1, int y1, int x2, int y2) const;
    void applyPen(const Mask& m, int color);   // pen pixels through the draw mode
    void applyBrush(const Mask& m, int color); // brush pixels per fill style
    static bool hatchHit(int style, int x, int y);
    void ellipseShape(double cx, double cy, double rx, double ry, Mask& inside) const;
    void outlineOf(const Mask& inside, Mask& pen, bool (*keep)(void*, int, int), void* ctx) const;

    QImage img_;
};

} // namespace korv

#include "Surface.h"

#include "Colour.h"
#include "VbMath.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <deque>

namespace korv {

namespace {

constexpr double kTwoPi = 6.283185307179586;

inline std::uint32_t rop2(int mode, std::uint32_t d, std::uint32_t p) {
    constexpr std::uint32_t m = 0xFFFFFF;
    switch (mode) {
    case DrawBlack:
        return 0;
    case DrawNotMergePen:
        return ~(d | p) & m;
    case DrawMaskNotPen:
        return d & ~p & m;
    case DrawNotCopyPen:
        return ~p & m;
    case DrawMaskPenNot:
        return p & ~d & m;
    case DrawInvert:
        return ~d & m;
    case DrawXorPen:
        return (d ^ p) & m;
    case DrawNotMaskPen:
        return ~(d & p) & m;
    case DrawMaskPen:
        return d & p;
    case DrawNotXorPen:
        return ~(d ^ p) & m;
    case DrawNop:
        return d;
    case DrawMergeNotPen:
        return (d | ~p) & m;
    case DrawMergePen:
        return d | p;
    case DrawMergePenNot:
        return (p | ~d) & m;
    case DrawWhite:
        return m;
    case DrawCopyPen:
    default:
        return p;
    }
}

inline std::uint32_t ropBlt(Rop rop, std::uint32_t d, std::uint32_t s) {
    constexpr std::uint32_t m = 0xFFFFFF;
    switch (rop) {
    case Rop::SrcAnd:
        return d & s;
    case Rop::SrcPaint:
        return d | s;
    case Rop::SrcInvert:
        return d ^ s;
    case Rop::MergePaint:
        return (~s | d) & m;
    case Rop::NotSrcCopy:
        return ~s & m;
    case Rop::SrcCopy:
    default:
        return s;
    }
}

// QImage RGB32 pixel <-> 0xRRGGBB
inline std::uint32_t rgbOf(QRgb p) {
    return p & 0xFFFFFF;
}
inline QRgb pixOf(std::uint32_t rgb) {
    return 0xFF000000u | (rgb & 0xFFFFFF);
}
// 0xRRGGBB <-> program colour (red in the low byte)
inline std::uint32_t rgbFromColor(int c) {
    return (static_cast<std::uint32_t>(redOf(c)) << 16) | (greenOf(c) << 8) | blueOf(c);
}
inline int colorFromRgb(std::uint32_t rgb) {
    return static_cast<int>(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16));
}

// Angle of (dx, dy) counter-clockwise from three o'clock, screen y downwards, 0..2pi.
inline double angleOf(double dx, double dy) {
    double a = std::atan2(-dy, dx);
    if (a < 0) a += kTwoPi;
    return a;
}

inline double normAngle(double a) {
    a = std::fmod(a, kTwoPi);
    if (a < 0) a += kTwoPi;
    return a;
}

inline bool angleIn(double a, double s, double e) {
    if (s <= e) return a >= s && a <= e;
    return a >= s || a <= e;
}

// An ellipse fitted to the box of its extents rounded to whole pixels. Halves round
// up, so that a figure's size never depends on where it stands.
struct EllipseFit {
    double l, t, r, b;     // the box, whole pixels
    double cx, cy, rx, ry; // centre and half-axes of the fitted ellipse
};

inline EllipseFit fitEllipse(double cx, double cy, double rx, double ry) {
    EllipseFit f;
    f.l = std::floor(cx - rx + 0.5);
    f.r = std::floor(cx + rx + 0.5);
    f.t = std::floor(cy - ry + 0.5);
    f.b = std::floor(cy + ry + 0.5);
    f.cx = (f.l + f.r) / 2;
    f.cy = (f.t + f.b) / 2;
    f.rx = (f.r - f.l) / 2;
    f.ry = (f.b - f.t) / 2;
    return f;
}

} // namespace

Surface::Surface(int widthPx, int heightPx, int back) : backColor(back) {
    img_ = QImage(std::max(widthPx, 0), std::max(heightPx, 0), QImage::Format_RGB32);
    img_.fill(toQRgb(back));
}

void Surface::setImage(const QImage& img) {
    img_ = img.format() == QImage::Format_RGB32 ? img : img.convertToFormat(QImage::Format_RGB32);
    // Qt keeps the fourth byte at 0xFF for RGB32; make sure a foreign buffer does too.
    img_.detach();
}

void Surface::resize(int w, int h, int fill) {
    w = std::max(w, 0);
    h = std::max(h, 0);
    if (w == img_.width() && h == img_.height()) return;
    QImage n(w, h, QImage::Format_RGB32);
    n.fill(toQRgb(fill));
    const int cw = std::min(w, img_.width()), ch = std::min(h, img_.height());
    for (int y = 0; y < ch; ++y)
        std::copy_n(reinterpret_cast<const QRgb*>(img_.constScanLine(y)), cw,
                    reinterpret_cast<QRgb*>(n.scanLine(y)));
    img_ = n;
}

void Surface::clear(int color) {
    img_.fill(toQRgb(color));
    currentX = currentY = 0;
}

int Surface::toPx(double v) const {
    return vbCInt(v / unit());
}

// ---------------------------------------------------------------- masks and pens

void Surface::clipMaskInit(Mask& m) const {
    m.init(0, 0, img_.width(), img_.height());
}

void Surface::stampPen(Mask& m, int cx, int cy) const {
    const int w = std::max(drawWidth, 1);
    if (w == 1) {
        m.set(cx, cy);
        return;
    }
    const int lo = -(w / 2);
    const int hi = lo + w - 1;
    const double c = (lo + hi) / 2.0;
    const double r2 = (w / 2.0) * (w / 2.0);
    for (int dy = lo; dy <= hi; ++dy)
        for (int dx = lo; dx <= hi; ++dx)
            if ((dx - c) * (dx - c) + (dy - c) * (dy - c) <= r2 + 1e-9) m.set(cx + dx, cy + dy);
}

void Surface::lineToMask(Mask& m, int x1, int y1, int x2, int y2) const {
    // Bresenham, both end points included. Very long lines are walked only over the
    // part that can touch the image.
    const std::int64_t ddx = std::llabs(static_cast<std::int64_t>(x2) - x1);
    const std::int64_t ddy = -std::llabs(static_cast<std::int64_t>(y2) - y1);
    const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    std::int64_t err = ddx + ddy;
    std::int64_t x = x1, y = y1;
    const int margin = std::max(drawWidth, 1) + 1;
    const std::int64_t steps = std::max(ddx, -ddy);
    if (steps > 4 * static_cast<std::int64_t>(img_.width() + img_.height()) + 64) {
        // Far outside: clip parametrically to the image (plus pen margin) first.
        const double fx1 = x1, fy1 = y1, fx2 = x2, fy2 = y2;
        double t0 = 0, t1 = 1;
        const double minX = -margin, maxX = img_.width() + margin;
        const double minY = -margin, maxY = img_.height() + margin;
        auto clip = [&](double p, double q) {
            if (p == 0) return q >= 0;
            const double r = q / p;
            if (p < 0) {
                if (r > t1) return false;
                if (r > t0) t0 = r;
            } else {
                if (r < t0) return false;
                if (r < t1) t1 = r;
            }
            return true;
        };
        const double dxf = fx2 - fx1, dyf = fy2 - fy1;
        if (!clip(-dxf, fx1 - minX) || !clip(dxf, maxX - fx1) || !clip(-dyf, fy1 - minY) ||
            !clip(dyf, maxY - fy1))
            return;
        lineToMask(m, static_cast<int>(std::lround(fx1 + t0 * dxf)),
                   static_cast<int>(std::lround(fy1 + t0 * dyf)),
                   static_cast<int>(std::lround(fx1 + t1 * dxf)),
                   static_cast<int>(std::lround(fy1 + t1 * dyf)));
        return;
    }
    for (;;) {
        stampPen(m, static_cast<int>(x), static_cast<int>(y));
        if (x == x2 && y == y2) break;
        const std::int64_t e2 = 2 * err;
        if (e2 >= ddy) {
            err += ddy;
            x += sx;
        }
        if (e2 <= ddx) {
            err += ddx;
            y += sy;
        }
    }
}

void Surface::applyPen(const Mask& m, int color) {
    const std::uint32_t p = rgbFromColor(color);
    const int x0 = std::max(m.x0, 0), y0 = std::max(m.y0, 0);
    const int x1 = std::min(m.x0 + m.w, img_.width()), y1 = std::min(m.y0 + m.h, img_.height());
    if (m.bits.empty() || x0 >= x1 || y0 >= y1) return; // wholly outside the picture
    for (int y = y0; y < y1; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(img_.scanLine(y));
        const std::uint8_t* mb = &m.bits[static_cast<size_t>(y - m.y0) * m.w];
        for (int x = x0; x < x1; ++x)
            if (mb[x - m.x0]) row[x] = pixOf(rop2(drawMode, rgbOf(row[x]), p));
    }
}

bool Surface::hatchHit(int style, int x, int y) {
    switch (style) {
    case FillSolid:
        return true;
    case FillHorizontal:
        return (y & 7) == 0;
    case FillVertical:
        return (x & 7) == 0;
    case FillUpwardDiagonal:
        return ((x + y) & 7) == 0;
    case FillDownwardDiagonal:
        return ((x - y) & 7) == 0;
    case FillCross:
        return (y & 7) == 0 || (x & 7) == 0;
    case FillDiagonalCross:
        return ((x + y) & 7) == 0 || ((x - y) & 7) == 0;
    default:
        return false;
    }
}

void Surface::applyBrush(const Mask& m, int color) {
    if (fillStyle == FillTransparent || fillStyle < 0 || fillStyle > 7) return;
    const std::uint32_t p = rgbFromColor(color);
    const int x0 = std::max(m.x0, 0), y0 = std::max(m.y0, 0);
    const int x1 = std::min(m.x0 + m.w, img_.width()), y1 = std::min(m.y0 + m.h, img_.height());
    if (m.bits.empty() || x0 >= x1 || y0 >= y1) return; // wholly outside the picture
    for (int y = y0; y < y1; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(img_.scanLine(y));
        const std::uint8_t* mb = &m.bits[static_cast<size_t>(y - m.y0) * m.w];
        for (int x = x0; x < x1; ++x)
            if (mb[x - m.x0] && hatchHit(fillStyle, x, y))
                row[x] = pixOf(rop2(drawMode, rgbOf(row[x]), p));
    }
}

// ---------------------------------------------------------------- lines and boxes

void Surface::line(double x1, double y1, double x2, double y2) {
    line(x1, y1, x2, y2, foreColor);
}

void Surface::line(double x1, double y1, double x2, double y2, int color) {
    const int px1 = toPx(x1), py1 = toPx(y1), px2 = toPx(x2), py2 = toPx(y2);
    Mask m;
    const int pad = std::max(drawWidth, 1);
    const int bx0 = std::max(std::min(px1, px2) - pad, -pad);
    const int by0 = std::max(std::min(py1, py2) - pad, -pad);
    const int bx1 = std::min(std::max(px1, px2) + pad, img_.width() + pad);
    const int by1 = std::min(std::max(py1, py2) + pad, img_.height() + pad);
    m.init(bx0, by0, bx1 - bx0 + 1, by1 - by0 + 1);
    lineToMask(m, px1, py1, px2, py2);
    applyPen(m, color);
    currentX = x2;
    currentY = y2;
}

void Surface::box(double x1, double y1, double x2, double y2) {
    box(x1, y1, x2, y2, foreColor);
}

void Surface::box(double x1, double y1, double x2, double y2, int color) {
    int l = toPx(x1), t = toPx(y1), r = toPx(x2), b = toPx(y2);
    if (l > r) std::swap(l, r);
    if (t > b) std::swap(t, b);
    const int cl = std::max(l, 0), ct = std::max(t, 0);
    const int cr = std::min(r, img_.width() - 1), cb = std::min(b, img_.height() - 1);
    if (fillStyle != FillTransparent && cl <= cr && ct <= cb) {
        Mask f;
        f.init(cl, ct, cr - cl + 1, cb - ct + 1);
        std::fill(f.bits.begin(), f.bits.end(), 1);
        applyBrush(f, fillColor);
    }
    Mask m;
    clipMaskInit(m);
    lineToMask(m, l, t, r, t);
    lineToMask(m, r, t, r, b);
    lineToMask(m, r, b, l, b);
    lineToMask(m, l, b, l, t);
    applyPen(m, color);
    currentX = x2;
    currentY = y2;
}

void Surface::filledBox(double x1, double y1, double x2, double y2, int color) {
    int l = toPx(x1), t = toPx(y1), r = toPx(x2), b = toPx(y2);
    if (l > r) std::swap(l, r);
    if (t > b) std::swap(t, b);
    l = std::max(l, 0);
    t = std::max(t, 0);
    r = std::min(r, img_.width() - 1);
    b = std::min(b, img_.height() - 1);
    currentX = x2;
    currentY = y2;
    if (l > r || t > b) return;
    // Every pixel of a box is painted: no mask is needed, and with the copy pen (the
    // usual case, progress bars included) each row is one run of the same pixel.
    const std::uint32_t p = rgbFromColor(color);
    for (int y = t; y <= b; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(img_.scanLine(y));
        if (drawMode == DrawCopyPen)
            std::fill(row + l, row + r + 1, pixOf(p));
        else
            for (int x = l; x <= r; ++x)
                row[x] = pixOf(rop2(drawMode, rgbOf(row[x]), p));
    }
}

void Surface::filledBands(double x1, double x2, const Band* bands, int count) {
    if (count <= 0) return;
    if (drawMode != DrawCopyPen) { // each box's pixels depend on what the one before left
        for (int i = 0; i < count; ++i)
            filledBox(x1, bands[i].y1, x2, bands[i].y2, bands[i].color);
        return;
    }
    currentX = x2;
    currentY = bands[count - 1].y2;
    int l = toPx(x1), r = toPx(x2);
    if (l > r) std::swap(l, r);
    l = std::max(l, 0);
    r = std::min(r, img_.width() - 1);
    const int h = img_.height();
    if (l > r || h <= 0) return;
    // The colour each row ends with; rows no box reaches stay as they are.
    std::vector<std::int64_t> last(static_cast<std::size_t>(h), -1);
    for (int i = 0; i < count; ++i) {
        int t = toPx(bands[i].y1), b = toPx(bands[i].y2);
        if (t > b) std::swap(t, b);
        t = std::max(t, 0);
        b = std::min(b, h - 1);
        for (int y = t; y <= b; ++y)
            last[static_cast<std::size_t>(y)] = pixOf(rgbFromColor(bands[i].color));
    }
    uchar* bits = img_.bits();
    const qsizetype stride = img_.bytesPerLine();
    for (int y = 0; y < h; ++y)
        if (last[static_cast<std::size_t>(y)] >= 0) {
            QRgb* row = reinterpret_cast<QRgb*>(bits + y * stride);
            std::fill(row + l, row + r + 1, static_cast<QRgb>(last[static_cast<std::size_t>(y)]));
        }
}

// ---------------------------------------------------------------- circles

void Surface::ellipseShape(double cx, double cy, double rx, double ry, Mask& inside) const {
    const EllipseFit f = fitEllipse(cx, cy, rx, ry);
    const int margin = std::max(drawWidth, 1) + 2;
    auto clampTo = [](double v, int lo, int hi) {
        return static_cast<int>(std::clamp(v, static_cast<double>(lo), static_cast<double>(hi)));
    };
    const int x0 = clampTo(f.l, -margin, img_.width() + margin);
    const int x1 = clampTo(f.r, -margin, img_.width() + margin);
    const int y0 = clampTo(f.t, -margin, img_.height() + margin);
    const int y1 = clampTo(f.b, -margin, img_.height() + margin);
    inside.init(x0, y0, x1 - x0 + 1, y1 - y0 + 1);
    if (inside.w == 0 || inside.h == 0) return;
    // A pixel is inside when its centre lies within the ellipse through the box's outer
    // pixel centres grown by half a pixel: the outermost rows and columns are the box's.
    const double ax = f.rx + 0.5, ay = f.ry + 0.5;
    for (int y = y0; y <= y1; ++y) {
        const double ny = (y - f.cy) / ay;
        const double rest = 1.0 - ny * ny;
        if (rest < -1e-9) continue;
        const double half = ax * std::sqrt(std::max(rest, 0.0));
        const int xa = clampTo(std::ceil(f.cx - half - 1e-9), x0, x1 + 1);
        const int xb = clampTo(std::floor(f.cx + half + 1e-9), x0 - 1, x1);
        for (int x = xa; x <= xb; ++x)
            inside.set(x, y);
    }
    // A very flat or narrow ellipse centred between pixels can miss its box's edge rows
    // or columns; they always get the pixels nearest the centre.
    const int mx0 = clampTo(std::floor(f.cx), -margin, img_.width() + margin);
    const int mx1 = clampTo(std::ceil(f.cx), -margin, img_.width() + margin);
    const int my0 = clampTo(std::floor(f.cy), -margin, img_.height() + margin);
    const int my1 = clampTo(std::ceil(f.cy), -margin, img_.height() + margin);
    for (const double edge : {f.t, f.b}) {
        if (edge < y0 || edge > y1) continue;
        const int y = static_cast<int>(edge);
        if (!inside.get(mx0, y) && !inside.get(mx1, y)) {
            inside.set(mx0, y);
            inside.set(mx1, y);
        }
    }
    for (const double edge : {f.l, f.r}) {
        if (edge < x0 || edge > x1) continue;
        const int x = static_cast<int>(edge);
        if (!inside.get(x, my0) && !inside.get(x, my1)) {
            inside.set(x, my0);
            inside.set(x, my1);
        }
    }
}

void Surface::outlineOf(const Mask& inside, Mask& pen, bool (*keep)(void*, int, int),
                        void* ctx) const {
    for (int y = inside.y0; y < inside.y0 + inside.h; ++y)
        for (int x = inside.x0; x < inside.x0 + inside.w; ++x) {
            if (!inside.get(x, y)) continue;
            const bool edge = !inside.get(x - 1, y) || !inside.get(x + 1, y) ||
                              !inside.get(x, y - 1) || !inside.get(x, y + 1);
            if (edge && (!keep || keep(ctx, x, y))) stampPen(pen, x, y);
        }
}

void Surface::circle(double x, double y, double radius, int color) {
    circle(x, y, radius, color, 0, 0, 1.0);
}

void Surface::ellipse(double x, double y, double radius, int color, double aspect) {
    circle(x, y, radius, color, 0, 0, aspect);
}

void Surface::circle(double x, double y, double radius, int color, double start, double end,
                     double aspect) {
    const double cx = x / unit(), cy = y / unit();
    double r = std::fabs(radius) / unit();
    if (!(aspect > 0) || !std::isfinite(aspect)) aspect = 1.0;
    const double rx = aspect < 1 ? r : r / aspect;
    const double ry = aspect < 1 ? r * aspect : r;
    currentX = x;
    currentY = y;
    if (!std::isfinite(rx) || !std::isfinite(ry) || !std::isfinite(cx) || !std::isfinite(cy))
        return;

    Mask inside;
    ellipseShape(cx, cy, rx, ry, inside);
    const bool whole = start == 0 && end == 0;
    Mask pen;
    pen.init(inside.x0 - drawWidth, inside.y0 - drawWidth, inside.w + 2 * drawWidth,
             inside.h + 2 * drawWidth);
    if (whole) {
        applyBrush(inside, fillColor);
        outlineOf(inside, pen, nullptr, nullptr);
        applyPen(pen, color);
        return;
    }
    const bool pie = start < 0 && end < 0;
    const double s = normAngle(std::fabs(start)), e = normAngle(std::fabs(end));
    // Angles and radius lines are measured from the centre of the ellipse as drawn.
    const EllipseFit f = fitEllipse(cx, cy, rx, ry);
    struct Ctx {
        double cx, cy, s, e;
    } ctx{f.cx, f.cy, s, e};
    auto keep = [](void* p, int px, int py) {
        const Ctx* c = static_cast<Ctx*>(p);
        if (px == vbCInt(c->cx) && py == vbCInt(c->cy)) return true;
        return angleIn(angleOf(px - c->cx, py - c->cy), c->s, c->e);
    };
    if (pie && fillStyle != FillTransparent) {
        Mask wedge;
        wedge.init(inside.x0, inside.y0, inside.w, inside.h);
        for (int py = inside.y0; py < inside.y0 + inside.h; ++py)
            for (int px = inside.x0; px < inside.x0 + inside.w; ++px)
                if (inside.get(px, py) && keep(&ctx, px, py)) wedge.set(px, py);
        applyBrush(wedge, fillColor);
    }
    outlineOf(inside, pen, keep, &ctx);
    auto radiusTo = [&](double a) {
        const double c = std::cos(a), sn = std::sin(a);
        const double erx = std::max(f.rx, 1e-9), ery = std::max(f.ry, 1e-9);
        const double k = 1.0 / std::sqrt(c * c / (erx * erx) + sn * sn / (ery * ery));
        lineToMask(pen, vbCInt(f.cx), vbCInt(f.cy), vbCInt(f.cx + k * c), vbCInt(f.cy - k * sn));
    };
    if (start < 0) radiusTo(s);
    if (end < 0) radiusTo(e);
    applyPen(pen, color);
}

void Surface::roundRect(int x1, int y1, int x2, int y2, int cw, int ch) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    const int L = x1, T = y1, R = x2 - 1, B = y2 - 1;
    if (R < L || B < T) return;
    const double ex = std::max(std::min<double>(std::abs(cw), x2 - x1) / 2.0 - 0.5, 0.0);
    const double ey = std::max(std::min<double>(std::abs(ch), y2 - y1) / 2.0 - 0.5, 0.0);
    auto in = [&](int x, int y) {
        if (x < L || x > R || y < T || y > B) return false;
        if (ex <= 0 || ey <= 0) return true;
        const double ccx = x < L + ex ? L + ex : (x > R - ex ? R - ex : x);
        const double ccy = y < T + ey ? T + ey : (y > B - ey ? B - ey : y);
        if (ccx == x || ccy == y) return true;
        const double nx = (x - ccx) / ex, ny = (y - ccy) / ey;
        return nx * nx + ny * ny <= 1.0 + 1e-9;
    };
    const int margin = std::max(drawWidth, 1) + 2;
    const int bx0 = std::max(L - 1, -margin), by0 = std::max(T - 1, -margin);
    const int bx1 = std::min(R + 1, img_.width() + margin),
              by1 = std::min(B + 1, img_.height() + margin);
    Mask inside;
    inside.init(bx0, by0, bx1 - bx0 + 1, by1 - by0 + 1);
    for (int y = by0; y <= by1; ++y)
        for (int x = bx0; x <= bx1; ++x)
            if (in(x, y)) inside.set(x, y);
    applyBrush(inside, fillColor);
    Mask pen;
    pen.init(bx0 - drawWidth, by0 - drawWidth, inside.w + 2 * drawWidth, inside.h + 2 * drawWidth);
    outlineOf(inside, pen, nullptr, nullptr);
    applyPen(pen, foreColor);
}

// ---------------------------------------------------------------- pixels

void Surface::pset(double x, double y, int color) {
    const int px = toPx(x), py = toPx(y);
    Mask m;
    const int pad = std::max(drawWidth, 1);
    m.init(px - pad, py - pad, 2 * pad + 1, 2 * pad + 1);
    stampPen(m, px, py);
    applyPen(m, color);
    currentX = x;
    currentY = y;
}

int Surface::point(double x, double y) const {
    return pixel(toPx(x), toPx(y));
}

int Surface::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= img_.width() || y >= img_.height()) return -1;
    return colorFromRgb(rgbOf(reinterpret_cast<const QRgb*>(img_.constScanLine(y))[x]));
}

void Surface::setPixel(int x, int y, int color) {
    if (x < 0 || y < 0 || x >= img_.width() || y >= img_.height()) return;
    reinterpret_cast<QRgb*>(img_.scanLine(y))[x] = toQRgb(color);
}

void Surface::floodFill(int x, int y, int color, FloodMode mode) {
    if (x < 0 || y < 0 || x >= img_.width() || y >= img_.height()) return;
    if (fillStyle == FillTransparent) return;
    const std::uint32_t target = rgbFromColor(color) & 0xFFFFFF;
    const int w = img_.width(), h = img_.height();
    auto matches = [&](int px, int py) {
        const std::uint32_t c = rgbOf(reinterpret_cast<const QRgb*>(img_.constScanLine(py))[px]);
        return mode == FloodMode::Surface ? c == target : c != target;
    };
    if (!matches(x, y)) return;
    // Nothing would change: a solid copy of the very colour that is being filled.
    if (mode == FloodMode::Surface && fillStyle == FillSolid && drawMode == DrawCopyPen &&
        (rgbFromColor(fillColor) & 0xFFFFFF) == target)
        return;
    Mask region;
    region.init(0, 0, w, h);
    std::vector<std::pair<int, int>> stack;
    stack.emplace_back(x, y);
    region.set(x, y);
    while (!stack.empty()) {
        auto [px, py] = stack.back();
        stack.pop_back();
        const int nx[4] = {px - 1, px + 1, px, px};
        const int ny[4] = {py, py, py - 1, py + 1};
        for (int k = 0; k < 4; ++k) {
            if (nx[k] < 0 || ny[k] < 0 || nx[k] >= w || ny[k] >= h) continue;
            if (region.get(nx[k], ny[k]) || !matches(nx[k], ny[k])) continue;
            region.set(nx[k], ny[k]);
            stack.emplace_back(nx[k], ny[k]);
        }
    }
    applyBrush(region, fillColor);
}

// ---------------------------------------------------------------- copies

namespace {

// Destination and source pixel indices of a possibly mirrored, stretched copy.
struct Axis {
    int d0, dn, dsign, s0, sn, ssign;
    int dest(int i) const { return d0 + i * dsign; }
    int src(int i) const {
        const std::int64_t j =
            (static_cast<std::int64_t>(2 * i + 1) * sn) / (2 * static_cast<std::int64_t>(dn));
        return s0 + static_cast<int>(j) * ssign;
    }
};

inline Axis makeAxis(int d, int dn, int s, int sn) {
    return Axis{d, std::abs(dn), dn < 0 ? -1 : 1, s, std::abs(sn), sn < 0 ? -1 : 1};
}

} // namespace

void Surface::stretchCopy(int dx, int dy, int dw, int dh, const Surface& srcSurf, int sx, int sy,
                          int sw, int sh, Rop rop) {
    if (dw == 0 || dh == 0 || sw == 0 || sh == 0) return;
    const QImage src = (&srcSurf == this) ? img_.copy() : srcSurf.img_;
    const Axis ax = makeAxis(dx, dw, sx, sw), ay = makeAxis(dy, dh, sy, sh);
    for (int i = 0; i < ay.dn; ++i) {
        const int ty = ay.dest(i), fy = ay.src(i);
        if (ty < 0 || ty >= img_.height() || fy < 0 || fy >= src.height()) continue;
        QRgb* drow = reinterpret_cast<QRgb*>(img_.scanLine(ty));
        const QRgb* srow = reinterpret_cast<const QRgb*>(src.constScanLine(fy));
        for (int k = 0; k < ax.dn; ++k) {
            const int tx = ax.dest(k), fx = ax.src(k);
            if (tx < 0 || tx >= img_.width() || fx < 0 || fx >= src.width()) continue;
            drow[tx] = pixOf(ropBlt(rop, rgbOf(drow[tx]), rgbOf(srow[fx])));
        }
    }
}

void Surface::keyedCopy(int dx, int dy, int dw, int dh, const Surface& srcSurf, int sx, int sy,
                        int sw, int sh, int key) {
    if (dw == 0 || dh == 0 || sw == 0 || sh == 0) return;
    const QImage src = (&srcSurf == this) ? img_.copy() : srcSurf.img_;
    const std::uint32_t k = rgbFromColor(key);
    const Axis ax = makeAxis(dx, dw, sx, sw), ay = makeAxis(dy, dh, sy, sh);
    for (int i = 0; i < ay.dn; ++i) {
        const int ty = ay.dest(i), fy = ay.src(i);
        if (ty < 0 || ty >= img_.height() || fy < 0 || fy >= src.height()) continue;
        QRgb* drow = reinterpret_cast<QRgb*>(img_.scanLine(ty));
        const QRgb* srow = reinterpret_cast<const QRgb*>(src.constScanLine(fy));
        for (int j = 0; j < ax.dn; ++j) {
            const int tx = ax.dest(j), fx = ax.src(j);
            if (tx < 0 || tx >= img_.width() || fx < 0 || fx >= src.width()) continue;
            const std::uint32_t s = rgbOf(srow[fx]);
            if (s != k) drow[tx] = pixOf(s);
        }
    }
}

// ---------------------------------------------------------------- text

QFont Surface::font() const {
    QFont f(fontName);
    f.setPixelSize(std::max(1, vbCInt(fontSize * 96.0 / 72.0)));
    f.setBold(fontBold);
    f.setItalic(fontItalic);
    f.setUnderline(fontUnderline);
    f.setStrikeOut(fontStrikethru);
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

double Surface::textWidth(const QString& text) const {
    return QFontMetrics(font()).horizontalAdvance(text) * unit();
}

double Surface::textHeight(const QString& text) const {
    const int lines = std::max<int>(1, text.count('\n') + 1);
    return QFontMetrics(font()).height() * lines * unit();
}

void Surface::print(const QString& text) {
    const QFont f = font();
    const QFontMetrics fm(f);
    const int px = toPx(currentX), py = toPx(currentY);
    const int tw = fm.horizontalAdvance(text);
    const int th = fm.height();
    if (!fontTransparent)
        filledBox(px * unit(), py * unit(), (px + tw - 1) * unit(), (py + th - 1) * unit(),
                  backColor);
    if (!text.isEmpty() && tw > 0) {
        // Render into a two-colour mask so that no pixel is blended.
        const int extra = th; // room for italic overhang
        QImage mask(tw + 2 * extra, th, QImage::Format_RGB32);
        mask.fill(Qt::black);
        {
            QPainter p(&mask);
            p.setRenderHint(QPainter::TextAntialiasing, false);
            p.setRenderHint(QPainter::Antialiasing, false);
            p.setFont(f);
            p.setPen(Qt::white);
            p.drawText(extra, fm.ascent(), text);
        }
        const QRgb fc = toQRgb(foreColor);
        for (int y = 0; y < mask.height(); ++y) {
            const QRgb* mrow = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
            const int ty = py + y;
            if (ty < 0 || ty >= img_.height()) continue;
            QRgb* drow = reinterpret_cast<QRgb*>(img_.scanLine(ty));
            for (int x = 0; x < mask.width(); ++x) {
                const int tx = px + x - extra;
                if (tx < 0 || tx >= img_.width()) continue;
                if (qGreen(mrow[x]) >= 128) drow[tx] = fc;
            }
        }
    }
    currentX = 0;
    currentY = (py + th) * unit();
}

} // namespace korv

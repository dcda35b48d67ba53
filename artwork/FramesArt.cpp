// The picture-frame strip Data/Lijsten.bmp: 100 cells of 80 x 80 pixels, 20 to a row.
// Row 1 of a cell, columns 6 to 75, is the frame's profile from the outside in (column i
// is the ring i - 7 pixels inside the canvas edge); a colour with a component of 250 or
// more leaves its ring open. The rest of the cell shows the frame's lower-left corner,
// drawn from the same profile, so that the preview looks like a piece of moulding.
#include "Registry.h"

#include "platform/Files.h"

#include <QColor>
#include <QImage>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int kCell = 80;
constexpr int kRings = 69;                     // insets 0 to 68
constexpr QRgb kOpen = 0xFFFFFFFF;             // white: nothing is painted there
const QRgb kShowThrough = qRgb(205, 225, 255); // the design, seen through the frame

using Profile = std::array<QRgb, kRings>;

// A frame colour: each component kept below 250, so that the ring is painted.
QRgb paint(double r, double g, double b) {
    auto c = [](double v) { return std::clamp(int(std::lround(v)), 0, 249); };
    return qRgb(c(r), c(g), c(b));
}

QRgb shade(const QColor& base, double k) {
    return paint(base.red() * k, base.green() * k, base.blue() * k);
}

// Towards white by t (0..1), still below 250.
QRgb tint(const QColor& base, double k, double t) {
    return paint(base.red() * k * (1 - t) + 249 * t, base.green() * k * (1 - t) + 249 * t,
                 base.blue() * k * (1 - t) + 249 * t);
}

// A repeatable small noise in -1..1.
double noise(int a, int b) {
    unsigned h = unsigned(a) * 374761393u + unsigned(b) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFF) / 32767.5 - 1.0;
}

Profile openProfile() {
    Profile p;
    p.fill(kOpen);
    return p;
}

// Rounded moulding in wood: a dark outer edge, a convex face with grain, a groove and a
// darker inner lip.
Profile wood(const QColor& base, int width, int seed, double grain) {
    Profile p = openProfile();
    for (int d = 0; d < width; ++d) {
        const double t = double(d) / (width - 1);
        double k = 0.78 + 0.32 * std::sin(M_PI * std::min(1.0, t * 1.35));
        if (t > 0.72 && t < 0.8) k *= 0.62; // the groove
        if (t >= 0.8) k *= 0.85 + 0.25 * (1 - t);
        k *= 1 + grain * noise(seed, d / 2) + 0.5 * grain * noise(seed + 7, d);
        if (d == 0 || d == width - 1) k *= 0.45;
        p[d] = shade(base, k);
    }
    return p;
}

// Polished metal: bright ridges and dark hollows in `ridges` bands, with beads in the
// middle band when `beadPeriod` is set.
Profile metal(const QColor& base, int width, int ridges, int beadPeriod) {
    Profile p = openProfile();
    for (int d = 0; d < width; ++d) {
        const double t = double(d) / (width - 1);
        const double wave = std::cos(M_PI * t * ridges);
        double k = 0.62 + 0.38 * wave * wave;
        double white = wave > 0.92 ? 0.45 : 0.0;
        if (beadPeriod > 0 && t > 0.35 && t < 0.65) {
            const double s = std::abs(std::sin(M_PI * d / beadPeriod));
            k = 0.5 + 0.55 * s;
            white = s > 0.9 ? 0.35 : 0.0;
        }
        if (d == 0 || d == width - 1) k *= 0.5, white = 0;
        p[d] = tint(base, k, white);
    }
    return p;
}

// A slim modern frame round a mat: outer band, mat (open when `mat` is invalid), and a
// fine inner line.
Profile modern(const QColor& band, int bandWidth, const QColor& mat, int matWidth,
               const QColor& line) {
    Profile p = openProfile();
    int d = 0;
    for (; d < bandWidth; ++d)
        p[d] = shade(band, (d == 0 ? 0.6 : 1.0) * (d == 1 ? 1.15 : 1.0));
    for (int e = 0; e < matWidth && d < kRings; ++e, ++d)
        p[d] = mat.isValid() ? shade(mat, e == 0 ? 0.82 : 1.0) : kOpen;
    if (d < kRings && line.isValid()) p[d] = shade(line, 1.0);
    return p;
}

// Lacquered wood: one colour with a soft highlight and dark edges.
Profile lacquer(const QColor& base, int width) {
    Profile p = openProfile();
    for (int d = 0; d < width; ++d) {
        const double t = double(d) / (width - 1);
        double k = 0.8 + 0.25 * std::sin(M_PI * t);
        double white = std::abs(t - 0.3) < 0.06 ? 0.35 : 0.0;
        if (d == 0 || d == width - 1) k *= 0.55, white = 0;
        p[d] = tint(base, k, white);
    }
    return p;
}

// Two frames with the design showing between them.
Profile twin(const Profile& outer, int outerWidth, int gap, const Profile& inner, int innerWidth) {
    Profile p = openProfile();
    for (int d = 0; d < outerWidth; ++d)
        p[d] = outer[d];
    for (int d = 0; d < innerWidth && outerWidth + gap + d < kRings; ++d)
        p[outerWidth + gap + d] = inner[d];
    return p;
}

// Behind a frame a mat, and the frame's lip inside it.
Profile withMat(Profile frame, int frameWidth, const QColor& mat, int matWidth, const QColor& lip) {
    for (int e = 0; e < matWidth && frameWidth + e < kRings; ++e)
        frame[frameWidth + e] = shade(mat, e < 2 ? 0.8 : 1.0);
    const int l = frameWidth + matWidth;
    if (l < kRings) frame[l] = shade(lip, 0.9);
    if (l + 1 < kRings) frame[l + 1] = shade(lip, 1.15);
    return frame;
}

std::array<Profile, 100> allFrames() {
    std::array<Profile, 100> f;
    const QColor woods[10] = {{150, 100, 55},  {105, 65, 35}, {170, 120, 70}, {95, 45, 30},
                              {200, 160, 105}, {60, 40, 28},  {135, 80, 45},  {185, 140, 90},
                              {120, 90, 60},   {40, 30, 25}};
    const QColor gold(215, 170, 60), silver(190, 192, 198), bronze(170, 110, 55),
        copper(190, 100, 60), pewter(140, 145, 150);
    const QColor cream(240, 232, 212), ivory(236, 236, 224), grey(200, 200, 200),
        greenMat(170, 190, 160), redMat(150, 50, 45), blueMat(60, 80, 120);
    int n = 0;
    // 0-9: wooden mouldings in ten woods.
    for (int i = 0; i < 10; ++i)
        f[n++] = wood(woods[i], 22 + i * 4, i + 1, 0.06);
    // 10-19: gold, wider and with more ridges.
    for (int i = 0; i < 10; ++i)
        f[n++] = metal(gold, 18 + i * 5, 2 + i % 4, 0);
    // 20-29: silver.
    for (int i = 0; i < 10; ++i)
        f[n++] = metal(silver, 16 + i * 5, 1 + i % 5, 0);
    // 30-39: ornamented gold with a row of beads.
    for (int i = 0; i < 10; ++i)
        f[n++] = metal(gold, 30 + i * 4, 3 + i % 3, 3 + i % 3);
    // 40-49: ornamented bronze, copper and pewter.
    for (int i = 0; i < 10; ++i) {
        const QColor& c = i % 3 == 0 ? bronze : (i % 3 == 1 ? copper : pewter);
        f[n++] = metal(c, 28 + i * 4, 2 + i % 4, 4 + i % 2);
    }
    // 50-59: slim modern frames round a mat.
    const QColor bands[10] = {{20, 20, 20},    {245, 245, 245}, {30, 30, 60}, {120, 20, 20},
                              {200, 200, 205}, {20, 60, 30},    {90, 90, 95}, {160, 120, 40},
                              {20, 20, 20},    {60, 40, 30}};
    const QColor mats[10] = {cream, grey,   ivory,   cream,    greenMat,
                             ivory, redMat, blueMat, QColor(), cream};
    for (int i = 0; i < 10; ++i)
        f[n++] = modern(bands[i], 4 + i % 4 * 2, mats[i], 30 + i * 3, QColor(40, 40, 40));
    // 60-69: lacquered colours.
    const QColor lacquers[10] = {{170, 30, 30},  {30, 60, 140},  {30, 110, 60}, {20, 20, 20},
                                 {210, 180, 40}, {110, 40, 110}, {0, 120, 130}, {200, 90, 30},
                                 {90, 60, 40},   {230, 230, 225}};
    for (int i = 0; i < 10; ++i)
        f[n++] = lacquer(lacquers[i], 14 + i * 5);
    // 70-79: twin frames with the design showing between them.
    for (int i = 0; i < 10; ++i) {
        const Profile outer = i % 2 ? metal(gold, 16, 2, 0) : wood(woods[i], 18, 40 + i, 0.06);
        const Profile inner = i % 3 ? metal(silver, 6, 1, 0) : metal(gold, 6, 1, 0);
        f[n++] = twin(outer, i % 2 ? 16 : 18, 6 + i * 3, inner, 6);
    }
    // 80-89: rough barn wood.
    for (int i = 0; i < 10; ++i)
        f[n++] = wood(woods[(i * 3) % 10], 26 + i * 4, 100 + i, 0.2);
    // 90-99: frames with a mat and a gilded lip.
    for (int i = 0; i < 10; ++i) {
        const int w = 18 + i % 5 * 4;
        const Profile frame = i < 5 ? wood(woods[i * 2], w, 200 + i, 0.06)
                                    : metal(i % 2 ? silver : gold, w, 3, i == 9 ? 3 : 0);
        f[n++] = withMat(frame, w, i % 3 == 0 ? cream : (i % 3 == 1 ? ivory : greenMat), 20 + i * 2,
                         gold);
    }
    return f;
}

QImage paintStrip() {
    QImage img(20 * kCell, 5 * kCell, QImage::Format_RGB32);
    const std::array<Profile, 100> frames = allFrames();
    for (int n = 0; n < 100; ++n) {
        const int cx = (n % 20) * kCell, cy = (n / 20) * kCell;
        const Profile& p = frames[size_t(n)];
        // The lower-left corner of the frame: the canvas's left edge at column 7, its
        // bottom edge at row 76. Rows 0 and 1 cross the left side, so row 1 holds the
        // profile from the outside in.
        for (int y = 0; y < kCell; ++y)
            for (int x = 0; x < kCell; ++x) {
                const int d = std::min(x - 7, 76 - y);
                QRgb c;
                if (d < 0)
                    c = kOpen;
                else if (d >= kRings || p[size_t(d)] == kOpen)
                    c = kShowThrough;
                else
                    c = p[size_t(d)];
                img.setPixel(cx + x, cy + y, c);
            }
    }
    return img;
}

bool paintFramePictures(const QString& programFolder, const QString&) {
    return korv::saveBmp(paintStrip(), programFolder + "/Data/Lijsten.bmp");
}

art::Registrar reg("frames", &paintFramePictures);

} // namespace

#include "TextPath.h"

#include "platform/Surface.h"

#include <cmath>
#include <cstdint>

namespace korv::textpath {

QStringList characters(const QString& text) {
    QStringList out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out << text.mid(i, 2);
            ++i;
        } else {
            out << QString(text[i]);
        }
    }
    return out;
}

namespace {
// The doubled angles were whole-number products; 64 bits keep them from overflowing.
double doubled(int v) {
    return static_cast<double>(static_cast<std::int64_t>(v) * 2);
}
// Start angle and step of the circular layouts, in radians.
double arcStart(int Deg) {
    return (doubled(Deg) * kPi) / 180.0;
}
double arcStep(int Arc, int n) {
    return ((doubled(Arc) / 360.0) * kPi) / n;
}
} // namespace

std::vector<CharPlace> wave(int X, int Y, int Spacing, int Curves, int Amplitude, int n) {
    std::vector<CharPlace> out;
    for (int i = 1; i <= n; ++i) {
        const double w = ((doubled(Curves) / 360.0) * kPi) / n;
        const double x = static_cast<double>(X) + static_cast<double>(i) * Spacing;
        const double y = Y - Amplitude * std::cos(w * i);
        out.push_back({static_cast<float>(x), static_cast<float>(y)});
    }
    return out;
}

std::vector<CharPlace> rotated(int X, int Y, int Deg, int Spacing, int n) {
    std::vector<CharPlace> out;
    const double a = (Deg * kPi) / 180.0;
    for (int i = 1; i <= n; ++i) {
        const double d = static_cast<double>(i) * Spacing;
        out.push_back(
            {static_cast<float>(X + std::cos(a) * d), static_cast<float>(Y + std::sin(a) * d)});
    }
    return out;
}

std::vector<CharPlace> circle(int X, int Y, int Radius, int Deg, int Arc, int n) {
    std::vector<CharPlace> out;
    for (int i = 1; i <= n; ++i) {
        const double a = arcStart(Deg) + arcStep(Arc, n) * i;
        out.push_back({static_cast<float>(Radius * std::sin(a) + X),
                       static_cast<float>(Y - Radius * std::cos(a))});
    }
    return out;
}

std::optional<std::vector<CharPlace>> elliptic(int X, int Y, int Radius, int Deg, int XFact,
                                               int YFact, int Arc, int n) {
    if (XFact < 1 || YFact < 1) return std::nullopt;
    std::vector<CharPlace> out;
    const double sx = std::sqrt(static_cast<double>(XFact));
    const double sy = std::sqrt(static_cast<double>(YFact));
    for (int i = 1; i <= n; ++i) {
        const double a = arcStart(Deg) + arcStep(Arc, n) * i;
        out.push_back({static_cast<float>((Radius * std::sin(a)) / sx + X),
                       static_cast<float>(Y - (Radius * std::cos(a)) / sy)});
    }
    return out;
}

void printAlong(Surface& s, int background, const QStringList& chars,
                const std::vector<CharPlace>& places) {
    s.clear(background);
    const bool transparent = s.fontTransparent;
    s.fontTransparent = true;
    const size_t n = std::min(places.size(), static_cast<size_t>(chars.size()));
    for (size_t i = 0; i < n; ++i) {
        s.currentX = places[i].x;
        s.currentY = places[i].y;
        s.print(chars[static_cast<qsizetype>(i)]);
    }
    s.fontTransparent = transparent;
}

} // namespace korv::textpath

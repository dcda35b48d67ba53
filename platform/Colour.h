#pragma once
// Colours as the program keeps them: one integer red + 256 * green + 65536 * blue.
// Every conversion to and from Qt's colours goes through here.
#include <QColor>
#include <QRgb>

namespace korv {

inline int clampByte(int v) {
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}

// Components above 255 are taken as 255, below 0 as 0.
inline int RGB(int r, int g, int b) {
    return clampByte(r) + 256 * clampByte(g) + 65536 * clampByte(b);
}

inline int redOf(int c) {
    return c & 0xFF;
}
inline int greenOf(int c) {
    return (c >> 8) & 0xFF;
}
inline int blueOf(int c) {
    return (c >> 16) & 0xFF;
}

inline QRgb toQRgb(int c) {
    return qRgb(redOf(c), greenOf(c), blueOf(c));
}
inline int fromQRgb(QRgb p) {
    return RGB(qRed(p), qGreen(p), qBlue(p));
}
inline QColor toQColor(int c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}
inline int fromQColor(const QColor& q) {
    return RGB(q.red(), q.green(), q.blue());
}

constexpr int kWhite = 0xFFFFFF;
constexpr int kBlack = 0;

} // namespace korv

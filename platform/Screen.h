#pragma once
// What the program asks of the screen.
#include <QImage>
#include <QSize>
#include <QStringList>

namespace korv {

QStringList screenFontFamilies(); // installed font families, sorted
QSize screenSizePx();
constexpr int twipsPerPixelX() {
    return 15;
}
constexpr int twipsPerPixelY() {
    return 15;
}
QImage captureScreen(); // the whole primary screen; empty when there is none

} // namespace korv

#pragma once
#include <QImage>

namespace art {

// Picture of drawing button n (0 to 13): at most 66 x 38 on a pure green mask colour.
QImage paintToolButton(int n);
// The logo image of the main window, 188 x 49.
QImage paintLogoImage();
// The exit image of the main window, 80 x 49.
QImage paintExitImage();

} // namespace art

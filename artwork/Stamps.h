#pragma once
#include <QImage>

namespace art {

// The picture behind the canvas of one stamp format: the canvas plus 45 pixels each
// way, a white perforated stamp with a soft shadow, the canvas area from (23, 23).
QImage paintTemplate(int canvasWidth, int canvasHeight);

// Start logo n (1 to 4), 415 x 310: the program's name on a stamp.
QImage paintLogo(int n);

} // namespace art

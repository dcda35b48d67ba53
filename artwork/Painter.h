#pragma once
// Small drawing helpers shared by the artwork painters.
#include <QColor>
#include <QImage>
#include <QString>

namespace art {

// Blends `c` over the pixel (x, y) with opacity a (0..1); outside is ignored.
void blend(QImage& img, int x, int y, const QColor& c, double a);
// A box blur of a grey coverage map (0..255 in the red channel), radius r.
QImage blurMask(const QImage& mask, int r);
// Text centred on (cx, baseline) in the given family, pixel size and colour.
void centredText(QImage& img, const QString& text, int cx, int baseline, const QString& family,
                 int pixelSize, bool bold, const QColor& colour, bool italic = false);
// Writes a JPEG at quality 95; false on failure.
bool writeJpeg(const QImage& img, const QString& path);

} // namespace art

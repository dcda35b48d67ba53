#include "Painter.h"

#include "platform/Files.h"

#include <QFont>
#include <QPainter>
#include <algorithm>
#include <vector>

namespace art {

void blend(QImage& img, int x, int y, const QColor& c, double a) {
    if (x < 0 || y < 0 || x >= img.width() || y >= img.height()) return;
    a = std::clamp(a, 0.0, 1.0);
    const QRgb p = img.pixel(x, y);
    img.setPixel(x, y,
                 qRgb(int(qRed(p) * (1 - a) + c.red() * a + 0.5),
                      int(qGreen(p) * (1 - a) + c.green() * a + 0.5),
                      int(qBlue(p) * (1 - a) + c.blue() * a + 0.5)));
}

QImage blurMask(const QImage& mask, int r) {
    const int w = mask.width(), h = mask.height();
    std::vector<int> a(size_t(w) * h), b(size_t(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            a[size_t(y) * w + x] = qRed(mask.pixel(x, y));
    for (int pass = 0; pass < 2; ++pass) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                int s = 0, n = 0;
                for (int k = -r; k <= r; ++k) {
                    const int xx = x + k;
                    if (xx >= 0 && xx < w) s += a[size_t(y) * w + xx], ++n;
                }
                b[size_t(y) * w + x] = s / std::max(n, 1);
            }
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                int s = 0, n = 0;
                for (int k = -r; k <= r; ++k) {
                    const int yy = y + k;
                    if (yy >= 0 && yy < h) s += b[size_t(yy) * w + x], ++n;
                }
                a[size_t(y) * w + x] = s / std::max(n, 1);
            }
    }
    QImage out(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int v = a[size_t(y) * w + x];
            out.setPixel(x, y, qRgb(v, v, v));
        }
    return out;
}

void centredText(QImage& img, const QString& text, int cx, int baseline, const QString& family,
                 int pixelSize, bool bold, const QColor& colour, bool italic) {
    QPainter p(&img);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setItalic(italic);
    p.setFont(f);
    p.setPen(colour);
    const int w = p.fontMetrics().horizontalAdvance(text);
    p.drawText(cx - w / 2, baseline, text);
}

bool writeJpeg(const QImage& img, const QString& path) {
    return korv::saveJpeg(img, path, 95);
}

} // namespace art

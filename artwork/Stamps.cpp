#include "Stamps.h"

#include "Painter.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace art {

namespace {

const QColor kBackground(235, 235, 240);

// Coverage map (white = paper) of a stamp with round perforation holes along its edge.
QImage perforatedPaper(int w, int h, QRect paper, int holeR, int pitch) {
    QImage m(w, h, QImage::Format_RGB32);
    m.fill(Qt::black);
    QPainter p(&m);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillRect(paper, Qt::white);
    p.setBrush(Qt::black);
    p.setPen(Qt::NoPen);
    auto holesAlong = [&](QPointF a, QPointF b) {
        const double len = std::hypot(b.x() - a.x(), b.y() - a.y());
        const int n = std::max(2, int(std::lround(len / pitch)));
        for (int i = 0; i <= n; ++i) {
            const double t = double(i) / n;
            p.drawEllipse(QPointF(a.x() + t * (b.x() - a.x()), a.y() + t * (b.y() - a.y())), holeR,
                          holeR);
        }
    };
    const QRectF r = QRectF(paper).adjusted(0, 0, 0, 0);
    holesAlong(r.topLeft(), r.topRight());
    holesAlong(r.bottomLeft(), r.bottomRight());
    holesAlong(r.topLeft(), r.bottomLeft());
    holesAlong(r.topRight(), r.bottomRight());
    return m;
}

// Paints paper (from a coverage map) with its shadow over `img`.
void paperWithShadow(QImage& img, const QImage& paperMask, const QColor& paperColour) {
    const QImage shadow = blurMask(paperMask, 3);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const int sx = x - 4, sy = y - 4;
            if (sx >= 0 && sy >= 0)
                blend(img, x, y, QColor(90, 90, 100), qRed(shadow.pixel(sx, sy)) / 255.0 * 0.45);
        }
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const int a = qRed(paperMask.pixel(x, y));
            if (a) blend(img, x, y, paperColour, a / 255.0);
        }
}

} // namespace

QImage paintTemplate(int cw, int ch) {
    const int w = cw + 45, h = ch + 45;
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(kBackground);
    const QRect paper(9, 9, w - 22, h - 22); // 14 pixels of paper around the canvas
    paperWithShadow(img, perforatedPaper(w, h, paper, 5, 14), Qt::white);
    // A hairline around the canvas, as printed stamps have round the picture.
    QPainter p(&img);
    p.setPen(QColor(200, 200, 205));
    p.drawRect(21, 21, cw + 3, ch + 3);
    p.end();
    // The canvas area itself in the canvas's blank colour.
    for (int y = 23; y < 23 + ch; ++y)
        for (int x = 23; x < 23 + cw; ++x)
            img.setPixel(x, y, qRgb(240, 240, 240));
    return img;
}

QImage paintLogo(int n) {
    const int w = 415, h = 310;
    struct Theme {
        QColor sky, ground, ink, accent;
        const char* value;
    };
    const Theme themes[4] = {
        {QColor(120, 170, 220), QColor(40, 90, 150), QColor(255, 255, 255), QColor(250, 200, 60),
         "95"},
        {QColor(230, 140, 90), QColor(160, 50, 40), QColor(255, 250, 235), QColor(255, 225, 120),
         "120"},
        {QColor(140, 200, 150), QColor(30, 110, 70), QColor(255, 255, 255), QColor(240, 240, 170),
         "75"},
        {QColor(190, 160, 220), QColor(80, 50, 130), QColor(255, 255, 255), QColor(255, 205, 230),
         "150"},
    };
    const Theme& t = themes[(n - 1 + 4) % 4];
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(kBackground);
    const QRect paper(14, 14, w - 32, h - 32);
    paperWithShadow(img, perforatedPaper(w, h, paper, 6, 16), QColor(252, 250, 244));

    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRect face = paper.adjusted(16, 16, -16, -16);
    QLinearGradient g(face.topLeft(), face.bottomLeft());
    g.setColorAt(0, t.sky);
    g.setColorAt(1, t.ground);
    p.fillRect(face, g);
    // A motif per logo: sun rays, hills, waves or stars.
    p.setPen(Qt::NoPen);
    const QPointF sun(face.right() - 70, face.top() + 60);
    switch ((n - 1 + 4) % 4) {
    case 0:
        for (int i = 0; i < 16; ++i) {
            QPainterPath ray;
            const double a0 = i * M_PI / 8, a1 = a0 + M_PI / 20;
            ray.moveTo(sun);
            ray.lineTo(sun + QPointF(300 * std::cos(a0), 300 * std::sin(a0)));
            ray.lineTo(sun + QPointF(300 * std::cos(a1), 300 * std::sin(a1)));
            p.fillPath(ray, QColor(255, 255, 255, 40));
        }
        p.setBrush(t.accent);
        p.drawEllipse(sun, 30, 30);
        break;
    case 1:
        p.setBrush(t.accent);
        p.drawEllipse(sun, 26, 26);
        for (int i = 0; i < 3; ++i) {
            QPainterPath hill;
            hill.moveTo(face.left(), face.bottom());
            hill.cubicTo(face.left() + 80 + i * 40, face.bottom() - 120 + i * 30,
                         face.right() - 120 + i * 20, face.bottom() - 40 - i * 10, face.right(),
                         face.bottom() - 60 + i * 25);
            hill.lineTo(face.right(), face.bottom());
            p.fillPath(hill, QColor(0, 0, 0, 40 + 25 * i));
        }
        break;
    case 2:
        for (int i = 0; i < 5; ++i) {
            QPainterPath wave;
            const double y0 = face.bottom() - 20 - i * 22;
            wave.moveTo(face.left(), y0);
            for (int x = face.left(); x <= face.right(); x += 4)
                wave.lineTo(x, y0 + 8 * std::sin((x + i * 30) / 22.0));
            wave.lineTo(face.right(), face.bottom());
            wave.lineTo(face.left(), face.bottom());
            p.fillPath(wave, QColor(255, 255, 255, 28));
        }
        p.setBrush(t.accent);
        p.drawEllipse(sun, 22, 22);
        break;
    default:
        for (int i = 0; i < 40; ++i) {
            const double x = face.left() + std::fmod(i * 97.3, face.width());
            const double y = face.top() + std::fmod(i * 53.7, face.height() * 0.6);
            p.setBrush(QColor(255, 255, 255, 120 + (i * 37) % 130));
            p.drawEllipse(QPointF(x, y), 1.5 + (i % 3), 1.5 + (i % 3));
        }
        p.setBrush(t.accent);
        p.drawEllipse(sun, 24, 24);
        p.setBrush(t.sky.darker(130));
        p.drawEllipse(sun + QPointF(10, -6), 20, 20);
        break;
    }
    // Inner frame line.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 200), 2));
    p.drawRect(face.adjusted(8, 8, -8, -8));
    p.end();

    centredText(img, "Korvamint", face.center().x(), face.center().y() + 2, "DejaVu Serif", 46,
                true, t.ink);
    centredText(img, "Smidrovel", face.center().x(), face.center().y() + 46, "DejaVu Serif", 34,
                false, t.ink, true);
    // Value in the corner and a country line along the bottom, as on a stamp.
    QPainter q(&img);
    q.setRenderHint(QPainter::TextAntialiasing, true);
    QFont f("DejaVu Sans");
    f.setPixelSize(30);
    f.setBold(true);
    q.setFont(f);
    q.setPen(t.accent);
    q.drawText(face.left() + 18, face.top() + 44, t.value);
    QFont s("DejaVu Sans");
    s.setPixelSize(13);
    s.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    q.setFont(s);
    q.setPen(t.ink);
    const QString line = "POSTZEGELONTWERP";
    q.drawText(face.center().x() - q.fontMetrics().horizontalAdvance(line) / 2, face.bottom() - 16,
               line);
    return img;
}

} // namespace art

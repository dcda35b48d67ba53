#include "Buttons.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace art {

namespace {

constexpr QRgb kMask = 0xFF00FF00; // pure green, left out when the button paints

QFont iconFont(int px, bool bold = true) {
    QFont f("DejaVu Sans");
    f.setPixelSize(px);
    f.setBold(bold);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

} // namespace

QImage paintToolButton(int n) {
    QImage img(66, 38, QImage::Format_RGB32);
    img.fill(kMask);
    // Icons are drawn without antialiasing so that no pixel is blended with the mask.
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    const QColor ink(40, 40, 60), red(200, 40, 40), blue(40, 90, 200), yellow(240, 200, 40);
    p.setPen(QPen(ink, 2));
    switch (n) {
    case 0: { // freehand
        QPainterPath path;
        path.moveTo(8, 28);
        for (int x = 8; x <= 58; x += 2)
            path.lineTo(x, 19 + 9 * std::sin((x - 8) / 7.0));
        p.drawPath(path);
        break;
    }
    case 1: // straight line
        p.setPen(QPen(ink, 3));
        p.drawLine(10, 30, 56, 8);
        break;
    case 2: // shapes
        p.setBrush(blue);
        p.drawRect(6, 10, 18, 18);
        p.setBrush(red);
        p.drawEllipse(26, 8, 16, 22);
        p.setBrush(yellow);
        p.drawPolygon(QPolygon({QPoint(46, 30), QPoint(54, 8), QPoint(62, 30)}));
        break;
    case 3: { // flood fill: a tipped bucket with paint
        p.setBrush(QColor(200, 200, 210));
        p.drawPolygon(QPolygon({QPoint(18, 8), QPoint(38, 14), QPoint(32, 32), QPoint(12, 26)}));
        p.setPen(Qt::NoPen);
        p.setBrush(blue);
        p.drawEllipse(38, 22, 18, 10);
        p.drawRect(38, 14, 5, 10);
        break;
    }
    case 4: // eraser
        p.setBrush(QColor(240, 150, 170));
        p.drawPolygon(QPolygon({QPoint(14, 26), QPoint(34, 8), QPoint(52, 16), QPoint(32, 32)}));
        p.setBrush(QColor(240, 240, 240));
        p.drawPolygon(QPolygon({QPoint(14, 26), QPoint(22, 19), QPoint(40, 27), QPoint(32, 32)}));
        break;
    case 5: // selection
        p.setPen(QPen(ink, 2, Qt::DashLine));
        p.drawRect(10, 7, 46, 24);
        break;
    case 6: { // wave text
        p.setFont(iconFont(15));
        const char* t = "Abc";
        for (int i = 0; i < 3; ++i)
            p.drawText(12 + i * 15, 24 + (i == 1 ? -6 : 4), QString(t[i]));
        break;
    }
    case 7: // arrows
        p.setBrush(red);
        p.drawPolygon(QPolygon({QPoint(8, 15), QPoint(38, 15), QPoint(38, 7), QPoint(58, 19),
                                QPoint(38, 31), QPoint(38, 23), QPoint(8, 23)}));
        break;
    case 8: // balloon
        p.setBrush(Qt::white);
        p.drawEllipse(10, 4, 46, 24);
        p.drawPolygon(QPolygon({QPoint(20, 24), QPoint(14, 35), QPoint(28, 27)}));
        break;
    case 9: // postmark
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(6, 5, 28, 28);
        for (int i = 0; i < 4; ++i) {
            QPainterPath w;
            w.moveTo(30, 11 + 6 * i);
            for (int x = 30; x <= 62; x += 2)
                w.lineTo(x, 11 + 6 * i + 2 * std::sin(x / 3.0));
            p.drawPath(w);
        }
        break;
    case 10: // supplement page with stamp boxes
        p.setBrush(Qt::white);
        p.drawRect(20, 3, 26, 32);
        p.setBrush(QColor(220, 220, 220));
        p.drawRect(24, 8, 8, 9);
        p.drawRect(35, 8, 8, 9);
        p.drawRect(24, 21, 19, 9);
        break;
    case 11: // collection: an album
        p.setBrush(QColor(120, 60, 30));
        p.drawRect(14, 5, 38, 28);
        p.setBrush(yellow);
        p.drawRect(24, 11, 18, 14);
        break;
    case 12: // gradient
        for (int x = 0; x < 46; ++x) {
            p.setPen(QColor(250 - x * 4, 200 - x * 2, 40 + x * 4));
            p.drawLine(10 + x, 7, 10 + x, 31);
        }
        p.setPen(QPen(ink, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(9, 6, 47, 26);
        break;
    default: // transparency: overlapping squares, the upper one faded
        p.setBrush(blue);
        p.drawRect(10, 6, 26, 22);
        p.setBrush(QColor(170, 190, 235));
        p.drawRect(28, 12, 26, 22);
        p.setBrush(QColor(120, 150, 220));
        p.drawRect(28, 12, 8, 16);
        break;
    }
    p.end();
    return img;
}

QImage paintLogoImage() {
    QImage img(188, 49, QImage::Format_RGB32);
    img.fill(QColor(235, 235, 240));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient g(0, 0, 0, 49);
    g.setColorAt(0, QColor(60, 110, 170));
    g.setColorAt(1, QColor(25, 55, 100));
    p.setBrush(g);
    p.setPen(QPen(QColor(20, 40, 80), 1));
    p.drawRoundedRect(QRectF(1.5, 1.5, 185, 46), 8, 8);
    // a small perforated stamp at the left
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawRect(8, 8, 30, 33);
    p.setBrush(QColor(45, 85, 140));
    for (int i = 0; i < 5; ++i) {
        p.drawEllipse(QPointF(8, 10 + i * 7.2), 2, 2);
        p.drawEllipse(QPointF(38, 10 + i * 7.2), 2, 2);
    }
    p.setBrush(QColor(250, 200, 60));
    p.drawEllipse(QPointF(23, 24), 8, 8);
    QFont f("DejaVu Serif");
    f.setPixelSize(17);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(46, 22, "Korvamint");
    QFont s("DejaVu Serif");
    s.setPixelSize(14);
    s.setItalic(true);
    p.setFont(s);
    p.setPen(QColor(250, 220, 120));
    p.drawText(60, 40, "Smidrovel");
    return img;
}

QImage paintExitImage() {
    QImage img(80, 49, QImage::Format_RGB32);
    img.fill(QColor(235, 235, 240));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient g(0, 0, 0, 49);
    g.setColorAt(0, QColor(220, 80, 70));
    g.setColorAt(1, QColor(150, 30, 25));
    p.setBrush(g);
    p.setPen(QPen(QColor(110, 20, 15), 1));
    p.drawRoundedRect(QRectF(1.5, 1.5, 77, 46), 8, 8);
    // a power symbol and the word
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(8, 14, 20, 20), 120 * 16, 300 * 16);
    p.drawLine(QPointF(18, 11), QPointF(18, 22));
    QFont f("DejaVu Sans");
    f.setPixelSize(16);
    f.setBold(true);
    p.setFont(f);
    p.drawText(34, 31, "Exit");
    return img;
}

} // namespace art

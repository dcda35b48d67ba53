// The pictures of the insertion windows: the clip-art libraries (five tiles of
// 330 x 360 pixels side by side), the sheet of arrows, flags and pins (rows of four
// 100 x 100 pictures, 20 rows), and the four balloon shapes with their button faces.
//
// Everything is painted without antialiasing on a plain background, so that pasting
// "without background" on the canvas (keyed on the pixel at 2, 2) leaves no fringe.
#include "Registry.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <cmath>
#include <functional>

namespace art {

namespace {

constexpr double kPi = 3.14159265358979;
const QColor kInk(30, 30, 30);
const QColor kPaper(255, 255, 255);

using Tile = std::function<void(QPainter&)>;

// A painter on `img` with a dark outline pen and no antialiasing.
void begin(QPainter& p, QImage& img) {
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void fillWith(QPainter& p, const QColor& c, int penWidth = 3) {
    p.setBrush(c);
    p.setPen(penWidth > 0 ? QPen(kInk, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                          : QPen(Qt::NoPen));
}

QPolygonF star(QPointF c, double outer, double inner, int points, double turn = -kPi / 2) {
    QPolygonF poly;
    for (int i = 0; i < 2 * points; ++i) {
        const double r = (i % 2) ? inner : outer;
        const double a = turn + i * kPi / points;
        poly << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    }
    return poly;
}

// --------------------------------------------------------------- flowers

void stem(QPainter& p, double x, double top, double bottom) {
    p.setPen(QPen(QColor(40, 130, 40), 9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x, top), QPointF(x, bottom));
    fillWith(p, QColor(70, 170, 60));
    QPainterPath leaf;
    leaf.moveTo(x, bottom - 60);
    leaf.quadTo(x + 70, bottom - 120, x + 95, bottom - 90);
    leaf.quadTo(x + 60, bottom - 50, x, bottom - 60);
    p.drawPath(leaf);
    QPainterPath leaf2;
    leaf2.moveTo(x, bottom - 100);
    leaf2.quadTo(x - 70, bottom - 160, x - 90, bottom - 125);
    leaf2.quadTo(x - 55, bottom - 90, x, bottom - 100);
    p.drawPath(leaf2);
}

void tulip(QPainter& p) {
    stem(p, 165, 150, 320);
    fillWith(p, QColor(225, 40, 60));
    QPainterPath cup;
    cup.moveTo(105, 70);
    cup.lineTo(135, 110);
    cup.lineTo(165, 60);
    cup.lineTo(195, 110);
    cup.lineTo(225, 70);
    cup.quadTo(235, 170, 165, 175);
    cup.quadTo(95, 170, 105, 70);
    p.drawPath(cup);
    fillWith(p, QColor(250, 120, 130), 0);
    p.drawEllipse(QPointF(140, 130), 10, 22);
}

void sunflower(QPainter& p) {
    stem(p, 165, 200, 330);
    fillWith(p, QColor(255, 200, 20));
    for (int i = 0; i < 14; ++i) {
        const double a = i * 2 * kPi / 14;
        QTransform t;
        t.translate(165, 130);
        t.rotateRadians(a);
        p.setTransform(t);
        p.drawEllipse(QPointF(62, 0), 32, 14);
    }
    p.resetTransform();
    fillWith(p, QColor(120, 70, 20));
    p.drawEllipse(QPointF(165, 130), 42, 42);
    fillWith(p, QColor(80, 45, 10), 0);
    for (int y = -30; y <= 30; y += 12)
        for (int x = -30; x <= 30; x += 12)
            if (x * x + y * y < 33 * 33) p.drawEllipse(QPointF(165 + x, 130 + y), 3, 3);
}

void daisies(QPainter& p) {
    const struct {
        double x, y, r;
        QColor heart;
    } f[3] = {{100, 150, 48, QColor(250, 200, 30)},
              {220, 110, 55, QColor(250, 170, 20)},
              {200, 240, 40, QColor(240, 210, 40)}};
    p.setPen(QPen(QColor(40, 130, 40), 7, Qt::SolidLine, Qt::RoundCap));
    for (const auto& d : f)
        p.drawLine(QPointF(d.x, d.y), QPointF(165, 335));
    for (const auto& d : f) {
        fillWith(p, kPaper, 2);
        for (int i = 0; i < 12; ++i) {
            QTransform t;
            t.translate(d.x, d.y);
            t.rotateRadians(i * kPi / 6);
            p.setTransform(t);
            p.drawEllipse(QPointF(d.r * 0.6, 0), d.r * 0.45, d.r * 0.16);
        }
        p.resetTransform();
        fillWith(p, d.heart);
        p.drawEllipse(QPointF(d.x, d.y), d.r * 0.3, d.r * 0.3);
    }
}

void rose(QPainter& p) {
    stem(p, 165, 170, 330);
    fillWith(p, QColor(200, 20, 70));
    p.drawEllipse(QPointF(165, 120), 75, 65);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 0, 40), 4));
    for (int i = 0; i < 4; ++i)
        p.drawArc(QRectF(165 - 15 - 14 * i, 120 - 12 - 12 * i, 30 + 28 * i, 24 + 24 * i),
                  (40 + 70 * i) * 16, 250 * 16);
}

void pottedFlower(QPainter& p) {
    p.setPen(QPen(QColor(40, 130, 40), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(165, 120), QPointF(165, 240));
    fillWith(p, QColor(150, 80, 210));
    for (int i = 0; i < 5; ++i) {
        const double a = -kPi / 2 + i * 2 * kPi / 5;
        p.drawEllipse(QPointF(165 + 38 * std::cos(a), 110 + 38 * std::sin(a)), 30, 30);
    }
    fillWith(p, QColor(255, 230, 60));
    p.drawEllipse(QPointF(165, 110), 22, 22);
    fillWith(p, QColor(200, 100, 50));
    QPolygonF pot;
    pot << QPointF(95, 240) << QPointF(235, 240) << QPointF(210, 335) << QPointF(120, 335);
    p.drawPolygon(pot);
    fillWith(p, QColor(220, 125, 70));
    p.drawRect(QRectF(85, 225, 160, 28));
}

// --------------------------------------------------------------- animals

void cat(QPainter& p) {
    fillWith(p, QColor(240, 150, 50));
    p.drawEllipse(QPointF(165, 265), 85, 70); // body
    QPolygonF ears;
    fillWith(p, QColor(240, 150, 50));
    QPolygonF l, r;
    l << QPointF(95, 110) << QPointF(105, 35) << QPointF(150, 85);
    r << QPointF(235, 110) << QPointF(225, 35) << QPointF(180, 85);
    p.drawPolygon(l);
    p.drawPolygon(r);
    p.drawEllipse(QPointF(165, 135), 80, 68); // head
    fillWith(p, QColor(90, 170, 80));
    p.drawEllipse(QPointF(135, 125), 14, 17);
    p.drawEllipse(QPointF(195, 125), 14, 17);
    fillWith(p, kInk, 0);
    p.drawEllipse(QPointF(135, 125), 4, 12);
    p.drawEllipse(QPointF(195, 125), 4, 12);
    fillWith(p, QColor(240, 110, 140), 2);
    QPolygonF nose;
    nose << QPointF(155, 150) << QPointF(175, 150) << QPointF(165, 162);
    p.drawPolygon(nose);
    p.setPen(QPen(kInk, 2));
    for (int k = -1; k <= 1; ++k) {
        p.drawLine(QPointF(145, 160 + 6 * k), QPointF(90, 152 + 14 * k));
        p.drawLine(QPointF(185, 160 + 6 * k), QPointF(240, 152 + 14 * k));
    }
    p.setPen(QPen(kInk, 10, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(215, 230, 90, 100), -60 * 16, 150 * 16); // tail
}

void fish(QPainter& p) {
    fillWith(p, QColor(30, 150, 230));
    QPolygonF tail;
    tail << QPointF(225, 180) << QPointF(305, 115) << QPointF(295, 245);
    p.drawPolygon(tail);
    fillWith(p, QColor(255, 140, 20));
    p.drawEllipse(QPointF(150, 180), 110, 68);
    fillWith(p, QColor(255, 210, 60), 2);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(130 + 40 * i, 180), 12, 40);
    fillWith(p, kPaper);
    p.drawEllipse(QPointF(85, 160), 16, 16);
    fillWith(p, kInk, 0);
    p.drawEllipse(QPointF(82, 160), 7, 7);
    fillWith(p, QColor(120, 200, 250), 2);
    p.drawEllipse(QPointF(60, 80), 10, 10);
    p.drawEllipse(QPointF(80, 50), 14, 14);
    p.drawEllipse(QPointF(55, 25), 8, 8);
}

void bird(QPainter& p) {
    p.setPen(QPen(QColor(110, 70, 30), 10, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(30, 290), QPointF(300, 290)); // branch
    p.setPen(QPen(QColor(230, 140, 20), 4));
    p.drawLine(QPointF(150, 255), QPointF(145, 290));
    p.drawLine(QPointF(180, 255), QPointF(185, 290));
    fillWith(p, QColor(40, 90, 200));
    QPolygonF tail;
    tail << QPointF(220, 190) << QPointF(300, 170) << QPointF(290, 215);
    p.drawPolygon(tail);
    p.drawEllipse(QPointF(165, 200), 75, 60);
    p.drawEllipse(QPointF(110, 125), 48, 45);
    fillWith(p, QColor(230, 60, 40));
    p.drawEllipse(QPointF(160, 215), 45, 38); // breast
    fillWith(p, QColor(70, 130, 230));
    QPainterPath wing;
    wing.moveTo(150, 180);
    wing.quadTo(230, 150, 245, 215);
    wing.quadTo(190, 240, 150, 180);
    p.drawPath(wing);
    fillWith(p, QColor(250, 190, 30));
    QPolygonF beak;
    beak << QPointF(62, 118) << QPointF(25, 132) << QPointF(64, 142);
    p.drawPolygon(beak);
    fillWith(p, kPaper, 2);
    p.drawEllipse(QPointF(98, 115), 11, 11);
    fillWith(p, kInk, 0);
    p.drawEllipse(QPointF(96, 115), 5, 5);
}

void ladybird(QPainter& p) {
    fillWith(p, QColor(90, 180, 70));
    QPainterPath leaf;
    leaf.moveTo(30, 330);
    leaf.quadTo(40, 60, 300, 30);
    leaf.quadTo(290, 300, 30, 330);
    p.drawPath(leaf);
    fillWith(p, kInk);
    p.drawEllipse(QPointF(165, 105), 40, 34); // head
    p.setPen(QPen(kInk, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(150, 80), QPointF(125, 45));
    p.drawLine(QPointF(180, 80), QPointF(205, 45));
    fillWith(p, QColor(220, 30, 30));
    p.drawEllipse(QPointF(165, 200), 90, 100);
    p.setPen(QPen(kInk, 4));
    p.drawLine(QPointF(165, 100), QPointF(165, 300));
    fillWith(p, kInk, 0);
    const QPointF spots[] = {{125, 160}, {205, 160}, {115, 225}, {215, 225},
                             {140, 275}, {190, 275}, {165, 120}};
    for (const QPointF& s : spots)
        p.drawEllipse(s, 16, 16);
    fillWith(p, kPaper, 0);
    p.drawEllipse(QPointF(150, 95), 6, 6);
    p.drawEllipse(QPointF(180, 95), 6, 6);
}

void snail(QPainter& p) {
    fillWith(p, QColor(200, 190, 120));
    QPainterPath body;
    body.moveTo(30, 300);
    body.lineTo(290, 300);
    body.quadTo(300, 250, 265, 240);
    body.lineTo(265, 170);
    body.quadTo(240, 160, 235, 240);
    body.lineTo(60, 270);
    body.quadTo(30, 280, 30, 300);
    p.drawPath(body);
    p.setPen(QPen(kInk, 3));
    p.drawLine(QPointF(255, 175), QPointF(245, 120));
    p.drawLine(QPointF(270, 175), QPointF(290, 125));
    fillWith(p, kInk, 0);
    p.drawEllipse(QPointF(245, 118), 6, 6);
    p.drawEllipse(QPointF(290, 123), 6, 6);
    fillWith(p, QColor(180, 90, 40));
    p.drawEllipse(QPointF(145, 195), 95, 90);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(110, 50, 20), 6));
    QPainterPath spiral;
    for (int i = 0; i <= 80; ++i) {
        const double a = i * 0.16, r = 6 + i * 1.0;
        const QPointF q(145 + r * std::cos(a), 195 + r * std::sin(a));
        if (i == 0)
            spiral.moveTo(q);
        else
            spiral.lineTo(q);
    }
    p.drawPath(spiral);
}

// --------------------------------------------------------------- transport

void wheel(QPainter& p, double x, double y, double r) {
    fillWith(p, QColor(40, 40, 40));
    p.drawEllipse(QPointF(x, y), r, r);
    fillWith(p, QColor(190, 190, 200));
    p.drawEllipse(QPointF(x, y), r * 0.45, r * 0.45);
}

void car(QPainter& p) {
    fillWith(p, QColor(220, 30, 30));
    QPainterPath body;
    body.moveTo(25, 250);
    body.lineTo(25, 195);
    body.lineTo(85, 185);
    body.lineTo(120, 130);
    body.lineTo(235, 130);
    body.lineTo(275, 185);
    body.lineTo(305, 195);
    body.lineTo(305, 250);
    body.closeSubpath();
    p.drawPath(body);
    fillWith(p, QColor(170, 220, 250));
    QPolygonF w1, w2;
    w1 << QPointF(100, 185) << QPointF(128, 143) << QPointF(170, 143) << QPointF(170, 185);
    w2 << QPointF(185, 185) << QPointF(185, 143) << QPointF(228, 143) << QPointF(258, 185);
    p.drawPolygon(w1);
    p.drawPolygon(w2);
    fillWith(p, QColor(255, 230, 90), 2);
    p.drawRect(QRectF(290, 205, 14, 14));
    wheel(p, 90, 252, 34);
    wheel(p, 240, 252, 34);
}

void train(QPainter& p) {
    p.setPen(QPen(kInk, 5));
    p.drawLine(QPointF(10, 300), QPointF(320, 300)); // rail
    fillWith(p, QColor(30, 120, 60));
    p.drawRect(QRectF(40, 160, 190, 110)); // boiler
    p.drawRect(QRectF(200, 90, 95, 180));  // cab
    fillWith(p, QColor(170, 220, 250));
    p.drawRect(QRectF(220, 110, 55, 50));
    fillWith(p, QColor(40, 40, 40));
    p.drawRect(QRectF(70, 105, 34, 55)); // chimney
    fillWith(p, QColor(220, 220, 230), 2);
    p.drawEllipse(QPointF(95, 75), 24, 18);
    p.drawEllipse(QPointF(130, 45), 30, 22);
    p.drawEllipse(QPointF(175, 25), 22, 15);
    fillWith(p, QColor(230, 190, 30), 2);
    p.drawRect(QRectF(40, 255, 255, 12));
    wheel(p, 80, 272, 26);
    wheel(p, 150, 272, 26);
    wheel(p, 250, 265, 33);
}

void sailboat(QPainter& p) {
    fillWith(p, QColor(40, 110, 210), 0);
    p.drawRect(QRectF(10, 280, 310, 60)); // water
    p.setPen(QPen(kPaper, 3));
    for (int x = 20; x < 320; x += 40)
        p.drawArc(QRectF(x, 290, 30, 16), 0, 180 * 16);
    fillWith(p, QColor(150, 80, 30));
    QPolygonF hull;
    hull << QPointF(40, 240) << QPointF(290, 240) << QPointF(250, 295) << QPointF(80, 295);
    p.drawPolygon(hull);
    p.setPen(QPen(kInk, 5));
    p.drawLine(QPointF(165, 240), QPointF(165, 25));
    fillWith(p, kPaper);
    QPolygonF sail1, sail2;
    sail1 << QPointF(172, 35) << QPointF(172, 225) << QPointF(285, 225);
    sail2 << QPointF(158, 60) << QPointF(158, 225) << QPointF(70, 225);
    p.drawPolygon(sail1);
    fillWith(p, QColor(240, 200, 40));
    p.drawPolygon(sail2);
    fillWith(p, QColor(220, 30, 30), 2);
    QPolygonF pennant;
    pennant << QPointF(165, 25) << QPointF(205, 35) << QPointF(165, 45);
    p.drawPolygon(pennant);
}

void airplane(QPainter& p) {
    fillWith(p, QColor(200, 200, 210));
    QPolygonF wing, tail;
    wing << QPointF(150, 150) << QPointF(110, 45) << QPointF(140, 45) << QPointF(210, 160)
         << QPointF(210, 200) << QPointF(140, 315) << QPointF(110, 315) << QPointF(150, 210);
    p.drawPolygon(wing);
    tail << QPointF(55, 170) << QPointF(30, 120) << QPointF(50, 120) << QPointF(85, 170)
         << QPointF(85, 190) << QPointF(50, 240) << QPointF(30, 240) << QPointF(55, 190);
    p.drawPolygon(tail);
    fillWith(p, QColor(240, 240, 250));
    QPainterPath body;
    body.moveTo(30, 170);
    body.lineTo(270, 165);
    body.quadTo(315, 180, 270, 195);
    body.lineTo(30, 190);
    body.closeSubpath();
    p.drawPath(body);
    fillWith(p, QColor(30, 90, 200), 0);
    p.drawRect(QRectF(40, 176, 225, 6));
    fillWith(p, QColor(170, 220, 250), 2);
    p.drawEllipse(QPointF(275, 175), 10, 6);
}

void bicycle(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 8));
    p.drawEllipse(QPointF(80, 240), 60, 60);
    p.drawEllipse(QPointF(250, 240), 60, 60);
    p.setPen(QPen(QColor(30, 150, 200), 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPolygonF frame;
    frame << QPointF(80, 240) << QPointF(150, 240) << QPointF(120, 150) << QPointF(230, 150)
          << QPointF(150, 240);
    p.drawPolyline(frame);
    p.drawLine(QPointF(230, 150), QPointF(250, 240));
    p.drawLine(QPointF(120, 150), QPointF(80, 240));
    p.drawLine(QPointF(230, 150), QPointF(222, 110));
    p.setPen(QPen(kInk, 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(205, 105), QPointF(245, 100)); // handlebar
    p.drawLine(QPointF(95, 135), QPointF(140, 135));  // saddle
    p.setPen(QPen(kInk, 4));
    p.drawLine(QPointF(118, 150), QPointF(115, 135));
    fillWith(p, QColor(230, 180, 30), 2);
    p.drawEllipse(QPointF(150, 240), 12, 12);
}

// --------------------------------------------------------------- buildings

void house(QPainter& p) {
    fillWith(p, QColor(60, 170, 60), 0);
    p.drawRect(QRectF(15, 310, 300, 30));
    fillWith(p, QColor(230, 120, 70));
    p.drawRect(QRectF(60, 160, 210, 150));
    fillWith(p, QColor(160, 40, 40));
    QPolygonF roof;
    roof << QPointF(40, 165) << QPointF(165, 55) << QPointF(290, 165);
    p.drawPolygon(roof);
    p.drawRect(QRectF(215, 70, 30, 60)); // chimney
    fillWith(p, QColor(110, 60, 30));
    p.drawRect(QRectF(145, 230, 42, 80));
    fillWith(p, QColor(170, 220, 250));
    p.drawRect(QRectF(80, 190, 45, 40));
    p.drawRect(QRectF(205, 190, 45, 40));
    p.setPen(QPen(kInk, 2));
    p.drawLine(QPointF(102, 190), QPointF(102, 230));
    p.drawLine(QPointF(227, 190), QPointF(227, 230));
}

void windmill(QPainter& p) {
    fillWith(p, QColor(60, 170, 60), 0);
    p.drawRect(QRectF(15, 320, 300, 25));
    fillWith(p, QColor(120, 120, 130));
    QPolygonF tower;
    tower << QPointF(125, 130) << QPointF(205, 130) << QPointF(235, 320) << QPointF(95, 320);
    p.drawPolygon(tower);
    fillWith(p, QColor(60, 60, 70));
    QPolygonF cap;
    cap << QPointF(115, 135) << QPointF(165, 90) << QPointF(215, 135);
    p.drawPolygon(cap);
    fillWith(p, QColor(110, 60, 30));
    p.drawRect(QRectF(150, 270, 30, 50));
    // Four sails, turned a little.
    for (int i = 0; i < 4; ++i) {
        QTransform t;
        t.translate(165, 130);
        t.rotate(20 + 90 * i);
        p.setTransform(t);
        fillWith(p, QColor(245, 245, 235), 2);
        p.drawRect(QRectF(8, -14, 105, 28));
        p.setPen(QPen(QColor(150, 90, 40), 2));
        for (int k = 30; k < 110; k += 20)
            p.drawLine(QPointF(k, -14), QPointF(k, 14));
        p.setPen(QPen(QColor(110, 60, 30), 5));
        p.drawLine(QPointF(0, 0), QPointF(115, 0));
    }
    p.resetTransform();
    fillWith(p, QColor(200, 40, 40));
    p.drawEllipse(QPointF(165, 130), 9, 9);
}

void church(QPainter& p) {
    fillWith(p, QColor(200, 180, 150));
    p.drawRect(QRectF(30, 190, 170, 140)); // nave
    fillWith(p, QColor(110, 50, 40));
    QPolygonF roof;
    roof << QPointF(20, 195) << QPointF(115, 125) << QPointF(210, 195);
    p.drawPolygon(roof);
    fillWith(p, QColor(210, 190, 160));
    p.drawRect(QRectF(200, 120, 80, 210)); // tower
    fillWith(p, QColor(60, 90, 160));
    QPolygonF spire;
    spire << QPointF(190, 125) << QPointF(240, 25) << QPointF(290, 125);
    p.drawPolygon(spire);
    p.setPen(QPen(QColor(210, 170, 30), 4));
    p.drawLine(QPointF(240, 25), QPointF(240, 5));
    p.drawLine(QPointF(231, 13), QPointF(249, 13));
    fillWith(p, kPaper);
    p.drawEllipse(QPointF(240, 165), 22, 22);
    p.setPen(QPen(kInk, 3));
    p.drawLine(QPointF(240, 165), QPointF(240, 150));
    p.drawLine(QPointF(240, 165), QPointF(252, 168));
    fillWith(p, QColor(110, 60, 30));
    QPainterPath door;
    door.moveTo(220, 330);
    door.lineTo(220, 270);
    door.arcTo(QRectF(220, 250, 40, 40), 180, -180);
    door.lineTo(260, 330);
    door.closeSubpath();
    p.drawPath(door);
    fillWith(p, QColor(100, 170, 230));
    for (int i = 0; i < 3; ++i) {
        QPainterPath w;
        w.moveTo(50 + 50 * i, 290);
        w.lineTo(50 + 50 * i, 240);
        w.arcTo(QRectF(50 + 50 * i, 225, 30, 30), 180, -180);
        w.lineTo(80 + 50 * i, 290);
        w.closeSubpath();
        p.drawPath(w);
    }
}

void lighthouse(QPainter& p) {
    fillWith(p, QColor(40, 110, 210), 0);
    p.drawRect(QRectF(10, 300, 310, 45));
    fillWith(p, QColor(130, 120, 110));
    p.drawEllipse(QRectF(60, 280, 210, 50)); // rocks
    // Rays from the lamp.
    fillWith(p, QColor(255, 240, 120), 0);
    QPolygonF rayL, rayR;
    rayL << QPointF(150, 80) << QPointF(15, 40) << QPointF(15, 110);
    rayR << QPointF(180, 80) << QPointF(315, 40) << QPointF(315, 110);
    p.drawPolygon(rayL);
    p.drawPolygon(rayR);
    // The tower in red and white bands.
    QPolygonF tower;
    tower << QPointF(135, 105) << QPointF(195, 105) << QPointF(220, 300) << QPointF(110, 300);
    fillWith(p, kPaper);
    p.drawPolygon(tower);
    p.setClipRegion(QRegion(tower.toPolygon()));
    fillWith(p, QColor(220, 30, 30), 0);
    for (int y = 105; y < 300; y += 80)
        p.drawRect(QRectF(100, y, 130, 40));
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 3));
    p.drawPolygon(tower);
    fillWith(p, QColor(255, 220, 60));
    p.drawRect(QRectF(140, 60, 50, 45));
    fillWith(p, QColor(40, 40, 40));
    QPolygonF top;
    top << QPointF(130, 62) << QPointF(165, 25) << QPointF(200, 62);
    p.drawPolygon(top);
    p.drawRect(QRectF(125, 100, 80, 10));
}

void castle(QPainter& p) {
    fillWith(p, QColor(60, 170, 60), 0);
    p.drawRect(QRectF(15, 320, 300, 25));
    fillWith(p, QColor(170, 170, 180));
    p.drawRect(QRectF(70, 170, 190, 150)); // wall
    for (int i = 0; i < 5; ++i)
        p.drawRect(QRectF(70 + 40 * i, 150, 25, 22));
    p.drawRect(QRectF(25, 120, 60, 200)); // towers
    p.drawRect(QRectF(245, 120, 60, 200));
    fillWith(p, QColor(60, 60, 160));
    QPolygonF r1, r2;
    r1 << QPointF(17, 125) << QPointF(55, 45) << QPointF(93, 125);
    r2 << QPointF(237, 125) << QPointF(275, 45) << QPointF(313, 125);
    p.drawPolygon(r1);
    p.drawPolygon(r2);
    p.setPen(QPen(kInk, 3));
    p.drawLine(QPointF(55, 45), QPointF(55, 15));
    p.drawLine(QPointF(275, 45), QPointF(275, 15));
    fillWith(p, QColor(240, 200, 30), 2);
    QPolygonF f1, f2;
    f1 << QPointF(55, 15) << QPointF(85, 23) << QPointF(55, 31);
    f2 << QPointF(275, 15) << QPointF(305, 23) << QPointF(275, 31);
    p.drawPolygon(f1);
    p.drawPolygon(f2);
    fillWith(p, QColor(90, 50, 25));
    QPainterPath gate;
    gate.moveTo(135, 320);
    gate.lineTo(135, 250);
    gate.arcTo(QRectF(135, 220, 60, 60), 180, -180);
    gate.lineTo(195, 320);
    gate.closeSubpath();
    p.drawPath(gate);
    fillWith(p, kInk, 0);
    p.drawRect(QRectF(48, 170, 14, 30));
    p.drawRect(QRectF(268, 170, 14, 30));
}

// --------------------------------------------------------------- sky

void sun(QPainter& p) {
    fillWith(p, QColor(255, 160, 20));
    p.drawPolygon(star(QPointF(165, 180), 150, 100, 16));
    fillWith(p, QColor(255, 220, 40));
    p.drawEllipse(QPointF(165, 180), 90, 90);
    fillWith(p, kInk, 0);
    p.drawEllipse(QPointF(135, 160), 9, 12);
    p.drawEllipse(QPointF(195, 160), 9, 12);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(120, 160, 90, 60), -20 * 16, -140 * 16);
}

void moon(QPainter& p) {
    fillWith(p, QColor(250, 220, 80));
    QPainterPath crescent, cut;
    crescent.addEllipse(QPointF(150, 180), 120, 120);
    cut.addEllipse(QPointF(215, 150), 105, 105);
    p.drawPath(crescent.subtracted(cut));
    fillWith(p, QColor(255, 240, 150), 2);
    p.drawPolygon(star(QPointF(250, 280), 28, 11, 5));
    p.drawPolygon(star(QPointF(285, 80), 18, 7, 5));
}

void stars(QPainter& p) {
    const struct {
        double x, y, r;
        QColor c;
    } s[] = {{165, 170, 110, QColor(250, 200, 20)},
             {60, 60, 40, QColor(240, 80, 160)},
             {270, 70, 45, QColor(60, 160, 240)},
             {70, 295, 45, QColor(90, 200, 90)},
             {265, 295, 38, QColor(240, 120, 40)}};
    for (const auto& st : s) {
        fillWith(p, st.c);
        p.drawPolygon(star(QPointF(st.x, st.y), st.r, st.r * 0.42, 5));
    }
}

void rainbow(QPainter& p) {
    const QColor bands[] = {QColor(230, 40, 40), QColor(250, 140, 30), QColor(250, 220, 40),
                            QColor(60, 180, 70), QColor(40, 120, 220), QColor(120, 60, 190)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        p.setBrush(bands[i]);
        const double r = 150 - 18 * i;
        p.drawPie(QRectF(165 - r, 250 - r, 2 * r, 2 * r), 0, 180 * 16);
    }
    p.setBrush(kPaper);
    p.drawPie(QRectF(165 - 42, 250 - 42, 84, 84), 0, 180 * 16);
    fillWith(p, QColor(235, 240, 250));
    for (const QPointF c :
         {QPointF(40, 255), QPointF(75, 240), QPointF(255, 255), QPointF(290, 240)})
        p.drawEllipse(c, 35, 28);
    fillWith(p, QColor(235, 240, 250), 0);
    p.drawRect(QRectF(10, 250, 110, 30));
    p.drawRect(QRectF(215, 250, 110, 30));
}

void cloudAndDrops(QPainter& p) {
    fillWith(p, QColor(150, 160, 180));
    for (const QPointF c :
         {QPointF(95, 150), QPointF(165, 110), QPointF(235, 150), QPointF(165, 165)})
        p.drawEllipse(c, 70, 55);
    fillWith(p, QColor(150, 160, 180), 0);
    p.drawEllipse(QPointF(165, 150), 90, 45);
    fillWith(p, QColor(40, 130, 230));
    for (int i = 0; i < 5; ++i) {
        const double x = 80 + 42 * i, y = 250 + (i % 2) * 35;
        QPainterPath drop;
        drop.moveTo(x, y - 30);
        drop.quadTo(x + 18, y, x, y + 10);
        drop.quadTo(x - 18, y, x, y - 30);
        p.drawPath(drop);
    }
    fillWith(p, QColor(255, 220, 30));
    QPolygonF bolt;
    bolt << QPointF(175, 190) << QPointF(145, 260) << QPointF(170, 260) << QPointF(150, 335)
         << QPointF(205, 240) << QPointF(178, 240) << QPointF(200, 190);
    p.drawPolygon(bolt);
}

// A library: five tiles of 330 x 360 on white, each drawing kept clear of the edges.
QImage library(const std::vector<Tile>& tiles) {
    QImage img(1650, 360, QImage::Format_RGB32);
    img.fill(kPaper);
    for (size_t k = 0; k < tiles.size() && k < 5; ++k) {
        QImage tile(330, 360, QImage::Format_RGB32);
        tile.fill(kPaper);
        QPainter p;
        begin(p, tile);
        tiles[k](p);
        p.end();
        QPainter q(&img);
        q.drawImage(int(330 * k), 0, tile);
    }
    return img;
}

// --------------------------------------------------------------- arrow sheet

enum class Dir { Right, Down, Left, Up };

QTransform toward(Dir d) {
    QTransform t;
    t.translate(50, 50);
    t.rotate(90.0 * static_cast<int>(d));
    t.translate(-50, -50);
    return t;
}

// Arrows are drawn pointing right in a 100 x 100 cell, then turned.
void blockArrow(QPainter& p, const QColor& c) {
    fillWith(p, c, 2);
    QPolygonF a;
    a << QPointF(10, 38) << QPointF(55, 38) << QPointF(55, 15) << QPointF(90, 50) << QPointF(55, 85)
      << QPointF(55, 62) << QPointF(10, 62);
    p.drawPolygon(a);
}
void thinArrow(QPainter& p, const QColor& c) {
    p.setPen(QPen(c, 7, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(12, 50), QPointF(70, 50));
    fillWith(p, c, 0);
    QPolygonF head;
    head << QPointF(90, 50) << QPointF(62, 32) << QPointF(62, 68);
    p.drawPolygon(head);
}
void doubleArrow(QPainter& p, const QColor& c) {
    fillWith(p, c, 2);
    QPolygonF a;
    a << QPointF(8, 50) << QPointF(30, 25) << QPointF(30, 40) << QPointF(70, 40) << QPointF(70, 25)
      << QPointF(92, 50) << QPointF(70, 75) << QPointF(70, 60) << QPointF(30, 60)
      << QPointF(30, 75);
    p.drawPolygon(a);
}
void curvedArrow(QPainter& p, const QColor& c) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c, 9, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(QRectF(15, 30, 60, 60), 180 * 16, -150 * 16);
    fillWith(p, c, 0);
    QPolygonF head;
    head << QPointF(92, 66) << QPointF(60, 62) << QPointF(80, 38);
    p.drawPolygon(head);
}
void chevrons(QPainter& p, const QColor& c) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c, 10, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    for (int i = 0; i < 3; ++i) {
        QPolygonF v;
        v << QPointF(15 + 25 * i, 22) << QPointF(40 + 25 * i, 50) << QPointF(15 + 25 * i, 78);
        p.drawPolyline(v);
    }
}
void outlineArrow(QPainter& p, const QColor& c) {
    p.setBrush(kPaper);
    p.setPen(QPen(c, 5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    QPolygonF a;
    a << QPointF(12, 36) << QPointF(52, 36) << QPointF(52, 16) << QPointF(88, 50) << QPointF(52, 84)
      << QPointF(52, 64) << QPointF(12, 64);
    p.drawPolygon(a);
}
void shadedArrow(QPainter& p, const QColor& c) {
    fillWith(p, c.darker(180), 0);
    QPolygonF a;
    a << QPointF(10, 38) << QPointF(55, 38) << QPointF(55, 15) << QPointF(90, 50) << QPointF(55, 85)
      << QPointF(55, 62) << QPointF(10, 62);
    p.drawPolygon(a.translated(5, 5));
    fillWith(p, c, 2);
    p.drawPolygon(a);
    fillWith(p, c.lighter(150), 0);
    p.drawRect(QRectF(14, 42, 40, 6));
}
void roundArrow(QPainter& p, const QColor& c) {
    fillWith(p, c, 2);
    p.drawEllipse(QPointF(50, 50), 42, 42);
    fillWith(p, kPaper, 0);
    QPolygonF a;
    a << QPointF(22, 43) << QPointF(52, 43) << QPointF(52, 27) << QPointF(78, 50) << QPointF(52, 73)
      << QPointF(52, 57) << QPointF(22, 57);
    p.drawPolygon(a);
}

// Flags on a pole; `paintCloth` fills the 60 x 40 cloth at (30, 15).
void flagOnPole(QPainter& p, const std::function<void(QPainter&, QRectF)>& paintCloth) {
    p.setPen(QPen(QColor(90, 70, 50), 4));
    p.drawLine(QPointF(27, 12), QPointF(27, 92));
    fillWith(p, QColor(210, 170, 40), 1);
    p.drawEllipse(QPointF(27, 10), 4, 4);
    const QRectF cloth(30, 15, 60, 40);
    paintCloth(p, cloth);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 1));
    p.drawRect(cloth);
}
auto stripes(std::vector<QColor> cs, bool vertical) {
    return [cs, vertical](QPainter& p, QRectF r) {
        p.setPen(Qt::NoPen);
        const int n = int(cs.size());
        for (int i = 0; i < n; ++i) {
            p.setBrush(cs[i]);
            if (vertical)
                p.drawRect(
                    QRectF(r.left() + r.width() * i / n, r.top(), r.width() / n, r.height()));
            else
                p.drawRect(
                    QRectF(r.left(), r.top() + r.height() * i / n, r.width(), r.height() / n));
        }
    };
}
auto crossFlag(QColor field, QColor cross, QColor inner) {
    return [=](QPainter& p, QRectF r) {
        p.setPen(Qt::NoPen);
        p.setBrush(field);
        p.drawRect(r);
        p.setBrush(cross);
        p.drawRect(QRectF(r.left() + 16, r.top(), 12, r.height()));
        p.drawRect(QRectF(r.left(), r.top() + 14, r.width(), 12));
        if (inner != cross) {
            p.setBrush(inner);
            p.drawRect(QRectF(r.left() + 19, r.top(), 6, r.height()));
            p.drawRect(QRectF(r.left(), r.top() + 17, r.width(), 6));
        }
    };
}
auto chequered(QColor a, QColor b) {
    return [=](QPainter& p, QRectF r) {
        p.setPen(Qt::NoPen);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 6; ++x) {
                p.setBrush(((x + y) % 2) ? b : a);
                p.drawRect(QRectF(r.left() + 10 * x, r.top() + 10 * y, 10, 10));
            }
    };
}
auto starFlag(QColor field, QColor starColour) {
    return [=](QPainter& p, QRectF r) {
        p.setPen(Qt::NoPen);
        p.setBrush(field);
        p.drawRect(r);
        p.setBrush(starColour);
        p.drawPolygon(star(r.center(), 15, 6, 5));
    };
}
auto circleFlag(QColor field, QColor disc) {
    return [=](QPainter& p, QRectF r) {
        p.setPen(Qt::NoPen);
        p.setBrush(field);
        p.drawRect(r);
        p.setBrush(disc);
        p.drawEllipse(r.center(), 12, 12);
    };
}
void pennant(QPainter& p, const QColor& c) {
    p.setPen(QPen(QColor(90, 70, 50), 4));
    p.drawLine(QPointF(27, 12), QPointF(27, 92));
    fillWith(p, c, 1);
    QPolygonF t;
    t << QPointF(29, 15) << QPointF(92, 35) << QPointF(29, 55);
    p.drawPolygon(t);
}

// Pins: a map marker, a push pin, a flag pin and a star pin.
void mapPin(QPainter& p, const QColor& c) {
    fillWith(p, c, 2);
    QPainterPath m;
    m.moveTo(50, 92);
    m.cubicTo(20, 55, 18, 40, 20, 35);
    m.arcTo(QRectF(20, 5, 60, 60), 180, -180);
    m.cubicTo(82, 40, 80, 55, 50, 92);
    p.drawPath(m);
    fillWith(p, kPaper, 2);
    p.drawEllipse(QPointF(50, 35), 12, 12);
}
void pushPin(QPainter& p, const QColor& c) {
    p.setPen(QPen(QColor(120, 120, 130), 4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(50, 55), QPointF(50, 94));
    fillWith(p, c.darker(130), 2);
    p.drawRect(QRectF(30, 45, 40, 12));
    fillWith(p, c, 2);
    p.drawRect(QRectF(40, 22, 20, 25));
    p.drawEllipse(QRectF(25, 6, 50, 20));
    fillWith(p, c.lighter(160), 0);
    p.drawEllipse(QPointF(40, 14), 6, 3);
}
void roundPin(QPainter& p, const QColor& c) {
    p.setPen(QPen(QColor(120, 120, 130), 4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(40, 45), QPointF(80, 92));
    fillWith(p, c, 2);
    p.drawEllipse(QPointF(38, 40), 26, 26);
    fillWith(p, c.lighter(170), 0);
    p.drawEllipse(QPointF(30, 30), 7, 7);
}
void starPin(QPainter& p, const QColor& c) {
    p.setPen(QPen(QColor(120, 120, 130), 4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(50, 50), QPointF(50, 94));
    fillWith(p, c, 2);
    p.drawPolygon(star(QPointF(50, 40), 36, 15, 5));
}

QImage arrowSheet() {
    constexpr int cell = 100;
    QImage sheet(4 * cell, 20 * cell, QImage::Format_RGB32);
    sheet.fill(kPaper);
    auto paintCell = [&](int row, int col, const std::function<void(QPainter&)>& f) {
        QImage c(cell, cell, QImage::Format_RGB32);
        c.fill(kPaper);
        QPainter p;
        begin(p, c);
        f(p);
        p.end();
        QPainter q(&sheet);
        q.drawImage(col * cell, row * cell, c);
    };
    using ArrowFn = void (*)(QPainter&, const QColor&);
    const struct {
        ArrowFn fn;
        QColor colour;
    } arrowRows[8] = {{blockArrow, QColor(220, 30, 30)},   {thinArrow, QColor(30, 30, 30)},
                      {doubleArrow, QColor(30, 110, 220)}, {curvedArrow, QColor(30, 160, 60)},
                      {chevrons, QColor(240, 140, 20)},    {outlineArrow, QColor(140, 40, 180)},
                      {shadedArrow, QColor(250, 200, 20)}, {roundArrow, QColor(20, 150, 170)}};
    for (int r = 0; r < 8; ++r)
        for (int d = 0; d < 4; ++d)
            paintCell(r, d, [&](QPainter& p) {
                p.setTransform(toward(static_cast<Dir>(d)));
                arrowRows[r].fn(p, arrowRows[r].colour);
            });

    const QColor red(210, 30, 40), white(255, 255, 255), blue(30, 60, 160), green(20, 140, 60),
        yellow(250, 210, 20), black(20, 20, 20), orange(250, 130, 20), sky(90, 170, 230);
    const std::vector<std::function<void(QPainter&, QRectF)>> flags = {
        stripes({red, white, blue}, false),
        stripes({blue, white, red}, true),
        stripes({green, white, orange}, true),
        stripes({black, red, yellow}, false),
        stripes({white, red}, false),
        stripes({red, white, red}, true),
        crossFlag(red, white, white),
        crossFlag(blue, yellow, yellow),
        crossFlag(sky, white, white),
        crossFlag(red, yellow, blue),
        chequered(black, white),
        chequered(red, white),
        starFlag(red, yellow),
        starFlag(blue, white),
        circleFlag(white, red),
        circleFlag(green, red),
        stripes({orange, white, green}, false),
        stripes({yellow, blue, red}, true),
        stripes({sky, white, sky}, false),
        stripes({green, yellow, red}, true),
    };
    for (size_t i = 0; i < flags.size(); ++i)
        paintCell(8 + int(i) / 4, int(i) % 4, [&](QPainter& p) { flagOnPole(p, flags[i]); });
    const QColor pennants[4] = {red, blue, green, orange};
    for (int i = 0; i < 4; ++i)
        paintCell(13, i, [&](QPainter& p) { pennant(p, pennants[i]); });

    const QColor pins[4] = {red, blue, green, yellow};
    const QColor pins2[4] = {orange, QColor(150, 50, 190), black, sky};
    using PinFn = void (*)(QPainter&, const QColor&);
    const PinFn pinRows[6] = {mapPin, mapPin, pushPin, pushPin, roundPin, starPin};
    for (int r = 0; r < 6; ++r)
        for (int i = 0; i < 4; ++i)
            paintCell(14 + r, i, [&](QPainter& p) { pinRows[r](p, (r % 2) ? pins2[i] : pins[i]); });
    return sheet;
}

// --------------------------------------------------------------- balloons

// The balloon shapes in a w x h box: white inside, black outline, on a silver ground
// that is not white, so that pasting without background keeps the white inside.
const QColor kBalloonGround(192, 192, 192);

QPainterPath balloonPath(int shape, double w, double h) {
    QPainterPath path;
    const double sx = w / 150.0, sy = h / 100.0;
    auto P = [&](double x, double y) { return QPointF(x * sx, y * sy); };
    switch (shape) {
    case 0: { // speech, oval with a tail down left
        path.addEllipse(QRectF(P(8, 6), P(142, 72)));
        QPainterPath tail;
        tail.moveTo(P(40, 60));
        tail.lineTo(P(22, 95));
        tail.lineTo(P(65, 68));
        tail.closeSubpath();
        path = path.united(tail);
        break;
    }
    case 1: { // speech, rounded rectangle with a tail down right
        path.addRoundedRect(QRectF(P(6, 6), P(144, 70)), 14 * sx, 14 * sy);
        QPainterPath tail;
        tail.moveTo(P(95, 65));
        tail.lineTo(P(125, 95));
        tail.lineTo(P(115, 65));
        tail.closeSubpath();
        path = path.united(tail);
        break;
    }
    case 2: { // thought cloud with two small bubbles
        const QPointF lobes[] = {P(35, 38), P(62, 22), P(95, 22), P(120, 38), P(98, 56), P(55, 56)};
        path.addEllipse(QRectF(P(30, 22), P(120, 56)));
        for (const QPointF& c : lobes) {
            QPainterPath lobe;
            lobe.addEllipse(c, 28 * sx, 20 * sy);
            path = path.united(lobe);
        }
        QPainterPath bubbles;
        bubbles.addEllipse(P(30, 86), 8 * sx, 6 * sy);
        bubbles.addEllipse(P(16, 95), 5 * sx, 4 * sy);
        path.addPath(bubbles);
        break;
    }
    default: { // shout, a jagged burst
        QPolygonF burst;
        const int n = 22;
        for (int i = 0; i < n; ++i) {
            const double a = i * 2 * kPi / n;
            const double r = (i % 2) ? 0.78 : 1.0;
            burst << QPointF((75 + 70 * r * std::cos(a)) * sx, (45 + 42 * r * std::sin(a)) * sy);
        }
        path.addPolygon(burst);
        path.closeSubpath();
        QPainterPath tail;
        tail.moveTo(P(55, 75));
        tail.lineTo(P(30, 98));
        tail.lineTo(P(75, 80));
        tail.closeSubpath();
        path = path.united(tail);
        break;
    }
    }
    return path;
}

QImage balloon(int shape, int w, int h, int pen) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(kBalloonGround);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(balloonPath(shape, w, h));
    return img;
}

bool paintInsertPictures(const QString& programFolder, const QString& resourceFolder) {
    bool ok = QDir().mkpath(programFolder + "/Cliparts") && QDir().mkpath(programFolder + "/Data");
    const struct {
        const char* name;
        std::vector<Tile> tiles;
    } libraries[] = {
        {"Bloemen", {tulip, sunflower, daisies, rose, pottedFlower}},
        {"Dieren", {cat, fish, bird, ladybird, snail}},
        {"Vervoer", {car, train, sailboat, airplane, bicycle}},
        {"Gebouwen", {house, windmill, church, lighthouse, castle}},
        {"Lucht", {sun, moon, stars, rainbow, cloudAndDrops}},
    };
    // Bitmaps, not JPEG: the backgrounds must stay exactly white for keyed pasting.
    for (const auto& lib : libraries)
        ok &= library(lib.tiles).save(programFolder + "/Cliparts/" + lib.name + ".art", "BMP");
    ok &= arrowSheet().save(programFolder + "/Data/Arrows.arr", "BMP");
    for (int k = 0; k < 4; ++k) {
        ok &= balloon(k, 150, 100, 3).save(resourceFolder + QString("/Ballon%1.png").arg(k));
        ok &= balloon(k, 56, 34, 1).save(resourceFolder + QString("/BallonKnop%1.png").arg(k));
    }
    return ok;
}

static Registrar reg("insert", &paintInsertPictures);

} // namespace

} // namespace art

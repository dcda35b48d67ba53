// The supplement designer's pictures: the cover pages Supplementen/Wapens/*.jpg, each an
// A4 page of 480 x 700 pixels with a coat of arms of our own invention, and the pointer
// of the help button.
#include "Painter.h"
#include "Registry.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kPageW = 480;
constexpr int kPageH = 700;

enum class Division { PerPale, PerFess, Quarterly, Chevron, Bend, Cross, Plain, PerSaltire };
enum class Charge { Star, Roundels, Crescent, Tower, Lozenge, Sun };

struct Arms {
    const char* file;  // file name without extension
    const char* title; // the name printed on the page
    QColor field, second, charge;
    Division division;
    Charge mainCharge;
    int charges;
};

// Tinctures of our own palette.
const QColor kRed(190, 30, 40), kBlue(25, 60, 150), kGreen(20, 120, 60), kGold(230, 185, 40),
    kSilver(240, 240, 235), kBlack(30, 30, 30), kPurple(110, 40, 120), kSky(90, 150, 210);

const Arms kArms[] = {
    {"Nederland", "NEDERLAND", kBlue, kGold, kRed, Division::Plain, Charge::Lozenge, 3},
    {"Belgie", "BELGIE", kBlack, kGold, kRed, Division::PerPale, Charge::Star, 1},
    {"Luxemburg", "LUXEMBURG", kSky, kSilver, kRed, Division::PerFess, Charge::Roundels, 3},
    {"Duitsland", "DUITSLAND", kGold, kBlack, kRed, Division::Bend, Charge::Star, 2},
    {"Frankrijk", "FRANKRIJK", kBlue, kSilver, kGold, Division::Chevron, Charge::Sun, 1},
    {"Zwitserland", "ZWITSERLAND", kRed, kSilver, kGold, Division::Cross, Charge::Roundels, 4},
    {"Oostenrijk", "OOSTENRIJK", kRed, kSilver, kBlack, Division::PerFess, Charge::Tower, 1},
    {"Denemarken", "DENEMARKEN", kSilver, kRed, kBlue, Division::Quarterly, Charge::Crescent, 2},
    {"Korvanie", "KORVANIE", kGreen, kGold, kSilver, Division::PerSaltire, Charge::Star, 4},
    {"Smidrovelland", "SMIDROVELLAND", kPurple, kSilver, kGold, Division::Bend, Charge::Tower, 2},
};

QPainterPath shieldPath(const QRectF& r) {
    QPainterPath p;
    const double w = r.width(), h = r.height();
    p.moveTo(r.left(), r.top());
    p.lineTo(r.right(), r.top());
    p.lineTo(r.right(), r.top() + h * 0.55);
    p.cubicTo(r.right(), r.top() + h * 0.85, r.left() + w * 0.6, r.top() + h * 0.95,
              r.left() + w / 2, r.bottom());
    p.cubicTo(r.left() + w * 0.4, r.top() + h * 0.95, r.left(), r.top() + h * 0.85, r.left(),
              r.top() + h * 0.55);
    p.closeSubpath();
    return p;
}

QPainterPath starPath(QPointF c, double r, int points = 5) {
    QPainterPath p;
    for (int i = 0; i < 2 * points; ++i) {
        const double a = -kPi / 2 + i * kPi / points;
        const double rr = (i % 2) ? r * 0.45 : r;
        const QPointF q(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
        if (i == 0)
            p.moveTo(q);
        else
            p.lineTo(q);
    }
    p.closeSubpath();
    return p;
}

void paintDivision(QPainter& p, const QRectF& r, const Arms& a) {
    p.fillRect(r, a.field);
    p.setPen(Qt::NoPen);
    p.setBrush(a.second);
    const double cx = r.center().x(), cy = r.top() + r.height() * 0.45;
    switch (a.division) {
    case Division::PerPale:
        p.drawRect(QRectF(cx, r.top(), r.width() / 2, r.height()));
        break;
    case Division::PerFess:
        p.drawRect(QRectF(r.left(), cy, r.width(), r.bottom() - cy));
        break;
    case Division::Quarterly:
        p.drawRect(QRectF(cx, r.top(), r.width() / 2, cy - r.top()));
        p.drawRect(QRectF(r.left(), cy, r.width() / 2, r.bottom() - cy));
        break;
    case Division::Chevron: {
        QPolygonF v;
        v << QPointF(r.left(), r.bottom() - r.height() * 0.15)
          << QPointF(cx, r.top() + r.height() * 0.3)
          << QPointF(r.right(), r.bottom() - r.height() * 0.15)
          << QPointF(r.right(), r.bottom() - r.height() * 0.15 + 40)
          << QPointF(cx, r.top() + r.height() * 0.3 + 40)
          << QPointF(r.left(), r.bottom() - r.height() * 0.15 + 40);
        p.drawPolygon(v);
        break;
    }
    case Division::Bend: {
        QPolygonF v;
        const double b = r.width() * 0.14;
        v << QPointF(r.left() - b, r.top() + b) << QPointF(r.left() + b, r.top() - b)
          << QPointF(r.right() + b, r.bottom() - b) << QPointF(r.right() - b, r.bottom() + b);
        p.drawPolygon(v);
        break;
    }
    case Division::Cross: {
        const double b = r.width() * 0.1;
        p.drawRect(QRectF(cx - b, r.top(), 2 * b, r.height()));
        p.drawRect(QRectF(r.left(), cy - b, r.width(), 2 * b));
        break;
    }
    case Division::PerSaltire: {
        QPolygonF top, bottom;
        top << r.topLeft() << r.topRight() << QPointF(cx, cy);
        bottom << r.bottomLeft() << r.bottomRight() << QPointF(cx, cy);
        p.drawPolygon(top);
        p.drawPolygon(bottom);
        break;
    }
    case Division::Plain:
        break;
    }
}

void paintCharge(QPainter& p, Charge c, QPointF at, double size, const QColor& colour) {
    p.setBrush(colour);
    p.setPen(QPen(colour.darker(160), 1.5));
    switch (c) {
    case Charge::Star:
        p.drawPath(starPath(at, size));
        break;
    case Charge::Roundels:
        p.drawEllipse(at, size * 0.7, size * 0.7);
        break;
    case Charge::Crescent: {
        QPainterPath outer, inner;
        outer.addEllipse(at, size * 0.8, size * 0.8);
        inner.addEllipse(at + QPointF(0, -size * 0.35), size * 0.65, size * 0.65);
        p.drawPath(outer.subtracted(inner));
        break;
    }
    case Charge::Tower: {
        const double w = size * 1.2, h = size * 1.5;
        QPainterPath t;
        t.addRect(QRectF(at.x() - w / 2, at.y() - h / 2 + h * 0.2, w, h * 0.8));
        for (int i = 0; i < 3; ++i)
            t.addRect(QRectF(at.x() - w / 2 + i * w * 0.4, at.y() - h / 2, w * 0.2, h * 0.25));
        p.drawPath(t.simplified());
        p.setBrush(colour.darker(220));
        p.drawRect(QRectF(at.x() - w * 0.12, at.y() + h * 0.05, w * 0.24, h * 0.45));
        break;
    }
    case Charge::Lozenge: {
        QPolygonF v;
        v << QPointF(at.x(), at.y() - size) << QPointF(at.x() + size * 0.65, at.y())
          << QPointF(at.x(), at.y() + size) << QPointF(at.x() - size * 0.65, at.y());
        p.drawPolygon(v);
        break;
    }
    case Charge::Sun: {
        p.drawPath(starPath(at, size * 1.2, 12));
        p.drawEllipse(at, size * 0.55, size * 0.55);
        break;
    }
    }
}

void paintCrown(QPainter& p, QPointF base, double w) {
    QPainterPath c;
    const double h = w * 0.45;
    c.moveTo(base.x() - w / 2, base.y());
    c.lineTo(base.x() - w / 2, base.y() - h);
    for (int i = 1; i <= 4; ++i) {
        const double x = base.x() - w / 2 + i * w / 4;
        c.lineTo(x - w / 8, base.y() - h * 0.45);
        c.lineTo(x, base.y() - h * (i % 2 ? 0.7 : 1.0));
    }
    c.lineTo(base.x() + w / 2, base.y());
    c.closeSubpath();
    p.setBrush(kGold);
    p.setPen(QPen(QColor(140, 100, 10), 2));
    p.drawPath(c);
    p.setBrush(kRed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(base.x() - w / 4 + i * w / 4, base.y() - h * 0.25), 4, 4);
}

QImage paintCoverPage(const Arms& a) {
    QImage img(kPageW, kPageH, QImage::Format_RGB32);
    img.fill(QColor(253, 252, 246));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    // A double rule around the page, inside where the designer draws its frame.
    p.setPen(QPen(QColor(120, 100, 60), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(32, 32, kPageW - 64, kPageH - 64));
    p.setPen(QPen(QColor(120, 100, 60), 1));
    p.drawRect(QRectF(38, 38, kPageW - 76, kPageH - 76));

    const QRectF shield(140, 230, 200, 240);
    const QPainterPath outline = shieldPath(shield);
    // Mantling: two sweeping leaves behind the shield.
    for (int side : {-1, 1}) {
        QPainterPath leaf;
        const double cx = shield.center().x();
        leaf.moveTo(cx + side * 60, shield.top() + 10);
        leaf.cubicTo(cx + side * 190, shield.top() + 10, cx + side * 170, shield.bottom() - 40,
                     cx + side * 120, shield.bottom() + 10);
        leaf.cubicTo(cx + side * 140, shield.bottom() - 60, cx + side * 130, shield.top() + 60,
                     cx + side * 60, shield.top() + 40);
        leaf.closeSubpath();
        p.setBrush(a.second);
        p.setPen(QPen(a.field.darker(150), 2));
        p.drawPath(leaf);
    }
    p.save();
    p.setClipPath(outline);
    paintDivision(p, shield, a);
    const QPointF mid(shield.center().x(), shield.top() + shield.height() * 0.45);
    if (a.charges == 1) {
        paintCharge(p, a.mainCharge, mid, 38, a.charge);
    } else {
        for (int i = 0; i < a.charges; ++i) {
            const double ang = -kPi / 2 + 2 * kPi * i / a.charges;
            paintCharge(p, a.mainCharge, mid + QPointF(55 * std::cos(ang), 50 * std::sin(ang)), 20,
                        a.charge);
        }
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 50, 30), 4));
    p.drawPath(outline);
    paintCrown(p, QPointF(shield.center().x(), shield.top() - 6), 120);

    // A ribbon under the shield with the name, and the name large at the top.
    QPainterPath ribbon;
    ribbon.moveTo(90, 500);
    ribbon.cubicTo(180, 530, 300, 530, 390, 500);
    ribbon.lineTo(390, 532);
    ribbon.cubicTo(300, 562, 180, 562, 90, 532);
    ribbon.closeSubpath();
    p.setBrush(QColor(245, 240, 220));
    p.setPen(QPen(QColor(120, 100, 60), 2));
    p.drawPath(ribbon);
    p.end();
    art::centredText(img, a.title, kPageW / 2, 120, "DejaVu Serif", 34, true, QColor(70, 50, 20));
    art::centredText(img, "Supplement", kPageW / 2, 156, "DejaVu Serif", 16, false,
                     QColor(120, 100, 60), true);
    art::centredText(img, a.title, kPageW / 2, 531, "DejaVu Serif", 13, true, QColor(70, 50, 20));
    return img;
}

// The pointer over the help button: an arrow with a small question mark beside it.
QImage paintHelpPointer() {
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPolygonF arrow;
    arrow << QPointF(4, 1) << QPointF(4, 20) << QPointF(8.5, 15.5) << QPointF(12, 23)
          << QPointF(15, 21.5) << QPointF(11.5, 14.5) << QPointF(17.5, 14.5);
    p.setBrush(Qt::white);
    p.setPen(QPen(Qt::black, 1));
    p.drawPolygon(arrow);
    p.setBrush(QColor(30, 0, 0));
    p.setPen(QPen(QColor(250, 250, 100), 1));
    p.drawEllipse(QPointF(23, 23), 7.5, 7.5);
    QFont f("DejaVu Sans");
    f.setPixelSize(12);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(15.5, 15.5, 15, 15), Qt::AlignCenter, "?");
    return img;
}

bool paintSupplementPictures(const QString& programFolder, const QString& resourceFolder) {
    const QString folder = programFolder + "/Supplementen/Wapens";
    if (!QDir().mkpath(folder)) return false;
    bool ok = true;
    for (const Arms& a : kArms) {
        const QImage page = paintCoverPage(a);
        ok &= page.width() == kPageW && page.height() == kPageH;
        ok &= art::writeJpeg(page, folder + "/" + QString::fromLatin1(a.file) + ".jpg");
    }
    ok &= paintHelpPointer().save(resourceFolder + "/SuppHoek.png");
    return ok;
}

static art::Registrar reg("supplement", &paintSupplementPictures);

} // namespace

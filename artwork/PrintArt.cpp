// The print window's pictures: the seven stamp-sheet backgrounds, the price label and
// the three sample pictures of the print preview.
#include "Painter.h"
#include "Registry.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

// Where the stamps of each format land on its sheet background, in pixels of the
// background (the print job's twips less the background's corner, over 15).
struct SheetArt {
    int width, height;       // the background rectangle
    int left, top;           // first stamp
    int stamps, across;      // stamps and stamps per row
    int stampW, stampH;      // one stamp
    int stepRight, stepDown; // from stamp to stamp
};
constexpr SheetArt kSheets[7] = {
    {660, 460, 42, 77, 12, 4, 136, 95, 146, 104},  {660, 460, 42, 77, 9, 3, 156, 95, 195, 104},
    {660, 460, 42, 77, 9, 3, 185, 95, 195, 104},   {642, 460, 44, 84, 10, 5, 102, 102, 113, 151},
    {642, 460, 44, 84, 10, 5, 102, 140, 113, 151}, {642, 600, 44, 91, 10, 5, 102, 160, 113, 214},
    {642, 600, 44, 91, 10, 5, 102, 204, 113, 214},
};

const QColor kPaper(250, 246, 234);
const QColor kInk(70, 96, 120);

// Fine wavy lines over the paper, as security paper has.
void guilloche(QPainter& p, int w, int h) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(226, 222, 204), 1.0));
    for (int row = -20; row < h + 20; row += 9) {
        QPainterPath path;
        for (int x = 0; x <= w; x += 3) {
            const double y = row + 3.5 * std::sin(x / 17.0 + row * 0.3);
            if (x == 0)
                path.moveTo(x, y);
            else
                path.lineTo(x, y);
        }
        p.drawPath(path);
    }
}

// A perforated slot of white paper a little larger than the stamp printed into it.
void stampSlot(QPainter& p, const QRect& stamp) {
    // Neighbouring slots meet, so the perforation runs between the stamps as on a sheet.
    const QRect paper = stamp.adjusted(-5, -5, 5, 5);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 28));
    p.drawRect(paper.translated(2, 2));
    p.setBrush(Qt::white);
    p.drawRect(paper);
    p.setBrush(QColor(228, 222, 200));
    const int pitch = 8, r = 2;
    for (int x = paper.left(); x <= paper.right() + 1; x += pitch) {
        p.drawEllipse(QPoint(x, paper.top()), r, r);
        p.drawEllipse(QPoint(x, paper.bottom() + 1), r, r);
    }
    for (int y = paper.top(); y <= paper.bottom() + 1; y += pitch) {
        p.drawEllipse(QPoint(paper.left(), y), r, r);
        p.drawEllipse(QPoint(paper.right() + 1, y), r, r);
    }
}

QImage paintSheet(int format) {
    const SheetArt& s = kSheets[format - 1];
    QImage img(s.width, s.height, QImage::Format_RGB32);
    img.fill(kPaper);
    QPainter p(&img);
    guilloche(p, s.width, s.height);

    // A ruled selvage around the stamp field.
    const int rows = (s.stamps + s.across - 1) / s.across;
    const QRect field(s.left - 16, s.top - 16, (s.across - 1) * s.stepRight + s.stampW + 32,
                      (rows - 1) * s.stepDown + s.stampH + 32);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 2));
    p.drawRect(field);
    p.setPen(QPen(QColor(150, 170, 190), 1));
    p.drawRect(field.adjusted(-5, -5, 5, 5));

    for (int i = 0; i < s.stamps; ++i) {
        const int col = i % s.across, row = i / s.across;
        stampSlot(p,
                  QRect(s.left + col * s.stepRight, s.top + row * s.stepDown, s.stampW, s.stampH));
    }

    // Column numbers below the field and row numbers at its left, as on a counter sheet;
    // the top is kept free for the sheet text.
    QFont f("DejaVu Sans");
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    p.setPen(kInk);
    for (int c = 0; c < s.across; ++c)
        p.drawText(QRect(s.left + c * s.stepRight, field.bottom() + 8, s.stampW, 12),
                   Qt::AlignCenter, QString::number(c + 1));
    for (int r = 0; r < rows; ++r)
        p.drawText(QRect(field.left() - 22, s.top + r * s.stepDown, 14, s.stampH), Qt::AlignCenter,
                   QString::number(r + 1));

    // Colour register marks and the sheet's imprint in the bottom margin.
    const int base = field.bottom() + 26;
    const QColor marks[4] = {QColor(0, 160, 220), QColor(220, 0, 130), QColor(250, 210, 0),
                             QColor(30, 30, 30)};
    for (int i = 0; i < 4; ++i)
        p.fillRect(field.left() + i * 14, base, 10, 10, marks[i]);
    f.setPixelSize(11);
    f.setBold(false);
    f.setItalic(true);
    p.setFont(f);
    p.setPen(QColor(110, 110, 110));
    p.drawText(QRect(field.left(), base - 2, field.width(), 14), Qt::AlignRight | Qt::AlignVCenter,
               QString("Korvamint Smidrovel  -  vel %1").arg(format));
    p.end();
    return img;
}

// A price label: three rows to write on and a row of grading cells, in a black frame.
QImage paintPriceLabel(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double k = w / 193.0; // drawn for 193 x 244 and scaled
    p.scale(k, h / 244.0);
    const QPen frame(Qt::black, 3);
    p.setPen(frame);
    p.drawRect(QRectF(4, 4, 185, 236));
    p.setPen(QPen(Qt::black, 1.5));
    const double rowH = 54, cellsTop = 4 + 3 * rowH;
    for (int i = 1; i < 3; ++i)
        p.drawLine(QPointF(4, 4 + i * rowH), QPointF(189, 4 + i * rowH));
    p.drawLine(QPointF(4, cellsTop), QPointF(189, cellsTop));

    QFont f("DejaVu Sans");
    f.setPixelSize(12);
    f.setBold(true);
    p.setFont(f);
    const char* const rows[3] = {"Cat. nr.", "Cat. waarde", "Prijs"};
    for (int i = 0; i < 3; ++i) {
        p.setPen(Qt::black);
        p.drawText(QRectF(12, 8 + i * rowH, 170, 18), Qt::AlignLeft | Qt::AlignVCenter, rows[i]);
        p.setPen(QPen(QColor(150, 150, 150), 1, Qt::DotLine));
        p.drawLine(QPointF(14, i * rowH + 44), QPointF(180, i * rowH + 44));
    }

    // Three cells: two asterisks, a circle with a dot, one asterisk.
    const double cellW = 185.0 / 3, cellH = 240 - cellsTop;
    p.setPen(QPen(Qt::black, 1.5));
    for (int i = 1; i < 3; ++i)
        p.drawLine(QPointF(4 + i * cellW, cellsTop), QPointF(4 + i * cellW, 240));
    f.setPixelSize(22);
    p.setFont(f);
    const QRectF c0(4, cellsTop, cellW, cellH), c1(4 + cellW, cellsTop, cellW, cellH),
        c2(4 + 2 * cellW, cellsTop, cellW, cellH);
    p.drawText(c0.translated(0, 4), Qt::AlignCenter, "**");
    p.drawEllipse(c1.center(), 10, 10);
    p.setBrush(Qt::black);
    p.drawEllipse(c1.center(), 2.5, 2.5);
    p.setBrush(Qt::NoBrush);
    p.drawText(c2.translated(0, 4), Qt::AlignCenter, "*");
    p.end();
    return img;
}

// A tiny stamp in one of a few colours, for the sample pictures.
void miniStamp(QPainter& p, const QRect& r, int n) {
    const QColor colours[6] = {QColor(200, 70, 60),  QColor(60, 120, 190), QColor(70, 160, 90),
                               QColor(220, 170, 40), QColor(140, 80, 170), QColor(40, 150, 160)};
    p.fillRect(r, Qt::white);
    p.fillRect(r.adjusted(2, 2, -2, -2), colours[n % 6]);
    p.fillRect(QRect(r.left() + 3, r.bottom() - 4, r.width() / 3, 2), Qt::white);
}

// A miniature printed sheet: a grid of stamps with a line of text on top.
QImage paintSampleSheet() {
    QImage img(150, 105, QImage::Format_RGB32);
    img.fill(QColor(255, 255, 255));
    QPainter p(&img);
    p.fillRect(QRect(15, 10, 120, 86), kPaper);
    p.setPen(QColor(90, 90, 90));
    p.drawRect(QRect(15, 10, 119, 85));
    p.fillRect(QRect(45, 16, 60, 4), QColor(160, 160, 160));
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c)
            miniStamp(p, QRect(22 + c * 27, 27 + r * 21, 24, 18), r * 4 + c);
    p.end();
    return img;
}

// A miniature page of design thumbnails with their names.
QImage paintSampleThumbnails() {
    QImage img(105, 150, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setPen(QColor(200, 200, 200));
    p.drawRect(QRect(0, 0, 99, 144));
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 4; ++c) {
            const QRect t(6 + c * 23, 6 + r * 23, 19, 14);
            miniStamp(p, t, r + c * 2);
            p.fillRect(QRect(t.left(), t.bottom() + 3, 10 + (r + c) % 3 * 3, 2),
                       QColor(90, 90, 90));
        }
    p.end();
    return img;
}

bool paintPrintPictures(const QString& programFolder, const QString& resourceFolder) {
    bool ok = true;
    for (int format = 1; format <= 7; ++format)
        ok &= art::writeJpeg(paintSheet(format),
                             programFolder + QString("/Data/vel-%1.jpg").arg(format));
    // Twice the sample's size, so that the printed labels stay sharp.
    ok &= paintPriceLabel(386, 488).save(programFolder + "/Data/prijslabel.bmp", "BMP");
    ok &= paintPriceLabel(193, 244).save(resourceFolder + "/AfdrukImage1.png");
    ok &= paintSampleSheet().save(resourceFolder + "/AfdrukImage2.png");
    ok &= paintSampleThumbnails().save(resourceFolder + "/AfdrukImage3.png");
    return ok;
}

art::Registrar reg("print", &paintPrintPictures);

} // namespace

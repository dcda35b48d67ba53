// The collection window's own files: the four word lists beside the program (laid out
// only where missing, since the program edits them) and the pictures built into the
// window: the placeholder photo and the two sort arrows of the list's headers.
#include "Registry.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QStringList>

namespace {

QByteArray wordList(const QStringList& items) {
    QByteArray out;
    for (const QString& s : items)
        out += s.toUtf8() + "\r\n";
    return out;
}

// A stamp on a grey card: perforated white edge, a small landscape and a value.
QImage placeholderPhoto() {
    QImage img(150, 87, QImage::Format_RGB32);
    img.fill(QColor(214, 214, 222));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRect stamp(45, 10, 60, 67);
    p.fillRect(stamp, QColor(250, 250, 246));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 214, 222));
    for (int x = stamp.left() + 3; x < stamp.right(); x += 6) {
        p.drawEllipse(QPoint(x, stamp.top()), 2, 2);
        p.drawEllipse(QPoint(x, stamp.bottom()), 2, 2);
    }
    for (int y = stamp.top() + 3; y < stamp.bottom(); y += 6) {
        p.drawEllipse(QPoint(stamp.left(), y), 2, 2);
        p.drawEllipse(QPoint(stamp.right(), y), 2, 2);
    }
    const QRect pic(52, 17, 46, 44);
    p.fillRect(pic, QColor(170, 205, 235));
    p.setBrush(QColor(90, 150, 80));
    p.drawPolygon(QPolygon({QPoint(52, 61), QPoint(52, 45), QPoint(66, 34), QPoint(78, 46),
                            QPoint(88, 38), QPoint(98, 48), QPoint(98, 61)}));
    p.setBrush(QColor(240, 200, 60));
    p.drawEllipse(QPoint(88, 25), 5, 5);
    p.setPen(QColor(60, 60, 90));
    QFont f("DejaVu Sans");
    f.setPixelSize(9);
    f.setBold(true);
    f.setStyleStrategy(QFont::NoAntialias);
    p.setFont(f);
    p.drawText(QRect(52, 62, 46, 12), Qt::AlignCenter, "?");
    p.setPen(QColor(120, 120, 135));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, 149, 86);
    return img;
}

QImage sortArrow(bool up) {
    QImage img(16, 16, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 110));
    p.drawPolygon(up ? QPolygon({QPoint(3, 11), QPoint(12, 11), QPoint(7, 4), QPoint(8, 4)})
                     : QPolygon({QPoint(3, 5), QPoint(12, 5), QPoint(8, 12), QPoint(7, 12)}));
    return img;
}

bool paintCollectionFiles(const QString& programFolder, const QString& resourceFolder) {
    const QString data = programFolder + "/Data/";
    bool ok = true;
    ok &= art::writeIfMissing(
        data + "Categorie.txt",
        wordList({"Nederland", "Nederlandse Antillen", "Suriname", QString::fromUtf8("België"),
                  "Luxemburg", "Duitsland", "Frankrijk", "Verenigd Koninkrijk", "Europa CEPT",
                  "Overige landen", "Thematisch", "Luchtpost", "Kinderzegels", "Zomerzegels",
                  "Eerstedagenveloppen"}));
    ok &= art::writeIfMissing(
        data + "Soort.txt",
        wordList({"Frankeerzegel", "Toeslagzegel", "Herdenkingszegel", "Portzegel", "Dienstzegel",
                  "Luchtpostzegel", "Blok", "Velletje", "Postzegelboekje", "Rolzegel",
                  "Automaatstrook", "Persoonlijke zegel"}));
    ok &= art::writeIfMissing(
        data + "Type.txt",
        wordList({"Getand", "Ongetand", "Zelfklevend", "Boekdruk", "Offset", "Rasterdiepdruk",
                  "Staaldiepdruk", "Met watermerk", "Zonder watermerk", "Plaatfout"}));
    ok &= art::writeIfMissing(
        data + "Conditie.txt",
        wordList({"Postfris", "Ongebruikt met plakker", "Ongebruikt zonder gom", "Gestempeld",
                  "Luxe gestempeld", "Op brief", "Op fragment", "Dunne plek", "Beschadigd"}));
    ok &= placeholderPhoto().save(resourceFolder + "/CollectionPhoto.png");
    ok &= sortArrow(true).save(resourceFolder + "/CollectionSortUp.png");
    ok &= sortArrow(false).save(resourceFolder + "/CollectionSortDown.png");
    return ok;
}

art::Registrar reg("collection", &paintCollectionFiles);

} // namespace

#include "CollectionFile.h"

#include "platform/Files.h"

#include <QRegularExpression>

namespace korv {

const QString kCollectionBanner = QString::fromUtf8("Korvamint Smidrovel ® - 2026");
const QString kCollectionSeparator = QString(28, QLatin1Char('-'));

QString collectionFolder(const QString& programFolder) {
    return programPath(programFolder, "Verzameling");
}

QString collectionPath(const QString& programFolder, const QString& naam) {
    // The file's own spelling of ".col" is found on a disk that tells case apart.
    return programPath(programFolder, "Verzameling/" + naam + ".col");
}

QString collectionPhotoFolder(const QString& programFolder, const QString& naam) {
    return collectionFolder(programFolder) + '/' + naam;
}

QString recordPhotoPath(const QString& programFolder, const QString& naam, const QString& jaar,
                        const QString& catNr) {
    const QString file = catNr + ".jpg";
    // An empty part drops a folder level: the photo would come from another folder.
    for (const QString& part : {naam, jaar, file})
        if (part.isEmpty() || !isUsableFileName(part)) return QString();
    return collectionPhotoFolder(programFolder, naam) + '/' + jaar + '/' + file;
}

QString trimSpaces(const QString& text) {
    qsizetype from = 0, to = text.size();
    while (from < to && text[from] == QLatin1Char(' '))
        ++from;
    while (to > from && text[to - 1] == QLatin1Char(' '))
        --to;
    return text.mid(from, to - from);
}

QString fieldForFile(const QString& field) {
    static const QRegularExpression breaks("[\\r\\n]+");
    QString f = field;
    return f.replace(breaks, " ");
}

QStringList collectionFileLines(const QString& naam, const std::vector<CollectionRecord>& records) {
    QStringList out{kCollectionBanner, fieldForFile(naam), kCollectionSeparator};
    for (const CollectionRecord& r : records) {
        out << trimSpaces(fieldForFile(r[0]));
        for (int i = 1; i < kRecordFields; ++i)
            out << fieldForFile(r[i]);
        out << kCollectionSeparator;
    }
    return out;
}

CollectionContents parseCollectionLines(const QStringList& lines) {
    CollectionContents c;
    if (lines.size() >= 2) {
        c.nameRead = true;
        c.naam = lines[1];
    }
    for (qsizetype at = 3; at < lines.size(); at += kRecordFields + 1) {
        CollectionRecord r;
        bool blank = true;
        for (int i = 0; i < kRecordFields; ++i) {
            if (at + i < lines.size()) r[i] = lines[at + i];
            if (!trimSpaces(r[i]).isEmpty()) blank = false;
        }
        if (!blank) c.records.push_back(r);
    }
    return c;
}

} // namespace korv

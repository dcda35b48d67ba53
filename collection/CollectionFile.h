#pragma once
// The collection file: a banner line, the collection's name, a separator, then per
// record its twelve fields on twelve lines and the separator again. Also the paths
// of a collection's file and photo folder beside the program.
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace korv {

constexpr int kRecordFields = 12;
// Field 1 to 12 at index 0 to 11.
using CollectionRecord = std::array<QString, kRecordFields>;

// The banner of line 1 (28 characters); readers skip it.
extern const QString kCollectionBanner;
// 28 hyphens, after the header and after every record.
extern const QString kCollectionSeparator;

QString collectionFolder(const QString& programFolder);
QString collectionPath(const QString& programFolder, const QString& naam);
// Where the user keeps the photos of a collection.
QString collectionPhotoFolder(const QString& programFolder, const QString& naam);
// A record's photo: <photo folder>\<field 1>\<field 2>.jpg, the fields as stored.
// Empty when the name or a field would not stay one name in the path (empty, a separator,
// "." or "..", a control character), so that no file outside the photo folder is read.
QString recordPhotoPath(const QString& programFolder, const QString& naam, const QString& jaar,
                        const QString& catNr);

// The text without its leading and trailing spaces; tabs and other white space are
// part of the text.
QString trimSpaces(const QString& text);

// A field as it goes on its line: line breaks would split the record, so each run of
// them becomes one space.
QString fieldForFile(const QString& field);

// The whole file as lines (without line ends): field 1 trimmed, the others as stored.
QStringList collectionFileLines(const QString& naam, const std::vector<CollectionRecord>& records);

struct CollectionContents {
    bool nameRead = false; // line 2 was there
    QString naam;          // line 2
    std::vector<CollectionRecord> records;
};

// Reads the lines of a collection file. Blocks of thirteen lines follow the header;
// a block whose twelve fields are all blank is skipped, and a block cut short by the
// end of the file is read with its missing fields empty.
CollectionContents parseCollectionLines(const QStringList& lines);

} // namespace korv

#pragma once
// Word-list files: one item per line in the program's Data folder.
#include <QString>
#include <QStringList>

namespace korv {

QString wordListPath(const QString& programFolder, const QString& fileName);
// Every line as it stands, empty ones too; a file that cannot be read gives none.
QStringList readWordList(const QString& path);
// The word-list editor's order: without regard to case, then by case.
bool wordLess(const QString& a, const QString& b);
// Where an item goes in a sorted list: after its equals.
qsizetype sortedInsertPosition(const QStringList& sorted, const QString& item);

} // namespace korv

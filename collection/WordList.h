#pragma once
// Word-list files: one item per line in the program's Data folder.
#include <QString>
#include <QStringList>

namespace korv {

QString wordListPath(const QString& programFolder, const QString& fileName);
// Every line as it stands, empty ones too; a file that cannot be read gives none.
QStringList readWordList(const QString& path);

} // namespace korv

#include "WordList.h"

#include "platform/Files.h"

#include <algorithm>

namespace korv {

QString wordListPath(const QString& programFolder, const QString& fileName) {
    return programPath(programFolder, "Data/" + fileName);
}

QStringList readWordList(const QString& path) {
    QStringList lines;
    if (!readLines(path, lines)) return {};
    return lines;
}

bool wordLess(const QString& a, const QString& b) {
    const int c = QString::compare(a, b, Qt::CaseInsensitive);
    if (c != 0) return c < 0;
    return QString::compare(a, b, Qt::CaseSensitive) < 0;
}

qsizetype sortedInsertPosition(const QStringList& sorted, const QString& item) {
    return std::upper_bound(sorted.begin(), sorted.end(), item, wordLess) - sorted.begin();
}

} // namespace korv

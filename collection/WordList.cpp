#include "WordList.h"

#include "platform/Files.h"

namespace korv {

QString wordListPath(const QString& programFolder, const QString& fileName) {
    return programPath(programFolder, "Data/" + fileName);
}

QStringList readWordList(const QString& path) {
    QStringList lines;
    if (!readLines(path, lines)) return {};
    return lines;
}

} // namespace korv

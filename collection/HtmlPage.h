#pragma once
// The collection as one HTML page: a table of nine of the twelve fields.
#include "CollectionFile.h"

#include <QStringList>
#include <vector>

namespace korv {

QString htmlPagePath(const QString& programFolder);
// The page's lines without their line ends. Field texts go in as typed, so that a
// collector may put markup (a link, a line break) in a field.
QStringList htmlPageLines(const std::vector<CollectionRecord>& records);

} // namespace korv

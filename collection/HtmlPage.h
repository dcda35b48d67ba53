#pragma once
// The collection as one HTML page: a table of nine of the twelve fields.
#include "CollectionFile.h"

#include <QStringList>
#include <vector>

namespace korv {

QString htmlPagePath(const QString& programFolder);
// A field's text for the page: the characters that HTML reads as markup, and every
// character outside ASCII, as references, so that the page is plain ASCII and every
// browser shows the text as typed whatever character set it assumes.
QString htmlText(const QString& text);
// The page's lines without their line ends.
QStringList htmlPageLines(const std::vector<CollectionRecord>& records);

} // namespace korv

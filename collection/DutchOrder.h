#pragma once
// The order in which the collection sorts texts (the record list, the word lists):
// Dutch collation without regard to case, so that accented letters and the ligatures
// "Ĳ" and "Œ" stand among their plain letters; digits are compared as characters, so
// "10" comes before "9". Texts the collation finds equal go by their characters.
#include <QString>
#include <QStringList>
#include <vector>

namespace korv {

int dutchCompare(const QString& a, const QString& b);
inline bool dutchLess(const QString& a, const QString& b) {
    return dutchCompare(a, b) < 0;
}

// The positions of `texts` in sorted order, ascending or descending; equal texts keep
// their order. Each text's collation key is made once, so long lists sort quickly.
std::vector<qsizetype> dutchOrder(const QStringList& texts, bool descending = false);
QStringList dutchSorted(const QStringList& texts);

// Where an item goes in a list sorted in that order: after its equals.
qsizetype dutchInsertPosition(const QStringList& sorted, const QString& item);

} // namespace korv

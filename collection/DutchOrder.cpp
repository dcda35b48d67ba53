#include "DutchOrder.h"

#include <QCollator>
#include <algorithm>
#include <numeric>

namespace korv {

namespace {
const QCollator& collator() {
    static const QCollator c = [] {
        QCollator d(QLocale(QLocale::Dutch, QLocale::Netherlands));
        d.setCaseSensitivity(Qt::CaseInsensitive);
        d.setNumericMode(false);
        d.setIgnorePunctuation(false);
        return d;
    }();
    return c;
}
} // namespace

int dutchCompare(const QString& a, const QString& b) {
    const int c = collator().compare(a, b);
    return c != 0 ? c : QString::compare(a, b, Qt::CaseSensitive);
}

std::vector<qsizetype> dutchOrder(const QStringList& texts, bool descending) {
    std::vector<QCollatorSortKey> keys;
    keys.reserve(texts.size());
    for (const QString& t : texts)
        keys.push_back(collator().sortKey(t));
    std::vector<qsizetype> order(texts.size());
    std::iota(order.begin(), order.end(), qsizetype(0));
    std::stable_sort(order.begin(), order.end(), [&](qsizetype i, qsizetype j) {
        int c = keys[i].compare(keys[j]);
        if (c == 0) c = QString::compare(texts[i], texts[j], Qt::CaseSensitive);
        return descending ? c > 0 : c < 0;
    });
    return order;
}

QStringList dutchSorted(const QStringList& texts) {
    QStringList out;
    out.reserve(texts.size());
    for (const qsizetype i : dutchOrder(texts))
        out << texts[i];
    return out;
}

qsizetype dutchInsertPosition(const QStringList& sorted, const QString& item) {
    return std::upper_bound(sorted.begin(), sorted.end(), item, dutchLess) - sorted.begin();
}

} // namespace korv

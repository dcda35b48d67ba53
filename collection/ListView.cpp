#include "ListView.h"

#include "DutchOrder.h"

#include <QHeaderView>
#include <algorithm>

namespace korv {

ListView::ListView(QWidget* parent) : QTreeWidget(parent) {
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The window sorts on header clicks itself, by its own rules.
    setSortingEnabled(false);
    header()->setSectionsClickable(true);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
}

bool ListView::itemLess(const QTreeWidgetItem* a, const QTreeWidgetItem* b) const {
    const QString ta = a->text(sortKey_), tb = b->text(sortKey_);
    return sortOrder_ == 1 ? dutchLess(tb, ta) : dutchLess(ta, tb);
}

void ListView::resort() {
    if (!sorted_ || count() < 2) return;
    // Reordering is no new choice of the user's: no selection signals meanwhile.
    const QSignalBlocker block(this);
    QTreeWidgetItem* selected = selectedItem();
    const QList<QTreeWidgetItem*> items = invisibleRootItem()->takeChildren();
    QStringList texts;
    texts.reserve(items.size());
    for (const QTreeWidgetItem* it : items)
        texts << it->text(sortKey_);
    // Stable, so that equal texts keep the order they had.
    QList<QTreeWidgetItem*> sorted;
    sorted.reserve(items.size());
    for (const qsizetype i : dutchOrder(texts, sortOrder_ == 1))
        sorted << items[i];
    addTopLevelItems(sorted);
    if (selected) {
        setCurrentItem(selected);
        selected->setSelected(true);
    }
}

void ListView::setSortKey(int key) {
    if (key < 0 || key >= columnCount()) return;
    sortKey_ = key;
    resort();
}

void ListView::setSortOrder(int order) {
    if (order != 0 && order != 1) return;
    sortOrder_ = order;
    resort();
}

void ListView::setSorted(bool on) {
    sorted_ = on;
    resort();
}

QString ListView::columnHeaderIcon(int column) const {
    if (column < 1 || column > int(headerIcons_.size())) return QString();
    return headerIcons_[column - 1];
}

void ListView::setColumnHeaderIcon(int column, const QString& key) {
    if (column < 1 || column > columnCount()) return;
    if (int(headerIcons_.size()) < columnCount()) headerIcons_.resize(columnCount());
    headerIcons_[column - 1] = key;
    const auto it = ColumnHeaderIcons.find(key);
    headerItem()->setIcon(column - 1, it == ColumnHeaderIcons.end() ? QIcon() : it->second);
}

void ListView::setColumnWidthTwips(int column, int twips) {
    if (column >= 1 && column <= columnCount()) setColumnWidth(column - 1, twips / 15);
}

QTreeWidgetItem* ListView::newItem(const CollectionRecord& r) const {
    auto* item = new QTreeWidgetItem;
    for (int c = 0; c < columnCount(); ++c)
        item->setTextAlignment(c, Qt::Alignment(headerItem()->textAlignment(c)));
    for (int i = 0; i < kRecordFields; ++i)
        item->setText(i, r[i]);
    return item;
}

void ListView::addRecords(const std::vector<CollectionRecord>& records) {
    QList<QTreeWidgetItem*> items;
    items.reserve(qsizetype(records.size()));
    for (const CollectionRecord& r : records)
        items << newItem(r);
    // Inserting each after its equals gives the order of a stable sort of the whole.
    addTopLevelItems(items);
    resort();
}

QTreeWidgetItem* ListView::addRecord(const CollectionRecord& r) {
    QTreeWidgetItem* item = newItem(r);
    if (!sorted_) {
        addTopLevelItem(item);
        return item;
    }
    // After the last item that does not sort behind it, as a sorted list inserts.
    int lo = 0, hi = count();
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (itemLess(item, topLevelItem(mid)))
            hi = mid;
        else
            lo = mid + 1;
    }
    insertTopLevelItem(lo, item);
    return item;
}

void ListView::setRecord(QTreeWidgetItem* item, const CollectionRecord& r) {
    for (int i = 0; i < kRecordFields; ++i)
        item->setText(i, r[i]);
    if (item->treeWidget() == this) resort();
}

CollectionRecord ListView::recordOf(const QTreeWidgetItem* item) {
    CollectionRecord r;
    if (item)
        for (int i = 0; i < kRecordFields; ++i)
            r[i] = item->text(i);
    return r;
}

std::vector<CollectionRecord> ListView::records() const {
    std::vector<CollectionRecord> out;
    for (int i = 0; i < count(); ++i)
        out.push_back(record(i));
    return out;
}

QTreeWidgetItem* ListView::selectedItem() const {
    const QList<QTreeWidgetItem*> sel = selectedItems();
    return sel.isEmpty() ? nullptr : sel.first();
}

int ListView::selectedIndex() const {
    QTreeWidgetItem* it = selectedItem();
    return it ? indexOfTopLevelItem(it) : -1;
}

void ListView::selectIndex(int index) {
    QTreeWidgetItem* it = topLevelItem(index);
    clearSelection();
    if (!it) return;
    setCurrentItem(it);
    it->setSelected(true);
}

} // namespace korv

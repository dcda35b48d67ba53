#pragma once
// The collection's record list: a report list with column headers, header icons from
// an image list and the sort settings of a list view (sort key, order, and whether it
// keeps its items sorted, also those added later). Items hold the twelve record
// fields: field 1 in column 0, fields 2 to 12 in columns 1 to 11.
#include "CollectionFile.h"

#include <QIcon>
#include <QTreeWidget>
#include <map>
#include <vector>

namespace korv {

class ListView : public QTreeWidget {
    Q_OBJECT
    Q_PROPERTY(int SortKey READ SortKey WRITE setSortKey)
    Q_PROPERTY(int SortOrder READ SortOrder WRITE setSortOrder)
    Q_PROPERTY(bool Sorted READ Sorted WRITE setSorted)
public:
    explicit ListView(QWidget* parent = nullptr);

    // --- sort settings: key 0 is the item text, k is sub-item k; order 0 ascending,
    // 1 descending. While Sorted is on the items stay in order.
    int SortKey() const { return sortKey_; }
    void setSortKey(int key);
    int SortOrder() const { return sortOrder_; }
    void setSortOrder(int order);
    bool Sorted() const { return sorted_; }
    void setSorted(bool on);

    // --- column headers (1-based, as the program numbers them)
    int columnHeaderCount() const { return columnCount(); }
    // The image list of the headers: key -> icon.
    std::map<QString, QIcon> ColumnHeaderIcons;
    QString columnHeaderIcon(int column) const;
    void setColumnHeaderIcon(int column, const QString& key);
    void setColumnWidthTwips(int column, int twips);

    // --- items (0-based positions in display order)
    int count() const { return topLevelItemCount(); }
    // Adds a record at the end, or at its sorted place while sorted.
    QTreeWidgetItem* addRecord(const CollectionRecord& r);
    // Adds many records as one by one would, sorting once.
    void addRecords(const std::vector<CollectionRecord>& records);
    void setRecord(QTreeWidgetItem* item, const CollectionRecord& r);
    static CollectionRecord recordOf(const QTreeWidgetItem* item);
    CollectionRecord record(int index) const { return recordOf(topLevelItem(index)); }
    std::vector<CollectionRecord> records() const;
    void clearItems() { clear(); }
    // The selected item, or null.
    QTreeWidgetItem* selectedItem() const;
    int selectedIndex() const; // -1 without a selection
    void selectIndex(int index);

private:
    bool itemLess(const QTreeWidgetItem* a, const QTreeWidgetItem* b) const;
    QTreeWidgetItem* newItem(const CollectionRecord& r) const;
    void resort();

    int sortKey_ = 0;
    int sortOrder_ = 0;
    bool sorted_ = false;
    std::vector<QString> headerIcons_;
};

} // namespace korv

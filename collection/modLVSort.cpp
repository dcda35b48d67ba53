#include "modLVSort.h"

#include "platform/Services.h"

namespace korv {

namespace {
// The error a late-bound call gives when the object lacks the property.
constexpr int kNoSuchProperty = 438;
const char* const kNoSuchPropertyText = "Object doesn't support this property or method";
} // namespace

bool SetListViewSort(QObject* listView, long direction, int key) {
    if (!listView) return false;
    if (direction == 0 || direction == 1) {
        if (!listView->setProperty("SortOrder", int(direction))) return false;
    }
    if (!listView->setProperty("SortKey", key)) return false;
    return listView->setProperty("Sorted", true);
}

bool SortListView(QObject* listView, int column, long direction, long sortKind,
                  DialogService& dialogs) {
    bool ok = sortKind == 0 && SetListViewSort(listView, direction, column - 1);
    if (!ok) {
        dialogs.msgBox("Fout in sorteer routine!\r\n" + QString::number(kNoSuchProperty) + '\t' +
                           kNoSuchPropertyText,
                       Mb::OkOnly);
    }
    return ok;
}

} // namespace korv

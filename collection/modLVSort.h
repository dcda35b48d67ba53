#pragma once
// Sorting of a list view through its sort properties (SortKey, SortOrder, Sorted),
// looked up by name so that any list view that has them can be sorted.
#include <QObject>

namespace korv {

class DialogService;

// Sorts on `column` (1-based) in `direction` (0 ascending, 1 descending). Sort kind 0
// is the text sort, the only kind there is. Returns false, after saying so in a
// message box, when the list view would not take the settings.
bool SortListView(QObject* listView, int column, long direction, long sortKind,
                  DialogService& dialogs);
// Sets order (when 0 or 1), key (0-based) and switches sorting on. False when the
// object lacks one of the properties.
bool SetListViewSort(QObject* listView, long direction, int key);

} // namespace korv

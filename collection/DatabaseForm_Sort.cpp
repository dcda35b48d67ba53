#include "DatabaseForm.h"

#include "ListView.h"
#include "editor/Main.h"
#include "modLVSort.h"

#include <QLabel>

namespace korv {

void DatabaseForm::ClearSortIcons(int column) {
    for (int i = 1; i <= ListView1->columnHeaderCount(); ++i)
        if (i != column) ListView1->setColumnHeaderIcon(i, QString());
}

void DatabaseForm::ListView1_ColumnClick(int column) {
    static const char* const labels[7] = {"",
                                          "Gesorteerd op : Jaartal",
                                          "Gesorteerd op : Catalogus nummer",
                                          "Gesorteerd op : Categorie",
                                          "Gesorteerd op : Onderwerp",
                                          "Gesorteerd op : Soort zegel",
                                          "Gesorteerd op : Type zegel"};
    ClearSortIcons(column);
    if (column < 1 || column > 6) return;
    Label10->setText(labels[column]);
    Label10->adjustSize();
    long direction = 0;
    if (ListView1->columnHeaderIcon(column) == "down") {
        ListView1->setColumnHeaderIcon(column, "up");
        direction = 1;
    } else {
        ListView1->setColumnHeaderIcon(column, "down");
        direction = 0;
    }
    SortListView(ListView1, column, direction, 0, *S.services.dialogs);
}

} // namespace korv

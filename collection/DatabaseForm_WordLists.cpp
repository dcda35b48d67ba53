#include "DatabaseForm.h"

#include "EditData.h"
#include "WordList.h"
#include "editor/Main.h"

#include <QComboBox>

namespace korv {

void DatabaseForm::loadWordList(QComboBox* combo, const QString& fileName) {
    combo->clear();
    combo->addItems(readWordList(wordListPath(S.services.programFolder, fileName)));
    if (combo->count() > 0) combo->setCurrentIndex(0);
}

void DatabaseForm::LoadCategorie() {
    loadWordList(Combo2, "Categorie.txt");
}

void DatabaseForm::LoadSoort() {
    loadWordList(Combo3, "Soort.txt");
}

void DatabaseForm::LoadType() {
    loadWordList(Combo4, "Type.txt");
}

void DatabaseForm::LoadConditie() {
    loadWordList(Combo5, "Conditie.txt");
}

void DatabaseForm::ToolsBewerkData_Click() {
    if (saving_) return;
    EditData editor(M, this);
    if (runEditData) runEditData(editor);
}

} // namespace korv

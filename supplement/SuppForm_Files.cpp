// Supplement files: the cover pages and own pages folders, the list of page files,
// opening a page, saving it as a bitmap under a typed name, and printing it on A4.
#include "SuppForm.h"

#include "editor/Algemeen.h"
#include "editor/Main.h"
#include "platform/Files.h"
#include "platform/Printer.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>

namespace korv {

namespace {

QString coverFolder(const QString& programFolder) {
    return programPath(programFolder, "Supplementen/Wapens");
}
QString ownFolder(const QString& programFolder) {
    return programPath(programFolder, "Supplementen/Ontwerpen");
}

void showError(AppState& S, const QString& text) {
    S.services.dialogs->msgBox(text, Mb::OkOnly | Mb::Critical, "Error");
}

} // namespace

void SuppForm::Openen_Click(int Index) {
    if (Index == 1) LoadSupplementLijst(0);
    if (Index == 2) LoadSupplementLijst(1);
}

void SuppForm::LoadSupplementLijst(int Index) {
    AppState& S = M.S;
    List1->clear();
    pageRow_ = -1; // the rows now name another folder's files
    const QString folder = S.services.programFolder;
    File1.Path = Index == 0 ? coverFolder(folder) : ownFolder(folder);
    File1.Pattern = Index == 0 ? "*.jpg" : "*.bmp";
    File1.Refresh();
    List1->addItems(File1.entries);
    Label2->setText(QString::number(List1->count()));
    Label2->adjustSize();
    if (!FolderExistsAt(File1.Path)) showError(S, "De map is niet gevonden:\r\n" + File1.Path);
}

void SuppForm::List1_Click() {
    const QListWidgetItem* item = List1->currentItem();
    if (!item) return;
    const QString path = File1.Path + "/" + item->text();
    QImage img;
    QString error;
    if (!loadPicture(path, img, &error)) {
        showError(M.S, "Dit supplement kan niet worden geopend:\r\n" + path);
        return;
    }
    // Asked only once the file has loaded: a page that cannot replace the work leaves
    // it and its flag alone.
    if (!mayDiscardPage()) {
        const QSignalBlocker block(List1);
        List1->setCurrentRow(pageRow_);
        return;
    }
    pageRow_ = List1->currentRow();
    // Shown at its own size from the top-left corner; the page keeps its size.
    Pic->setPicture(img);
    if (Check1->isChecked()) drawFrame();
    PaginaGewijzigd = false; // the page is as its file holds it, the frame aside
    Pic->Refresh();
}

void SuppForm::FileSave_Click() {
    AppState& S = M.S;
    DialogService& dialogs = *S.services.dialogs;
    const QString name = dialogs.inputBox("Geef de naam voor dit Supplement...", "Naam", "");
    if (name.trimmed().isEmpty()) return;
    if (!isUsableFileName(name)) {
        showError(S, "Deze naam kan geen bestandsnaam zijn.\r\n"
                     "Gebruik geen / of \\ en geen stuurtekens, en niet alleen . of ..");
        return;
    }
    const QString folder = ownFolder(S.services.programFolder);
    const QString path = folder + "/" + name + ".bmp"; // the name as typed, blanks included
    S.OntwerpBestand = path;
    if (FileExistsAt(path) && dialogs.msgBox("Naam supplement bestaat al, overschrijven?",
                                             Mb::YesNo, " Exist") != Mb::Yes)
        return;
    QDir().mkpath(folder);
    QString error;
    if (!saveBmp(Pic->Image(), path, &error)) {
        showError(S, "Het supplement kon niet worden opgeslagen:\r\n" + path + "\r\n" + error);
        return;
    }
    PaginaGewijzigd = false;
}

void SuppForm::FilePrint_Click() {
    PrintSupplement();
}

void SuppForm::PrintSupplement() {
    Printer& p = M.S.services.printerService().current();
    p.ScaleMode = Printer::Scale::Twips;
    p.Orientation = 1;
    p.PaintPicture(Pic->Image(), 300, 300, 11160, 16200);
    if (!p.EndDoc())
        showError(M.S, "Het supplement kon niet worden afgedrukt op " + p.DeviceName + ".");
}

} // namespace korv

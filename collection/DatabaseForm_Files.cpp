#include "DatabaseForm.h"

#include "ListView.h"
#include "controls/VistaButton.h"
#include "editor/Algemeen.h"
#include "editor/Main.h"
#include "platform/Colour.h"
#include "platform/Files.h"
#include "platform/PictureBox.h"
#include "platform/VbMath.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QListWidget>

namespace korv {

namespace {
const QString kNameQuestion = QStringLiteral("Geef een naam voor deze verzameling...");
const QString kNameTitle = QStringLiteral("Naam Invullen");

void refuseName(AppState& S) {
    S.services.dialogs->msgBox("Deze naam kan geen bestandsnaam zijn.\r\n"
                               "Gebruik geen / of \\ en geen stuurtekens, en niet alleen . of ..",
                               Mb::OkOnly | Mb::Critical, "Error");
}
} // namespace

bool DatabaseForm::SaveVerzameling(const QString& naam) {
    const QString path = collectionPath(S.services.programFolder, naam);
    QString error;
    S.FileNr = 1;
    if (writeLines(path, collectionFileLines(naam, ListView1->records()), &error)) return true;
    S.services.dialogs->msgBox("De verzameling kon niet worden opgeslagen:\r\n" + path + "\r\n" +
                                   error,
                               Mb::OkOnly | Mb::Critical, "Error");
    return false;
}

void DatabaseForm::LoadVerzameling(const QString& naam) {
    const QString path = collectionPath(S.services.programFolder, naam);
    ListView1->clearItems();
    QStringList lines;
    if (!readLines(path, lines)) return; // a file that cannot be opened reads as empty
    const CollectionContents c = parseCollectionLines(lines);
    if (c.nameRead) Naam = c.naam;
    ListView1->addRecords(c.records);
}

void DatabaseForm::FileNew_Click() {
    if (saving_) return;
    const QString answer = S.services.dialogs->inputBox(kNameQuestion, kNameTitle, Naam);
    if (!isUsableFileName(answer)) {
        refuseName(S);
        return;
    }
    Naam = answer;
    if (!trimSpaces(Naam).isEmpty()) {
        Label2->setText(collectionLabel());
        Label2->adjustSize();
    }
}

void DatabaseForm::FileOpen_Click() {
    if (saving_) return;
    if (Frame1->isVisibleTo(this)) {
        List1->clear();
        File1 = listFiles(collectionFolder(S.services.programFolder), {"*.col"});
        for (const QString& f : File1)
            List1->addItem(f.left(f.size() - 4));
        Frame1->hide();
        Frame6->show();
        FileOpen->setChecked(true);
    } else {
        Frame6->hide();
        Frame1->show();
        FileOpen->setChecked(false);
    }
}

void DatabaseForm::OpenKnop_Click() {
    if (saving_) return;
    const QListWidgetItem* item = List1->currentItem();
    // Without a chosen collection the list stays as it is.
    if (!item || !item->isSelected()) return;
    if (!mayDiscardRecords()) return;
    Naam = item->text();
    LoadVerzameling(Naam);
    VerzamelingGewijzigd = false;
    Label2->setText(collectionLabel());
    Label2->adjustSize();
    showCount("Aantal Records : ");
    Frame6->hide();
    Frame1->show();
    FileOpen->setChecked(false);
}

void DatabaseForm::FileOpslaan_Click() {
    if (saving_) return;
    const QString answer = S.services.dialogs->inputBox(kNameQuestion, kNameTitle, Naam);
    if (trimSpaces(answer).isEmpty()) {
        Naam = answer;
        return;
    }
    if (!isUsableFileName(answer)) {
        refuseName(S);
        return;
    }
    Naam = answer;

    // The pauses keep the window painted while clicks and keys wait; no second save and
    // no closing until this one is done.
    Main::YieldGuard guard(M);
    saving_ = true;
    S.services.busy.set(true);
    Bar->show();
    Label8->show();
    PauseQuietly(S.services, 1);
    const QString photos = collectionPhotoFolder(S.services.programFolder, Naam);
    // The photo folder is the user's to fill; when it cannot be made the file is still written.
    if (!FolderExistsAt(photos)) QDir().mkpath(photos);
    for (int i = 0; i <= 200; i += 2) {
        Bar->surface().filledBox(0, 0, i, 18, RGB(0, 240, 0));
        Bar->Refresh();
        Label8->setText(QString::number(vbCInt(i / 3.0)) + "%");
        Label8->adjustSize();
        PauseQuietly(S.services, 0.02);
    }
    const bool saved = SaveVerzameling(Naam);
    if (saved) {
        VerzamelingGewijzigd = false;
        Label8->setText("100%");
        Label8->adjustSize();
        PauseQuietly(S.services, 1);
        Label2->setText(collectionLabel());
        Label2->adjustSize();
    }
    Bar->hide();
    Label8->hide();
    S.services.busy.set(false);
    saving_ = false;
}

} // namespace korv

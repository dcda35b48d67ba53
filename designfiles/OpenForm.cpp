#include "OpenForm.h"

#include "DesignFile.h"
#include "DialogLayout.h"
#include "controls/VistaButton.h"
#include "editor/Algemeen.h"
#include "editor/Main.h"
#include "platform/Colour.h"
#include "platform/Files.h"
#include "platform/PictureBox.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>

namespace korv {

namespace {
const QString kNotADesign = QString::fromUtf8("Dit is géén orgineel ontwerp!");
const QString kSelectFirst = QStringLiteral("Eerst een ontwerp selecteren!");
} // namespace

OpenForm::OpenForm(Main& main) : QDialog(&main), M(main) {
    List1 = new QListWidget(this);
    Label2 = new QLabel(this);
    Label1 = new QLabel(this);
    Pic1 = new PictureBox(this);
    DelKnop = new VistaButton(this);
    CancelKnop = new VistaButton(this);
    OkKnop = new VistaButton(this);
    BackPic = new PictureBox(this);
    BackPic->setAutoSize(true);
    BackPic->hide();
    Form_Load();
    // The click reaches the handler however the selection moves (mouse or keys). A mouse
    // press makes the row current before it selects it, so the current-row signal would
    // come too early: the selection change is the one to follow.
    connect(List1, &QListWidget::itemSelectionChanged, this, [this] {
        if (!selectedPath().isEmpty()) List1_Click();
    });
    connect(DelKnop, &VistaButton::Click, this, [this] { DelKnop_Click(); });
    connect(CancelKnop, &VistaButton::Click, this, [this] { CancelKnop_Click(); });
    connect(OkKnop, &VistaButton::Click, this, [this] { OkKnop_Click(); });
}

void OpenForm::Form_Load() {
    layoutForm(this, 6150, 4290, "Openen van een Korvamint Ontwerp", RGB(220, 220, 190));
    placeTwips(List1, 180, 180, 2400, 3000);
    QPalette p = List1->palette();
    p.setColor(QPalette::Base, toQColor(RGB(200, 220, 220)));
    p.setColor(QPalette::Text, toQColor(RGB(60, 60, 60)));
    List1->setPalette(p);

    File1 = listFiles(designsFolder(M.S.services.programFolder), {"*.bmp"});
    List1->clear();
    for (const QString& name : File1) {
        auto* item = new QListWidgetItem(name.left(name.size() - 4), List1);
        // The file's own spelling, so that "ABC.BMP" opens on a case-sensitive disk.
        item->setData(Qt::UserRole, name);
    }
    setForeColour(Label2, RGB(64, 64, 64));
    showCount();

    placeTwips(Label1, 2730, 180, 1725, 2475);
    setBackColour(Label1, RGB(128, 128, 128));
    Pic1->Move(2790, 240, 1650, 2400);
    DelKnop->setCaption("Delete");
    DelKnop->Move(1710, 3325, 900, 330);
    CancelKnop->setCaption("Annuleren");
    CancelKnop->Move(4020, 3325, 930, 330);
    OkKnop->setCaption("Ok");
    OkKnop->Move(5010, 3325, 900, 330);
}

void OpenForm::showCount() {
    Label2->setText(QString::number(List1->count()) + " Ontwerpen");
    placeTwips(Label2, 210, 3240);
}

QString OpenForm::selectedPath() const {
    const QListWidgetItem* item = List1->currentItem();
    if (!item || !item->isSelected() || item->text().isEmpty()) return QString();
    return designsFolder(M.S.services.programFolder) + '/' + item->data(Qt::UserRole).toString();
}

void OpenForm::List1_Click() {
    const QString path = selectedPath();
    if (path.isEmpty()) return;
    AppState& S = M.S;
    S.OntwerpBestand = path;
    S.OpenFormaat = 0;
    QImage img;
    if (loadPicture(path, img)) {
        BackPic->setPicture(img);
        S.OpenFormaat = formatOfSize(img.width(), img.height());
    }
    if (S.OpenFormaat == 0) {
        S.services.dialogs->msgBox(kNotADesign, Mb::OkOnly | Mb::Critical, "Foute Afbeelding");
        return;
    }
    const double w = BackPic->Width(), h = BackPic->Height();
    placeTwips(Label1, 2730, 180, w / 3 + 135, h / 3 + 135);
    Pic1->Move(2790, 240, w / 3, h / 3);
    Pic1->surface().stretchCopy(0, 0, Pic1->surface().widthPx(), Pic1->surface().heightPx(),
                                BackPic->surface(), 0, 0, BackPic->surface().widthPx(),
                                BackPic->surface().heightPx());
    Pic1->Refresh();
}

void OpenForm::DelKnop_Click() {
    AppState& S = M.S;
    const QString path = selectedPath();
    if (path.isEmpty()) {
        S.services.dialogs->msgBox(kSelectFirst, Mb::OkOnly);
        return;
    }
    const QString name = List1->currentItem()->text();
    if (S.services.dialogs->msgBox("Wil je dit ontwerp (" + name + ") voorgoed verwijderen?",
                                   Mb::YesNo, "Delete") != Mb::Yes)
        return;
    // A file already gone counts as deleted; one that stays keeps its entry.
    if (!QFile::remove(path) && QFile::exists(path)) {
        S.services.dialogs->msgBox("Het ontwerp (" + name + ") kon niet worden verwijderd.",
                                   Mb::OkOnly | Mb::Critical, "Error");
        return;
    }
    Pic1->clearPicture();
    {
        const QSignalBlocker block(List1);
        delete List1->takeItem(List1->currentRow());
        List1->setCurrentRow(-1);
        List1->clearSelection();
    }
    showCount();
}

void OpenForm::OkKnop_Click() {
    AppState& S = M.S;
    const QString path = selectedPath();
    if (path.isEmpty()) {
        S.services.dialogs->msgBox(kSelectFirst, Mb::OkOnly);
        return;
    }
    // Checked again here: the canvas is cleared only for a file that loads and is a
    // design, so a failure leaves the current design as it was.
    QImage img;
    const int format = loadPicture(path, img) ? formatOfSize(img.width(), img.height()) : 0;
    S.OpenFormaat = format;
    if (format == 0) {
        S.services.dialogs->msgBox(kNotADesign, Mb::OkOnly | Mb::Critical, "Foute Afbeelding");
        return;
    }
    // Asked only now that the design can replace the canvas; No keeps the window open.
    if (!mayReplaceDesign(S)) return;
    S.OntwerpBestand = path;
    SetDesignFormat(M, format);
    S.OntwerpFormaat = format;
    M.Pic->setPicture(img);
    M.UndoPic->setPicture(img);
    S.Gewijzigd = false;
    accept();
}

void OpenForm::CancelKnop_Click() {
    reject();
}

} // namespace korv

#include "EditData.h"

#include "CollectionFile.h"
#include "DutchOrder.h"
#include "WordList.h"
#include "controls/VistaButton.h"
#include "editor/Algemeen.h"
#include "editor/Main.h"
#include "platform/Colour.h"
#include "platform/Files.h"
#include "platform/PictureBox.h"
#include "platform/VbMath.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace korv {

namespace {
const int kDark = RGB(20, 20, 60);
const int kLight = RGB(220, 240, 220);

void darkColours(QWidget* w) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, toQColor(kDark));
    p.setColor(QPalette::Button, toQColor(kDark));
    p.setColor(QPalette::Text, toQColor(kLight));
    p.setColor(QPalette::ButtonText, toQColor(kLight));
    w->setPalette(p);
}
} // namespace

EditData::EditData(Main& main, QWidget* parent) : QDialog(parent), M(main) {
    Combo1 = new QComboBox(this);
    List1 = new QListWidget(this);
    Label2 = new QLabel(this);
    Text1 = new QLineEdit(this);
    AddKnop = new VistaButton(this);
    Bar = new PictureBox(this);
    DeleteKnop = new VistaButton(this);
    Label5 = new QLabel(this);
    CancelKnop = new VistaButton(this);
    OkKnop = new VistaButton(this);
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    connect(List1, &QListWidget::itemClicked, this, [this] { List1_Click(); });
    connect(List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) List1_Click();
    });
    connect(AddKnop, &VistaButton::Click, this, [this] { AddKnop_Click(); });
    connect(DeleteKnop, &VistaButton::Click, this, [this] { DeleteKnop_Click(); });
    connect(CancelKnop, &VistaButton::Click, this, [this] { CancelKnop_Click(); });
    connect(OkKnop, &VistaButton::Click, this, [this] { OkKnop_Click(); });
    Form_Load();
}

void EditData::Form_Load() {
    QFont uiFont("Arial");
    uiFont.setPixelSize(11);
    setFont(uiFont);
    setWindowTitle("Data Bewerken");
    setBackColour(this, RGB(220, 220, 190));
    setFixedSize(3300 / 15 - 6, 5250 / 15 - 6 - 23);

    placeTwips(Combo1, 150, 150, 2895, 315);
    Combo1->setEditable(false);
    darkColours(Combo1);
    placeTwips(List1, 150, 540, 2880, 2370);
    darkColours(List1);
    placeTwips(Label2, 165, 2940);
    placeTwips(Text1, 150, 3315, 2190, 315);
    darkColours(Text1);
    Text1->clear();
    AddKnop->setCaption("Add");
    AddKnop->Move(2460, 3315, 570, 300);
    Bar->Move(150, 3315, 2190, 315);
    Bar->setScaleMode(ScaleMode::Pixels);
    Bar->setBackColor(kDark);
    Bar->hide();
    DeleteKnop->setCaption("Delete");
    DeleteKnop->Move(150, 3750, 840, 330);
    Label5->setText("Verwijder Item");
    placeTwips(Label5, 1080, 3810);
    CancelKnop->setCaption("Annuleren");
    CancelKnop->Move(1260, 4320, 990, 330);
    OkKnop->setCaption("Ok");
    OkKnop->Move(2280, 4320, 780, 330);

    {
        const QSignalBlocker block(Combo1);
        Combo1->clear();
        Combo1->addItems(listFiles(programPath(M.S.services.programFolder, "data"), {"*.txt"}));
    }
    if (Combo1->count() > 0) {
        const QSignalBlocker block(Combo1);
        Combo1->setCurrentIndex(0);
    }
    Combo1_Click();
    showCount(" woorden");
}

void EditData::showCount(const QString& suffix) {
    Label2->setText(QString::number(List1->count()) + suffix);
    Label2->adjustSize();
}

QStringList EditData::items() const {
    QStringList out;
    for (int i = 0; i < List1->count(); ++i)
        out << List1->item(i)->text();
    return out;
}

void EditData::addSorted(const QString& item) {
    List1->insertItem(int(dutchInsertPosition(items(), item)), item);
}

void EditData::Combo1_Change() {
    if (saving_) return;
    {
        const QSignalBlocker block(List1);
        List1->clear();
    }
    Bestand.clear();
    if (Combo1->currentIndex() >= 0) {
        Bestand = wordListPath(M.S.services.programFolder, Combo1->currentText());
        // Read, then sort once: a long list opens at once.
        QStringList lines;
        for (const QString& line : readWordList(Bestand))
            if (!trimSpaces(line).isEmpty()) lines << line;
        const QSignalBlocker block(List1);
        List1->addItems(dutchSorted(lines));
        List1->setCurrentRow(-1);
    }
    showCount(" woorden");
    DeleteKnop->setEnabled(false);
}

void EditData::List1_Click() {
    DeleteKnop->setEnabled(true);
}

void EditData::AddKnop_Click() {
    if (saving_) return;
    const QString text = Text1->text();
    if (text.isEmpty()) return;
    const QSignalBlocker block(List1);
    addSorted(text);
    showCount(" woorden.");
}

void EditData::DeleteKnop_Click() {
    if (saving_ || !DeleteKnop->Enabled()) return;
    QListWidgetItem* item = List1->currentItem();
    if (!item || !item->isSelected() || item->text().isEmpty()) {
        M.S.services.dialogs->msgBox("Eerst een tekst selecteren!", Mb::OkOnly);
        return;
    }
    {
        const QSignalBlocker block(List1);
        delete List1->takeItem(List1->row(item));
        List1->setCurrentRow(-1);
        List1->clearSelection();
    }
    showCount(" woorden.");
}

void EditData::OkKnop_Click() {
    if (saving_) return;
    AppState& S = M.S;
    {
        // The pauses keep the window painted while clicks and keys wait; nor may it close.
        Main::YieldGuard guard(M);
        saving_ = true;
        Bar->Cls();
        Bar->show();
        for (float x = 0; x <= 145; x += 0.5f) {
            Bar->surface().filledBox(x, 0, x, 19, RGB(vbCInt(40 + x), vbCInt(100 + x), 0));
            Bar->Refresh();
            PauseQuietly(S.services, 0.01);
        }
        saving_ = false;
    }
    if (!Bestand.isEmpty()) {
        QString error;
        S.FileNr = 1;
        if (!writeLines(Bestand, items(), &error)) {
            S.services.dialogs->msgBox("De woordenlijst kon niet worden opgeslagen:\r\n" + Bestand +
                                           "\r\n" + error,
                                       Mb::OkOnly | Mb::Critical, "Error");
            Bar->hide();
            return; // the list stays, to be saved again or cancelled
        }
    }
    {
        Main::YieldGuard guard(M);
        saving_ = true;
        PauseQuietly(S.services, 0.5);
        saving_ = false;
    }
    accept();
}

void EditData::CancelKnop_Click() {
    if (saving_) return;
    QDialog::reject();
}

void EditData::reject() {
    if (saving_) return;
    QDialog::reject();
}

void EditData::closeEvent(QCloseEvent* e) {
    if (saving_) {
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

} // namespace korv

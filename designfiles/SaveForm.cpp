#include "SaveForm.h"

#include "DesignFile.h"
#include "DialogLayout.h"
#include "controls/VistaButton.h"
#include "editor/Algemeen.h"
#include "editor/Main.h"
#include "platform/Colour.h"
#include "platform/Files.h"
#include "platform/PictureBox.h"
#include "platform/VbMath.h"

#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace korv {

SaveForm::SaveForm(Main& main) : QDialog(&main), M(main) {
    Text1 = new QLineEdit(this);
    Bar = new PictureBox(this);
    Label1 = new QLabel(this);
    Label2 = new QLabel(this);
    CancelKnop = new VistaButton(this);
    SaveKnop = new VistaButton(this);
    Text1->installEventFilter(this);
    connect(CancelKnop, &VistaButton::Click, this, [this] { CancelKnop_Click(); });
    connect(SaveKnop, &VistaButton::Click, this, [this] { SaveKnop_Click(); });
    Form_Load();
}

void SaveForm::Form_Load() {
    const int cyan = RGB(170, 240, 240);
    layoutForm(this, 5250, 2100, "Ontwerp Opslaan", cyan);
    placeTwips(Text1, 120, 150, 4485, 300);
    QPalette p = Text1->palette();
    p.setColor(QPalette::Base, toQColor(RGB(40, 40, 60)));
    p.setColor(QPalette::Text, toQColor(RGB(240, 240, 160)));
    Text1->setPalette(p);
    Text1->clear();

    Bar->Move(120, 150, 4485, 300);
    Bar->setScaleMode(ScaleMode::Pixels);
    Bar->setBackColor(RGB(64, 0, 0));
    Bar->hide();

    Label1->setText("0%");
    placeTwips(Label1, 4650, 195);
    Label2->setText("Typ hierboven een naam in voor het korvamint ontwerp en klik daarna op de "
                    "knop 'Opslaan'");
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(Label2, 150, 600, 4010, 450);
    setBackColour(Label2, cyan);

    CancelKnop->setCaption("Annuleren");
    CancelKnop->Move(3210, 1200, 930, 330);
    SaveKnop->setCaption("Opslaan");
    SaveKnop->Move(4170, 1200, 840, 330);
}

bool SaveForm::eventFilter(QObject* watched, QEvent* e) {
    if (watched == Text1 && e->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
        Text1_Click();
    return QDialog::eventFilter(watched, e);
}

void SaveForm::Text1_Click() {
    Text1->clear();
}

void SaveForm::SaveKnop_Click() {
    if (animating_) return;
    AppState& S = M.S;
    DialogService& dialogs = *S.services.dialogs;
    const QString name = Text1->text(); // kept as typed, blanks included
    if (name.trimmed().isEmpty()) return;
    if (!isUsableFileName(name)) {
        dialogs.msgBox("Deze naam kan geen bestandsnaam zijn.\r\n"
                       "Gebruik geen / of \\ en geen stuurtekens, en niet alleen . of ..",
                       Mb::OkOnly | Mb::Critical, "Error");
        return;
    }

    const QString bmpPath = designPath(S.services.programFolder, name);
    const QString pictures = userPicturesFolder(S.services);
    const QString jpgPath = pictures + '/' + name + ".jpg";
    S.OntwerpBestand = bmpPath;
    // A picture of the user's with this name is not overwritten unasked either.
    if (FileExists(bmpPath) || FileExists(jpgPath)) {
        if (dialogs.msgBox("Naam ontwerp bestaat al, overschrijven?", Mb::YesNo, " Exist") !=
            Mb::Yes)
            return;
    }

    QDir().mkpath(designsFolder(S.services.programFolder));
    QString error;
    if (!saveBmp(M.Pic->Image(), bmpPath, &error)) {
        dialogs.msgBox("Het ontwerp kon niet worden opgeslagen:\r\n" + bmpPath + "\r\n" + error,
                       Mb::OkOnly | Mb::Critical, "Error");
        return;
    }
    QDir().mkpath(pictures);
    if (!saveJpeg(M.Pic->Image(), jpgPath, 100)) {
        dialogs.msgBox("Fout bij opslaan als JPG!", Mb::OkOnly);
        return;
    }
    S.OntwerpBestand = jpgPath;

    runAnimation();
    S.Gewijzigd = false;
    accept();
}

void SaveForm::runAnimation() {
    // The main window may not close, nor this window end, while the pauses let events run.
    Main::YieldGuard guard(M);
    animating_ = true;
    AppState& S = M.S;
    S.services.busy.set(true);
    Text1->hide();
    Bar->show();
    for (int i = 0; i <= 300; i += 2) {
        Bar->surface().filledBox(0, 0, i, 18, RGB(0, 240, 0));
        Bar->Refresh();
        Label1->setText(QString::number(vbCInt(i / 3.0)) + "%");
        Label1->adjustSize();
        Pause(S, 0.02);
    }
    Label1->setText("100%");
    Label1->adjustSize();
    Pause(S, 0.5);
    S.services.busy.set(false);
    animating_ = false;
}

void SaveForm::CancelKnop_Click() {
    if (animating_) return;
    QDialog::reject();
}

void SaveForm::reject() {
    // Escape and the close box end the window as "Annuleren" does, never mid-animation.
    if (animating_) return;
    QDialog::reject();
}

void SaveForm::closeEvent(QCloseEvent* e) {
    if (animating_) {
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

} // namespace korv

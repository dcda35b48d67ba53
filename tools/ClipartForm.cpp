#include "ClipartForm.h"

#include "HandOver.h"
#include "controls/VistaButton.h"
#include "editor/Main.h"
#include "imaging/PictureOps.h"
#include "platform/Colour.h"
#include "platform/Files.h"
#include "platform/PictureBox.h"
#include "platform/VbMath.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

namespace korv {

ClipartForm::ClipartForm(Main& main) : QDialog(&main), M(main) {
    Label1 = colourBox(this, RGB(128, 128, 128));
    Pic = new PictureBox(this);
    Label3 = colourBox(this, RGB(128, 128, 128));
    BigPic = new PictureBox(this);
    Combo1 = new QComboBox(this);
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Label4 = new QLabel(this);
    Label5 = new QLabel(this);
    InfoLabel = new QLabel(this);
    ExportPic = new PictureBox(this);
    ExportPic->hide();
    BWKnop = new VistaButton(this);
    Label2 = new QLabel(this);
    HorKnop = new VistaButton(this);
    Label7 = new QLabel(this);
    Label8 = colourBox(this, RGB(0, 0, 0));
    VScroll2 = new QScrollBar(Qt::Vertical, this);
    Label9 = new QLabel(this);
    CancelKnop = new VistaButton(this);
    ExportKnop = new VistaButton(this);
    BackPic = new PictureBox(this);
    BackPic->setAutoSize(true);
    BackPic->hide();

    Pic->onMouseDown = [this](int b, int s, double x, double y) { Pic_MouseDown(b, s, x, y); };
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    connect(Combo1->lineEdit(), &QLineEdit::textEdited, this, [this] { Combo1_Change(); });
    connect(VScroll2, &QScrollBar::valueChanged, this, [this] { VScroll2_Change(); });
    connect(BWKnop, &VistaButton::Click, this, [this] { BWKnop_Click(); });
    connect(HorKnop, &VistaButton::Click, this, [this] { HorKnop_Click(); });
    connect(CancelKnop, &VistaButton::Click, this, [this] { CancelKnop_Click(); });
    connect(ExportKnop, &VistaButton::Click, this, [this] { ExportKnop_Click(); });
    Form_Load();
}

void ClipartForm::Form_Load() {
    layoutToolForm(this, 8790, 8550, "Cliparts Invoegen", RGB(220, 220, 190));
    placeTwips(Label1, 150, 180, 8385, 1950);
    Pic->Move(210, 240, 8250, 1800);
    File1 = listFiles(programPath(M.S.services.programFolder, "Cliparts"), {"*.art"});
    placeTwips(Label3, 150, 2400, 5085, 5530);
    BigPic->Move(210, 2460, 4950, 5400);
    placeTwips(Combo1, 5490, 2400, 2100, -1);
    setBackColour(Combo1, RGB(0, 0, 40));
    QPalette p = Combo1->palette();
    p.setColor(QPalette::Base, toQColor(RGB(0, 0, 40)));
    p.setColor(QPalette::Text, toQColor(RGB(220, 220, 240)));
    p.setColor(QPalette::ButtonText, toQColor(RGB(220, 220, 240)));
    Combo1->setPalette(p);
    Label4->setText("Bibliotheek");
    placeTwips(Label4, 7650, 2460);

    for (const QString& name : File1)
        Combo1->addItem(name);
    // Without any library there is nothing to show; the window stays usable for Cancel.
    if (Combo1->count() > 0) {
        Combo1->setCurrentIndex(0);
        Combo1_Click();
    }

    Label5->setText(QString("Totaal %1 Cliparts").arg(Combo1->count() * 5));
    placeTwips(Label5, 5520, 2760);
    InfoLabel->setText(QString::fromUtf8(
        "Kies met de bovenstaande keuzebalk een onderwerp, klik daarna op één van de 5 Cliparts "
        "om deze te selecteren, de grootte kun je wijzigen met de verschuifbare scrolbalk, klik "
        "als laatste op de Exportknop."));
    InfoLabel->setWordWrap(true);
    InfoLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(InfoLabel, 5535, 3180, 2700, 1500);
    ExportPic->Move(ExportPic->Left(), ExportPic->Top(), 4950, 6400);

    BWKnop->setCaption("B / W");
    BWKnop->Move(5520, 5010, 810, 330);
    Label2->setText("Verwijder alle kleuren");
    placeTwips(Label2, 6420, 5070);
    HorKnop->setCaption("Mirror");
    HorKnop->Move(5520, 5400, 810, 330);
    Label7->setText("Spiegelbeeld");
    placeTwips(Label7, 6420, 5460);
    placeTwips(Label8, 5520, 6000, 360, 1920);
    placeTwips(VScroll2, 5550, 6030, 300, 1860);
    VScroll2->setMaximum(330);
    VScroll2->setMinimum(110); // moves the value up to 110, which sizes the result once
    VScroll2->setValue(110);
    Label9->setText(QString("Grootte Clipart (%1x%2)")
                        .arg(Format(BigPic->ScaleWidth()), Format(BigPic->ScaleHeight())));
    placeTwips(Label9, 5950, 6090, 2700, -1);
    CancelKnop->setCaption("Annuleren");
    CancelKnop->Move(6720, 7590, 930, 330);
    ExportKnop->setCaption("Export");
    ExportKnop->Move(7680, 7590, 840, 330);
}

void ClipartForm::Combo1_Click() {
    loadLibrary(Combo1->currentText());
}

void ClipartForm::Combo1_Change() {
    loadLibrary(Combo1->currentText());
}

void ClipartForm::loadLibrary(const QString& name) {
    BusyPointer& busy = M.S.services.busy;
    busy.set(true);
    // A picture that is no library never replaces the one loaded before: the strip
    // and the tiles that a press copies always come from the same library.
    QImage candidate;
    const bool read =
        !name.isEmpty() &&
        loadPicture(programPath(M.S.services.programFolder, "Cliparts/" + name), candidate);
    const QSize size = read ? candidate.size() : BackPic->picture().size();
    if (size != QSize(kLibraryWidth, kLibraryHeight)) {
        busy.set(false);
        M.S.services.dialogs->msgBox("Geen orginele sticker!", Mb::OkOnly | Mb::Critical, "Error");
        return;
    }
    if (read) BackPic->setPicture(candidate);
    // The library at a third of its size: tile k spans x = 110k to 110k + 110.
    Pic->surface().stretchCopy(0, 0, kLibraryWidth / 3, kLibraryHeight / 3, BackPic->surface(), 0,
                               0, kLibraryWidth, kLibraryHeight);
    Pic->Refresh();
    busy.set(false);
}

void ClipartForm::Pic_MouseDown(int, int, double X, double Y) {
    // Presses on the borders between the tiles, and anywhere else outside the five
    // bands, give the first tile.
    int offset = 0;
    if (Y > 5 && Y < 115) {
        if (X > 5 && X < 105)
            offset = 0;
        else if (X > 115 && X < 215)
            offset = 330;
        else if (X > 225 && X < 325)
            offset = 660;
        else if (X > 335 && X < 435)
            offset = 990;
        else if (X > 445 && X < 545)
            offset = 1320;
    }
    ExportPic->surface().copy(0, 0, kTileWidth, kTileHeight, BackPic->surface(), offset, 0);
    BigPic->surface().stretchCopy(0, 0, vbCInt(BigPic->ScaleWidth()), vbCInt(BigPic->ScaleHeight()),
                                  ExportPic->surface(), 0, 0, kTileWidth, kTileHeight);
    BigPic->Refresh();
}

void ClipartForm::VScroll2_Change() {
    const int v = VScroll2->value();
    const int W = v;
    const int H = vbCInt(v * 1.09);
    BigPic->Cls();
    BigPic->Move(BigPic->Left(), BigPic->Top(), W * 15, H * 15);
    BigPic->surface().stretchCopy(0, 0, vbCInt(BigPic->ScaleWidth()), vbCInt(BigPic->ScaleHeight()),
                                  ExportPic->surface(), 0, 0, kTileWidth, kTileHeight);
    BigPic->Refresh();
    Label9->setText(QString("Grootte Clipart (%1x%2)")
                        .arg(Format(BigPic->ScaleWidth()), Format(BigPic->ScaleHeight())));
}

void ClipartForm::BWKnop_Click() {
    // The conversion lets events run after each row.
    if (M.yielding()) return;
    Main::YieldGuard guard(M);
    M.S.services.busy.set(true);
    ConvertBlackWhite(M.S.imaging, *BigPic);
    M.S.services.busy.set(false);
}

void ClipartForm::HorKnop_Click() {
    FlipHorizontal(*BigPic);
    BigPic->Refresh();
}

void ClipartForm::ExportKnop_Click() {
    M.S.Tool = 50;
    handOverPicture(M, BigPic->Image());
    accept();
    showPlacementHint(M);
}

void ClipartForm::CancelKnop_Click() {
    reject();
}

} // namespace korv

#include "ArrowForm.h"

#include "HandOver.h"
#include "controls/VistaButton.h"
#include "editor/Main.h"
#include "imaging/PictureOps.h"
#include "platform/Colour.h"
#include "platform/Files.h"
#include "platform/PictureBox.h"

#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>

namespace korv {

bool ArrowForm::AfbeeldingGekozen = false;

ArrowForm::ArrowForm(Main& main) : QDialog(&main), M(main) {
    Label1 = colourBox(this, RGB(64, 64, 64));
    Pic = new PictureBox(this);
    Label3 = colourBox(this, RGB(0, 0, 0));
    Picture1 = new PictureBox(this);
    RotatieKnop = new VistaButton(this);
    MirrowKnop = new VistaButton(this);
    Label5 = colourBox(this, RGB(0, 0, 0));
    MiniPic = new PictureBox(this);
    Label2 = colourBox(this, RGB(0, 0, 0));
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setRange(0, kRows - 1);
    Label4 = new QLabel(this);
    for (int i = 0; i < 2; ++i)
        Option1[i] = new QRadioButton(this);
    RotatiePic = new PictureBox(this);
    RotatiePic->hide();
    CancelKnop = new VistaButton(this);
    ExportKnop = new VistaButton(this);
    BackPic = new PictureBox(this);
    BackPic->setAutoSize(true);
    BackPic->hide();

    Pic->onMouseDown = [this](int b, int s, double x, double y) { Pic_MouseDown(b, s, x, y); };
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    connect(RotatieKnop, &VistaButton::Click, this, [this] { RotatieKnop_Click(); });
    connect(MirrowKnop, &VistaButton::Click, this, [this] { MirrowKnop_Click(); });
    connect(CancelKnop, &VistaButton::Click, this, [this] { CancelKnop_Click(); });
    connect(ExportKnop, &VistaButton::Click, this, [this] { ExportKnop_Click(); });
    Form_Load();
}

void ArrowForm::Form_Load() {
    const int back = RGB(230, 230, 190);
    layoutToolForm(this, 8250, 4650, "Pijlen, Vlaggen en Pins", back);
    placeTwips(Label1, 150, 180, 6135, 1635);
    Pic->Move(210, 240, 6000, 1500);
    placeTwips(Label3, 6390, 180, 1635, 1635);
    Picture1->Move(6450, 240, 1500, 1500);
    Picture1->setBackColor(RGB(210, 210, 210));
    RotatieKnop->setCaption("Rotatie");
    RotatieKnop->Move(6390, 1890, 780, 330);
    RotatieKnop->setToolTipText(" 90 graden draaien ");
    MirrowKnop->setCaption("Mirror");
    MirrowKnop->Move(7215, 1890, 780, 330);
    MirrowKnop->setToolTipText(" Spiegelbeeld ");
    placeTwips(Label5, 7125, 2325, 885, 885);
    MiniPic->Move(7185, 2385, 750, 750);
    MiniPic->setBackColor(RGB(210, 210, 210));
    placeTwips(Label2, 150, 1890, 6135, 360);
    placeTwips(HScroll1, 180, 1920, 6075, 300);
    Label4->setText(QString::fromUtf8(
        "Verschuif hierboven de scrollbalk voor meer afbeeldingen, klik dan op één van de 4 "
        "afbeeldingen en selecteer hieronder de grootte. Bij de juiste keuze klik op Export."));
    Label4->setWordWrap(true);
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(Label4, 180, 2400, 6000, 600);
    Option1[0]->setText("Grote afbeelding gebruiken (100 x 100 Pixels)");
    placeTwips(Option1[0], 330, 3150, 4500, 330);
    Option1[1]->setText("Kleine afbeelding gebruiken (50 x 50 Pixels)");
    placeTwips(Option1[1], 330, 3420, 4500, 330);
    for (QRadioButton* o : Option1)
        setBackColour(o, back);
    Option1[0]->setChecked(true);
    RotatiePic->Move(RotatiePic->Left(), RotatiePic->Top(), 1500, 1500);
    CancelKnop->setCaption("Annuleren");
    CancelKnop->Move(6120, 3645, 930, 360);
    ExportKnop->setCaption("Export");
    ExportKnop->Move(7080, 3645, 900, 360);

    // A pick from an earlier opening must not make Export hand over a picture that
    // nobody picked here, also when the sheet cannot be read.
    AfbeeldingGekozen = false;
    QImage sheet;
    if (!loadPicture(programPath(M.S.services.programFolder, "Data/Arrows.arr"), sheet)) {
        Surface& s = Pic->surface();
        s.currentX = 90;
        s.currentY = 40;
        s.print("Fout bij het laden van de afbeeldingen!");
        Pic->Refresh();
        return;
    }
    BackPic->setPicture(sheet);
    HScroll1_Change(); // row 0, whatever the bar shows
    HScroll1->setValue(0);
    HScroll1->setMaximum(kRows - 1);
}

void ArrowForm::HScroll1_Change() {
    const int r = HScroll1->value();
    // One row of the sheet one to one; rows the sheet lacks leave the view as it was.
    const Surface& sheet = BackPic->surface();
    Pic->surface().stretchCopy(0, 0, 6000, 1500, sheet, 0, kCell * r,
                               static_cast<int>(BackPic->Width()), 1500);
    Pic->Refresh();
}

void ArrowForm::Pic_MouseDown(int, int, double X, double) {
    int offset = 0;
    if (X > 0 && X < 99)
        offset = 0;
    else if (X > 100 && X < 199)
        offset = 100;
    else if (X > 200 && X < 299)
        offset = 200;
    else if (X > 300 && X < 399)
        offset = 300;
    Picture1->surface().copy(0, 0, kCell, kCell, Pic->surface(), offset, 0);
    Picture1->Refresh();
    MiniPic->surface().stretchCopy(0, 0, kCell / 2, kCell / 2, Pic->surface(), offset, 0, kCell,
                                   kCell);
    MiniPic->Refresh();
    RotatiePic->setPicture(Picture1->Image());
    AfbeeldingGekozen = true;
}

void ArrowForm::RotatieKnop_Click() {
    // A quarter turn clockwise: the top row becomes the right column.
    const Surface& src = RotatiePic->surface();
    Surface& dst = Picture1->surface();
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) {
            const int c = src.pixel(x, y);
            if (c >= 0) dst.setPixel(kCell - 1 - y, x, c);
        }
    Picture1->Refresh();
    RotatiePic->setPicture(Picture1->Image());
    MiniPic->surface().stretchCopy(0, 0, kCell / 2, kCell / 2, Picture1->surface(), 0, 0, kCell,
                                   kCell);
    MiniPic->Refresh();
}

void ArrowForm::MirrowKnop_Click() {
    FlipHorizontal(*Picture1);
    Picture1->Refresh();
    FlipHorizontal(*MiniPic);
    MiniPic->Refresh();
}

void ArrowForm::ExportKnop_Click() {
    if (!AfbeeldingGekozen) {
        accept();
        return;
    }
    M.S.Tool = 50;
    handOverPicture(M, Option1[0]->isChecked() ? Picture1->Image() : MiniPic->Image());
    accept();
    showPlacementHint(M);
}

void ArrowForm::CancelKnop_Click() {
    reject();
}

} // namespace korv

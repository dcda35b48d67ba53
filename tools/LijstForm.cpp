#include "LijstForm.h"

#include "HandOver.h"
#include "controls/VistaButton.h"
#include "editor/Main.h"
#include "platform/Colour.h"
#include "platform/Files.h"
#include "platform/PictureBox.h"
#include "platform/VbMath.h"

#include <QLabel>
#include <QScrollBar>

namespace korv {

namespace {
// The strip holds 100 cells of 80 x 80 pixels, 20 to a row.
constexpr int kCell = 80;
// Row 1 of a cell, columns 6 to 75, is the frame's profile from the outside in; the
// colour at column i belongs to the ring i - 7 pixels inside the canvas edge.
constexpr int kFirstProfileColumn = 6;
constexpr int kLastProfileColumn = 75;
constexpr int kProfileRow = 1;
constexpr int kOpen = 250; // a component this high marks a ring left open
} // namespace

LijstForm::LijstForm(Main& main) : QDialog(&main), M(main) {
    Label1 = new QLabel(this);
    LijstPic = new PictureBox(this);
    Label2 = new QLabel(this);
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    Label3 = new QLabel(this);
    Label4 = new QLabel(this);
    CancelKnop = new VistaButton(this);
    OkKnop = new VistaButton(this);
    BackPic = new PictureBox(this);
    BackPic->setAutoSize(true);
    BackPic->hide();
    Form_Load();
    // valueChanged comes while the thumb is dragged too, so it serves both events.
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    connect(CancelKnop, &VistaButton::Click, this, [this] { CancelKnop_Click(); });
    connect(OkKnop, &VistaButton::Click, this, [this] { OkKnop_Click(); });
}

void LijstForm::Form_Load() {
    layoutToolForm(this, 7200, 2490, "Schilderijlijsten", RGB(190, 230, 190));
    placeTwips(Label1, 225, 240, 1305, 1305);
    setBackColour(Label1, RGB(64, 64, 64));
    // White, so that without a strip the preview holds no ring colour to paint.
    LijstPic->setBackColor(kWhite);
    LijstPic->Move(285, 300, 1170, 1170);
    placeTwips(Label2, 1650, 240, 4500, 345);
    setBackColour(Label2, RGB(0, 0, 0));
    placeTwips(HScroll1, 1680, 270, 4440, 285);
    HScroll1->setMaximum(99);
    HScroll1->setMinimum(0);
    HScroll1->setValue(0);
    HScroll1->setPageStep(1);
    HScroll1->setSingleStep(1);
    Label3->setText("1 / 100");
    placeTwips(Label3, 6210, 300);
    Label3->adjustSize();
    Label4->setText("Verschuif de scrollbalk voor de verschillende lijsten,\r\n"
                    "heb je de juiste lijst, klik dan op de button 'Export' om de\r\n"
                    "lijst over te brengen naar het orginele korvamintontwerp.");
    placeTwips(Label4, 1680, 660);
    Label4->adjustSize();
    CancelKnop->setCaption("Annuleren");
    CancelKnop->Move(4920, 1500, 930, 330);
    OkKnop->setCaption("Export");
    OkKnop->Move(5880, 1500, 960, 330);

    QImage strip;
    if (loadPicture(programPath(M.S.services.programFolder, "Data/Lijsten.bmp"), strip))
        BackPic->setPicture(strip);
    HScroll1_Change();
}

void LijstForm::HScroll1_Change() {
    const int n = HScroll1->value();
    LijstX = (n % 20) * kCell;
    LijstY = (n / 20) * kCell;
    // Without a strip the preview keeps what it showed.
    if (!BackPic->picture().isNull()) {
        LijstPic->surface().copy(0, 0, 1200, 1200, BackPic->surface(), LijstX, LijstY);
        LijstPic->Refresh();
    }
    Label3->setText(QString::number(n + 1) + " / 100");
    Label3->adjustSize();
}

void LijstForm::OkKnop_Click() {
    M.UndoPic->setPicture(M.Pic->Image());
    const int X1 = vbCInt(M.Pic->ScaleWidth());
    const int Y1 = vbCInt(M.Pic->ScaleHeight());
    ApplyFrame(0, 0, X1, Y1);
}

void LijstForm::ApplyFrame(int X0, int Y0, int X1, int Y1) {
    Surface& canvas = M.Pic->surface();
    // The rings keep the canvas's pen width, but are outlines in plain colour whatever
    // fill or draw mode a shape tool left set: a filled ring would wipe out the design.
    const int fillStyle = canvas.fillStyle, drawMode = canvas.drawMode;
    canvas.fillStyle = FillTransparent;
    canvas.drawMode = DrawCopyPen;
    bool painted = false;
    for (int i = kFirstProfileColumn; i <= kLastProfileColumn; ++i) {
        const int c = LijstPic->surface().pixel(i, kProfileRow);
        if (c < 0) continue;
        const int red = redOf(c), green = greenOf(c), blue = blueOf(c);
        if (red >= kOpen || green >= kOpen || blue >= kOpen) continue;
        const int d = i - 7;
        canvas.box(X0 + d, Y0 + d, X1 - d, Y1 - d, RGB(red, green, blue));
        painted = true;
    }
    canvas.fillStyle = fillStyle;
    canvas.drawMode = drawMode;
    M.Pic->Refresh();
    // A frame is a change like any other, so closing asks before it is lost.
    if (painted) M.S.Gewijzigd = true;
    accept();
}

void LijstForm::CancelKnop_Click() {
    reject();
}

} // namespace korv

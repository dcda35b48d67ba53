#include "BallonForm.h"

#include "HandOver.h"
#include "controls/VistaButton.h"
#include "editor/Main.h"
#include "imaging/PictureOps.h"
#include "platform/Colour.h"
#include "platform/PictureBox.h"
#include "platform/VbMath.h"

#include <QLabel>
#include <QScrollBar>

namespace korv {

BallonForm::BallonForm(Main& main) : QDialog(&main), M(main) {
    for (int k = 0; k < 4; ++k)
        Img[k] = QImage(QString(":/main/Ballon%1.png").arg(k));
    Label1 = colourBox(this, RGB(128, 128, 128));
    Pic = new PictureBox(this);
    Label2 = colourBox(this, RGB(0, 0, 0));
    VScroll1 = new QScrollBar(Qt::Vertical, this);
    Label3 = colourBox(this, RGB(0, 0, 0));
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    Label4 = new QLabel(this);
    for (int k = 0; k < 4; ++k) {
        Knop[k] = new VistaButton(this);
        Knop[k]->setPicture(QImage(QString(":/main/BallonKnop%1.png").arg(k)));
        connect(Knop[k], &VistaButton::Click, this, [this, k] { Knop_Click(k); });
    }
    FlipHorKnop = new VistaButton(this);
    FlipVerKnop = new VistaButton(this);
    CancelKnop = new VistaButton(this);
    ExportKnop = new VistaButton(this);
    BackPic = new PictureBox(this);
    BackPic->setAutoSize(true);
    BackPic->hide();
    BackPic->setPicture(Img[0]);

    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    connect(FlipHorKnop, &VistaButton::Click, this, [this] { FlipHorKnop_Click(); });
    connect(FlipVerKnop, &VistaButton::Click, this, [this] { FlipVerKnop_Click(); });
    connect(CancelKnop, &VistaButton::Click, this, [this] { CancelKnop_Click(); });
    connect(ExportKnop, &VistaButton::Click, this, [this] { ExportKnop_Click(); });
    Form_Load();
}

void BallonForm::Form_Load() {
    layoutToolForm(this, 7500, 4800, "Tekstballon", RGB(170, 230, 190));
    placeTwips(Label1, 210, 240, 4485, 2685);
    Pic->Move(270, 300, 2250, 1500);
    placeTwips(Label2, 4800, 240, 360, 2700);
    placeTwips(VScroll1, 4830, 270, 300, 2640);
    VScroll1->setMaximum(170);
    VScroll1->setValue(vbCInt(Pic->Height() / 15));
    placeTwips(Label3, 210, 3030, 4500, 360);
    placeTwips(HScroll1, 240, 3060, 4440, 300);
    HScroll1->setMaximum(290);
    HScroll1->setValue(vbCInt(Pic->Width() / 15));
    placeTwips(Label4, 4800, 3105, 2400, -1);
    showSize();
    for (int k = 0; k < 4; ++k)
        Knop[k]->Move(5790, 240 + 675 * k, 990, 660);
    FlipHorKnop->setCaption("Flip Hor.");
    FlipHorKnop->Move(210, 3810, 930, 360);
    FlipHorKnop->setToolTipText(" Spiegelbeeld ");
    FlipVerKnop->setCaption("Flip Vert.");
    FlipVerKnop->Move(1170, 3810, 930, 360);
    FlipVerKnop->setToolTipText(" Vertikaal Spiegelen ");
    CancelKnop->setCaption("Annuleren");
    CancelKnop->Move(5370, 3810, 930, 360);
    ExportKnop->setCaption("Export");
    ExportKnop->Move(6330, 3810, 900, 360);
    Pic->setPicture(BackPic->picture());
}

void BallonForm::stretchShape() {
    // The whole shape, whatever its size, fills the whole box.
    const Surface& shape = BackPic->surface();
    Pic->surface().stretchCopy(0, 0, Pic->surface().widthPx(), Pic->surface().heightPx(), shape, 0,
                               0, shape.widthPx(), shape.heightPx());
}

void BallonForm::showSize() {
    Label4->setText(
        QString("%1 x %2 Pixels").arg(Format(Pic->Width() / 15), Format(Pic->Height() / 15)));
}

void BallonForm::VScroll1_Change() {
    Pic->Cls();
    Pic->setHeight(VScroll1->value() * 15);
    stretchShape();
    Pic->Refresh();
    showSize();
}

void BallonForm::HScroll1_Change() {
    Pic->Cls();
    Pic->setWidth(HScroll1->value() * 15);
    stretchShape();
    Pic->Refresh();
    showSize();
}

void BallonForm::Knop_Click(int Index) {
    if (Index < 0 || Index > 3) return;
    BackPic->setPicture(Img[Index]);
    Pic->Move(Pic->Left(), Pic->Top(), 2250, 1500);
    VScroll1->setValue(vbCInt(Pic->Height() / 15));
    HScroll1->setValue(vbCInt(Pic->Width() / 15));
    Label4->setText("150 x 100 Pixels");
    Pic->setPicture(BackPic->picture());
}

void BallonForm::FlipHorKnop_Click() {
    FlipHorizontal(*BackPic);
    stretchShape();
    Pic->Refresh();
}

void BallonForm::FlipVerKnop_Click() {
    FlipVertical(*BackPic);
    stretchShape();
    Pic->Refresh();
}

void BallonForm::ExportKnop_Click() {
    // A balloon of no width or height is nothing to place: the window stays open so
    // that the size can be set.
    if (Pic->Image().isNull()) return;
    M.S.Tool = 50;
    handOverPicture(M, Pic->Image());
    accept();
    showPlacementHint(M);
}

void BallonForm::CancelKnop_Click() {
    reject();
}

} // namespace korv

#include "StempelForm.h"

#include "HandOver.h"
#include "controls/VistaButton.h"
#include "editor/Main.h"
#include "platform/Colour.h"
#include "platform/Files.h"
#include "platform/PictureBox.h"
#include "platform/VbMath.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <cmath>

namespace korv {

namespace {
constexpr double kPi = 3.14; // the layouts were tuned with this value
constexpr int kBand = 240 + 256 * 240 + 65536 * 240;
// The surface's own colours: paper white, which printing leaves out, and black ink.
constexpr int kPaper = kWhite;
constexpr int kInk = kBlack;
constexpr double kLargestFontSize = 500;

void darkField(QWidget* w) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, toQColor(RGB(30, 0, 0)));
    p.setColor(QPalette::Text, toQColor(RGB(250, 250, 230)));
    p.setColor(QPalette::Button, toQColor(RGB(30, 0, 0)));
    p.setColor(QPalette::ButtonText, toQColor(RGB(250, 250, 230)));
    w->setPalette(p);
}

QComboBox* numberList(QWidget* parent, int from, int to) {
    auto* c = new QComboBox(parent);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    for (int v = from; v <= to; ++v)
        c->addItem(QString::number(v));
    darkField(c);
    return c;
}
} // namespace

StempelForm::StempelForm(Main& main) : QDialog(&main), M(main) {
    Label1 = new QLabel(this);
    Pic = new PictureBox(this);
    Label2 = new QLabel(this);
    Text1 = new QLineEdit(this);
    Combo1 = numberList(this, 1, 31);
    Combo2 = numberList(this, 1, 12);
    Combo3 = numberList(this, 2000, 2050);
    Label3 = new QLabel(this);
    Label5 = new QLabel(this);
    for (auto& s : HScroll1)
        s = new QScrollBar(Qt::Horizontal, this);
    Label6 = new QLabel(this);
    Label7 = new QLabel(this);
    Label8 = new QLabel(this);
    Combo4 = numberList(this, 10, 30);
    Label9 = new QLabel(this);
    Check1 = new QCheckBox(this);
    ShowKnop = new VistaButton(this);
    CancelKnop = new VistaButton(this);
    ExportKnop = new VistaButton(this);
    Label4 = new QLabel(this);
    Label4->hide();
    Form_Load();
    for (int i = 0; i < 3; ++i)
        connect(HScroll1[i], &QScrollBar::valueChanged, this, [this, i] { HScroll1_Change(i); });
    connect(ShowKnop, &VistaButton::Click, this, [this] { ShowKnop_Click(); });
    connect(CancelKnop, &VistaButton::Click, this, [this] { CancelKnop_Click(); });
    connect(ExportKnop, &VistaButton::Click, this, [this] { ExportKnop_Click(); });
}

void StempelForm::Form_Load() {
    layoutToolForm(this, 8250, 4650, "Stempel Ontwerpen", RGB(190, 230, 230));
    placeTwips(Label1, 180, 210, 3300, 3300);
    setBackColour(Label1, RGB(64, 64, 64));
    Pic->surface().backColor = kPaper;
    Pic->Move(240, 270, 3180, 3180);
    Pic->Cls();
    Surface& s = Pic->surface();
    s.foreColor = kInk;
    s.fontName = "Arial";
    s.fontBold = true;

    Label2->setText("Randtekst");
    placeTwips(Label2, 6390, 510);
    Text1->setText("Nederland");
    darkField(Text1);
    placeTwips(Text1, 3900, 450, 2400, 330);

    const QDate today = M.S.services.clock->now().date();
    placeTwips(Combo1, 3900, 1110, 690, 330);
    placeTwips(Combo2, 4650, 1110, 690, 330);
    placeTwips(Combo3, 5400, 1110, 915, 330);
    Combo1->setCurrentIndex(today.day() - 1);
    Combo2->setCurrentIndex(today.month() - 1);
    if (today.year() >= 2000 && today.year() <= 2050) {
        Combo3->setCurrentIndex(today.year() - 2000);
    } else {
        // The list has no entry for this year; the field shows it all the same.
        Combo3->setCurrentIndex(-1);
        Combo3->setEditText(QString::number(today.year()));
    }
    Label3->setText("Dag, Maand, Jaar");
    placeTwips(Label3, 6390, 1170);

    placeTwips(Label5, 3900, 1800, 2100, 870);
    setBackColour(Label5, RGB(0, 0, 0));
    const int tops[3] = {1830, 2100, 2370};
    const int mins[3] = {0, 0, 1}, maxs[3] = {200, 360, 180}, values[3] = {83, 360, 1};
    for (int i = 0; i < 3; ++i) {
        placeTwips(HScroll1[i], 3930, tops[i], 2040, 270);
        HScroll1[i]->setRange(mins[i], maxs[i]);
        HScroll1[i]->setValue(values[i]);
        HScroll1[i]->raise();
    }
    Label6->setText("Rad (83)");
    Label7->setText("Arc (360)");
    Label8->setText("Deg (1)");
    placeTwips(Label6, 6090, 1860);
    placeTwips(Label7, 6090, 2130);
    placeTwips(Label8, 6090, 2400);

    placeTwips(Combo4, 3900, 3000, 915, 330);
    Combo4->setCurrentIndex(12);
    Label9->setText("Lettergrootte");
    placeTwips(Label9, 4890, 3045);
    Check1->setText("Transparant");
    Check1->setChecked(true);
    setBackColour(Check1, RGB(190, 230, 230));
    placeTwips(Check1, 6300, 3045, 1200, -1);

    ShowKnop->setCaption("Preview");
    ShowKnop->Move(180, 3645, 930, 360);
    CancelKnop->setCaption("Annuleren");
    CancelKnop->Move(6120, 3645, 930, 360);
    ExportKnop->setCaption("Ok");
    ExportKnop->setToolTipText(" Stempel Opslaan ");
    ExportKnop->Move(7080, 3645, 900, 360);

    QFont f("Arial");
    f.setBold(true);
    Label4->setFont(f);

    DrawStempelFrame();
    Pic->Refresh();
}

void StempelForm::DrawStempelFrame() {
    Surface& s = Pic->surface();
    s.drawWidth = 5;
    if (!Check1->isChecked()) {
        // The date band and the ring band get a light grey backing.
        for (int y = 88; y <= 120; ++y)
            s.line(39, y, 170, y, kBand);
        for (int r = 100; r >= 65; --r)
            s.circle(106, 106, r, kBand);
    }
    s.circle(106, 106, 102, kInk);
    s.circle(106, 106, 65, kInk);
    s.line(45, 86, 165, 86, kInk);
    s.line(45, 122, 165, 122, kInk);
    s.drawWidth = 1;
}

void StempelForm::ElipticText(PictureBox& Pic, int X, int Y, int Radius, int Deg, int XFact,
                              int YFact, int Arc, const QString& Text) {
    // The half-axes divide by the square roots; anything else leaves the picture alone.
    if (XFact <= 0 || YFact <= 0) return;
    Pic.Cls();
    DrawStempelFrame();
    Surface& s = Pic.surface();
    // A size that is no number, or none a font can have, keeps the one before.
    const QString sizeText = Combo4->currentText().trimmed();
    const double size = Val(sizeText);
    if (!sizeText.isEmpty() && size > 0 && size <= kLargestFontSize) s.fontSize = size;
    const int n = static_cast<int>(Text.size());
    const double start = (static_cast<double>(Deg) * 2 * kPi) / 180;
    for (int i = 1; i <= n; ++i) {
        const double step = ((static_cast<double>(Arc) * 2 / 360) * kPi) / n;
        const double a = start + step * i;
        s.currentX = static_cast<float>(X + Radius * std::sin(a) / std::sqrt(double(XFact)));
        s.currentY = static_cast<float>(Y - Radius * std::cos(a) / std::sqrt(double(YFact)));
        s.print(Text.mid(i - 1, 1));
    }
    Pic.Refresh();
}

void StempelForm::drawBorderText() {
    ElipticText(*Pic, 95, 88, HScroll1[0]->value(), HScroll1[2]->value(), 1, 1,
                HScroll1[1]->value(), Text1->text());
}

void StempelForm::ShowKnop_Click() {
    drawBorderText();
    const QString date =
        Combo1->currentText() + "-" + Combo2->currentText() + "-" + Combo3->currentText();
    QFont f = Label4->font();
    f.setPointSizeF(18);
    Label4->setFont(f);
    Label4->setText(date);
    Surface& s = Pic->surface();
    s.fontSize = 18;
    // The label sizes itself to the text in the surface's font.
    const double labelWidthTwips = s.textWidth(date) * kTwipsPerPixel;
    Label4->resize(static_cast<int>(labelWidthTwips / kTwipsPerPixel), Label4->height());
    s.currentX = Pic->Width() / 2 / 15 - vbRound(labelWidthTwips / 2 / 15);
    s.currentY = 90;
    s.print(date);
    Pic->Refresh();
}

void StempelForm::HScroll1_Change(int) {
    drawBorderText();
    Label6->setText("Rad (" + QString::number(HScroll1[0]->value()) + ")");
    Label7->setText("Arc (" + QString::number(HScroll1[1]->value()) + ")");
    Label8->setText("Deg (" + QString::number(HScroll1[2]->value()) + ")");
    for (QLabel* l : {Label6, Label7, Label8})
        l->adjustSize();
}

void StempelForm::ExportKnop_Click() {
    const QString path = programPath(M.S.services.programFolder, "Data/Stempel.bmp");
    // Written atomically: a failed save leaves the postmark on disk whole.
    if (!saveBmp(Pic->Image(), path))
        M.S.services.dialogs->msgBox("Fout bij het opslaan v/d stempel!", Mb::OkOnly | Mb::Critical,
                                     "Error");
    accept();
}

void StempelForm::CancelKnop_Click() {
    reject();
}

} // namespace korv

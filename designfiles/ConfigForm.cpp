#include "ConfigForm.h"

#include "DialogLayout.h"
#include "controls/VistaButton.h"
#include "editor/Algemeen.h"
#include "editor/Main.h"
#include "platform/Colour.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

namespace korv {

namespace {

const int kValueColours[3] = {RGB(128, 0, 0), RGB(0, 128, 0), RGB(0, 0, 128)};
const int kCaptionColour = RGB(64, 64, 64);

// Blanks only, as the sheet text is trimmed; other white space is the user's.
QString trimBlanks(const QString& t) {
    int b = 0, e = static_cast<int>(t.size());
    while (b < e && t[b] == ' ')
        ++b;
    while (e > b && t[e - 1] == ' ')
        --e;
    return t.mid(b, e - b);
}

QScrollBar* colourBar(QWidget* parent) {
    auto* s = new QScrollBar(Qt::Horizontal, parent);
    s->setRange(0, 255);
    s->setSingleStep(1);
    s->setPageStep(1);
    return s;
}

QLabel* valueLabel(QWidget* parent, int colour) {
    auto* l = new QLabel(parent);
    QFont f("Arial");
    f.setPixelSize(11); // 8.25 points at 96 dots per inch
    f.setBold(true);
    l->setFont(f);
    setForeColour(l, colour);
    return l;
}

void showValue(QLabel* l, int v) {
    l->setText(QString::number(v));
    l->adjustSize();
}

} // namespace

ConfigForm::ConfigForm(Main& main) : QDialog(&main), M(main) {
    Text1 = new QLineEdit(this);
    Label1 = new QLabel(this);
    Label2 = new QLabel(this);
    for (int i = 0; i < 3; ++i)
        HScroll1[i] = colourBar(this);
    for (int i = 0; i < 3; ++i)
        Label5[i] = valueLabel(this, kValueColours[i]);
    Label3 = new QLabel(this);
    Label4 = new QLabel(this);
    Label6 = new QLabel(this);
    for (int i = 0; i < 3; ++i)
        HScroll2[i] = colourBar(this);
    for (int i = 0; i < 3; ++i)
        Label8[i] = valueLabel(this, kValueColours[i]);
    Label7 = new QLabel(this);
    Label9 = new QLabel(this);
    Check1 = new QCheckBox(this);
    ResetKnop = new VistaButton(this);
    Label10 = new QLabel(this);
    CancelKnop = new VistaButton(this);
    OkKnop = new VistaButton(this);
    Label2->lower(); // the black panels lie behind their bars
    Label6->lower();
    Form_Load();
    for (int i = 0; i < 3; ++i) {
        connect(HScroll1[i], &QScrollBar::valueChanged, this, [this, i] { HScroll1_Change(i); });
        connect(HScroll2[i], &QScrollBar::valueChanged, this, [this, i] { HScroll2_Change(i); });
    }
    connect(ResetKnop, &VistaButton::Click, this, [this] { ResetKnop_Click(); });
    connect(CancelKnop, &VistaButton::Click, this, [this] { CancelKnop_Click(); });
    connect(OkKnop, &VistaButton::Click, this, [this] { OkKnop_Click(); });
}

void ConfigForm::Form_Load() {
    const AppState& S = M.S;
    const int green = RGB(190, 230, 190);
    layoutForm(this, 7200, 3990, "Instellingen", green);

    placeTwips(Text1, 180, 240, 3600, 300);
    QPalette p = Text1->palette();
    p.setColor(QPalette::Base, toQColor(RGB(230, 230, 230)));
    p.setColor(QPalette::Text, toQColor(RGB(60, 60, 60)));
    Text1->setPalette(p);
    Text1->setText(S.TekstOpVel);
    placeCaption(Label1, "Tekst op het velletje bij het afdrukken", 3870, 300, kCaptionColour);

    placeTwips(Label2, 180, 750, 2400, 825);
    setBackColour(Label2, RGB(0, 0, 0));
    placeTwips(Label3, 2670, 750, 450, 825);
    setBackColour(Label3, RGB(S.VakKleurR, S.VakKleurG, S.VakKleurB));
    const int vak[3] = {S.VakKleurR, S.VakKleurG, S.VakKleurB};
    for (int i = 0; i < 3; ++i) {
        placeTwips(HScroll1[i], 210, 780 + 255 * i, 2340, 255);
        HScroll1[i]->setValue(vak[i]);
        placeTwips(Label5[i], 3240, 825 + 255 * i);
        showValue(Label5[i], vak[i]);
    }
    placeCaption(Label4, "Achtergrondkleur  Vakken Supplementen", 195, 1650, kCaptionColour);

    placeTwips(Label6, 3900, 750, 1800, 825);
    setBackColour(Label6, RGB(0, 0, 0));
    placeTwips(Label7, 5790, 750, 450, 825);
    setBackColour(Label7, RGB(S.HoofdKleurR, S.HoofdKleurG, S.HoofdKleurB));
    const int hoofd[3] = {S.HoofdKleurR, S.HoofdKleurG, S.HoofdKleurB};
    for (int i = 0; i < 3; ++i) {
        placeTwips(HScroll2[i], 3930, 780 + 255 * i, 1740, 255);
        HScroll2[i]->setValue(hoofd[i]);
        placeTwips(Label8[i], 6360, 825 + 255 * i);
        showValue(Label8[i], hoofd[i]);
    }
    placeCaption(Label9, "Achtergrondkleur  Hoofdscherm", 3900, 1650, kCaptionColour);

    Check1->setText("Melding bij het plaatsen van een object op de korvamint.");
    placeTwips(Check1, 210, 2100, 4500, 285);
    setBackColour(Check1, green);
    setForeColour(Check1, kCaptionColour);
    Check1->setChecked(S.MeldingPlaatsen);

    ResetKnop->setCaption("Reset");
    ResetKnop->Move(180, 3000, 930, 330);
    placeCaption(Label10, "Reset naar beginwaarden", 1200, 3060, kCaptionColour);
    CancelKnop->setCaption("Annuleren");
    CancelKnop->Move(4920, 3000, 930, 330);
    OkKnop->setCaption("Ok");
    OkKnop->Move(5880, 3000, 960, 330);
}

void ConfigForm::HScroll1_Change(int) {
    setBackColour(Label3, RGB(HScroll1[0]->value(), HScroll1[1]->value(), HScroll1[2]->value()));
    for (int i = 0; i < 3; ++i)
        showValue(Label5[i], HScroll1[i]->value());
}

void ConfigForm::HScroll2_Change(int) {
    setBackColour(Label7, RGB(HScroll2[0]->value(), HScroll2[1]->value(), HScroll2[2]->value()));
    for (int i = 0; i < 3; ++i)
        showValue(Label8[i], HScroll2[i]->value());
}

void ConfigForm::ResetKnop_Click() {
    AppState& S = M.S;
    Check1->setChecked(true);
    Text1->setText(kDefaultSheetText);
    for (int i = 0; i < 3; ++i) {
        HScroll1[i]->setValue(240);
        showValue(Label5[i], 240);
    }
    setBackColour(Label3, RGB(240, 240, 240));
    S.VakKleurR = S.VakKleurG = S.VakKleurB = 240;
    const int hoofd[3] = {235, 235, 240};
    for (int i = 0; i < 3; ++i) {
        HScroll2[i]->setValue(hoofd[i]);
        showValue(Label8[i], hoofd[i]);
    }
    setBackColour(Label7, RGB(235, 235, 240));
    S.HoofdKleurR = 235;
    S.HoofdKleurG = 235;
    S.HoofdKleurB = 240;
    ApplyBackColor(M);
}

void ConfigForm::OkKnop_Click() {
    AppState& S = M.S;
    S.TekstOpVel = trimBlanks(Text1->text());
    S.VakKleurR = HScroll1[0]->value();
    S.VakKleurG = HScroll1[1]->value();
    S.VakKleurB = HScroll1[2]->value();
    S.HoofdKleurR = HScroll2[0]->value();
    S.HoofdKleurG = HScroll2[1]->value();
    S.HoofdKleurB = HScroll2[2]->value();
    S.MeldingPlaatsen = Check1->isChecked();
    ApplyBackColor(M);
    accept();
}

void ConfigForm::CancelKnop_Click() {
    reject();
}

} // namespace korv

// The drawing buttons, the shape menu, the tool option sliders and the colour sliders.
#include "Main.h"
#include "controls/VistaButton.h"
#include "imaging/PictureOps.h"
#include "platform/Colour.h"

#include <QCursor>

namespace korv {

const QString Main::kKnopRestText =
    QStringLiteral("Beweeg de muiscursor over de knoppen(Buttons) voor meer informatie...");

QString Main::knopHelpText(int Index) {
    switch (Index) {
    case 0:
        return QStringLiteral(
                   "Tekenen van kromme lijnen met ingedrukte linkermuisknop uit de losse hand. ") +
               QStringLiteral("Dikte van de lijnen in te wijzigen van 1 tot 9 pixels.");
    case 1:
        return QStringLiteral(
            "Tekenen van rechte lijnen met ingedrukte linkermuisknop. Dikte van de lijnen in "
            "te wijzigen van 1 tot 9 pixels.");
    case 2:
        return QStringLiteral("Tekenen van 15 verschillende rechthoeken, circels, ellipsen en "
                              "veelhoeken. Dikte "
                              "van de randen in te wijzigen van ") +
               QStringLiteral("1 tot 9 pixels. Selecteer met ingedrukte linkermuisknop een "
                              "rechthoek waarin de "
                              "figuur moet komen.");
    case 3:
        return QStringLiteral("Het opvullen van vlakken die volledig zijn ingesloten door lijnen "
                              "in de vulkleur. "
                              "Klik met de linkermuisknop op het gedeelte dat moet ") +
               QStringLiteral("opgevuld in de gewenste vulkleur.");
    case 4:
        return QStringLiteral(
                   "Het verwijderen van gedeeltes van het ontwerp. Selecteer met ingedrukte "
                   "linkermuisknop het te verwijderen object. ") +
               QStringLiteral("Grootte gom is te wijzigen van 5 tot 50 pixels in een circel.");
    case 5:
        return QStringLiteral(
                   "Copyeer en plak een gedeelte van het ontwerp. Selecteer met ingedrukte "
                   "linkermuisknop een rechthoek en kies dan ") +
               QStringLiteral("uit het submenu voor het plaatsen van deze selectie.");
    case 6:
        return QStringLiteral(
            "Maak een tekst in een golvende beweging. Lengte, hoogte en golving zijn aanpasbaar.");
    case 7:
        return QStringLiteral(
                   "Plaatsen van een groot aantal pijlen en pins op het ontwerp. Deze zijn er in 2 "
                   "afmetingen te exporteren, ") +
               QStringLiteral("n.l. 100 x 100 pixels en 50 x 50 pixels. Een verdere mogelijkheid "
                              "is het roteren "
                              "van de pijlen.");
    case 8:
        return QStringLiteral("Plaatsen van verschillende tekstballonnetjes. De tekst hiervoor kan "
                              "naar believen "
                              "in deze tekstballonnetjes ") +
               QStringLiteral("worden geplaaatst.");
    case 9:
        return QStringLiteral(
                   "Maak zelf uw eigen stempels. De stempels kunnen alleen worden gebruikt bij het "
                   "afdrukken van de velletjes. ") +
               QStringLiteral(
                   "Bij het verlaten van het ontwerp van een stempel wordt deze vanzelf gesaved "
                   "(opgeslagen).");
    case 10:
        return QStringLiteral("Een mogelijkheid om zelf uw eigen Supplementen te ontwerpen op "
                              "A4-formaat. Er zijn "
                              "een groot aantal templates ") +
               QStringLiteral("met het wapen van het betreffende land beschikbaar.");
    case 11:
        return QStringLiteral("Dit is een standalone database voor het beheren van uw "
                              "korvamintverzameling. Dit "
                              "programma onderdeel is eerder uitgekomen ") +
               QStringLiteral("onder de naam 'Quendrix'. Dit is de verkorte versie van het "
                              "orginele programma.");
    case 12:
        return QStringLiteral(
                   "Met deze mogelijkheid kun je 2 kleuren (Teken en Vulkleur) in elkaar laten "
                   "overlopen. Er zijn zes ") +
               QStringLiteral(
                   "richtingen mogelijk, n.l. van boven naar beneden, van links naar rechts, van "
                   "onderen naar boven, van rechts ") +
               QStringLiteral("naar links, van linksboven naar rechtsonder en als laatste van het "
                              "midden naar de "
                              "zijkanten.");
    case 13:
        return QString::fromUtf8(
            "Maakt het ontwerp transparant. Waarde is in te stellen met één van de linker "
            "schuifregelaars (5..95)");
    default:
        return QString();
    }
}

void Main::connectTools() {
    popupMenu = [](QMenu* m) { m->exec(QCursor::pos()); };
    for (int i = 0; i < 14; ++i) {
        connect(TekenKnop[i], &VistaButton::Click, this, [this, i] { TekenKnop_Click(i); });
        connect(TekenKnop[i], &VistaButton::MouseIn, this, [this, i] { TekenKnop_MouseIn(i); });
        connect(TekenKnop[i], &VistaButton::MouseOut, this, [this, i] { TekenKnop_MouseOut(i); });
    }
    for (int i = 1; i <= 15; ++i)
        connect(Vormen[i], &QAction::triggered, this, [this, i] { Vormen_Click(i); });
    connect(LijndikteScroll, &QScrollBar::valueChanged, this, [this] { LijndikteScroll_Change(); });
    connect(StijlScroll, &QScrollBar::valueChanged, this, [this] { StijlScroll_Change(); });
    connect(HoekScroll, &QScrollBar::valueChanged, this, [this] { HoekScroll_Change(); });
    connect(GomScroll, &QScrollBar::valueChanged, this, [this] { GomScroll_Change(); });
    connect(TransScroll, &QScrollBar::valueChanged, this, [this] { TransScroll_Change(); });
    for (int i = 0; i < 3; ++i) {
        connect(HScroll1[i], &QScrollBar::valueChanged, this, [this, i] { HScroll1_Change(i); });
        connect(HScroll2[i], &QScrollBar::valueChanged, this, [this, i] { HScroll2_Change(i); });
    }
    for (int i = 0; i <= 4; ++i)
        connect(SelectieCopy[i], &QAction::triggered, this, [this, i] { SelectieCopy_Click(i); });
    for (int i = 1; i <= 9; ++i)
        connect(Plak[i], &QAction::triggered, this, [this, i] { Plak_Click(i); });
    Pic->onMouseDown = [this](int b, int s, double x, double y) { Pic_MouseDown(b, s, x, y); };
    Pic->onMouseMove = [this](int b, int s, double x, double y) { Pic_MouseMove(b, s, x, y); };
    Pic->onMouseUp = [this](int b, int s, double x, double y) { Pic_MouseUp(b, s, x, y); };
    ClipPic->onMouseDown = [this](int b, int s, double x, double y) {
        ClipPic_MouseDown(b, s, x, y);
    };
    ClipPic->onMouseMove = [this](int b, int s, double x, double y) {
        ClipPic_MouseMove(b, s, x, y);
    };
    ClipPic->onMouseUp = [this](int b, int s, double x, double y) { ClipPic_MouseUp(b, s, x, y); };
    connect(PlaatsKnop, &VistaButton::Click, this, [this] { PlaatsKnop_Click(); });
    connect(BoldCheck, &QCheckBox::clicked, this, [this] { BoldCheck_Click(); });
    connect(ItalicCheck, &QCheckBox::clicked, this, [this] { ItalicCheck_Click(); });
    connect(UnderlineCheck, &QCheckBox::clicked, this, [this] { UnderlineCheck_Click(); });
    connect(Combo1, &QComboBox::editTextChanged, this, [this] { Combo1_Change(); });
    connect(Combo1, qOverload<int>(&QComboBox::activated), this, [this] { Combo1_Click(); });
    connect(Combo2, &QComboBox::editTextChanged, this, [this] { Combo2_Change(); });
    connect(Combo2, qOverload<int>(&QComboBox::activated), this, [this] { Combo2_Click(); });
}

void Main::TekenKnop_Click(int Index) {
    static const char* windows[14] = {nullptr,      nullptr,       nullptr,        nullptr,
                                      nullptr,      nullptr,       "WaveTextForm", "ArrowForm",
                                      "BallonForm", "StempelForm", "SuppForm",     "DatabaseForm",
                                      nullptr,      nullptr};
    switch (Index) {
    case 0:
        S.Tool = 0;
        break;
    case 1:
        S.Tool = 1;
        break;
    case 2:
        popupMenu(Shapes);
        break;
    case 3:
        S.Tool = 18;
        break;
    case 4:
        S.Tool = 19;
        break;
    case 5:
        S.Tool = 20;
        break;
    case 12:
        popupMenu(GradientKleur);
        break;
    case 13:
        if (S.imaging.busy()) return;
        UndoPic->setPicture(Pic->Image());
        S.progress.clearBar();
        ApplyTransparency(S.imaging, *Pic, *UndoPic, 100 - TransScroll->value());
        break;
    default:
        if (Index >= 6 && Index <= 11) Windows.open(windows[Index], *this);
        break;
    }
    S.Gewijzigd = true;
}

void Main::TekenKnop_MouseIn(int Index) {
    KnopLabel->setText(knopHelpText(Index));
}
void Main::TekenKnop_MouseOut(int) {
    KnopLabel->setText(kKnopRestText);
}

void Main::Vormen_Click(int Index) {
    S.Tool = Index + 1;
    Check2->setEnabled(Index >= 1 && Index <= 3);
    for (int i = 1; i <= 15; ++i)
        Vormen[i]->setChecked(false);
    if (Index >= 1 && Index <= 15) Vormen[Index]->setChecked(true);
}

namespace {
void setCaption(QLabel* l, const QString& text) {
    l->setText(text);
    l->adjustSize();
}
} // namespace

void Main::LijndikteScroll_Change() {
    setCaption(Label12, QString("Lijndikte (%1 / 9)").arg(LijndikteScroll->value()));
    S.Lijndikte = LijndikteScroll->value();
}
void Main::StijlScroll_Change() {
    setCaption(Label19,
               QString("Raster bij Rechthoek en Ellips (%1 / 6)").arg(StijlScroll->value() - 1));
}
void Main::HoekScroll_Change() {
    setCaption(Label16, QString("Ronde hoek bij Rechthoek (%1 / 99)").arg(HoekScroll->value()));
    S.Hoek = HoekScroll->value();
}
void Main::GomScroll_Change() {
    setCaption(Label14, QString("Gomgrootte (%1 / 50)").arg(GomScroll->value()));
    S.GomGrootte = GomScroll->value();
}
void Main::TransScroll_Change() {
    setCaption(Label25, QString("Transparantie (%1 / 95)").arg(TransScroll->value()));
}

void Main::HScroll1_Change(int Index) {
    S.TekenKleurR = HScroll1[0]->value();
    S.TekenKleurG = HScroll1[1]->value();
    S.TekenKleurB = HScroll1[2]->value();
    const int c = RGB(S.TekenKleurR, S.TekenKleurG, S.TekenKleurB);
    setBackColour(Label7, c);
    setForeColour(TextExample, c);
    setCaption(Label22[Index], QString::number(HScroll1[Index]->value()));
}

void Main::HScroll2_Change(int Index) {
    S.VulKleurR = HScroll2[0]->value();
    S.VulKleurG = HScroll2[1]->value();
    S.VulKleurB = HScroll2[2]->value();
    setBackColour(Label20, RGB(S.VulKleurR, S.VulKleurG, S.VulKleurB));
    setCaption(Label23[Index], QString::number(HScroll2[Index]->value()));
}

int Main::drawingColour() const {
    return fromQColor(Label7->palette().color(QPalette::Window));
}
int Main::fillColour() const {
    return fromQColor(Label20->palette().color(QPalette::Window));
}

} // namespace korv

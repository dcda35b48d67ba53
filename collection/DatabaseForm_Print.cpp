#include "DatabaseForm.h"

#include "ListView.h"
#include "editor/Main.h"
#include "platform/Colour.h"
#include "platform/PictureBox.h"
#include "platform/Printer.h"
#include "platform/VbMath.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>

namespace korv {

namespace {

constexpr double kRowStep = 255;
constexpr double kPageEnd = 15000;
const QString kEuro = QString::fromUtf8("€ ");

void at(Printer& p, double x, double y, const QString& text) {
    p.CurrentX = x;
    p.CurrentY = y;
    p.Print(text);
}

void printFont(Printer& p, bool bold, double size, int colour) {
    p.FontName = "Arial";
    p.FontBold = bold;
    p.FontSize = size;
    p.ForeColor = colour;
}

// A price as the program reads it: a decimal comma or point, the leading number.
double priceValue(const QString& field) {
    QString t = field;
    t.replace(',', '.');
    return Val(t);
}

// A sum with two decimals and a decimal comma, as prices are typed here. The sums are
// kept in double precision and rounded only here, so that large amounts keep their cents.
QString formatSum(double sum) {
    return Format(sum, "###0.00").replace('.', ',');
}

} // namespace

void DatabaseForm::FilePrint_Click() {
    const bool toPanel = Frame3->isVisibleTo(this);
    Frame3->setVisible(!toPanel);
    Frame7->setVisible(toPanel);
    FilePrint->setChecked(toPanel);
}

void DatabaseForm::Combo6_Change() {
    const int index = Combo6->currentIndex();
    // Only a chosen entry picks a printer; a typed text leaves the current one.
    if (index < 0 || Combo6->itemText(index) != Combo6->currentText()) return;
    PrinterService& printers = S.services.printerService();
    if (index < printers.names().size()) printers.setCurrent(index);
}

void DatabaseForm::PrintKnop_Click() {
    if (saving_) return;
    if (Option1[0]->isChecked())
        PrintLijst();
    else if (Option1[1]->isChecked())
        PrintLijstPrijs();
    else if (Option1[2]->isChecked())
        PrintRecord();
}

void DatabaseForm::printHead(Printer& p, const QString& collectionLine) {
    p.ScaleMode = Printer::Scale::Twips;
    p.Orientation = 1;
    printFont(p, true, 10, RGB(0, 0, 90));
    at(p, 1200, 420, collectionLine);
    p.ForeColor = RGB(90, 0, 0);
    const QDateTime now = S.services.clock->now();
    at(p, 9150, 420, now.time().toString("hh:mm:ss") + " / " + now.date().toString("dd-MM-yyyy"));
}

void DatabaseForm::PrintLijstKop(Printer& p) {
    printFont(p, true, 10, RGB(90, 90, 90));
    at(p, 1200, 900, "Jaar");
    at(p, 2100, 900, "Cat.Nummer");
    at(p, 3750, 900, "Categorie");
    at(p, 6150, 900, "Soort");
    at(p, 7770, 900, "Type");
    at(p, 9630, 900, "Conditie");
    at(p, 300, 1140, QString(162, '-'));
}

void DatabaseForm::PrintLijstPrijsKop(Printer& p) {
    printFont(p, true, 10, RGB(90, 90, 90));
    at(p, 1200, 900, "Jaar");
    at(p, 2100, 900, "Cat.nummer");
    at(p, 3900, 900, "Catalogusprijs");
    at(p, 5700, 900, "Mijn prijs");
    at(p, 7500, 900, "Conditie");
    at(p, 300, 1140, QString(162, '-'));
}

void DatabaseForm::finishReport(Printer& p) {
    if (!p.EndDoc())
        S.services.dialogs->msgBox("Het afdrukken is mislukt.", Mb::OkOnly | Mb::Critical, "Error");
}

void DatabaseForm::PrintLijst() {
    Printer& p = S.services.printerService().current();
    printHead(p, "Verzameling : " + Naam);
    PrintLijstKop(p);
    p.FontBold = false;
    double y = 1380;
    for (int i = 0; i < ListView1->count(); ++i) {
        const CollectionRecord r = ListView1->record(i);
        at(p, 1200, y, r[0]);
        at(p, 2100, y, r[1]);
        at(p, 3750, y, r[2]);
        at(p, 6150, y, r[4]);
        at(p, 7970, y, r[5]);
        at(p, 9630, y, r[9]);
        y += kRowStep;
        if (y > kPageEnd) {
            p.NewPage();
            PrintLijstKop(p);
            p.FontBold = false;
            y = 1320;
        }
    }
    finishReport(p);
}

void DatabaseForm::printPrice(Printer& p, double rightEdge, double y, const QString& value) {
    // The value's own right end lines up at the edge; a longer value's euro sign
    // stands out beyond the column, a one-character mark ("-") goes alone.
    const double x = rightEdge - p.TextWidth(value);
    at(p, x, y, value.size() == 1 ? value : kEuro + value);
}

void DatabaseForm::PrintLijstPrijs() {
    Printer& p = S.services.printerService().current();
    printHead(p, "Verzameling : " + Naam);
    PrintLijstPrijsKop(p);
    p.FontBold = false;
    double catSum = 0, mySum = 0;
    double y = 1380;
    if (ListView1->count() > 0) {
        for (int i = 0; i < ListView1->count(); ++i) {
            const CollectionRecord r = ListView1->record(i);
            at(p, 1200, y, r[0]);
            at(p, 2100, y, r[1]);
            printPrice(p, 4800, y, r[10]);
            catSum += priceValue(r[10]);
            printPrice(p, 6300, y, r[11]);
            mySum += priceValue(r[11]);
            at(p, 7500, y, r[9]);
            y += kRowStep;
            if (y > kPageEnd) {
                p.NewPage();
                PrintLijstPrijsKop(p);
                p.FontBold = false;
                y = 1320;
            }
        }
        at(p, 3990, y, QString(16, '-') + QString(8, ' ') + QString(16, '-'));
        y += 300;
        const QString cat = formatSum(catSum), mine = formatSum(mySum);
        at(p, 4800 - p.TextWidth(cat), y, kEuro + cat);
        at(p, 6300 - p.TextWidth(mine), y, kEuro + mine);
    }
    finishReport(p);
}

void DatabaseForm::PrintRecord() {
    const int position = ListView1->selectedIndex() + 1;
    if (position == 0 || trimSpaces(Text1->text()).isEmpty()) {
        S.services.dialogs->msgBox("Item selecteren a.u.b.", Mb::OkOnly | Mb::Critical, "Error");
        return;
    }
    const CollectionRecord r = editorRecord();
    Printer& p = S.services.printerService().current();
    printHead(p, Label2->text());
    at(p, 300, 690, QString(162, '-'));

    printFont(p, false, 12, RGB(0, 90, 0));
    auto row = [&p](double y, const QString& label, const QString& value) {
        at(p, 1200, y, label);
        at(p, 3900, y, ":");
        at(p, 4050, y, value);
    };
    row(1200, "Itemnummer", QString::number(position));
    row(1500, "Jaartal", r[0]);
    row(1800, "Catalogus Nummer", r[1]);
    row(2100, "Categorie", r[2]);
    row(2400, "Onderwerp", r[3]);
    row(2700, "Soort zegel", r[4]);
    row(3000, "Type zegel", r[5]);
    row(3300, "Waarde opdruk", r[6]);
    row(3600, "Afbeelding", r[7]);

    p.ForeColor = RGB(60, 60, 60);
    at(p, 1200, 4200, "Opmerking");
    at(p, 1200, 4500, QString(60, '-'));
    at(p, 1200, 4740, fieldForFile(r[8]));

    p.ForeColor = RGB(0, 90, 0);
    row(6300, "Conditie", r[9]);
    row(6600, "Catalogus Prijs", r[10]);
    row(6900, "Mijn Prijs", r[11]);
    at(p, 1200, 7200, QString(60, '-'));

    printFont(p, false, 12, RGB(60, 60, 60));
    at(p, 1200, 7500, Label6->text());
    at(p, 1200, 8700, r[1] + ".jpg");
    // Only this record's own photo: another record's would be printed as if it were its.
    if (photoShown_ && !SlidePic->picture().isNull()) {
        const QImage& img = SlidePic->picture();
        // At its size on the screen, made smaller where it would run off the paper.
        const double w = SlidePic->Width(), h = SlidePic->Height();
        const double room =
            std::min((p.ScaleWidth() - 1200 - 600) / w, (p.ScaleHeight() - 9300 - 600) / h);
        const double f = std::clamp(room, 0.0, 1.0);
        p.PaintPicture(img, 1200, 9300, w * f, h * f, 0, 0, img.width(), img.height());
    }
    finishReport(p);
}

} // namespace korv

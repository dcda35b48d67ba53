// Stamp boxes on the page: free boxes dragged with the left button, boxes of a fixed
// size in millimetres that follow the pointer, erasing a dragged rectangle to white, and
// the crosshair with its read-out in millimetres.
#include "SuppForm.h"

#include "editor/Main.h"
#include "platform/Colour.h"
#include "platform/VbMath.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>
#include <cmath>

namespace korv {

namespace {

QString mmText(double v) {
    return QString::number(static_cast<long long>(std::floor(v)));
}

// A filled box with its one-pixel outline, both corners included.
void stampBox(Surface& s, double x1, double y1, double x2, double y2, int fill) {
    s.filledBox(x1, y1, x2, y2, fill);
    const int oldStyle = s.fillStyle, oldWidth = s.drawWidth, oldMode = s.drawMode;
    s.fillStyle = FillTransparent;
    s.drawWidth = 1;
    s.drawMode = DrawCopyPen;
    s.box(x1, y1, x2, y2, kBlack);
    s.fillStyle = oldStyle;
    s.drawWidth = oldWidth;
    s.drawMode = oldMode;
}

} // namespace

int SuppForm::boxColour() const {
    return RGB(M.S.VakKleurR, M.S.VakKleurG, M.S.VakKleurB);
}

void SuppForm::placeReadout(double X, double Y, const QString& caption) {
    Label3->setText(caption);
    Label3->adjustSize();
    Label3->Move(X < 400 ? X + 5 : X - 80, Y - 20);
}

void SuppForm::Pic_MouseDown(int Button, int, double X, double Y) {
    AppState& S = M.S;
    S.StartX = X;
    S.StartY = Y;
    if (!Check4->isChecked() && Button == Mouse::Left) {
        Layer->Move(X, Y, 0, 0);
        Layer->show();
    }
}

void SuppForm::Pic_MouseMove(int Button, int, double X, double Y) {
    const AppState& S = M.S;
    const double mmX = X / kPxPerMmX, mmY = Y / kPxPerMmY;
    setBackColour(Label3, RGB(230, 230, 230));
    TextLabel->Move(X, Y - heightInContainer(TextLabel) - 5);

    if (Check2->isChecked()) {
        Line1->setLine(X, 0, X, Pic->ScaleHeight());
        Line2->setLine(0, Y, Pic->ScaleWidth(), Y);
        placeReadout(X, Y, " " + mmText(mmX) + " x " + mmText(mmY) + " mm ");
    }

    if (Check4->isChecked()) {
        const double w = Combo1->currentText().toDouble() * kPxPerMmX;
        const double h = Combo5->currentText().toDouble() * kPxPerMmY;
        Layer->Move(X - w, Y - h, w, h);
    } else if (Button & Mouse::Left) {
        // The box never grows left of or above the press point.
        if (X < S.StartX) X = S.StartX;
        if (Y < S.StartY) Y = S.StartY;
        Layer->Move(S.StartX, S.StartY, X - S.StartX + 1, Y - S.StartY + 1);
        if (Check2->isChecked()) {
            setBackColour(Label3, RGB(0, 250, 250));
            placeReadout(X, Y,
                         " " + mmText((X - S.StartX) / kPxPerMmX) + " x " +
                             mmText((Y - S.StartY) / kPxPerMmY) + " mm ");
        }
    }
}

void SuppForm::Pic_MouseUp(int Button, int, double X, double Y) {
    AppState& S = M.S;
    snapshot();
    Surface& page = Pic->surface();
    if (S.TekstPlaatsenActief) {
        TekstPlaatsen(page, X, vbCInt(Y - heightInContainer(TextLabel) - 5), Text1->text());
        TextLabel->hide();
        S.TekstPlaatsenActief = false;
    } else if (Check4->isChecked()) {
        // The preview stays for the next box.
        stampBox(page, Layer->Left(), Layer->Top(), X, Y, boxColour());
    } else if (Button == Mouse::Left && X > S.StartX && Y > S.StartY) {
        Layer->hide();
        if (Check3->isChecked())
            page.filledBox(S.StartX, S.StartY, X, Y, kWhite);
        else
            stampBox(page, S.StartX, S.StartY, X, Y, boxColour());
    } else {
        Pic->Refresh();
        return;
    }
    PaginaGewijzigd = true;
    Pic->Refresh();
}

void SuppForm::Check2_Click() {
    const bool on = Check2->isChecked();
    Line1->setVisible(on);
    Line2->setVisible(on);
    Label3->setVisible(on);
}

void SuppForm::Check3_Click() {
    Layer->hide();
    Check4->setChecked(false);
}

void SuppForm::Check4_Click() {
    if (Check4->isChecked()) {
        {
            // Only the erase mode ends here; its own click would end this mode again.
            const QSignalBlocker block(Check3);
            Check3->setChecked(false);
        }
        Combo1->setEnabled(true);
        Combo5->setEnabled(true);
        Layer->show();
    } else {
        Combo1->setEnabled(false);
        Combo5->setEnabled(false);
        Layer->hide();
    }
}

} // namespace korv

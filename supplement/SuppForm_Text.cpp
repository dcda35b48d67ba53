// Texts placed with a preview that follows the pointer, the frame of nested lines, the
// page number, and the one colour that frame and texts share.
#include "SuppForm.h"
#include "editor/Algemeen.h"

#include "editor/Main.h"
#include "platform/Colour.h"
#include "platform/VbMath.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

namespace korv {

namespace {
constexpr double kDefaultTextSize = 20;
constexpr double kLargestTextSize = 500;
} // namespace

int SuppForm::sampleColour() const {
    return RGB(HScroll1[0]->value(), HScroll1[1]->value(), HScroll1[2]->value());
}

double SuppForm::textSize() const {
    const QString t = Combo4->currentText().trimmed();
    if (!IsNumeric(t)) return kDefaultTextSize;
    const double v = Val(t);
    if (!(v > 0)) return kDefaultTextSize;
    return v > kLargestTextSize ? kLargestTextSize : v;
}

void SuppForm::PlaatsKnop_Click() {
    AppState& S = M.S;
    Line1->hide();
    Line2->hide();
    Label3->hide();
    Check2->setChecked(false);
    Layer->hide();
    Check4->setChecked(false);
    if (Text1->text().trimmed().isEmpty()) {
        S.services.dialogs->msgBox(QString::fromUtf8("Géén tekst ingevuld..."),
                                   Mb::OkOnly | Mb::Critical, "Error");
        return;
    }
    snapshot();

    // The preview measures the text plus one blank in the chosen style.
    const QString caption = Text1->text() + " ";
    const StyledText m =
        measureStyledText(Combo3->currentText(), textSize(), BoldCheck->isChecked(),
                          ItalicCheck->isChecked(), UnderlineCheck->isChecked(), caption);
    TextLabel->setFont(m.font);
    setForeColour(TextLabel, sampleColour());
    TextLabel->setText(caption);
    TextLabel->Move(leftInContainer(TextLabel), topInContainer(TextLabel), m.width, m.height);
    TextLabel->show();
    TextLabel->raise();
    S.TekstPlaatsenActief = true;
}

void SuppForm::TekstPlaatsen(Surface& Obj, double cX, int cY, const QString& Cs) {
    snapshot();
    Obj.fontName = Combo3->currentText();
    Obj.fontSize = textSize();
    Obj.fontBold = BoldCheck->isChecked();
    Obj.fontItalic = ItalicCheck->isChecked();
    Obj.fontUnderline = UnderlineCheck->isChecked();
    Obj.foreColor = sampleColour();
    Obj.fontTransparent = true;
    Obj.currentX = cX;
    Obj.currentY = cY;
    Obj.print(Cs);
    if (&Obj == &Pic->surface()) PaginaGewijzigd = true;
    Pic->Refresh();
}

void SuppForm::Rand_Click(int Index) {
    if (Index < 1 || Index > 5) return;
    for (int i = 1; i <= 5; ++i)
        Rand[i]->setChecked(i == Index);
    M.S.Kaderbreedte = Index;
}

void SuppForm::drawFrame() {
    Surface& page = Pic->surface();
    const int colour = sampleColour();
    const int width = M.S.Kaderbreedte < 0 ? 0 : (M.S.Kaderbreedte > 5 ? 5 : M.S.Kaderbreedte);
    for (int i = 1; i <= width; ++i) {
        page.line(15 + i, 15 + i, 464 - i, 15 + i, colour);
        page.line(464 - i, 15 + i, 464 - i, 684 - i, colour);
        page.line(464 - i, 684 - i, 15 + i, 684 - i, colour);
        page.line(15 + i, 684 - i, 15 + i, 15 + i, colour);
    }
    PaginaGewijzigd = true;
    Pic->Refresh();
}

void SuppForm::Check1_Click() {
    if (Check1->isChecked()) {
        drawFrame();
        return;
    }
    // Whatever width was drawn, five white outlines take it away.
    Surface& page = Pic->surface();
    for (int i = 1; i <= 5; ++i) {
        page.line(15 + i, 15 + i, 464 - i, 15 + i, kWhite);
        page.line(464 - i, 15 + i, 464 - i, 684 - i, kWhite);
        page.line(464 - i, 684 - i, 15 + i, 684 - i, kWhite);
        page.line(15 + i, 684 - i, 15 + i, 15 + i, kWhite);
    }
    PaginaGewijzigd = true;
    Pic->Refresh();
}

void SuppForm::Combo2_Change() {
    Surface& page = Pic->surface();
    const int x = vbCInt(Pic->ScaleWidth() / 2 - 6);
    const int y = vbCInt(Pic->ScaleHeight() - 45);
    page.filledBox(x - 10, y - 5, x + 50, y + 20, kWhite);
    // Italic, underline and colour stay as the last placed text left them.
    page.fontName = "Arial";
    page.fontBold = true;
    page.fontSize = 10;
    page.fontTransparent = true;
    page.currentX = x;
    page.currentY = y;
    page.print(Combo2->currentText());
    PaginaGewijzigd = true;
    Pic->Refresh();
}

void SuppForm::HScroll1_Change(int Index) {
    if (Index < 0 || Index > 2) return;
    setBackColour(Label8, sampleColour());
    Label10[Index]->setText(QString::number(HScroll1[Index]->value()));
    Label10[Index]->adjustSize();
}

} // namespace korv

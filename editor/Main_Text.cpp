// The text tool: styled text, its preview and the hand-over into the floating picture.
#include "Algemeen.h"
#include "Main.h"
#include "platform/Colour.h"
#include "platform/VbMath.h"

namespace korv {

namespace {
constexpr double kDefaultTextSize = 20;
constexpr double kLargestTextSize = 500;
} // namespace

double Main::textSize() const {
    const QString t = Combo2->currentText().trimmed();
    if (!IsNumeric(t)) return kDefaultTextSize;
    const double v = Val(t);
    if (!(v > 0)) return kDefaultTextSize;
    return v > kLargestTextSize ? kLargestTextSize : v;
}

void Main::PrintStyledText(Surface& target, double x, int y, const QString& text) {
    target.fontName = Combo1->currentText();
    target.fontSize = textSize();
    target.fontBold = BoldCheck->isChecked();
    target.fontItalic = ItalicCheck->isChecked();
    target.fontUnderline = UnderlineCheck->isChecked();
    target.foreColor = drawingColour();
    if (OpenCheck->isChecked()) {
        static const int ring[8][2] = {{0, -2}, {1, -1}, {2, 0},  {1, 1},
                                       {0, 2},  {-1, 1}, {-2, 0}, {-1, -1}};
        for (const auto& d : ring) {
            target.currentX = x + d[0];
            target.currentY = y + d[1];
            target.print(text);
        }
        target.foreColor = RGB(S.VulKleurR, S.VulKleurG, S.VulKleurB);
    }
    target.currentX = x;
    target.currentY = y;
    target.print(text);
}

void Main::PlaatsKnop_Click() {
    if (Text1->text().trimmed().isEmpty()) {
        S.services.dialogs->msgBox(QString::fromUtf8("Géén tekst ingevuld..."),
                                   Mb::OkOnly | Mb::Critical, "Error");
        return;
    }
    // The label measures the text plus one blank in the chosen style.
    const QString caption = Text1->text() + " ";
    const StyledText m =
        measureStyledText(Combo1->currentText(), textSize(), BoldCheck->isChecked(),
                          ItalicCheck->isChecked(), UnderlineCheck->isChecked(), caption);
    TextLabel->setFont(m.font);
    setForeColour(TextLabel, drawingColour());
    TextLabel->setText(caption);
    const int w = m.width, h = m.height;
    TextLabel->Move(leftInContainer(TextLabel), topInContainer(TextLabel), w, h);

    ClipPic->clearPicture();
    ClipPic->Move(0, 0, w, h);
    ClipPic->Cls();
    PrintStyledText(ClipPic->surface(), 0, 0, Text1->text());
    ClipPic->Move(0, 0);
    ClipPic->show();
    ClipPic->raise();
    ClipPic->Refresh();
    if (S.MeldingPlaatsen)
        S.services.dialogs->msgBox("Verschuif met ingedrukte linkermuisknop de tekst.\r\n"
                                   "Klik vervolgens rechts op de tekst voor het plaatsen.",
                                   Mb::OkOnly);
}

void Main::VoorbeeldTekst() {
    QFont f = TextExample->font();
    f.setFamily(Combo1->currentText());
    f.setBold(BoldCheck->isChecked());
    f.setItalic(ItalicCheck->isChecked());
    f.setUnderline(UnderlineCheck->isChecked());
    TextExample->setFont(f);
    setForeColour(TextExample, drawingColour());
    TextExample->setText("Voorbeeld");
}

void Main::Combo2_Change() {
    QFont f = TextExample->font();
    f.setPointSizeF(textSize());
    TextExample->setFont(f);
}

} // namespace korv

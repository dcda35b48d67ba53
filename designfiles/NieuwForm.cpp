#include "NieuwForm.h"

#include "DesignFile.h"
#include "DialogLayout.h"
#include "controls/VistaButton.h"
#include "editor/Algemeen.h"
#include "editor/Main.h"
#include "platform/Colour.h"
#include "platform/ImageBox.h"
#include "platform/PictureBox.h"

#include <QFrame>
#include <QLabel>
#include <QRadioButton>

namespace korv {

namespace {

// Frame label size (twips) and where "Template" is printed in the preview; the preview
// is 135 twips smaller than its frame label.
struct Preview {
    int labelW, labelH, textX, textY;
};
constexpr Preview kPreviews[8] = {
    {1800, 1200, 420, 390}, {1800, 1200, 420, 390}, {2100, 1200, 570, 390}, {2400, 1200, 720, 390},
    {1950, 1950, 510, 750}, {1350, 1800, 195, 690}, {1350, 2100, 195, 840}, {1350, 2400, 195, 990}};

const char* const kCaptions[8] = {"",         "Liggend Kort", "Landscape", "Liggend Lang",
                                  "Vierkant", "Staand Kort",  "Portret",   "Staand lang"};

} // namespace

NieuwForm::NieuwForm(Main& main) : QDialog(&main), M(main) {
    Frame1 = new QFrame(this);
    Frame1->setFrameShape(QFrame::StyledPanel);
    Frame1->setFrameShadow(QFrame::Sunken);
    Label1 = new QLabel(Frame1);
    Pic = new PictureBox(Frame1);
    for (int i = 1; i <= 7; ++i) {
        Option1[i] = new QRadioButton(this);
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) Option1_Click(i);
        });
    }
    OkKnop = new VistaButton(this);
    CancelKnop = new VistaButton(this);
    Image1 = new ImageBox(this);
    connect(OkKnop, &VistaButton::Click, this, [this] { OkKnop_Click(); });
    connect(CancelKnop, &VistaButton::Click, this, [this] { CancelKnop_Click(); });
    Form_Load();
}

void NieuwForm::Form_Load() {
    const int green = RGB(190, 230, 190);
    layoutForm(this, 6150, 3435, "Nieuw Ontwerp", green);
    placeTwips(Frame1, 150, 45, 2700, 2820);
    setBackColour(Frame1, green);

    setBackColour(Label1, RGB(240, 240, 240));
    Pic->surface().scaleMode = ScaleMode::Twips;
    Pic->surface().foreColor = RGB(64, 64, 64);
    Pic->surface().fontName = "Arial";
    Pic->surface().fontSize = 9.75;
    Pic->surface().fontItalic = true;
    Pic->setBackColor(RGB(224, 224, 224));

    for (int i = 1; i <= 7; ++i) {
        placeTwips(Option1[i], 3000, 240 + 285 * (i - 1), 1500, 285);
        setBackColour(Option1[i], green);
        setForeColour(Option1[i], RGB(60, 60, 60));
    }
    for (int i = 1; i <= 7; ++i)
        Option1[i]->setText(kCaptions[i]);

    OkKnop->setCaption("Ok");
    OkKnop->Move(4920, 2520, 960, 330);
    CancelKnop->setCaption("Annuleren");
    CancelKnop->Move(3960, 2520, 930, 330);

    // A scaled-down stamp outline from the program's own pictures.
    const QImage stamp(":/main/Template-1.png");
    if (!stamp.isNull()) Image1->setPicture(stamp.scaledToWidth(90, Qt::SmoothTransformation));
    Image1->Move(4590, 300);

    // Each opening starts at the first format, whatever the canvas holds; the
    // program-wide format changes with the canvas, on "Ok".
    {
        const QSignalBlocker block(Option1[1]);
        Option1[1]->setChecked(true);
    }
    showPreview(1);
}

void NieuwForm::showPreview(int format) {
    const Preview& p = kPreviews[format];
    Pic->Cls();
    placeTwips(Label1, 135, 240, p.labelW, p.labelH);
    Pic->Move(210, 315, p.labelW - 135, p.labelH - 135);
    Pic->surface().currentX = p.textX;
    Pic->surface().currentY = p.textY;
    Pic->surface().print("Template");
    Pic->Refresh();
}

void NieuwForm::Option1_Click(int Index) {
    if (Index < 1 || Index > 7) return;
    showPreview(Index);
}

int NieuwForm::checkedFormat() const {
    for (int i = 1; i <= 7; ++i)
        if (Option1[i]->isChecked()) return i;
    return 1;
}

void NieuwForm::OkKnop_Click() {
    // No keeps the window open: the user may still cancel and save the design first.
    if (!mayReplaceDesign(M.S)) return;
    const int format = checkedFormat();
    SetDesignFormat(M, format);
    M.S.OntwerpFormaat = format;
    accept();
}

void NieuwForm::CancelKnop_Click() {
    reject();
}

} // namespace korv

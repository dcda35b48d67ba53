#include "WaveTextForm.h"

#include "HandOver.h"
#include "TextColouring.h"
#include "TextPath.h"
#include "controls/VistaButton.h"
#include "editor/Main.h"
#include "platform/Colour.h"
#include "platform/PictureBox.h"
#include "platform/Screen.h"
#include "platform/VbMath.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>

namespace korv {

namespace {
const int kFormBack = RGB(230, 230, 190);
const int kDarkGrey = RGB(64, 64, 64);

void setListColours(QWidget* w, int back, int text) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, toQColor(back));
    p.setColor(QPalette::Button, toQColor(back));
    p.setColor(QPalette::Text, toQColor(text));
    p.setColor(QPalette::ButtonText, toQColor(text));
    w->setPalette(p);
}
} // namespace

WaveTextForm::WaveTextForm(Main& main) : QDialog(&main), M(main) {
    Pic = new PictureBox(this);
    Layer = new OverlayShape(Pic);
    BackPic = new PictureBox(this);
    Text1 = new QLineEdit(this);
    Label13 = new QLabel(this);
    Combo1 = new QComboBox(this);
    Label19 = new QLabel(this);
    Combo2 = new QComboBox(this);
    Label20 = new QLabel(this);
    BoldCheck = new QCheckBox(this);
    Frame1 = new QGroupBox(this);
    Frame2 = new QGroupBox(this);
    Frame3 = new QGroupBox(this);
    Frame4 = new QGroupBox(this);
    HScroll2 = new QScrollBar(Qt::Horizontal, Frame1);
    HScroll3 = new QScrollBar(Qt::Horizontal, Frame1);
    HScroll7 = new QScrollBar(Qt::Horizontal, Frame1);
    HScroll4 = new QScrollBar(Qt::Horizontal, Frame2);
    HScroll5 = new QScrollBar(Qt::Horizontal, Frame2);
    HScroll13 = new QScrollBar(Qt::Horizontal, Frame3);
    HScroll6 = new QScrollBar(Qt::Horizontal, Frame3);
    HScroll1 = new QScrollBar(Qt::Horizontal, Frame3);
    HScroll9 = new QScrollBar(Qt::Horizontal, Frame4);
    HScroll10 = new QScrollBar(Qt::Horizontal, Frame4);
    HScroll8 = new QScrollBar(Qt::Horizontal, Frame4);
    HScroll11 = new QScrollBar(Qt::Horizontal, Frame4);
    HScroll12 = new QScrollBar(Qt::Horizontal, Frame4);
    KleurKnop = new VistaButton(this);
    Label21 = new QLabel(this);
    Label22 = new QLabel(this);
    CancelKnop = new VistaButton(this);
    ExportKnop = new VistaButton(this);
    KleurenPalet = new QMenu(this);
    const char* families[] = {"Grijs", "Rood", "Groen", "Blauw", "Paars", "Geel"};
    for (int i = 0; i < 6; ++i) {
        Kleurtje[i] = KleurenPalet->addAction(families[i]);
        connect(Kleurtje[i], &QAction::triggered, this, [this, i] { Kleurtje_Click(i); });
    }
    popupMenu = [](QMenu* m) { m->exec(QCursor::pos()); };

    // Only a drag of a bar's thumb redraws; arrows, track and keys just change the value.
    // The thumb reports its move before the value follows it, so the redraws read the
    // thumb positions (the values, once the thumbs rest).
    const std::pair<QScrollBar*, void (WaveTextForm::*)()> scrolls[] = {
        {HScroll1, &WaveTextForm::HScroll1_Scroll},   {HScroll2, &WaveTextForm::HScroll2_Scroll},
        {HScroll3, &WaveTextForm::HScroll3_Scroll},   {HScroll4, &WaveTextForm::HScroll4_Scroll},
        {HScroll5, &WaveTextForm::HScroll5_Scroll},   {HScroll6, &WaveTextForm::HScroll6_Scroll},
        {HScroll7, &WaveTextForm::HScroll7_Scroll},   {HScroll8, &WaveTextForm::HScroll8_Scroll},
        {HScroll9, &WaveTextForm::HScroll9_Scroll},   {HScroll10, &WaveTextForm::HScroll10_Scroll},
        {HScroll11, &WaveTextForm::HScroll11_Scroll}, {HScroll12, &WaveTextForm::HScroll12_Scroll},
        {HScroll13, &WaveTextForm::HScroll13_Scroll}};
    for (const auto& [bar, handler] : scrolls)
        connect(bar, &QScrollBar::sliderMoved, this, handler);

    Pic->onMouseDown = [this](int b, int s, double x, double y) { Pic_MouseDown(b, s, x, y); };
    Pic->onMouseMove = [this](int b, int s, double x, double y) { Pic_MouseMove(b, s, x, y); };
    Pic->onMouseUp = [this](int b, int s, double x, double y) { Pic_MouseUp(b, s, x, y); };
    connect(KleurKnop, &VistaButton::Click, this, [this] { KleurKnop_Click(); });
    connect(CancelKnop, &VistaButton::Click, this, [this] { CancelKnop_Click(); });
    connect(ExportKnop, &VistaButton::Click, this, [this] { ExportKnop_Click(); });

    Form_Load();

    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    connect(Combo2, &QComboBox::activated, this, [this] { Combo2_Click(); });
    connect(BoldCheck, &QCheckBox::toggled, this, [this] { BoldCheck_Click(); });
}

void WaveTextForm::Form_Load() {
    layoutToolForm(this, 10800, 9240, "WaveTekst", kFormBack);

    Pic->setBorderStyle(PictureBox::Border::Sunken);
    Pic->setScaleMode(ScaleMode::Pixels);
    Pic->Move(210, 240, 10275, 5100);
    Pic->setBackColor(kWhite);
    Surface& s = Pic->surface();
    s.fontName = "Arial";
    s.fontBold = true;
    s.foreColor = kBlack;
    s.fontTransparent = true;
    Layer->style = OverlayShape::Style::Dot;
    Layer->hide();

    BackPic->setBorderStyle(PictureBox::Border::Sunken);
    BackPic->setScaleMode(ScaleMode::Pixels);
    BackPic->Move(0, 0, 10275, 5100);
    BackPic->setBackColor(RGB(255, 0, 0));
    BackPic->hide();
    PaintColourBand(0);

    Text1->setText("Voorbeeld Tekst ");
    setListColours(Text1, RGB(0, 0, 40), RGB(250, 250, 240));
    placeTwips(Text1, 210, 5520, 2760);
    Label13->setText("Tekst");
    setForeColour(Label13, kDarkGrey);
    placeTwips(Label13, 3000, 5580);

    Combo1->clear();
    Combo1->addItems(screenFontFamilies());
    setListColours(Combo1, RGB(0, 0, 40), RGB(220, 220, 250));
    placeTwips(Combo1, 3720, 5520, 2460);
    // Where "Arial" is no family of its own, the list shows the face that stands in for it.
    int arial = Combo1->findText("Arial");
    if (arial < 0) arial = Combo1->findText(QFontInfo(QFont("Arial")).family());
    Combo1->setCurrentIndex(arial);
    Combo1_Click();
    Label19->setText("Lettertype");
    setForeColour(Label19, kDarkGrey);
    placeTwips(Label19, 6270, 5580);

    Combo2->clear();
    for (int size = 8; size <= 150; size += 2)
        Combo2->addItem(QString::number(size));
    setListColours(Combo2, RGB(0, 0, 40), RGB(220, 220, 250));
    placeTwips(Combo2, 7200, 5520, 780);
    Combo2->setCurrentIndex(7);
    Combo2_Click();
    Label20->setText("Lettergrootte");
    setForeColour(Label20, kDarkGrey);
    placeTwips(Label20, 8050, 5580);

    BoldCheck->setText("Bold");
    setForeColour(BoldCheck, kDarkGrey);
    setBackColour(BoldCheck, kFormBack);
    placeTwips(BoldCheck, 9600, 5565, 900, 300);
    BoldCheck->setChecked(true);
    BoldCheck_Click();

    placePanel(Frame1, " Circel Tekst ", 210, 6000, 3300, 1350, 2160, 870, 2100, 2440,
               {{HScroll2, "Radius", 0, 200, 0},
                {HScroll3, "Arc", 0, 360, 360},
                {HScroll7, "Deg", 1, 180, 1}});
    placePanel(Frame2, " Rotatie Tekst ", 210, 7500, 3300, 1110, 2160, 600, 2100, 2440,
               {{HScroll4, "Radius", 0, 360, 0}, {HScroll5, "Lengte", 0, 50, 25}});
    placePanel(Frame3, " Wave Tekst ", 3720, 6000, 3300, 1350, 2100, 870, 2040, 2400,
               {{HScroll13, "Sinus", 0, 100, 30},
                {HScroll6, "Curves", 0, 1800, 300},
                {HScroll1, "Lengte", 0, 100, 0}});
    placePanel(Frame4, " Ellips Tekst ", 7200, 6000, 3300, 1920, 2250, 1410, 2190, 2550,
               {{HScroll9, "Radius", 0, 200, 0},
                {HScroll10, "Arc", 0, 360, 360},
                {HScroll8, "Deg", 1, 180, 1},
                {HScroll11, "X-Fact", 1, 100, 1},
                {HScroll12, "Y-Fact", 1, 100, 1}});

    KleurKnop->setCaption("Kleur");
    KleurKnop->Move(3720, 7590, 1140, 360);
    Label21->setText("Tekst inkleuren");
    setForeColour(Label21, kDarkGrey);
    placeTwips(Label21, 4950, 7665);
    Label22->setText("Selecteer een rechthoek om de tekst dat je wilt copyeren.\n"
                     "Klik vervolgens op de 'Export' knop.");
    setForeColour(Label22, RGB(100, 100, 120));
    Label22->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(Label22, 3720, 8205, 4500, 450);
    CancelKnop->setCaption("Annuleren");
    CancelKnop->Move(8610, 8250, 930, 360);
    ExportKnop->setCaption("Export");
    ExportKnop->Move(9570, 8250, 900, 360);
}

void WaveTextForm::placePanel(QGroupBox* frame, const QString& title, double left, double top,
                              double width, double height, double backWidth, double backHeight,
                              double barWidth, double captionLeft,
                              std::initializer_list<Bar> bars) {
    frame->setTitle(title);
    setBackColour(frame, kFormBack);
    setForeColour(frame, kDarkGrey);
    placeTwips(frame, left, top, width, height);
    auto* back = new QLabel(frame);
    back->setAutoFillBackground(true);
    setBackColour(back, kBlack);
    placeTwips(back, 180, 330, backWidth, backHeight);
    back->lower();
    double barTop = 360;
    for (const Bar& b : bars) {
        b.bar->setRange(b.min, b.max);
        b.bar->setValue(b.start);
        placeTwips(b.bar, 210, barTop, barWidth, 270);
        b.bar->raise();
        auto* caption = new QLabel(b.caption, frame);
        setForeColour(caption, kDarkGrey);
        caption->setAutoFillBackground(false);
        placeTwips(caption, captionLeft, barTop + 30);
        barTop += 270;
    }
}

void WaveTextForm::Combo1_Change() {
    if (Combo1->currentIndex() >= 0) Pic->surface().fontName = Combo1->currentText();
}

void WaveTextForm::Combo2_Change() {
    Pic->surface().fontSize = static_cast<float>(Val(Combo2->currentText()));
}

void WaveTextForm::BoldCheck_Click() {
    Pic->surface().fontBold = BoldCheck->checkState() != Qt::Unchecked;
}

// ---------------------------------------------------------------- layouts

void WaveTextForm::WaveText(PictureBox& pic, int X, int Y, int Spacing, int Curves, int Amplitude,
                            const QString& Text) {
    const QStringList chars = textpath::characters(Text);
    textpath::printAlong(pic.surface(), pic.backColor(), chars,
                         textpath::wave(X, Y, Spacing, Curves, Amplitude, chars.size()));
    pic.Refresh();
}

void WaveTextForm::RotateText(PictureBox& pic, int X, int Y, int Deg, int Spacing,
                              const QString& Text) {
    const QStringList chars = textpath::characters(Text);
    textpath::printAlong(pic.surface(), pic.backColor(), chars,
                         textpath::rotated(X, Y, Deg, Spacing, chars.size()));
    pic.Refresh();
}

void WaveTextForm::CircleText(PictureBox& pic, int X, int Y, int Radius, int Deg, int Arc,
                              const QString& Text) {
    const QStringList chars = textpath::characters(Text);
    textpath::printAlong(pic.surface(), pic.backColor(), chars,
                         textpath::circle(X, Y, Radius, Deg, Arc, chars.size()));
    pic.Refresh();
}

void WaveTextForm::ElipticText(PictureBox& pic, int X, int Y, int Radius, int Deg, int XFact,
                               int YFact, int Arc, const QString& Text) {
    const QStringList chars = textpath::characters(Text);
    const auto places = textpath::elliptic(X, Y, Radius, Deg, XFact, YFact, Arc, chars.size());
    if (!places) return; // a factor below 1 has no ellipse: the picture stays as it is
    textpath::printAlong(pic.surface(), pic.backColor(), chars, *places);
    pic.Refresh();
}

int WaveTextForm::pos(const QScrollBar* bar) {
    return bar->sliderPosition();
}

int WaveTextForm::centreX() const {
    return vbCInt(Pic->ScaleWidth() / 2);
}

int WaveTextForm::centreY() const {
    return vbCInt(Pic->ScaleHeight() / 2 - 20);
}

void WaveTextForm::DrawCirclePanel() {
    CircleText(*Pic, centreX(), centreY(), pos(HScroll2), pos(HScroll7), pos(HScroll3),
               Text1->text());
}

void WaveTextForm::DrawRotationPanel() {
    RotateText(*Pic, centreX(), centreY(), pos(HScroll4), pos(HScroll5), Text1->text());
}

void WaveTextForm::DrawWavePanel() {
    // The wave is centred on the width the spaced-out text takes.
    const double n = static_cast<double>(textpath::characters(Text1->text()).size());
    const int XW = vbCInt(Pic->ScaleWidth() / 2 - (n / 2) * pos(HScroll1));
    WaveText(*Pic, XW, centreY(), pos(HScroll1), pos(HScroll6), pos(HScroll13), Text1->text());
}

void WaveTextForm::DrawEllipsePanel() {
    ElipticText(*Pic, centreX(), centreY(), pos(HScroll9), pos(HScroll8), pos(HScroll11),
                pos(HScroll12), pos(HScroll10), Text1->text());
}

// ---------------------------------------------------------------- colouring

void WaveTextForm::KleurKnop_Click() {
    if (colouring_) return;
    popupMenu(KleurenPalet);
}

void WaveTextForm::Kleurtje_Click(int Index) {
    if (colouring_) return;
    PaintColourBand(Index);
    ColourText();
}

void WaveTextForm::PaintColourBand(int Index) {
    colouring::PaintColourBand(BackPic->surface(), Index);
}

void WaveTextForm::ColourText() {
    if (colouring_) return;
    // Rows yield to the event loop; the main window must not close under the pass.
    Main::YieldGuard guard(M);
    colouring_ = true;
    stopColouring_ = false;
    BusyPointer& busy = M.S.services.busy;
    busy.set(true);
    const int rows = vbCInt(Pic->ScaleHeight());
    for (int y = 0; y < rows && !stopColouring_; ++y) {
        colouring::colourRow(Pic->surface(), BackPic->surface(), y);
        Pic->Refresh();
        doEvents(false);
        if (afterColouredRow) afterColouredRow(y);
    }
    busy.set(false);
    colouring_ = false;
    if (closeAfterColouring_) {
        closeAfterColouring_ = false;
        QDialog::reject();
    }
}

// ---------------------------------------------------------------- selection and export

void WaveTextForm::Pic_MouseDown(int Button, int, double X, double Y) {
    M.S.StartX = X;
    M.S.StartY = Y;
    if (Button != Mouse::Left) return;
    Layer->Move(X, Y, 0, 0);
    Layer->show();
    Layer->raise();
}

void WaveTextForm::Pic_MouseMove(int Button, int, double X, double Y) {
    if (Button != Mouse::Left) return;
    const double sx = M.S.StartX, sy = M.S.StartY;
    if (X < sx) X = sx;
    if (Y < sy) Y = sy;
    Layer->Move(sx, sy, X - sx + 1, Y - sy + 1);
}

void WaveTextForm::Pic_MouseUp(int Button, int, double, double) {
    if (Button != Mouse::Left) return;
    ExportBreedte = widthInContainer(Layer);
    ExportHoogte = vbCInt(heightInContainer(Layer));
}

void WaveTextForm::ExportKnop_Click() {
    if (colouring_) return;
    const int w = vbCInt(ExportBreedte), h = ExportHoogte;
    // An empty rectangle (a click without a drag) would hand over nothing to place.
    if (Layer->isHidden() || w < 1 || h < 1) {
        M.S.services.dialogs->msgBox("Selecteer met ingedrukte linkermuisknop een rechthoek\r\n"
                                     "om de tekst dat je wilt copyeren en klik op Export,\r\n"
                                     "of klik op Annuleren.",
                                     Mb::OkOnly);
        return;
    }
    // Parts of the rectangle dragged beyond the picture show its white background.
    Surface piece(w, h, Pic->backColor());
    piece.copy(0, 0, w, h, Pic->surface(), vbCInt(leftInContainer(Layer)),
               vbCInt(topInContainer(Layer)));
    handOverPainted(M, piece.image(), w, h);
    accept();
    showPlacementHint(M);
}

void WaveTextForm::CancelKnop_Click() {
    reject();
}

void WaveTextForm::reject() {
    // A close during a colouring pass ends the pass first.
    if (colouring_) {
        stopColouring_ = true;
        closeAfterColouring_ = true;
        return;
    }
    QDialog::reject();
}

} // namespace korv

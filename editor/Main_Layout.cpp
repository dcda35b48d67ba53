// The main window's controls, laid out in twips for the first stamp format.
#include "Main.h"

#include "controls/VistaButton.h"
#include "platform/Colour.h"
#include "platform/Screen.h"

#include <QFont>
#include <QImage>
#include <QPalette>

static void initMainResources() {
    Q_INIT_RESOURCE(main_resources);
}

namespace korv {

void placeTwips(QWidget* w, double left, double top, double width, double height) {
    if (width < 0 || height < 0) {
        if (auto* l = qobject_cast<QLabel*>(w))
            l->adjustSize();
        else if (auto* c = qobject_cast<QCheckBox*>(w))
            c->adjustSize();
        const QSize hint = w->sizeHint();
        if (width < 0) width = std::max(w->width(), hint.width()) * 15.0;
        if (height < 0) height = std::max(hint.height(), 1) * 15.0;
    }
    placeInContainer(w, left, top, width, height);
}

void setBackColour(QWidget* w, int colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, toQColor(colour));
    p.setColor(QPalette::Button, toQColor(colour));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

QLabel* colourBox(QWidget* parent, int colour) {
    auto* l = new QLabel(parent);
    setBackColour(l, colour);
    return l;
}

void setForeColour(QWidget* w, int colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, toQColor(colour));
    p.setColor(QPalette::Text, toQColor(colour));
    w->setPalette(p);
}

namespace {

QFrame* makeFrame(QWidget* parent, double l, double t, double w, double h) {
    auto* f = new QFrame(parent);
    f->setFrameShape(QFrame::StyledPanel);
    f->setFrameShadow(QFrame::Sunken);
    placeTwips(f, l, t, w, h);
    setBackColour(f, RGB(235, 235, 240));
    return f;
}

QLabel* makeLabel(QWidget* parent, const QString& caption, double l, double t, double w = -1,
                  double h = -1) {
    auto* lab = new QLabel(caption, parent);
    placeTwips(lab, l, t, w, h);
    return lab;
}

QLabel* makeBox(QWidget* parent, double l, double t, double w, double h, int colour) {
    QLabel* lab = colourBox(parent, colour);
    placeTwips(lab, l, t, w, h);
    return lab;
}

QCheckBox* makeCheck(QWidget* parent, const QString& caption, double l, double t, double w,
                     double h = 270) {
    auto* c = new QCheckBox(caption, parent);
    placeTwips(c, l, t, w, h);
    setBackColour(c, RGB(235, 235, 240));
    return c;
}

QScrollBar* makeScroll(QWidget* parent, double l, double t, double w, double h, int min, int max,
                       int value) {
    auto* s = new QScrollBar(Qt::Horizontal, parent);
    s->setRange(min, max);
    s->setValue(value);
    s->setPageStep(std::max(1, (max - min) / 10));
    placeTwips(s, l, t, w, h);
    return s;
}

QComboBox* makeCombo(QWidget* parent, double l, double t, double w) {
    auto* c = new QComboBox(parent);
    c->setEditable(true);
    placeTwips(c, l, t, w, 315);
    QPalette p = c->palette();
    p.setColor(QPalette::Base, toQColor(RGB(0, 0, 40)));
    p.setColor(QPalette::Text, toQColor(RGB(220, 220, 250)));
    c->setPalette(p);
    return c;
}

QImage resourceImage(const QString& name) {
    return QImage(":/main/" + name).convertToFormat(QImage::Format_RGB32);
}

} // namespace

Main::Main(AppState& state, const WindowTable& windows, QWidget* parent)
    : QMainWindow(parent), S(state), Windows(windows) {
    initMainResources();
    screenMetrics = [] {
        ScreenMetrics m;
        m.sizePx = screenSizePx();
        return m;
    };
    setWindowTitle(kProgramTitle);
    // The layout's twips were measured against a small sans-serif face.
    QFont uiFont("Arial");
    uiFont.setPixelSize(11);
    setFont(uiFont);
    auto* client = new QWidget(this);
    setCentralWidget(client);
    // The client area holds the widest layout (the frames end at 17460 twips across
    // and 9945 twips down).
    client->setFixedSize(17670 / 15, 10125 / 15);
    setBackColour(client, RGB(235, 235, 240));
    buildFrames();
    buildMenus();
    connectTools();
    connectPictureMenus();
    S.progress.bar = Bar;
    S.progress.label = BarLabel;
}

Main::~Main() {
    // The children outlive this part of the window: a focused combo box still reports
    // its text while it is taken down, and no handler of Main may run then.
    for (QWidget* w : findChildren<QWidget*>())
        w->blockSignals(true);
    if (S.progress.bar == Bar) S.progress.bar = nullptr;
    if (S.progress.label == BarLabel) S.progress.label = nullptr;
}

void Main::setXYlabelText(const QString& text) {
    XYlabel->setText(text);
    XYlabel->adjustSize();
    // The read-out ends at its frame's inner right edge and grows leftwards, so that the
    // widest ones ("310 x 580", " 580, 310 ") stay whole inside the frame.
    XYlabel->move(Frame6->contentsRect().right() + 1 - XYlabel->width(), XYlabel->y());
}

void Main::buildFrames() {
    QWidget* client = centralWidget();

    // Frame1: text tool and colours
    Frame1 = makeFrame(client, 150, 30, 4530, 5100);
    Combo1 = makeCombo(Frame1, 150, 255, 3000);
    Label2 = makeLabel(Frame1, "Lettertype", 3240, 315);
    Combo2 = makeCombo(Frame1, 150, 750, 780);
    Label3 = makeLabel(Frame1, "Lettergrootte", 990, 810);
    BoldCheck = makeCheck(Frame1, "Bold", 240, 1350, 1500);
    QFont bf = BoldCheck->font();
    bf.setBold(true);
    BoldCheck->setFont(bf);
    ItalicCheck = makeCheck(Frame1, "Italic", 240, 1650, 1500);
    QFont itf = ItalicCheck->font();
    itf.setItalic(true);
    ItalicCheck->setFont(itf);
    UnderlineCheck = makeCheck(Frame1, "Onderstreept", 240, 1950, 1500);
    QFont uf = UnderlineCheck->font();
    uf.setUnderline(true);
    UnderlineCheck->setFont(uf);
    OpenCheck = makeCheck(Frame1, "Opentekst", 240, 2250, 1500);
    TextExample = makeLabel(Frame1, "Voorbeeld", 2100, 1200, 2100, 900);
    TextExample->setFont(QFont("Arial", 12));
    Text1 = new QLineEdit(Frame1);
    placeTwips(Text1, 150, 2760, 2700, 285);
    {
        QPalette p = Text1->palette();
        p.setColor(QPalette::Base, toQColor(RGB(250, 190, 190)));
        p.setColor(QPalette::Text, toQColor(RGB(0, 0, 50)));
        Text1->setPalette(p);
    }
    Label4 = makeLabel(Frame1, "Tekst", 2940, 2820);
    PlaatsKnop = new VistaButton(Frame1);
    PlaatsKnop->Move(3090, 4575, 1290, 360);
    PlaatsKnop->setCaption("Tekst Plaatsen");
    PlaatsKnop->setToolTip(" Plaats de tekst op het ontwerp ");
    Label6 = makeBox(Frame1, 150, 3300, 1500, 780, 0);
    const int sliderColours[3] = {RGB(255, 0, 0), RGB(0, 128, 0), RGB(0, 0, 255)};
    QFont valueFont("Arial");
    valueFont.setPointSizeF(8.25);
    valueFont.setBold(true);
    for (int i = 0; i < 3; ++i) {
        HScroll1[i] = makeScroll(Frame1, 180, 3330 + 240 * i, 1440, 240, 0, 255, 0);
        Label22[i] = makeLabel(Frame1, "0", 1740, 3360 + 240 * i);
        Label22[i]->setFont(valueFont);
        setForeColour(Label22[i], sliderColours[i]);
    }
    Label8 = makeLabel(Frame1, "Tekst, Teken en Borderkleur", 2190, 3360);
    Label7 = makeBox(Frame1, 2190, 3660, 450, 420, RGB(50, 50, 50));
    Label5 = makeBox(Frame1, 150, 4170, 1500, 780, 0);
    for (int i = 0; i < 3; ++i) {
        HScroll2[i] = makeScroll(Frame1, 180, 4200 + 240 * i, 1440, 240, 0, 255, 0);
        Label23[i] = makeLabel(Frame1, "0", 1740, 4230 + 240 * i);
        Label23[i]->setFont(valueFont);
        setForeColour(Label23[i], sliderColours[i]);
    }
    Label21 = makeLabel(Frame1, "Vulkleur", 2190, 4230);
    Label20 = makeBox(Frame1, 2190, 4530, 450, 420, RGB(190, 190, 0));

    // Frame5: clock
    Frame5 = makeFrame(client, 150, 5160, 4530, 735);
    KlokLabel = makeLabel(Frame5, "00:00:00", 150, 225, 4200, 420);
    KlokLabel->setFont(QFont("Arial", 18));
    setForeColour(KlokLabel, RGB(128, 128, 128));
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });

    // Frame6: tool options and progress
    Frame6 = makeFrame(client, 150, 5925, 4530, 4020);
    struct Opt {
        QLabel** box;
        QScrollBar** bar;
        QLabel** caption;
        int top, min, max, value, captionTop;
        const char* text;
    };
    const Opt opts[] = {
        {&Label11, &LijndikteScroll, &Label12, 300, 1, 9, 1, 330, "Lijndikte (1 / 9)"},
        {&Label18, &StijlScroll, &Label19, 720, 1, 7, 1, 750,
         "Raster bij Rechthoek en Ellips (0 / 6)"},
        {&Label15, &HoekScroll, &Label16, 1140, 10, 99, 30, 1170,
         "Ronde hoek bij Rechthoek (30 / 99)"},
        {&Label13, &GomScroll, &Label14, 1560, 5, 50, 20, 1590, "Gomgrootte (20 / 50)"},
        {&Label24, &TransScroll, &Label25, 2580, 5, 95, 20, 2595, "Transparantie (20 / 95)"},
    };
    for (const Opt& o : opts) {
        *o.box = makeBox(Frame6, 150, o.top - 30, 1500, 315, 0);
        *o.bar = makeScroll(Frame6, 180, o.top, 1440, 255, o.min, o.max, o.value);
        *o.caption = makeLabel(Frame6, o.text, 1710, o.captionTop);
    }
    Line1 = makeBox(Frame6, 300, 1830, 30, 330, RGB(10, 160, 10));
    Line2 = makeBox(Frame6, 300, 2160 - 15, 210, 30, RGB(10, 160, 10));
    Check1 = makeCheck(Frame6, "Gommen in de vulkleur", 540, 2040, 3600);
    Label17 = makeLabel(Frame6, "Voortgang", 165, 3270);
    Bar = new PictureBox(Frame6);
    Bar->setBorderStyle(PictureBox::Border::Sunken);
    Bar->Move(150, 3540, 2940, 330);
    Bar->setBackColor(RGB(0, 50, 0));
    BarLabel = makeLabel(Frame6, "0%", 3150, 3600);
    XYlabel = makeLabel(Frame6, "0 x 0", 4005, 330);
    XYlabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setXYlabelText(XYlabel->text());

    // Frame2: canvas area
    Frame2 = makeFrame(client, 4800, 30, 7320, 5865);
    Label1 = makeBox(Frame2, 150, 270, 7020, 5445, RGB(224, 224, 224));
    TandPic = new PictureBox(Frame2);
    TandPic->setScaleMode(ScaleMode::Twips);
    TandPic->Move(210, 330, 6900, 5325);
    TandPic->setBackColor(RGB(235, 235, 240));
    TandPic->setPicture(resourceImage("Template-1.png"));
    Pic = new PictureBox(TandPic);
    Pic->setBackColor(RGB(240, 240, 240));
    Pic->Move(345, 345, 6225, 4650);
    Pic->Cls();
    // A press on the canvas takes the keyboard focus from the text fields.
    Pic->setFocusPolicy(Qt::ClickFocus);
    UndoPic = new PictureBox(TandPic);
    UndoPic->setBackColor(RGB(240, 240, 240));
    UndoPic->Move(345, 345, 6225, 4650);
    UndoPic->hide();
    TopMaat = new PictureBox(TandPic);
    TopMaat->hide();
    LeftMaat = new PictureBox(TandPic);
    LeftMaat->hide();
    ClipPic = new PictureBox(Pic);
    ClipPic->setAutoSize(true);
    ClipPic->setCursor(Qt::OpenHandCursor);
    ClipPic->hide();
    ClipPicVert = new PictureBox(Pic);
    ClipPicVert->setAutoSize(true);
    ClipPicVert->hide();
    TextLabel = new OverlayLabel(Pic);
    TextLabel->hide();
    XYcor = new OverlayLabel(Pic);
    XYcor->hide();
    Gom = new OverlayShape(Pic);
    Gom->kind = OverlayShape::Kind::Circle;
    Gom->style = OverlayShape::Style::Dot;
    Gom->hide();
    Layer = new OverlayShape(Pic);
    Layer->style = OverlayShape::Style::Dot;
    Layer->borderColor = RGB(128, 128, 128);
    Layer->hide();
    VerLijn = new OverlayLine(Pic);
    VerLijn->borderColor = RGB(128, 128, 128);
    VerLijn->hide();
    HorLijn = new OverlayLine(Pic);
    HorLijn->borderColor = RGB(128, 128, 128);
    HorLijn->hide();

    // Frame3: lower frame
    Frame3 = makeFrame(client, 4800, 5925, 12660, 4020);
    KruisCheck = makeCheck(Frame3, "Tekenkruis Uit", 240, 300, 1500);
    LineaalCheck = makeCheck(Frame3, "Lineaal Uit", 240, 690, 1500);
    Check2 = makeCheck(Frame3, "Knippen bij rechthoeken en ellips", 240, 1080, 3000);
    Check2->setEnabled(false);
    connect(KruisCheck, &QCheckBox::clicked, this, [this] { KruisCheck_Click(); });
    connect(LineaalCheck, &QCheckBox::clicked, this, [this] { LineaalCheck_Click(); });
    LogoImg = new ImageBox(Frame3);
    LogoImg->setPicture(resourceImage("LogoImg.png"));
    LogoImg->onClick = [this] { LogoImg_Click(); };
    ExitKnop = new ImageBox(Frame3);
    ExitKnop->setPicture(resourceImage("ExitKnop.png"));
    ExitKnop->setToolTip(" Programma Stoppen ");
    ExitKnop->onClick = [this] { ExitKnop_Click(); };
    LogoImg->Move(12660 - 4140, 4020 - 870);
    ExitKnop->Move(12660 - 1320, 4020 - 870);

    // Frame4: drawing buttons
    Frame4 = makeFrame(client, 12240, 30, 5220, 5865);
    for (int i = 0; i < 14; ++i) {
        TekenKnop[i] = new VistaButton(Frame4);
        TekenKnop[i]->Move(i < 7 ? 205 : 1405, 300 + 780 * (i % 7), 1080, 660);
        TekenKnop[i]->setPicture(resourceImage(QString("TekenKnop%1.png").arg(i)));
    }
    QFont titleFont("Arial");
    titleFont.setPointSizeF(14.25);
    titleFont.setBold(true);
    Label10 = makeLabel(Frame4, "Ontwerp Buttons", 2745, 495);
    Label10->setFont(titleFont);
    setForeColour(Label10, RGB(120, 0, 0));
    placeTwips(Label10, 2745, 495);
    Label9 = makeLabel(Frame4, "Ontwerp Buttons", 2715, 465);
    Label9->setFont(titleFont);
    setForeColour(Label9, RGB(250, 250, 0));
    placeTwips(Label9, 2715, 465);
    Label9->raise();
    KnopLabel =
        makeLabel(Frame4, "Beweeg de muiscursor over de knoppen(Buttons) voor meer informatie...",
                  2790, 1050, 2280, 6000);
    KnopLabel->setWordWrap(true);
    KnopLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

} // namespace korv

// The supplement window itself: layout and menus, the page with its one-level undo, a
// new page, the help panel under the page, the rulers and the ways of closing.
#include "SuppForm.h"

#include "controls/VistaButton.h"
#include "editor/Algemeen.h"
#include "editor/Main.h"
#include "platform/Colour.h"
#include "platform/Files.h"
#include "platform/Screen.h"
#include "platform/Services.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QScrollBar>
#include <QThread>

namespace korv {

namespace {

const int kFormColour = RGB(220, 220, 190);
const int kWindowColour = RGB(255, 255, 255); // the system window colour
const int kPageForeColour = RGB(64, 64, 64);
const int kValueColours[3] = {RGB(128, 0, 0), RGB(0, 128, 0), RGB(0, 0, 128)};

void setListColours(QWidget* w, int back, int fore) {
    QPalette p = w->palette();
    for (auto role : {QPalette::Base, QPalette::Button, QPalette::Window})
        p.setColor(role, toQColor(back));
    for (auto role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        p.setColor(role, toQColor(fore));
    w->setPalette(p);
}

QCheckBox* makeCheck(QWidget* parent, const QString& caption, double left, double top, double width,
                     double height = 300) {
    auto* c = new QCheckBox(caption, parent);
    setBackColour(c, kFormColour);
    placeTwips(c, left, top, width, height);
    return c;
}

QFrame* makeGroup(QWidget* parent, double left, double top, double width, double height) {
    auto* f = new QFrame(parent);
    f->setFrameShape(QFrame::Box);
    f->setFrameShadow(QFrame::Sunken);
    setBackColour(f, kFormColour);
    placeTwips(f, left, top, width, height);
    return f;
}

// The lines of the help panel between its heading and its closing line; empty ones
// leave a gap.
const char* const kHelpLines[17] = {
    "Bij het installeren van dit programma zijn er 10 voorbladen met landwapens",
    "geinstalleerd. Onder het menu-item 'Help/Meer Afbeeldingen' in het",
    "hoofdscherm kun je nogmaals 90 voorbladen met landwapens downloaden.",
    "Deze moeten worden uitgepakt/unzippen en in de map (Supplementen/Wapens)",
    "worden gezet. Deze map staat in de map waar dit programma is geinstaleerd.",
    "",
    "De kleur van de achtergrond voor de vakken waarin de zegels moeten komen",
    "kan worden gewijzigd in het hoofdscherm onder het menu-item",
    "'Tools/Instellingen'",
    "Bij het afdrukken van een Supplement kan men het beste minimaal 200 grams",
    "",
    "papier gebruiken. Hierna kan op eenvoudige wijze de z.g. Hawid stroken worden",
    "aangebracht op de daarvoor gemaakte vakken op het supplement.",
    "Deze Hawid stroken kan met verschillende achtergronden worden gebruikt, n.l.",
    "met een zwarte achtergrond of een transparante achtergrond.",
    "",
    "",
};

} // namespace

void ShapeControl::Move(double left, double top, double width, double height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    OverlayShape::Move(left, top, width, height);
}

void FileListBox::Refresh() {
    entries = listFiles(Path, {Pattern});
}

SuppForm::SuppForm(Main& main) : QDialog(&main), M(main) {
    buildControls();
    buildMenus();
    Form_Load();
    connectControls();
}

SuppForm::~SuppForm() = default;

void SuppForm::buildControls() {
    menuBar = new QMenuBar(this);
    client = new QWidget(this);
    // Created back to front: the help panel lies behind the page.
    HelpPic = new PictureBox(client);
    PicHoek = new PictureBox(client);
    PicTop = new PictureBox(client);
    PicLeft = new PictureBox(client);
    UndoPic = new PictureBox(client);
    Pic = new PictureBox(client);
    Layer = new ShapeControl(Pic);
    Line1 = new OverlayLine(Pic);
    Line2 = new OverlayLine(Pic);
    Label3 = new OverlayLabel(Pic);
    TextLabel = new OverlayLabel(Pic);

    List1 = new QListWidget(client);
    Label2 = new QLabel(client);
    Frame2 = makeGroup(client, 8070, 3660, 3045, 1200);
    Combo1 = new QComboBox(Frame2);
    Label1 = new QLabel(Frame2);
    Combo5 = new QComboBox(Frame2);
    Check4 = makeCheck(Frame2, "Vaste afmetingen", 210, 750, 2100);
    Check1 = makeCheck(client, "Kader tekenen", 8280, 5040, 3000);
    Check2 = makeCheck(client, "Show tekenkruis en afmeting", 8280, 5340, 3060);
    Check3 = makeCheck(client, "Verwijderen selectie", 8280, 5640, 3060);

    Frame1 = makeGroup(client, 8070, 6000, 3045, 4260);
    Combo3 = new QComboBox(Frame1);
    Combo4 = new QComboBox(Frame1);
    Label6 = new QLabel(Frame1);
    BoldCheck = makeCheck(Frame1, "Bold", 240, 1200, 900);
    ItalicCheck = makeCheck(Frame1, "Italic", 1200, 1200, 900);
    UnderlineCheck = makeCheck(Frame1, "Onderstreept", 240, 1590, 2100);
    Label5 = new QLabel(Frame1);
    Text1 = new QLineEdit(Frame1);
    Label7 = new QLabel(Frame1); // behind the bars
    for (int i = 0; i < 3; ++i) {
        HScroll1[i] = new QScrollBar(Qt::Horizontal, Frame1);
        HScroll1[i]->setRange(0, 255);
        HScroll1[i]->setSingleStep(1);
        HScroll1[i]->setPageStep(16);
    }
    for (int i = 0; i < 3; ++i)
        Label10[i] = new QLabel(Frame1);
    Label9 = new QLabel(Frame1);
    Label8 = new QLabel(Frame1);
    PlaatsKnop = new VistaButton(Frame1);
    PlaatsKnop->setCaption("Tekst Plaatsen");

    Combo2 = new QComboBox(client);
    Label4 = new QLabel(client);
    ExitKnop = new VistaButton(client);
    ExitKnop->setCaption("Exit");
}

void SuppForm::buildMenus() {
    File = menuBar->addMenu("Bestand");
    FileNew = File->addAction("Nieuw Ontwerp");
    File->addSeparator();
    FileOpen = File->addMenu("Supplement Openen");
    Openen[1] = FileOpen->addAction("Voorbladen");
    Openen[2] = FileOpen->addAction("Eigen Ontwerpen");
    FileSave = File->addAction("Supplement Opslaan");
    File->addSeparator();
    FilePrint = File->addAction("Supplement Afdrukken");
    File->addSeparator();
    FileExit = File->addAction("Exit");

    Edit = menuBar->addMenu("Bewerken");
    EditUndo = Edit->addAction("Ongedaan Maken");
    EditUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    addAction(EditUndo); // the shortcut works while the menu is closed

    Kader = menuBar->addMenu("Kaderbreedte");
    const char* const captions[6] = {"",
                                     "1 Pixel breed",
                                     "2 Pixels breed",
                                     "3 Pixels breed",
                                     "4 Pixels breed",
                                     "5 Pixels breed"};
    for (int i = 1; i <= 5; ++i) {
        Rand[i] = Kader->addAction(captions[i]);
        Rand[i]->setCheckable(true);
    }
}

void SuppForm::connectControls() {
    connect(FileNew, &QAction::triggered, this, [this] { FileNew_Click(); });
    for (int i = 1; i <= 2; ++i)
        connect(Openen[i], &QAction::triggered, this, [this, i] { Openen_Click(i); });
    connect(FileSave, &QAction::triggered, this, [this] { FileSave_Click(); });
    connect(FilePrint, &QAction::triggered, this, [this] { FilePrint_Click(); });
    connect(FileExit, &QAction::triggered, this, [this] { FileExit_Click(); });
    connect(EditUndo, &QAction::triggered, this, [this] { EditUndo_Click(); });
    for (int i = 1; i <= 5; ++i)
        connect(Rand[i], &QAction::triggered, this, [this, i] { Rand_Click(i); });

    PicHoek->onClick = [this] { PicHoek_Click(); };
    Pic->onMouseDown = [this](int b, int s, double x, double y) { Pic_MouseDown(b, s, x, y); };
    Pic->onMouseMove = [this](int b, int s, double x, double y) { Pic_MouseMove(b, s, x, y); };
    Pic->onMouseUp = [this](int b, int s, double x, double y) { Pic_MouseUp(b, s, x, y); };

    // A check box's click also follows a change made in code, as the modes rely on.
    connect(Check1, &QCheckBox::toggled, this, [this] { Check1_Click(); });
    connect(Check2, &QCheckBox::toggled, this, [this] { Check2_Click(); });
    connect(Check3, &QCheckBox::toggled, this, [this] { Check3_Click(); });
    connect(Check4, &QCheckBox::toggled, this, [this] { Check4_Click(); });
    connect(Combo2, &QComboBox::editTextChanged, this, [this] { Combo2_Change(); });
    connect(Combo2, &QComboBox::activated, this, [this] { Combo2_Click(); });
    for (int i = 0; i < 3; ++i)
        connect(HScroll1[i], &QScrollBar::valueChanged, this, [this, i] { HScroll1_Scroll(i); });
    connect(PlaatsKnop, &VistaButton::Click, this, [this] { PlaatsKnop_Click(); });
    connect(ExitKnop, &VistaButton::Click, this, [this] { ExitKnop_Click(); });
    // A double click, or a style that activates on a single click, brings more than one
    // signal for the same row. Only a row still current opens: when the user has kept
    // the unsaved page, the list went back to that page's row, and the rest of the
    // gesture asks nothing more.
    const auto opensRow = [this](QListWidgetItem* item) {
        if (item == List1->currentItem()) List1_Click();
    };
    connect(List1, &QListWidget::itemClicked, this, opensRow);
    connect(List1, &QListWidget::itemActivated, this, opensRow);
}

void SuppForm::Form_Load() {
    AppState& S = M.S;
    QFont uiFont("Arial");
    uiFont.setPixelSize(11);
    setFont(uiFont);
    setWindowTitle("Supplementen Ontwerpen");
    setBackColour(this, kFormColour);
    // 11400 x 12060 twips outside; a 3-pixel frame and a 23-pixel caption bar.
    const int clientW = 11400 / 15 - 6, clientH = 12060 / 15 - 6 - 23;
    setFixedSize(clientW, clientH);
    const int menuH = menuBar->sizeHint().height();
    menuBar->setGeometry(0, 0, clientW, menuH);
    client->setGeometry(0, menuH, clientW, clientH - menuH);

    HelpPic->setScaleMode(ScaleMode::Twips);
    HelpPic->Move(180, 180, 7680, 10980);
    HelpPic->setBackColor(RGB(30, 0, 0));
    HelpPic->surface().fontName = "Arial";
    HelpPic->surface().fontSize = 9.75;

    PicHoek->Move(270, 270, 255, 255);
    PicHoek->setBackColor(kWindowColour);
    PicHoek->setToolTip(" Korte Uitleg ");
    const QPixmap pointer(":/main/SuppHoek.png");
    PicHoek->setCursor(pointer.isNull() ? QCursor(Qt::WhatsThisCursor) : QCursor(pointer, 4, 1));
    PicHoek->surface().currentX = 5;
    PicHoek->surface().currentY = 1;
    PicHoek->surface().foreColor = RGB(128, 128, 128);
    PicHoek->surface().print("?");

    PicTop->Move(570, 270, 7200, 255);
    PicTop->setBackColor(kWindowColour);
    PicLeft->Move(270, 570, 255, 10500);
    PicLeft->setBackColor(kWindowColour);

    for (PictureBox* p : {Pic, UndoPic}) {
        p->Move(570, kPageTop, 7200, 10500);
        p->setBackColor(kWindowColour);
        p->surface().foreColor = kPageForeColour;
    }
    UndoPic->hide();
    Pic->setCursor(Qt::CrossCursor);

    Layer->borderColor = kBlack;
    Layer->Move(0, 0, 0, 0);
    Layer->hide();
    Line1->borderColor = RGB(128, 128, 128);
    Line1->hide();
    Line2->borderColor = RGB(128, 128, 128);
    Line2->hide();
    Label3->setAutoFillBackground(true);
    Label3->hide();
    TextLabel->setAutoFillBackground(false);
    TextLabel->hide();

    placeTwips(List1, 8070, 180, 3045, 3210);
    setListColours(List1, RGB(0, 0, 40), RGB(250, 250, 200));
    List1->clear();
    Label2->setText("0");
    placeTwips(Label2, 10610, 3420);

    const auto fillMillimetres = [](QComboBox* c) {
        c->clear();
        for (int mm = 10; mm <= 200; mm += 2)
            c->addItem(QString::number(mm));
        c->setCurrentIndex(10);
        c->setEnabled(false);
        setListColours(c, RGB(30, 0, 0), RGB(250, 250, 240));
    };
    fillMillimetres(Combo1);
    placeTwips(Combo1, 180, 300, 810);
    Label1->setText("X                       Millimeter");
    placeTwips(Label1, 1110, 345);
    fillMillimetres(Combo5);
    placeTwips(Combo5, 1350, 300, 810);

    Combo3->setEditable(true);
    Combo3->clear();
    QStringList fonts = screenFontFamilies();
    fonts.sort(Qt::CaseInsensitive);
    Combo3->addItems(fonts);
    Combo3->setEditText("Arial");
    setListColours(Combo3, RGB(0, 40, 0), RGB(220, 250, 250));
    placeTwips(Combo3, 120, 225, 2790);
    Combo4->setEditable(true);
    Combo4->clear();
    for (int size = 8; size <= 150; size += 2)
        Combo4->addItem(QString::number(size));
    Combo4->setCurrentIndex(6);
    setListColours(Combo4, RGB(0, 40, 0), RGB(220, 250, 250));
    placeTwips(Combo4, 120, 660, 780);
    Label6->setText("Lettergrootte");
    placeTwips(Label6, 990, 720);
    Label5->setText("Tekst");
    placeTwips(Label5, 2460, 1845);
    Text1->setText("Nederland");
    setListColours(Text1, RGB(250, 190, 190), RGB(0, 0, 50));
    placeTwips(Text1, 120, 2100, 2760, 285);

    placeTwips(Label7, 120, 2700, 1500, 825);
    setBackColour(Label7, kBlack);
    Label7->lower();
    const int stored[3] = {S.KaderKleurR, S.KaderKleurG, S.KaderKleurB};
    for (int i = 0; i < 3; ++i) {
        QFont f = uiFont;
        f.setBold(true);
        Label10[i]->setFont(f);
        setForeColour(Label10[i], kValueColours[i]);
        Label10[i]->setText(QString::number(clampByte(stored[i])));
        placeTwips(Label10[i], 1680, 2745 + 255 * i);
    }
    for (int i = 0; i < 3; ++i) {
        placeTwips(HScroll1[i], 150, 2730 + 255 * i, 1440, 255);
        HScroll1[i]->setValue(clampByte(stored[i]));
    }
    Label9->setText("Kader en\nTekstkleur");
    placeTwips(Label9, 2070, 2745);
    placeTwips(Label8, 2085, 3195, 750, 330);
    for (int i = 0; i < 3; ++i)
        HScroll1_Change(i);
    PlaatsKnop->Move(120, 3750, 1230, 360);
    PlaatsKnop->setToolTipText(" Plaats de tekst op het ontwerp ");

    Combo2->setEditable(true);
    Combo2->clear();
    Combo2->addItem(" ");
    for (int n = 1; n <= 999; ++n)
        Combo2->addItem(QString::number(n));
    Combo2->setCurrentIndex(0);
    setListColours(Combo2, RGB(30, 0, 0), RGB(250, 250, 240));
    placeTwips(Combo2, 8085, 10440, 900);
    Label4->setText("Paginanummer");
    placeTwips(Label4, 9010, 10500);
    ExitKnop->Move(10190, 10770, 900, 360);

    for (int i = 1; i <= 5; ++i)
        Rand[i]->setChecked(i == 5);

    printHelp();
    drawRulers();
    S.TekstPlaatsenActief = false;
    S.Kaderbreedte = 5;
}

void SuppForm::printHelp() {
    Surface& h = HelpPic->surface();
    const auto line = [&h](double y, const QString& text) {
        h.currentX = 450;
        h.currentY = y;
        h.print(text);
    };
    const int heading = RGB(250, 250, 100);
    h.fontBold = true;
    h.foreColor = heading;
    line(450, "Korte uitleg bij het maken van Supplementen.");
    line(600, QString(73, '-'));
    h.fontBold = false;
    h.foreColor = RGB(230, 230, 200);
    for (int k = 0; k <= 16; ++k)
        line(900 + 240 * k, QString::fromLatin1(kHelpLines[k]));
    h.fontBold = true;
    h.foreColor = heading;
    line(10530, "Klik nogmaals op de ?-knop om dit helpscherm weer te verlaten.");
    HelpPic->Refresh();
}

void SuppForm::drawRulers() {
    const int shortTick = RGB(160, 160, 160), longTick = RGB(190, 190, 190), mark = RGB(200, 0, 0);
    Surface& top = PicTop->surface();
    for (int x = 12; x <= 470; x += 12)
        top.line(x, 10, x, 17, shortTick);
    for (int x = 24; x <= 470; x += 24)
        top.line(x, 4, x, 17, longTick);
    top.line(240, 0, 240, 17, mark);
    Surface& left = PicLeft->surface();
    for (int k = 1; 11.5 * k <= 690; ++k)
        left.line(9, 11.5 * k, 17, 11.5 * k, shortTick);
    for (int k = 1; 23 * k <= 690; ++k)
        left.line(4, 23 * k, 17, 23 * k, longTick);
    left.line(0, 345, 17, 345, mark);
    PicTop->Refresh();
    PicLeft->Refresh();
}

void SuppForm::snapshot() {
    UndoPic->setPicture(Pic->Image());
}

void SuppForm::EditUndo_Click() {
    Pic->setPicture(UndoPic->Image());
    Pic->Refresh();
    PaginaGewijzigd = true;
}

void SuppForm::FileNew_Click() {
    // Unsaved work gets the question about losing it; a second box would ask the same.
    if (PaginaGewijzigd) {
        if (!mayDiscardPage()) return;
    } else if (M.S.services.dialogs->msgBox("Wilt u een nieuw ontwerp maken?", Mb::YesNo,
                                            "Nieuw") == Mb::No) {
        return;
    }
    Pic->clearPicture();
    Pic->Refresh();
    PaginaGewijzigd = false; // a blank page holds no work
}

void SuppForm::wait(double seconds) {
    // Painting goes on; clicks and keys wait until the slide is over.
    const Services& s = M.S.services;
    const double span = seconds * s.clock->pauseScale;
    const double start = s.clock->monotonicSeconds();
    while (true) {
        doEvents(false);
        if (s.clock->monotonicSeconds() - start >= span) break;
        QThread::msleep(2);
    }
}

void SuppForm::PicHoek_Click() {
    if (sliding_) return;
    Main::YieldGuard guard(M);
    sliding_ = true;
    const double l = PicHoek->Left(), t = PicHoek->Top();
    PicHoek->Move(l + 15, t + 15);
    wait(0.2);
    PicHoek->Move(l, t);

    Line1->hide();
    Line2->hide();
    Label3->hide();
    Check2->setChecked(false);

    Services& s = M.S.services;
    s.busy.set(true);
    const double step = 60;
    if (Pic->Top() == kPageTop) {
        for (double top = kPageTop; top <= kPageTopAway; top += step) {
            Pic->setTop(top);
            wait(0.01);
        }
    } else {
        for (double top = kPageTopAway; top >= kPageTop; top -= step) {
            Pic->setTop(top);
            wait(0.01);
        }
    }
    s.busy.set(false);
    sliding_ = false;
}

bool SuppForm::mayDiscardPage() {
    return mayDiscardChanges(M.S, PaginaGewijzigd,
                             "De pagina is gewijzigd en niet opgeslagen. Toch doorgaan?");
}

void SuppForm::ExitKnop_Click() {
    if (sliding_ || !mayDiscardPage()) return;
    AppState& S = M.S;
    S.KaderKleurR = HScroll1[0]->value();
    S.KaderKleurG = HScroll1[1]->value();
    S.KaderKleurB = HScroll1[2]->value();
    accept();
}

void SuppForm::FileExit_Click() {
    reject();
}

void SuppForm::reject() {
    if (sliding_ || !mayDiscardPage()) return;
    QDialog::reject();
}

void SuppForm::closeEvent(QCloseEvent* e) {
    if (sliding_ || !mayDiscardPage()) {
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

} // namespace korv

#include "DatabaseForm.h"

#include "EditData.h"
#include "ListView.h"
#include "controls/VistaButton.h"
#include "editor/Algemeen.h"
#include "editor/Main.h"
#include "platform/Colour.h"
#include "platform/PictureBox.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

namespace korv {

namespace {

const int kBack = RGB(225, 225, 240);

struct Column {
    const char* caption;
    int width;
    bool right;
};
// The record list's columns in field order.
const Column kColumns[kRecordFields] = {
    {"Jaartal", 900, false},    {"Cat.nr.", 1500, false},    {"Categorie", 1500, false},
    {"Onderwerp", 2100, false}, {"Soort", 1200, false},      {"Type", 1200, false},
    {"Opdruk", 1800, false},    {"Afbeedling", 2100, false}, {"Info", 3000, false},
    {"Conditie", 1200, false},  {"Cat.Prijs", 1200, true},   {"Mijn Prijs", 1200, true},
};

QFrame* makeFrame(QWidget* parent) {
    auto* f = new QFrame(parent);
    f->setFrameShape(QFrame::Box);
    f->setFrameShadow(QFrame::Sunken);
    setBackColour(f, kBack);
    return f;
}

QLabel* makeLabel(QWidget* parent, const QString& text = QString()) {
    auto* l = new QLabel(text, parent);
    l->setAutoFillBackground(false);
    return l;
}

QImage placeholderPhoto() {
    QImage img(":/main/CollectionPhoto.png");
    if (!img.isNull()) return img;
    // Without the resource a plain grey card stands in.
    img = QImage(150, 87, QImage::Format_RGB32);
    img.fill(QColor(200, 200, 205));
    return img;
}

QIcon sortIcon(const char* name, bool up) {
    QPixmap pm(QString(":/main/%1.png").arg(name));
    if (!pm.isNull()) return QIcon(pm);
    pm = QPixmap(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 110));
    p.drawPolygon(up ? QPolygon({QPoint(3, 11), QPoint(13, 11), QPoint(8, 4)})
                     : QPolygon({QPoint(3, 5), QPoint(13, 5), QPoint(8, 12)}));
    return QIcon(pm);
}

} // namespace

DatabaseForm::DatabaseForm(Main& main, QString& naam)
    : QDialog(&main), M(main), S(main.S), Naam(naam) {
    buildControls();
    connectControls();
    runEditData = [](EditData& e) { e.exec(); };
    Form_Load();
}

DatabaseForm::~DatabaseForm() = default;

void DatabaseForm::buildControls() {
    MenuBar = new QMenuBar(this);
    File = MenuBar->addMenu("Bestand");
    FileNew = File->addAction("Nieuwe Verzameling");
    FileOpen = File->addAction("Open Verzameling");
    FileOpen->setCheckable(true);
    FileOpslaan = File->addAction("Verzameling Opslaan");
    File->addSeparator();
    FilePrint = File->addAction("Verzameling Afdrukken");
    FilePrint->setCheckable(true);
    File->addSeparator();
    FileExit = File->addAction("Exit");
    Tools = MenuBar->addMenu("Tools");
    ToolsBewerkData = Tools->addAction("Data Bewerken");
    ToolsConverteren = Tools->addAction("Converteren naar Html");

    Client = new QWidget(this);

    MenuPic = new PictureBox(Client);
    MenuPic->setScaleMode(ScaleMode::Twips);
    Label2 = makeLabel(MenuPic);
    KlokLabel = makeLabel(MenuPic);

    Frame1 = makeFrame(Client);
    Label9 = makeLabel(Frame1);
    for (QComboBox** c : {&Combo1, &Combo2, &Combo3, &Combo4, &Combo5}) {
        *c = new QComboBox(Frame1);
        (*c)->setEditable(true);
        (*c)->setInsertPolicy(QComboBox::NoInsert);
    }
    for (QLineEdit** t : {&Text1, &Text2, &Text3, &Text4, &Text6, &Text7})
        *t = new QLineEdit(Frame1);
    Text5 = new QPlainTextEdit(Frame1);
    for (QLabel*& l : Label1)
        l = makeLabel(Frame1);
    AddKnop = new VistaButton(Frame1);
    WijzigKnop = new VistaButton(Frame1);
    DelKnop = new VistaButton(Frame1);

    Frame6 = makeFrame(Client);
    List1 = new QListWidget(Frame6);
    OpenKnop = new VistaButton(Frame6);
    Label7 = makeLabel(Frame6);

    Frame2 = makeFrame(Client);
    ListView1 = new ListView(Frame2);
    ListView1->setColumnCount(kRecordFields);
    QStringList captions;
    for (const Column& c : kColumns)
        captions << c.caption;
    ListView1->setHeaderLabels(captions);
    for (int i = 0; i < kRecordFields; ++i)
        ListView1->headerItem()->setTextAlignment(
            i, (kColumns[i].right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    ListView1->ColumnHeaderIcons = {{"up", sortIcon("CollectionSortUp", true)},
                                    {"down", sortIcon("CollectionSortDown", false)}};

    Frame5 = makeFrame(Client);
    PicCont = new PictureBox(Frame5);
    PicCont->setScaleMode(ScaleMode::Twips);
    SlidePic = new PictureBox(PicCont);
    SlidePic->setScaleMode(ScaleMode::Twips);
    SlidePic->setCursor(Qt::SizeAllCursor);
    BackPic = new PictureBox(PicCont);
    BackPic->setCursor(Qt::SizeAllCursor);
    BackPic->hide();
    Label3 = makeLabel(Frame5);
    Label3->setAutoFillBackground(true);
    HScroll = new QScrollBar(Qt::Horizontal, Frame5);
    Label4 = makeLabel(Frame5);
    Label4->setAutoFillBackground(true);
    VScroll = new QScrollBar(Qt::Vertical, Frame5);

    Frame3 = makeFrame(Client);
    Image1 = new PictureBox(Frame3);
    ShowKnop = new VistaButton(Frame3);
    Label5 = makeLabel(Frame3);
    Image2 = placeholderPhoto();

    Frame7 = makeFrame(Client);
    Combo6 = new QComboBox(Frame7);
    Combo6->setEditable(true);
    Combo6->setInsertPolicy(QComboBox::NoInsert);
    Label11 = makeLabel(Frame7);
    for (QRadioButton*& o : Option1)
        o = new QRadioButton(Frame7);
    PrintKnop = new VistaButton(Frame7);

    Frame4 = makeFrame(Client);
    Label6 = makeLabel(Frame4);
    Label10 = makeLabel(Frame4);
    Bar = new PictureBox(Frame4);
    Label8 = makeLabel(Frame4);
    ExitKnop = new VistaButton(Frame4);
    Timer1 = new QTimer(this);
}

void DatabaseForm::connectControls() {
    connect(FileNew, &QAction::triggered, this, [this] { FileNew_Click(); });
    connect(FileOpen, &QAction::triggered, this, [this] { FileOpen_Click(); });
    connect(FileOpslaan, &QAction::triggered, this, [this] { FileOpslaan_Click(); });
    connect(FilePrint, &QAction::triggered, this, [this] { FilePrint_Click(); });
    connect(FileExit, &QAction::triggered, this, [this] { FileExit_Click(); });
    connect(ToolsBewerkData, &QAction::triggered, this, [this] { ToolsBewerkData_Click(); });
    connect(ToolsConverteren, &QAction::triggered, this, [this] { ToolsConverteren_Click(); });

    connect(AddKnop, &VistaButton::Click, this, [this] { AddKnop_Click(); });
    connect(WijzigKnop, &VistaButton::Click, this, [this] { WijzigKnop_Click(); });
    connect(DelKnop, &VistaButton::Click, this, [this] { DelKnop_Click(); });
    connect(OpenKnop, &VistaButton::Click, this, [this] { OpenKnop_Click(); });
    connect(List1, &QListWidget::itemDoubleClicked, this, [this] { List1_DblClick(); });
    connect(ListView1, &QTreeWidget::itemClicked, this, [this] { ListView1_ItemClick(); });
    connect(ListView1, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* cur) {
        // Keys move the selection too; the editor follows it.
        if (cur && cur->isSelected()) ListView1_ItemClick();
    });
    connect(ListView1->header(), &QHeaderView::sectionClicked, this,
            [this](int logical) { ListView1_ColumnClick(logical + 1); });
    SlidePic->onMouseDown = [this](int b, int s, double x, double y) {
        SlidePic_MouseDown(b, s, x, y);
    };
    SlidePic->onMouseMove = [this](int b, int s, double x, double y) {
        SlidePic_MouseMove(b, s, x, y);
    };
    connect(HScroll, &QScrollBar::valueChanged, this, [this] { HScroll_Change(); });
    connect(VScroll, &QScrollBar::valueChanged, this, [this] { VScroll_Change(); });
    connect(ShowKnop, &VistaButton::Click, this, [this] { ShowKnop_Click(); });
    connect(Combo6, &QComboBox::activated, this, [this] { Combo6_Click(); });
    connect(Combo6, &QComboBox::editTextChanged, this, [this] { Combo6_Change(); });
    connect(PrintKnop, &VistaButton::Click, this, [this] { PrintKnop_Click(); });
    connect(ExitKnop, &VistaButton::Click, this, [this] { ExitKnop_Click(); });
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void DatabaseForm::Form_Load() {
    // 1. The window: its outer size less a 3-pixel frame and a 23-pixel caption.
    QFont uiFont("Arial");
    uiFont.setPixelSize(11);
    setFont(uiFont);
    setWindowTitle("Quendrix");
    setBackColour(this, kBack);
    const int w = 15090 / 15 - 6, h = 9360 / 15 - 6 - 23;
    setFixedSize(w, h);
    const int menuH = MenuBar->sizeHint().height();
    MenuBar->setGeometry(0, 0, w, menuH);
    Client->setGeometry(0, menuH, w, h - menuH);

    // 2. Title strip and the record editor's frame.
    MenuPic->Move(120, 120, 14760, 480);
    MenuPic->setBackColor(RGB(200, 190, 190));
    Label2->setText("Verzamelgebied : ");
    setForeColour(Label2, RGB(80, 80, 120));
    placeTwips(Label2, 90, 45);
    setForeColour(KlokLabel, RGB(80, 80, 120));
    placeTwips(KlokLabel, 13380, 45);
    placeTwips(Frame1, 120, 600, 4830, 6210);

    // 3. The record editor.
    layoutEditor();

    // 4. The collection files.
    placeTwips(Frame6, 120, 600, 4830, 6210);
    placeTwips(List1, 150, 255, 4530, 5310);
    QPalette lp = List1->palette();
    lp.setColor(QPalette::Base, toQColor(RGB(30, 0, 0)));
    lp.setColor(QPalette::Text, toQColor(RGB(230, 230, 230)));
    List1->setPalette(lp);
    File1.clear();
    OpenKnop->setCaption("Openen");
    OpenKnop->Move(150, 5670, 990, 360);
    Label7->setText("Selecteer een verzameling en klik op 'Openen'");
    placeTwips(Label7, 1230, 5745);

    // 5. The record list.
    placeTwips(Frame2, 5070, 600, 9810, 6900);
    placeTwips(ListView1, 120, 225, 9570, 6555);
    QPalette vp = ListView1->palette();
    vp.setColor(QPalette::Base, toQColor(RGB(190, 220, 220)));
    ListView1->setPalette(vp);

    // 6. The thumbnail.
    placeTwips(Frame3, 120, 6825, 4830, 1665);
    Image1->Move(120, 225, 2250, 1305);
    Image1->setPicture(Image2);
    ShowKnop->setCaption("Show");
    ShowKnop->Move(2490, 225, 840, 330);
    Label5->setText("Afbeelding");
    placeTwips(Label5, 3420, 300);

    // 7. The print panel.
    placeTwips(Frame7, 120, 6825, 4830, 1665);
    placeTwips(Combo6, 180, 285, 2730, 315);
    QPalette cp = Combo6->palette();
    cp.setColor(QPalette::Base, toQColor(RGB(170, 220, 170)));
    Combo6->setPalette(cp);
    {
        const QSignalBlocker block(Combo6);
        Combo6->clear();
        PrinterService& printers = S.services.printerService();
        // Printers come and go between two openings: the list is read afresh.
        printers.refresh();
        Combo6->addItems(printers.names());
        Combo6->setCurrentIndex(-1);
        Combo6->setEditText(printers.current().DeviceName);
    }
    Label11->setText("Printerkeuze");
    placeTwips(Label11, 3000, 330);
    const char* options[3] = {"Lijst afdrukken", "Lijst afdrukken met prijs",
                              "Record afdrukken met foto"};
    for (int i = 0; i < 3; ++i) {
        Option1[i]->setText(options[i]);
        setBackColour(Option1[i], kBack);
        placeTwips(Option1[i], 270, 735 + 270 * i, 3000, 270);
    }
    Option1[0]->setChecked(true);
    PrintKnop->setCaption("Afdrukken");
    PrintKnop->Move(3660, 1140, 990, 360);

    // 8. The status bar.
    placeTwips(Frame4, 5070, 7515, 9810, 975);
    Label6->setText("Aantal Records : 0");
    placeTwips(Label6, 180, 240);
    Label10->setText("Gesorteerd op :");
    placeTwips(Label10, 180, 570);
    Bar->Move(3000, 210, 3000, 300);
    Bar->setScaleMode(ScaleMode::Pixels);
    Bar->setBackColor(RGB(192, 255, 192));
    Bar->surface().foreColor = RGB(128, 128, 128);
    Bar->surface().currentX = 2;
    Bar->surface().currentY = 1;
    Bar->surface().print("Voortgang bij het Opslaan");
    Bar->Refresh();
    Label8->setText("0%");
    placeTwips(Label8, 6060, 240);
    ExitKnop->setCaption("Exit");
    ExitKnop->Move(8670, 465, 990, 360);

    // 9. The photo viewer.
    placeTwips(Frame5, 5010, 600, 9810, 6900);
    PicCont->Move(135, 225, 9120, 6105);
    placeTwips(Label3, 120, 6435, 9150, 330);
    placeTwips(HScroll, 150, 6465, 9090, 270);
    placeTwips(Label4, 9360, 225, 330, 6120);
    placeTwips(VScroll, 9390, 255, 270, 6060);
    BackPic->Move(0, 0, 9120, 6105);

    // 10. Column widths.
    for (int i = 1; i <= kRecordFields; ++i)
        S.KolomBreedte[i] = kColumns[i - 1].width;
    for (int i = 1; i <= kRecordFields; ++i)
        ListView1->setColumnWidthTwips(i, S.KolomBreedte[i]);

    // 11. and 12. The photo at the viewport's corner, and the pan limits.
    SlidePic->setAutoSize(true);
    SlidePic->Move(0, 0, 1230, 690);
    computePanLimits();

    // 13. The sort arrow shown before any sort.
    ListView1->setColumnHeaderIcon(2, "down");

    // Panels at start.
    Frame1->show();
    Frame2->show();
    Frame3->show();
    Frame4->show();
    Frame5->hide();
    Frame6->hide();
    Frame7->hide();
    Bar->hide();
    Label8->hide();
    ShowKnop->setEnabled(false);
    FileOpen->setChecked(false);
    FilePrint->setChecked(false);

    Timer1->setInterval(500);
    Timer1->start();
    Timer1_Timer();
}

void DatabaseForm::layoutEditor() {
    auto combo = [](QComboBox* c, double top, double width) {
        placeTwips(c, 150, top, width, 315);
    };
    auto text = [](QWidget* t, double left, double top, double width) {
        placeTwips(t, left, top, width, 285);
    };
    // Label n sits right of its control, on the control's row.
    auto label = [this](int n, const QString& caption, QWidget* control) {
        Label1[n]->setText(caption);
        placeTwips(Label1[n], 150 + widthInContainer(control) + 90, topInContainer(control) + 45);
    };

    Label9->setText("Record");
    setForeColour(Label9, RGB(170, 170, 170));
    placeTwips(Label9, 3660, 210);

    combo(Combo1, 240, 900);
    Combo1->clear();
    for (int year = 1850; year <= 2050; ++year)
        Combo1->addItem(QString::number(year));
    Combo1->setCurrentIndex(20);
    label(0, "Jaar van uitgifte", Combo1);
    text(Text1, 150, 660, 1200);
    Text1->clear();
    label(1, "Cat.nummer", Text1);
    combo(Combo2, 1080, 2700);
    label(2, "Categorie", Combo2);
    LoadCategorie();
    text(Text2, 150, 1500, 3300);
    label(3, "Onderwerp", Text2);
    combo(Combo3, 1920, 2400);
    label(4, "Soort zegel", Combo3);
    LoadSoort();
    combo(Combo4, 2340, 2400);
    label(5, "Type zegel", Combo4);
    LoadType();
    text(Text3, 150, 2760, 3000);
    label(6, "Waarde opdruk", Text3);
    text(Text4, 150, 3180, 3660);
    label(7, "Afbeelding", Text4);
    Label1[8]->setText("Informatie");
    placeTwips(Label1[8], 165, 3555);
    placeTwips(Text5, 150, 3780, 4500, 510);
    combo(Combo5, 4395, 2100);
    label(9, "Conditie", Combo5);
    LoadConditie();
    text(Text6, 150, 4830, 1050);
    Label1[10]->setText("Cat.Prijs" + QString(37, ' ') + "Mijn Prijs");
    placeTwips(Label1[10], 1290, 4860);
    text(Text7, 2400, 4830, 1050);
    // The double label stands between the two price boxes, under Text7's caption part.
    Label1[10]->lower();
    for (QLineEdit* t : {Text1, Text2, Text3, Text4, Text6, Text7})
        t->clear();
    Text5->clear();

    AddKnop->setCaption("Add");
    AddKnop->setToolTipText(" Record Toevoegen ");
    AddKnop->Move(150, 5700, 840, 330);
    WijzigKnop->setCaption("Change");
    WijzigKnop->setToolTipText(" Record Wijzigen ");
    WijzigKnop->Move(1020, 5700, 840, 330);
    DelKnop->setCaption("Delete");
    DelKnop->setToolTipText(" Record Verwijderen ");
    DelKnop->Move(1890, 5700, 840, 330);
}

void DatabaseForm::ShowKnop_Click() {
    const bool toViewer = Frame2->isVisibleTo(this);
    Frame2->setVisible(!toViewer);
    Frame5->setVisible(toViewer);
    ShowKnop->setCaption(toViewer ? "Exit" : "Show");
    for (VistaButton* b : {AddKnop, WijzigKnop, DelKnop})
        b->setEnabled(!toViewer);
}

void DatabaseForm::Timer1_Timer() {
    const QDateTime now = S.services.clock->now();
    KlokLabel->setText(now.date().toString("dd-MM-yyyy") + " / " + now.time().toString("h:mm:ss"));
    KlokLabel->adjustSize();
    // At its place in the strip, but never running off the strip's right end.
    const double room = MenuPic->Width() - 90 - widthInContainer(KlokLabel);
    placeTwips(KlokLabel, std::min(13380.0, room), 45);
}

void DatabaseForm::ExitKnop_Click() {
    close();
}

void DatabaseForm::FileExit_Click() {
    close();
}

bool DatabaseForm::mayDiscardRecords() {
    return mayDiscardChanges(S, VerzamelingGewijzigd,
                             "De verzameling is gewijzigd en niet opgeslagen. Toch doorgaan?");
}

void DatabaseForm::closeEvent(QCloseEvent* e) {
    // Not while a save lets events run: the list it writes must stay.
    if (saving_ || !mayDiscardRecords()) {
        e->ignore();
        return;
    }
    Timer1->stop();
    QDialog::closeEvent(e);
}

void DatabaseForm::reject() {
    if (saving_ || !mayDiscardRecords()) return;
    Timer1->stop();
    QDialog::reject();
}

void DatabaseForm::showCount(const QString& prefix) {
    Label6->setText(prefix + QString::number(ListView1->count()));
    Label6->adjustSize();
}

QString DatabaseForm::collectionLabel() const {
    return "Verzamelgebied : " + Naam;
}

} // namespace korv

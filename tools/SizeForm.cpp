#include "SizeForm.h"

#include "HandOver.h"
#include "controls/VistaButton.h"
#include "editor/Main.h"
#include "platform/Colour.h"
#include "platform/Files.h"
#include "platform/PictureBox.h"
#include "platform/VbMath.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace korv {

namespace {
const int kFormColour = RGB(230, 230, 190);
const int kListBack = RGB(0, 0, 40);
const int kListText = RGB(230, 230, 230);
const QStringList kPicturePatterns = {"*.bmp", "*.jpg", "*.gif"};
constexpr int kPathRole = Qt::UserRole;

QFrame* makeFrame(QWidget* parent) {
    auto* f = new QFrame(parent);
    f->setFrameShape(QFrame::Box);
    f->setFrameShadow(QFrame::Sunken);
    setBackColour(f, kFormColour);
    return f;
}

void listColours(QWidget* w) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, toQColor(kListBack));
    p.setColor(QPalette::Text, toQColor(kListText));
    p.setColor(QPalette::Button, toQColor(kListBack));
    p.setColor(QPalette::ButtonText, toQColor(kListText));
    w->setPalette(p);
}

void fieldColour(QLineEdit* e, int colour) {
    QPalette p = e->palette();
    p.setColor(QPalette::Base, toQColor(colour));
    e->setPalette(p);
}

QString cleanPath(const QString& path) {
    return QDir::cleanPath(QDir(path).absolutePath());
}

bool isBelow(const QString& path, const QString& top) {
    return path == top || path.startsWith(top.endsWith('/') ? top : top + '/');
}
} // namespace

SizeForm::SizeForm(Main& main) : QDialog(&main), M(main) {
    Frame1 = makeFrame(this);
    Label8 = new QLabel(Frame1);
    ProcentScroll = new QScrollBar(Qt::Horizontal, Frame1);
    Label9 = new QLabel(Frame1);
    Text1 = new QLineEdit(Frame1);
    Label1 = new QLabel(Frame1);
    Text2 = new QLineEdit(Frame1);
    Label5 = new QLabel(Frame1);
    Check1 = new QCheckBox(Frame1);
    ResetKnop = new VistaButton(Frame1);
    Label4 = new QLabel(Frame1);
    Label13 = new QLabel(Frame1);

    Frame4 = makeFrame(this);
    Drive1 = new QComboBox(Frame4);
    Dir1 = new QListWidget(Frame4);
    List1 = new QListWidget(Frame4);

    Frame2 = makeFrame(this);
    Label2 = new QLabel(Frame2);
    Pic1 = new PictureBox(Frame2);
    Layer = new OverlayShape(Pic1);

    Frame3 = makeFrame(this);
    Label3 = new QLabel(Frame3);
    Label7 = new QLabel(Frame3);
    Label14 = new QLabel(Frame3);
    CancelKnop = new VistaButton(Frame3);
    OkKnop = new VistaButton(Frame3);

    Orgineel = new PictureBox(this);
    Orgineel->setAutoSize(true);
    Orgineel->hide();
    BackPic = new PictureBox(this);
    BackPic->setAutoSize(true);
    BackPic->hide();

    Form_Load();

    connect(ProcentScroll, &QScrollBar::valueChanged, this, [this] { ProcentScroll_Change(); });
    connect(Check1, &QCheckBox::toggled, this, [this] { Check1_Click(); });
    connect(ResetKnop, &VistaButton::Click, this, [this] { ResetKnop_Click(); });
    connect(Drive1, &QComboBox::activated, this, [this] { Drive1_Change(); });
    // A folder opens as in a folder tree: double click or Enter.
    connect(Dir1, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { setDir1Path(item->data(kPathRole).toString()); });
    connect(List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) List1_Click();
    });
    Pic1->onMouseDown = [this](int b, int s, double x, double y) { Pic1_MouseDown(b, s, x, y); };
    Pic1->onMouseMove = [this](int b, int s, double x, double y) { Pic1_MouseMove(b, s, x, y); };
    Pic1->onMouseUp = [this](int b, int s, double x, double y) { Pic1_MouseUp(b, s, x, y); };
    connect(CancelKnop, &VistaButton::Click, this, [this] { CancelKnop_Click(); });
    connect(OkKnop, &VistaButton::Click, this, [this] { OkKnop_Click(); });
}

void SizeForm::Form_Load() {
    layoutToolForm(this, 15540, 10500, "Foto importeren", kFormColour);

    placeTwips(Frame1, 90, 15, 3000, 3540);
    placeTwips(Label8, 135, 240, 2730, 360);
    setBackColour(Label8, RGB(0, 0, 0));
    placeTwips(ProcentScroll, 165, 270, 2670, 300);
    ProcentScroll->raise();
    ProcentScroll->setRange(1, 30);
    ProcentScroll->setInvertedAppearance(true); // 30 at the left end
    ProcentScroll->setSingleStep(1);
    ProcentScroll->setPageStep(1);
    ProcentScroll->setValue(20);
    Label9->setText("Grootte : 100%");
    placeTwips(Label9, 165, 690);
    Text1->setText(Format(M.Pic->width()));
    placeTwips(Text1, 180, 1200, 750, 285);
    Label1->setText("Breedte");
    placeTwips(Label1, 1020, 1260);
    Text2->setText(Format(M.Pic->height()));
    placeTwips(Text2, 180, 1650, 750, 285);
    Label5->setText("Hoogte");
    placeTwips(Label5, 1020, 1710);
    Check1->setText("Vaste afmeting");
    Check1->setChecked(false);
    setBackColour(Check1, kFormColour);
    placeTwips(Check1, 360, 2250, 1500, -1);
    Check1_Click();
    ResetKnop->setCaption("Reset");
    ResetKnop->Move(180, 2700, 780, 360);
    Label4->setText("Orginele Grootte");
    placeTwips(Label4, 1050, 2775);
    Label13->setText("Coordinaten");
    placeTwips(Label13, 165, 3240);

    placeTwips(Frame4, 90, 3585, 3000, 5610);
    placeTwips(Drive1, 135, 240, 2730, 315);
    placeTwips(Dir1, 135, 630, 2730, 2010);
    placeTwips(List1, 135, 2700, 2730, 2790);
    for (QWidget* w : std::initializer_list<QWidget*>{Drive1, Dir1, List1})
        listColours(w);
    Drive1->clear();
    const QString home = cleanPath(QDir::homePath()), root = QDir::rootPath();
    Drive1->addItem(home, home);
    if (home != root) Drive1->addItem(root, root);
    // The lists start at the current folder; the file list stays empty until the user
    // picks a place or a folder.
    dir1Path_ = cleanPath(QDir::currentPath());
    Drive1->setCurrentIndex(isBelow(dir1Path_, home) ? 0 : Drive1->count() - 1);
    fillDir1();
    File1Path = M.S.services.programFolder;
    File1 = listFiles(File1Path, kPicturePatterns);
    List1->clear();

    placeTwips(Frame2, 3210, 15, 12150, 9180);
    placeTwips(Label2, 120, 210, 11910, 8850);
    setBackColour(Label2, RGB(150, 150, 150));
    Pic1->Move(180, 270, 11760, 8700);
    Pic1->setBackColor(RGB(150, 250, 150));
    Pic1->raise();
    Layer->borderColor = kWhite;
    Layer->style = OverlayShape::Style::Solid;
    Layer->hide();

    placeTwips(Frame3, 90, 9210, 15270, 750);
    placeTwips(Label3, 150, 240, 12900, 375);
    setBackColour(Label3, RGB(30, 30, 50));
    setForeColour(Label7, RGB(230, 230, 250));
    Label14->setText(
        "Selecteer met ingedrukte linkermuisknop een rechthoek t.b.v. copy afbeelding.");
    setForeColour(Label14, RGB(230, 230, 250));
    // The hint ends where the dark bar ends, clear of the buttons.
    Label14->adjustSize();
    placeTwips(Label14, 150 + 12900 - 120 - Label14->width() * 15.0, 300);
    Label14->raise();
    CancelKnop->setCaption("Annuleren");
    CancelKnop->Move(13170, 240, 960, 360);
    OkKnop->setCaption("Export");
    OkKnop->Move(14190, 240, 900, 360);

    Orgineel->setPicture(M.Pic->Image());
    BackPic->setPicture(M.Pic->Image());
    Pic1->setPicture(BackPic->picture());
    showSize(Orgineel->surface().widthPx(), Orgineel->surface().heightPx());
}

void SizeForm::showSize(double w, double h) {
    Label7->setText("Grootte van de afbeelding : " + Format(w) + " x " + Format(h) + " Pixels");
    placeTwips(Label7, 270, 300);
    Label7->raise();
}

// ---------------------------------------------------------------- folders and files

void SizeForm::fillDir1() {
    const QSignalBlocker block(Dir1);
    Dir1->clear();
    const QString top = Drive1->currentData().toString();
    // The chain of folders from the place's top down to the chosen folder.
    QStringList chain;
    for (QString p = dir1Path_;; p = QFileInfo(p).path()) {
        chain.prepend(p);
        if (p == top || QDir(p).isRoot()) break;
    }
    int depth = 0;
    for (const QString& p : chain) {
        const QString name = (depth == 0) ? p : QFileInfo(p).fileName();
        auto* item = new QListWidgetItem(QString(depth * 2, ' ') + name, Dir1);
        item->setData(kPathRole, p);
        ++depth;
    }
    Dir1->setCurrentRow(Dir1->count() - 1);
    for (const QString& sub : listFolders(dir1Path_)) {
        auto* item = new QListWidgetItem(QString(depth * 2, ' ') + sub, Dir1);
        item->setData(kPathRole, cleanPath(dir1Path_ + '/' + sub));
    }
}

void SizeForm::setDir1Path(const QString& path) {
    const QString p = cleanPath(path);
    // A folder that cannot be read leaves the lists as they were.
    if (!QFileInfo(p).isDir() || !QFileInfo(p).isReadable() || !QDir(p).isReadable()) return;
    dir1Path_ = p;
    fillDir1();
    Dir1_Change();
}

void SizeForm::Drive1_Change() {
    setDir1Path(Drive1->currentData().toString());
}

void SizeForm::Dir1_Change() {
    File1Path = dir1Path_;
    File1 = listFiles(File1Path, kPicturePatterns);
    const QSignalBlocker block(List1);
    List1->clear();
    List1->addItems(File1);
}

void SizeForm::List1_Click() {
    const int index = List1->currentRow();
    if (index < 0 || index >= File1.size()) return;
    const QString name = File1.at(index);
    QImage photo;
    {
        const QSignalBlocker block(ProcentScroll);
        ProcentScroll->setValue(20);
    }
    Label9->setText("Grootte : 100%");
    Label9->adjustSize();
    M.S.services.busy.set(true);
    QString error;
    const bool loaded = loadPicture(File1Path + '/' + name, photo, &error);
    if (loaded) {
        Orgineel->setPicture(photo);
        // The work picture keeps its size: a large photo shows cut off at its edges.
        Pic1->setPicture(Orgineel->Image());
        BackPic->setPicture(Orgineel->Image());
        showSize(Orgineel->surface().widthPx(), Orgineel->surface().heightPx());
    }
    M.S.services.busy.set(false);
    if (!loaded)
        M.S.services.dialogs->msgBox("Deze afbeelding kan niet worden geladen:\r\n" + name,
                                     Mb::OkOnly | Mb::Critical, "Error");
}

// ---------------------------------------------------------------- scale and reset

void SizeForm::ProcentScroll_Change() {
    if (scaling_) return;
    scaling_ = true;
    Main::YieldGuard guard(M);
    const int v = ProcentScroll->value();
    Label9->setText("Grootte : " + QString::number(v * 5) + "%");
    Label9->adjustSize();
    const Surface& org = Orgineel->surface();
    ScaledWidth = scaledSide(org.widthPx(), v);
    ScaledHeight = scaledSide(org.heightPx(), v);
    const int sw = static_cast<int>(ScaledWidth);
    Pic1->clearPicture();
    Pic1->surface().stretchCopy(0, 0, sw, ScaledHeight, org, 0, 0, org.widthPx(), org.heightPx());
    BackPic->clearPicture();
    BackPic->Move(BackPic->Left(), BackPic->Top(), ScaledWidth * 15, ScaledHeight * 15.0);
    BackPic->surface().stretchCopy(0, 0, sw, ScaledHeight, org, 0, 0, org.widthPx(),
                                   org.heightPx());
    showSize(ScaledWidth, ScaledHeight);
    Pic1->Refresh();
    doEvents(false);
    scaling_ = false;
}

void SizeForm::ResetKnop_Click() {
    BackPic->setPicture(Orgineel->picture());
    Pic1->Move(180, 270, 11760, 8700);
    Pic1->setPicture(BackPic->Image());
    showSize(BackPic->Width() / 15, BackPic->Height() / 15);
    ProcentScroll->setValue(20);
    Label9->setText("Grootte : 100%");
    Label9->adjustSize();
}

// ---------------------------------------------------------------- selection

void SizeForm::Check1_Click() {
    const bool fixed = Check1->isChecked();
    for (QLineEdit* e : {Text1, Text2}) {
        e->setEnabled(fixed);
        fieldColour(e, fixed ? RGB(220, 220, 250) : RGB(220, 220, 190));
    }
}

double SizeForm::fixedWidth() const {
    return std::clamp(std::floor(Val(Text1->text())), 0.0, double(kLargestFixedSide));
}

double SizeForm::fixedHeight() const {
    return std::clamp(std::floor(Val(Text2->text())), 0.0, double(kLargestFixedSide));
}

void SizeForm::Pic1_MouseDown(int Button, int, double X, double Y) {
    M.S.StartX = X;
    M.S.StartY = Y;
    if (Button != Mouse::Left) return;
    selecting_ = true;
    if (Check1->isChecked())
        Layer->Move(X, Y, fixedWidth(), fixedHeight());
    else
        Layer->Move(X, Y, 0, 0);
    Layer->show();
    Layer->raise();
}

void SizeForm::Pic1_MouseMove(int Button, int, double X, double Y) {
    AppState& S = M.S;
    Label13->setText(QString::fromUtf8("Coör. ") + Format(X) + " x " + Format(Y) + " Pixels");
    Label13->adjustSize();
    if (!(Button & Mouse::Left) || !selecting_) return;
    if (Check1->isChecked()) {
        Layer->Move(X, Y, fixedWidth(), fixedHeight());
        SelBreedteTw = widthInContainer(Layer) * 15;
        SelHoogteTw = vbCInt(heightInContainer(Layer) * 15);
        return;
    }
    Label13->setText("Size " + Format(X - S.StartX) + " x " + Format(Y - S.StartY) + " Pixels");
    Label13->adjustSize();
    X = std::max(X, S.StartX);
    Y = std::max(Y, S.StartY);
    Layer->Move(S.StartX, S.StartY, X - S.StartX + 1, Y - S.StartY + 1);
    S.LastX = X;
    S.LastY = Y;
    SelBreedteTw = (X - S.StartX) * 15;
    SelHoogteTw = vbCInt((Y - S.StartY) * 15);
}

void SizeForm::Pic1_MouseUp(int Button, int, double X, double Y) {
    AppState& S = M.S;
    Layer->hide();
    // Only a left drag that spans a rectangle crops; a plain click, a drag back past
    // the press point or another button leaves the pictures as they are.
    if (Button != Mouse::Left || !selecting_) return;
    selecting_ = false;
    int sx = 0, sy = 0;
    if (Check1->isChecked()) {
        // The frame follows the pointer, so the release point is its corner.
        Layer->Move(X, Y, fixedWidth(), fixedHeight());
        sx = vbCInt(X);
        sy = vbCInt(Y);
        SelBreedteTw = widthInContainer(Layer) * 15;
        SelHoogteTw = vbCInt(heightInContainer(Layer) * 15);
    } else {
        if (!(X > S.StartX && Y > S.StartY)) return;
        sx = vbCInt(S.StartX);
        sy = vbCInt(S.StartY);
        SelBreedteTw = (X - S.StartX) * 15;
        SelHoogteTw = vbCInt((Y - S.StartY) * 15);
    }
    const int w = vbCInt(SelBreedteTw / 15), h = vbCInt(SelHoogteTw / 15.0);
    if (w <= 0 || h <= 0) return;
    // Sized first, so that a crop larger than the work picture is copied whole.
    Pic1->clearPicture();
    Pic1->Move(Pic1->Left(), Pic1->Top(), SelBreedteTw, SelHoogteTw);
    Pic1->Cls();
    Pic1->surface().copy(0, 0, w, h, BackPic->surface(), sx, sy);
    BackPic->Move(BackPic->Left(), BackPic->Top(), SelBreedteTw, SelHoogteTw);
    BackPic->setPicture(Pic1->Image());
    Pic1->Refresh();
    showSize(SelBreedteTw / 15, SelHoogteTw / 15.0);
}

// ---------------------------------------------------------------- closing

void SizeForm::OkKnop_Click() {
    M.S.Tool = 50;
    handOverPicture(M, Pic1->Image());
    accept();
    showPlacementHint(M);
}

void SizeForm::CancelKnop_Click() {
    reject();
}

} // namespace korv

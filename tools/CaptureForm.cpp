#include "CaptureForm.h"

#include "HandOver.h"
#include "editor/Main.h"
#include "platform/Colour.h"
#include "platform/PictureBox.h"
#include "platform/Screen.h"
#include "platform/VbMath.h"

#include <QMenuBar>
#include <QScrollArea>
#include <QThread>
#include <QVBoxLayout>
#include <algorithm>

namespace korv {

CaptureForm::CaptureForm(Main& main) : QDialog(&main), M(main), grabScreen(captureScreen) {
    MenuBar = new QMenuBar(this);
    FileExit = MenuBar->addAction("Annuleren");
    Afdruk = MenuBar->addAction("Capture");
    Export = MenuBar->addAction("Export");
    View = new QScrollArea(this);
    View->setFrameShape(QFrame::NoFrame);
    View->setWidgetResizable(false);
    auto* sheet = new QWidget;
    View->setWidget(sheet);
    Pic = new PictureBox(sheet);
    Label1 = new OverlayLabel(Pic);
    Layer = new OverlayShape(Pic);
    Layer->borderColor = RGB(255, 0, 0);
    Layer->hide();
    Picture1 = new PictureBox(sheet);
    Picture1->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(MenuBar);
    layout->addWidget(View);

    connect(FileExit, &QAction::triggered, this, [this] { FileExit_Click(); });
    connect(Afdruk, &QAction::triggered, this, [this] { Afdruk_Click(); });
    connect(Export, &QAction::triggered, this, [this] { Export_Click(); });
    Pic->onMouseDown = [this](int b, int s, double x, double y) { Pic_MouseDown(b, s, x, y); };
    Pic->onMouseMove = [this](int b, int s, double x, double y) { Pic_MouseMove(b, s, x, y); };
    Pic->onMouseUp = [this](int b, int s, double x, double y) { Pic_MouseUp(b, s, x, y); };
    Form_Load();
}

void CaptureForm::Form_Load() {
    const int back = RGB(230, 230, 190);
    // The copy is as large as the screen; the window can be enlarged to see all of it.
    layoutToolForm(this, 12000, 7500, "Copyeer Buraublad", back, false);
    setBackColour(View->viewport(), back);
    const QSize screen = screenSizePx();
    const double screenW = screen.width() * twipsPerPixelX();
    const double screenH = screen.height() * twipsPerPixelY();
    View->widget()->resize(screen);
    setBackColour(View->widget(), back);
    Pic->Move(0, 0, screenW, screenH);
    Pic->setBackColor(RGB(250, 240, 210));
    Pic->show();
    Picture1->Move(0, 0, 0, 0);
    Label1->setText("1. Klik op het menu-item 'Capture' om het scherm (Bureaublad) te copyeren.\r\n"
                    "2. Maak dan het scherm groter om een totaal overzicht te krijgen van de "
                    "afbeelding.\r\n"
                    "3. Maak met ingedrukte linkermuisknop een rechthoek om het te copyeren "
                    "object.\r\n"
                    "4. Klik daarna op 'Export' om het object te exporteren naar het "
                    "korvamintontwerp.");
    Label1->adjustSize();
    Label1->Move(140, 170);
}

void CaptureForm::FileExit_Click() {
    reject();
}

void CaptureForm::reject() {
    // The window cannot go while the screen is being copied: the copy would land in a
    // window that is gone and the main window would stay minimised.
    if (capturing_) return;
    QDialog::reject();
}

void CaptureForm::Afdruk_Click() {
    if (capturing_) return;
    Label1->hide();
    Pic->show();
    Picture1->hide();
    fitView();
    CaptureScreen();
}

void CaptureForm::CaptureScreen() {
    capturing_ = true;
    Main::YieldGuard guard(M);
    setWindowState(Qt::WindowMinimized);
    M.setWindowState(Qt::WindowMinimized);
    // The windows repaint while they go, but a click or key meanwhile waits until the
    // copy is taken: it could start a selection on the copy that is not there yet.
    PauseQuietly(M.S.services, 0.5);

    const QImage shot = grabScreen ? grabScreen() : QImage();
    const QSize screen = screenSizePx();
    const int w = vbCInt(vbCInt(screen.width() * twipsPerPixelX()) / double(twipsPerPixelX()));
    const int h = vbCInt(vbCInt(screen.height() * twipsPerPixelY()) / double(twipsPerPixelY()));
    if (!shot.isNull()) {
        Surface src;
        src.setImage(shot);
        Pic->surface().copy(0, 0, w, h, src, 0, 0);
    }
    Pic->Refresh();

    M.setWindowState(Qt::WindowNoState);
    setWindowState(Qt::WindowNoState);
    capturing_ = false;
}

void CaptureForm::Pic_MouseDown(int Button, int, double X, double Y) {
    M.S.StartX = X;
    M.S.StartY = Y;
    if (Button == Mouse::Left) {
        Layer->Move(X, Y, 0, 0);
        Layer->show();
        Layer->raise();
    }
}

void CaptureForm::Pic_MouseMove(int Button, int, double X, double Y) {
    if (Button != Mouse::Left) return;
    // The rectangle grows to the right and downwards from the press point only.
    X = std::max(X, M.S.StartX);
    Y = std::max(Y, M.S.StartY);
    Layer->Move(M.S.StartX, M.S.StartY, X - M.S.StartX + 1, Y - M.S.StartY + 1);
}

void CaptureForm::Pic_MouseUp(int Button, int, double, double) {
    SelectieBreedte = widthInContainer(Layer);
    SelectieHoogte = heightInContainer(Layer);
    if (Button == Mouse::Left) {
        // A press without a drag selects nothing: the copy stays in view for a new try.
        if (SelectieBreedte <= 0 || SelectieHoogte <= 0) return;
        const int w = vbCInt(SelectieBreedte), h = vbCInt(SelectieHoogte);
        Picture1->Move(Picture1->Left(), Picture1->Top(), w * 15.0, h * 15.0);
        Picture1->surface().copy(0, 0, w, h, Pic->surface(), vbCInt(leftInContainer(Layer)),
                                 vbCInt(topInContainer(Layer)));
    }
    Picture1->show();
    Picture1->Refresh();
    Pic->hide();
    fitView();
}

void CaptureForm::fitView() {
    // Scroll over the picture in view only.
    View->widget()->resize(Pic->isHidden() ? Picture1->size() : Pic->size());
}

void CaptureForm::Export_Click() {
    if (Picture1->isHidden()) return;
    const int w = vbCInt(SelectieBreedte), h = vbCInt(SelectieHoogte);
    // An empty selection view has nothing to place.
    if (w <= 0 || h <= 0 || Picture1->Image().isNull()) return;
    handOverPainted(M, Picture1->Image(), w, h);
    accept();
    showPlacementHint(M);
}

} // namespace korv

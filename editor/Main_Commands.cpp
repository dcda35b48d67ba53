// Start-up, shutdown and the main window's commands that concern the program as a whole.
#include "Algemeen.h"
#include "Main.h"
#include "Settings.h"
#include "controls/VistaButton.h"
#include "platform/Colour.h"
#include "platform/Files.h"
#include "platform/Screen.h"

#include <QCloseEvent>
#include <QFontDatabase>

namespace korv {

namespace {
const QString kVideoChannel = QStringLiteral("https://www.korvamint-smidrovel.nl/video");
}

QString Main::formatCaption(int format) {
    static const char* names[8] = {"",         "Liggend Kort", "Landscape", "Liggend Lang",
                                   "Vierkant", "Staand Kort",  "Portret",   "Staand Lang"};
    const FormatSize f = formatSize(format);
    if (f.width == 0) return QString();
    return QString("(%1 x %2 / %3)").arg(f.width).arg(f.height).arg(names[format]);
}

QString Main::settingsPath() const {
    return programPath(S.services.programFolder, "Korvamint.ini");
}

Main::YieldGuard::YieldGuard(Main& m) : m_(m) {
    ++m_.yieldDepth_;
}

Main::YieldGuard::~YieldGuard() {
    if (--m_.yieldDepth_ == 0 && m_.closePending_) {
        m_.closePending_ = false;
        m_.close();
    }
}

void Main::Form_Load() {
    // Font and size lists, the text, the colour sliders and swatches.
    Combo1->clear();
    Combo1->addItems(screenFontFamilies());
    Combo1->setEditText("Arial");
    Combo2->clear();
    for (int size = 8; size <= 150; size += 2)
        Combo2->addItem(QString::number(size));
    Combo2->setCurrentIndex(6);
    Text1->setText("Nederland");
    for (int i = 0; i < 3; ++i)
        HScroll1[i]->setValue(50);
    HScroll2[0]->setValue(190);
    HScroll2[1]->setValue(190);
    HScroll2[2]->setValue(0);
    setBackColour(Label7, RGB(50, 50, 50));
    setBackColour(Label20, RGB(190, 190, 0));
    for (int i = 0; i < 3; ++i) {
        Label22[i]->setText("50");
        Label22[i]->adjustSize();
    }
    Label23[0]->setText("190");
    Label23[1]->setText("190");
    Label23[2]->setText("0");
    for (QLabel* l : Label23)
        l->adjustSize();

    // Program-wide defaults.
    S.setDefaults();
    ClipPic->setToolTip(" Rechtermuisknop is keuzemenu ");

    // A random start logo; a missing one leaves the canvas blank.
    S.services.random.seed(static_cast<unsigned>(S.services.clock->now().toMSecsSinceEpoch()));
    const int n = static_cast<int>(4 * S.services.random.next() + 1);
    QImage logo;
    if (loadPicture(programPath(S.services.programFolder, QString("Data/Logo-%1.jpg").arg(n)),
                    logo))
        Pic->setPicture(logo);

    Timer1->start();

    // Settings; on any failure the file is written anew and the colour is not applied.
    if (!readSettings(S, settingsPath())) {
        writeSettings(S, settingsPath());
        return;
    }
    ApplyBackColor(*this);
}

bool Main::Form_Unload() {
    int answer = Mb::Yes;
    if (S.Gewijzigd)
        answer =
            S.services.dialogs->msgBox("Wil je dit programma nu afsluiten?", Mb::YesNo, "Exit");
    if (answer == Mb::No) return true;
    if (!writeSettings(S, settingsPath()))
        S.services.dialogs->msgBox("De instellingen konden niet worden opgeslagen.",
                                   Mb::OkOnly | Mb::Critical, "Error");
    endNow();
    return false;
}

void Main::endNow() {
    ended_ = true;
    Timer1->stop();
    if (EndProgram) EndProgram();
}

void Main::closeEvent(QCloseEvent* e) {
    if (ended_) {
        e->accept();
        return;
    }
    // A handler that lets events run is still on the stack: close when it has ended.
    if (yielding() || S.imaging.busy() || unloading_) {
        e->ignore();
        if (unloading_) return;
        closePending_ = true;
        // A picture operation ends by itself, not through a guard: look again shortly.
        if (!yielding())
            QTimer::singleShot(100, this, [this] {
                if (closePending_ && !yielding()) {
                    closePending_ = false;
                    close();
                }
            });
        return;
    }
    unloading_ = true;
    const bool cancel = Form_Unload();
    unloading_ = false;
    if (cancel)
        e->ignore();
    else
        e->accept();
}

void Main::FileExit_Click() {
    close();
}

void Main::pressAnimation(ImageBox* img) {
    const double left = img->Left(), top = img->Top();
    img->Move(left, top + 30);
    img->Move(left + 30, top + 30);
    Pause(S, 0.2);
    img->Move(left, top);
    Pause(S, 0.2);
}

void Main::ExitKnop_Click() {
    if (yielding()) return;
    {
        YieldGuard guard(*this);
        pressAnimation(ExitKnop);
    }
    if (!ended_) close();
}

void Main::LogoImg_Click() {
    if (yielding()) return;
    YieldGuard guard(*this);
    pressAnimation(LogoImg);
    if (!ended_) ShellOpen(S, kVideoChannel);
}

void Main::EditUndo_Click() {
    Pic->setPicture(UndoPic->Image());
    Pic->Refresh();
}

void Main::EditCopyClipboard_Click() {
    CopyToClipboard(*this, *Pic);
}

void Main::FileNew_Click() {
    Windows.open("NieuwForm", *this);
}
void Main::FileOpen_Click() {
    Windows.open("OpenForm", *this);
}
void Main::FileSave_Click() {
    Windows.open("SaveForm", *this);
}
void Main::FilePrint_Click() {
    Windows.open("AfdrukForm", *this);
}

} // namespace korv

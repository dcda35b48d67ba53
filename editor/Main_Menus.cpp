// The menu bar and the four pop-up menus that never show in it.
#include "Main.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>

namespace korv {

namespace {
QAction* item(QMenu* m, const QString& caption, const QKeySequence& key = QKeySequence()) {
    QAction* a = m->addAction(caption);
    if (!key.isEmpty()) a->setShortcut(key);
    return a;
}
} // namespace

bool Main::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::ShortcutOverride) {
        const QKeySequence keys(static_cast<QKeyEvent*>(e)->keyCombination());
        if (keys == EditUndo->shortcut() || keys == EditCopyClipboard->shortcut()) {
            // Left unaccepted, the key goes to the menu item's shortcut.
            e->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, e);
}

void Main::buildMenus() {
    QMenuBar* bar = menuBar();

    File = bar->addMenu("Bestand");
    FileNew = item(File, "Nieuw Ontwerp", QKeySequence("Ctrl+N"));
    File->addSeparator();
    FileOpen = item(File, "Ontwerp Openen", QKeySequence("Ctrl+O"));
    FileSave = item(File, "Ontwerp Opslaan", QKeySequence("Ctrl+S"));
    File->addSeparator();
    FilePrint = item(File, "Ontwerp Afdrukken", QKeySequence("Ctrl+P"));
    File->addSeparator();
    FileExit = item(File, "Exit", QKeySequence("Ctrl+Q"));
    connect(FileNew, &QAction::triggered, this, [this] { FileNew_Click(); });
    connect(FileOpen, &QAction::triggered, this, [this] { FileOpen_Click(); });
    connect(FileSave, &QAction::triggered, this, [this] { FileSave_Click(); });
    connect(FilePrint, &QAction::triggered, this, [this] { FilePrint_Click(); });
    connect(FileExit, &QAction::triggered, this, [this] { FileExit_Click(); });

    Edit = bar->addMenu("Bewerken");
    EditUndo = item(Edit, "Ongedaan Maken", QKeySequence("Ctrl+Z"));
    EditCopyClipboard = item(Edit, "Copy Ontwerp naar Clipboard", QKeySequence("Ctrl+C"));
    connect(EditUndo, &QAction::triggered, this, [this] { EditUndo_Click(); });
    connect(EditCopyClipboard, &QAction::triggered, this, [this] { EditCopyClipboard_Click(); });
    // The editable combo boxes and the text box would keep Ctrl+Z and Ctrl+C for their
    // own undo and copy; in this window those keys undo and copy the design.
    for (QWidget* w : {static_cast<QWidget*>(Combo1), static_cast<QWidget*>(Combo1->lineEdit()),
                       static_cast<QWidget*>(Combo2), static_cast<QWidget*>(Combo2->lineEdit()),
                       static_cast<QWidget*>(Text1)})
        w->installEventFilter(this);

    Shapes = new QMenu("Shapes", this);
    const char* shapes[] = {"Rechthoek",
                            "Rechthoek met Ronde Hoeken",
                            "Ellips en Circel",
                            "Driehoek",
                            "Ruit",
                            "Vijfhoek",
                            "Zeshoek",
                            "Hartvorm",
                            "Diamand",
                            "Vier Circels",
                            "Open Ster",
                            "Gesloten Ster",
                            "Rechthoek / Ruit",
                            "Dubbele Driehoek",
                            "Boomvorm"};
    for (int i = 1; i <= 15; ++i) {
        Vormen[i] = item(Shapes, shapes[i - 1]);
        Vormen[i]->setCheckable(true);
    }

    Plakken = new QMenu("Plakken", this);
    const char* plak[] = {"Anuleren",
                          "-",
                          "Normaal",
                          "Transparant",
                          "Zonder witte achtergrond",
                          "-",
                          "Rotatie naar Links",
                          "Flip Horizontaal",
                          "Flip Vertikaal"};
    for (int i = 1; i <= 9; ++i) {
        if (QString(plak[i - 1]) == "-")
            Plak[i] = Plakken->addSeparator();
        else
            Plak[i] = item(Plakken, plak[i - 1]);
    }

    Filters = bar->addMenu("Filters");
    auto filter = [&](int i, const char* caption) { Filter[i] = item(Filters, caption); };
    filter(3, "Inkleuren");
    filter(4, "Grayscale");
    filter(5, "Negative");
    filter(6, "Light");
    filter(7, "Dark");
    filter(8, "Sharpen");
    EditContrastConvertMenu = Filters->addMenu("Contrast");
    Filter[9] = EditContrastConvertMenu->menuAction();
    EditContrastConvert[1] = item(EditContrastConvertMenu, "Positive");
    EditContrastConvert[2] = item(EditContrastConvertMenu, "Negative");
    filter(10, "Pixelize");
    filter(11, "Reliëf");
    EditSwapMenu = Filters->addMenu("Swap Colors");
    Filter[12] = EditSwapMenu->menuAction();
    const char* swaps[] = {"RGB --> BRG", "RGB --> GBR", "RGB --> RBG", "RGB --> BGR",
                           "RGB --> GRB"};
    for (int i = 1; i <= 5; ++i)
        EditSwap[i] = item(EditSwapMenu, swaps[i - 1]);
    const char* rest[] = {"Scattered",  "Blur",    "Aquarel", "Defuse",     "Add noise",
                          "Edge",       "Contour", "Sepia",   "Connection", "Erode",
                          "Saturation", "Coldept", "Dodge",   "Smooth",     "Neon"};
    for (int i = 13; i <= 27; ++i)
        filter(i, rest[i - 13]);

    Tools = bar->addMenu("Tools");
    ToolsBorders = Tools->addMenu("Borders");
    const char* randen[] = {"1 Pixel",  "2 Pixels", "3 Pixels", "4 Pixels",      "5 Pixels",
                            "6 Pixels", "7 Pixels", "-",        "Verwijder rand"};
    for (int i = 1; i <= 9; ++i) {
        if (QString(randen[i - 1]) == "-")
            ToolsRanden[i] = ToolsBorders->addSeparator();
        else
            ToolsRanden[i] = item(ToolsBorders, randen[i - 1]);
    }
    Tools->addSeparator();
    ToolsCliparts = item(Tools, "Clipart Importeren");
    ToolsEigenFoto = item(Tools, "Eigen Foto Importeren");
    ToolsLijst = item(Tools, "Schilderijlijsten");
    ToolsCaptureScherm = item(Tools, "Copyeer Bureaublad");
    Tools->addSeparator();
    ToolsConfig = item(Tools, "Instellingen");
    connect(ToolsCliparts, &QAction::triggered, this, [this] { ToolsCliparts_Click(); });
    connect(ToolsEigenFoto, &QAction::triggered, this, [this] { ToolsEigenFoto_Click(); });
    connect(ToolsLijst, &QAction::triggered, this, [this] { ToolsLijst_Click(); });
    connect(ToolsCaptureScherm, &QAction::triggered, this, [this] { ToolsCaptureScherm_Click(); });
    connect(ToolsConfig, &QAction::triggered, this, [this] { ToolsConfig_Click(); });

    Flippen = bar->addMenu("Omklappen");
    const char* flips[] = {"Flip Horizontaal", "Flip Vertikaal", "Copy Linkerzijde",
                           "Copy Bovenzijde", "Copy Hoeken"};
    for (int i = 1; i <= 5; ++i)
        Flip[i] = item(Flippen, flips[i - 1]);

    GradientKleur = new QMenu("GradientKleur", this);
    const char* dirs[] = {"Top", "Links", "Bodem", "Rechts", "Diagonaal", "Circulair"};
    for (int i = 0; i <= 5; ++i)
        GradientRichting[i] = item(GradientKleur, dirs[i]);

    Help = bar->addMenu("Help");
    HelpHelp = item(Help, "Help", QKeySequence(Qt::Key_F1));
    HelpResolutie = Help->addMenu("Beeldscherm");
    Helpscreen[1] = item(HelpResolutie, "Schermresolutie");
    Helpscreen[2] = item(HelpResolutie, "Wijzig Schermresolutie");
    Help->addSeparator();
    HelpMeerSoftware = item(Help, "Meer Software");
    HelpMeerAfbeeldingen = item(Help, "Meer Afbeeldingen");
    Help->addSeparator();
    HelpSpecialeTekens = item(Help, "Speciale Tekens", QKeySequence(Qt::Key_F2));
    connect(HelpHelp, &QAction::triggered, this, [this] { HelpHelp_Click(); });
    connect(Helpscreen[1], &QAction::triggered, this, [this] { Helpscreen_Click(1); });
    connect(Helpscreen[2], &QAction::triggered, this, [this] { Helpscreen_Click(2); });
    connect(HelpMeerSoftware, &QAction::triggered, this, [this] { HelpMeerSoftware_Click(); });
    connect(HelpMeerAfbeeldingen, &QAction::triggered, this,
            [this] { HelpMeerAfbeeldingen_Click(); });
    connect(HelpSpecialeTekens, &QAction::triggered, this, [this] { HelpSpecialeTekens_Click(); });

    CopySelectie = new QMenu("Copy", this);
    const char* sel[] = {"Annuleren", "-", "Selectie copyeren", "Selectie verwijderen",
                         "Selectie verwijderen met rand"};
    for (int i = 0; i <= 4; ++i) {
        if (QString(sel[i]) == "-")
            SelectieCopy[i] = CopySelectie->addSeparator();
        else
            SelectieCopy[i] = item(CopySelectie, sel[i]);
    }

    // Shows the current format only; it cannot be chosen.
    Maat = bar->addMenu(formatCaption(1));
    Maat->setEnabled(false);
}

} // namespace korv

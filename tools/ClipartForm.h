#pragma once
// The clip-art window: picks one of the five clip-arts of a library in the Cliparts
// folder, sizes it, mirrors it or turns it black and white, and hands it to the canvas.
#include <QDialog>

class QComboBox;
class QLabel;
class QScrollBar;

namespace korv {

class Main;
class PictureBox;
class VistaButton;

class ClipartForm : public QDialog {
    Q_OBJECT
public:
    explicit ClipartForm(Main& main);

    Main& M;

    // A library is one picture of five tiles side by side.
    static constexpr int kLibraryWidth = 1650, kLibraryHeight = 360;
    static constexpr int kTileWidth = 330, kTileHeight = 360;

    QLabel* Label1;
    PictureBox* Pic;
    QLabel* Label3;
    PictureBox* BigPic;
    QComboBox* Combo1;
    QLabel *Label4, *Label5, *InfoLabel;
    PictureBox* ExportPic;
    VistaButton* BWKnop;
    QLabel* Label2;
    VistaButton* HorKnop;
    QLabel *Label7, *Label8;
    QScrollBar* VScroll2;
    QLabel* Label9;
    VistaButton *CancelKnop, *ExportKnop;
    QStringList File1; // the libraries, sorted by name
    PictureBox* BackPic;

    void Form_Load();
    void Combo1_Click();
    void Combo1_Change();
    void Pic_MouseDown(int Button, int Shift, double X, double Y);
    void VScroll2_Change();
    void VScroll2_Scroll() { VScroll2_Change(); }
    void BWKnop_Click();
    void HorKnop_Click();
    void ExportKnop_Click();
    void CancelKnop_Click();

private:
    void loadLibrary(const QString& name);
};

} // namespace korv

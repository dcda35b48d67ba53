#pragma once
// The arrows, flags and pins window: one row of four pictures of the sheet at a time;
// the picked picture can be turned a quarter turn or mirrored and is handed to the
// canvas at 100 x 100 or 50 x 50 pixels.
#include <QDialog>
#include <array>

class QLabel;
class QRadioButton;
class QScrollBar;

namespace korv {

class Main;
class PictureBox;
class VistaButton;

class ArrowForm : public QDialog {
    Q_OBJECT
public:
    explicit ArrowForm(Main& main);

    Main& M;

    static constexpr int kCell = 100; // pictures of the sheet are 100 x 100 pixels
    static constexpr int kRows = 20;  // rows 0 to 19 are reachable

    QLabel* Label1;
    PictureBox* Pic;
    QLabel* Label3;
    PictureBox* Picture1;
    VistaButton *RotatieKnop, *MirrowKnop;
    QLabel* Label5;
    PictureBox* MiniPic;
    QLabel* Label2;
    QScrollBar* HScroll1;
    QLabel* Label4;
    std::array<QRadioButton*, 2> Option1{};
    PictureBox* RotatiePic;
    VistaButton *CancelKnop, *ExportKnop;
    PictureBox* BackPic;

    // A picture has been picked since the window was opened.
    static bool AfbeeldingGekozen;

    void Form_Load();
    void HScroll1_Change();
    void HScroll1_Scroll() { HScroll1_Change(); }
    void Pic_MouseDown(int Button, int Shift, double X, double Y);
    void RotatieKnop_Click();
    void MirrowKnop_Click();
    void ExportKnop_Click();
    void CancelKnop_Click();
};

} // namespace korv

#pragma once
// The speech-balloon window: one of four balloon shapes stretched to a width and height
// set with two bars, mirrored if wished, and handed to the canvas.
#include <QDialog>
#include <QImage>
#include <array>

class QLabel;
class QScrollBar;

namespace korv {

class Main;
class PictureBox;
class VistaButton;

class BallonForm : public QDialog {
    Q_OBJECT
public:
    explicit BallonForm(Main& main);

    Main& M;

    QLabel* Label1;
    PictureBox* Pic;
    QLabel* Label2;
    QScrollBar* VScroll1;
    QLabel* Label3;
    QScrollBar* HScroll1;
    QLabel* Label4;
    std::array<VistaButton*, 4> Knop{};
    VistaButton *FlipHorKnop, *FlipVerKnop, *CancelKnop, *ExportKnop;
    PictureBox* BackPic;
    std::array<QImage, 4> Img; // the four shapes, 150 x 100 pixels each

    void Form_Load();
    void Knop_Click(int Index);
    void HScroll1_Change();
    void HScroll1_Scroll() { HScroll1_Change(); }
    void VScroll1_Change();
    void VScroll1_Scroll() { VScroll1_Change(); }
    void FlipHorKnop_Click();
    void FlipVerKnop_Click();
    void ExportKnop_Click();
    void CancelKnop_Click();

private:
    void stretchShape();
    void showSize();
};

} // namespace korv

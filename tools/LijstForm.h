#pragma once
// The picture-frame window: browses the hundred frames of the frame strip with a scroll
// bar and paints the chosen one, ring by ring, round the edge of the design.
#include <QDialog>

class QLabel;
class QScrollBar;

namespace korv {

class Main;
class PictureBox;
class VistaButton;

class LijstForm : public QDialog {
    Q_OBJECT
public:
    explicit LijstForm(Main& main);

    Main& M;

    QLabel* Label1;       // dark mat behind the preview
    PictureBox* LijstPic; // the chosen frame's cell, 78 x 78 pixels
    QLabel* Label2;       // black strip behind the bar
    QScrollBar* HScroll1; // the frame number 0..99
    QLabel* Label3;
    QLabel* Label4;
    VistaButton* CancelKnop;
    VistaButton* OkKnop;
    PictureBox* BackPic; // hidden: the whole strip

    // The chosen frame's cell in the strip, in pixels.
    int LijstX = 0;
    int LijstY = 0;

    void Form_Load();
    void HScroll1_Change();
    void HScroll1_Scroll() { HScroll1_Change(); }
    void OkKnop_Click();
    void CancelKnop_Click();

private:
    void ApplyFrame(int X0, int Y0, int X1, int Y1);
};

} // namespace korv

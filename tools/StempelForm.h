#pragma once
// The postmark designer: a round postmark with a border text along the ring and a date
// in the middle band, drawn on a 212 x 212 pixel surface and saved as the postmark
// picture that sheet printing cancels the stamps with.
#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace korv {

class Main;
class PictureBox;
class VistaButton;

class StempelForm : public QDialog {
    Q_OBJECT
public:
    explicit StempelForm(Main& main);

    Main& M;

    QLabel* Label1;  // frame round the surface
    PictureBox* Pic; // the drawing surface, 212 x 212 pixels
    QLabel* Label2;
    QLineEdit* Text1;                    // border text
    QComboBox *Combo1, *Combo2, *Combo3; // day, month, year
    QLabel* Label3;
    std::array<QScrollBar*, 3> HScroll1{}; // radius, arc, angle
    QLabel *Label6, *Label7, *Label8;
    QLabel* Label5;    // black box behind the bars
    QComboBox* Combo4; // font size
    QLabel* Label9;
    QCheckBox* Check1; // "Transparant"
    VistaButton* ShowKnop;
    VistaButton* CancelKnop;
    VistaButton* ExportKnop;
    QLabel* Label4; // hidden: measures the date text

    void Form_Load();
    void DrawStempelFrame();
    // Clears the surface, draws the frame and lays the text out on an ellipse round
    // (X, Y): half-axes Radius / sqrt(XFact) and Radius / sqrt(YFact), starting Deg * 2
    // degrees clockwise from the top and spreading the characters over Arc degrees.
    void ElipticText(PictureBox& Pic, int X, int Y, int Radius, int Deg, int XFact, int YFact,
                     int Arc, const QString& Text);
    void ShowKnop_Click();
    void HScroll1_Change(int Index);
    void HScroll1_Scroll(int Index) { HScroll1_Change(Index); }
    void ExportKnop_Click();
    void CancelKnop_Click();

private:
    void drawBorderText();
};

} // namespace korv

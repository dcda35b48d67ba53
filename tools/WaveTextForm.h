#pragma once
// The text-effect window: a short text laid out along a wave, a line at an angle, a
// circle or an ellipse, optionally coloured with a colour band, of which the user
// selects a rectangle and hands it to the main window's floating picture.
#include <QDialog>
#include <array>
#include <functional>
#include <initializer_list>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QScrollBar;

namespace korv {

class Main;
class OverlayShape;
class PictureBox;
class VistaButton;

class WaveTextForm : public QDialog {
    Q_OBJECT
public:
    explicit WaveTextForm(Main& main);

    Main& M;

    PictureBox* Pic;
    OverlayShape* Layer;
    PictureBox* BackPic;
    QLineEdit* Text1;
    QLabel* Label13;
    QComboBox* Combo1;
    QLabel* Label19;
    QComboBox* Combo2;
    QLabel* Label20;
    QCheckBox* BoldCheck;
    QGroupBox *Frame1, *Frame2, *Frame3, *Frame4;
    QScrollBar *HScroll1, *HScroll2, *HScroll3, *HScroll4, *HScroll5, *HScroll6, *HScroll7,
        *HScroll8, *HScroll9, *HScroll10, *HScroll11, *HScroll12, *HScroll13;
    VistaButton* KleurKnop;
    QLabel* Label21;
    QLabel* Label22;
    VistaButton* CancelKnop;
    VistaButton* ExportKnop;
    QMenu* KleurenPalet;
    std::array<QAction*, 6> Kleurtje{}; // 0..5

    // Size of the selection in pixels, taken when the left button is released.
    double ExportBreedte = 0;
    int ExportHoogte = 0;

    void Form_Load();
    void Combo1_Click() { Combo1_Change(); }
    void Combo1_Change();
    void Combo2_Click() { Combo2_Change(); }
    void Combo2_Change();
    void BoldCheck_Click();
    // A thumb drag on any bar of a panel redraws that panel's layout.
    void HScroll1_Scroll() { DrawWavePanel(); }
    void HScroll2_Scroll() { DrawCirclePanel(); }
    void HScroll3_Scroll() { DrawCirclePanel(); }
    void HScroll4_Scroll() { DrawRotationPanel(); }
    void HScroll5_Scroll() { DrawRotationPanel(); }
    void HScroll6_Scroll() { DrawWavePanel(); }
    void HScroll7_Scroll() { DrawCirclePanel(); }
    void HScroll8_Scroll() { DrawEllipsePanel(); }
    void HScroll9_Scroll() { DrawEllipsePanel(); }
    void HScroll10_Scroll() { DrawEllipsePanel(); }
    void HScroll11_Scroll() { DrawEllipsePanel(); }
    void HScroll12_Scroll() { DrawEllipsePanel(); }
    void HScroll13_Scroll() { DrawWavePanel(); }
    void KleurKnop_Click();
    void Kleurtje_Click(int Index);
    void Pic_MouseDown(int Button, int Shift, double X, double Y);
    void Pic_MouseMove(int Button, int Shift, double X, double Y);
    void Pic_MouseUp(int Button, int Shift, double X, double Y);
    void ExportKnop_Click();
    void CancelKnop_Click();

    // The layouts: each clears the picture and prints the text along its path.
    void WaveText(PictureBox& pic, int X, int Y, int Spacing, int Curves, int Amplitude,
                  const QString& Text);
    void RotateText(PictureBox& pic, int X, int Y, int Deg, int Spacing, const QString& Text);
    void CircleText(PictureBox& pic, int X, int Y, int Radius, int Deg, int Arc,
                    const QString& Text);
    void ElipticText(PictureBox& pic, int X, int Y, int Radius, int Deg, int XFact, int YFact,
                     int Arc, const QString& Text);

    // The band of a family on BackPic, and the pass that colours Pic's text from it.
    void PaintColourBand(int Index);
    void ColourText();
    bool colouring() const { return colouring_; }

    // Shows a pop-up menu at the pointer and returns when it has closed. Tests replace it.
    std::function<void(QMenu*)> popupMenu;
    // Runs after each coloured row (tests use it to act in the middle of a pass).
    std::function<void(int row)> afterColouredRow;

    // The close box, Escape and "Annuleren" end the window; during a colouring pass
    // they end the pass first.
    void reject() override;

private:
    struct Bar {
        QScrollBar* bar;
        const char* caption;
        int min, max, start;
    };
    void placePanel(QGroupBox* frame, const QString& title, double left, double top, double width,
                    double height, double backWidth, double backHeight, double barWidth,
                    double captionLeft, std::initializer_list<Bar> bars);
    // The redraw of each panel, from the current values of all its bars.
    void DrawCirclePanel();
    void DrawRotationPanel();
    void DrawWavePanel();
    void DrawEllipsePanel();
    static int pos(const QScrollBar* bar);
    int centreX() const;
    int centreY() const;

    bool colouring_ = false;
    bool stopColouring_ = false;
    bool closeAfterColouring_ = false;
};

} // namespace korv

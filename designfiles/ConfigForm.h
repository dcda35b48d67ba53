#pragma once
// The settings window: the sheet text, the supplement box colour, the main window's
// background colour and the placement hint. "Ok" stores them; "Reset" stores the two
// factory colours at once.
#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace korv {

class Main;
class VistaButton;

class ConfigForm : public QDialog {
    Q_OBJECT
public:
    explicit ConfigForm(Main& main);

    Main& M;

    QLineEdit* Text1;
    QLabel* Label1;
    QLabel* Label2;
    std::array<QScrollBar*, 3> HScroll1{};
    std::array<QLabel*, 3> Label5{};
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label6;
    std::array<QScrollBar*, 3> HScroll2{};
    std::array<QLabel*, 3> Label8{};
    QLabel* Label7;
    QLabel* Label9;
    QCheckBox* Check1;
    VistaButton* ResetKnop;
    QLabel* Label10;
    VistaButton* CancelKnop;
    VistaButton* OkKnop;

    void Form_Load();
    // The bars track the thumb, so a change arrives while it is dragged too.
    void HScroll1_Change(int Index);
    void HScroll2_Change(int Index);
    void ResetKnop_Click();
    void OkKnop_Click();
    void CancelKnop_Click();
};

} // namespace korv

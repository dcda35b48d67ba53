#pragma once
// The new-design window: one of the seven stamp formats, with a preview in the format's
// proportions. The chosen format reaches the canvas and the program-wide state together,
// on "Ok" only.
#include <QDialog>
#include <array>

class QFrame;
class QLabel;
class QRadioButton;

namespace korv {

class ImageBox;
class Main;
class PictureBox;
class VistaButton;

class NieuwForm : public QDialog {
    Q_OBJECT
public:
    explicit NieuwForm(Main& main);

    Main& M;

    QFrame* Frame1;
    QLabel* Label1;
    PictureBox* Pic;
    std::array<QRadioButton*, 8> Option1{}; // 1..7, index = format
    VistaButton* OkKnop;
    VistaButton* CancelKnop;
    ImageBox* Image1;

    void Form_Load();
    void Option1_Click(int Index);
    void OkKnop_Click();
    void CancelKnop_Click();

    // The format whose option is checked (1 when none is).
    int checkedFormat() const;

private:
    void showPreview(int format);
};

} // namespace korv

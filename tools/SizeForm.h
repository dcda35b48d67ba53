#pragma once
// The photo import: picks a picture file from a folder, shows it in a work area at 5 to
// 150 %, lets the user cut a rectangle out of it and hands the result to the canvas's
// floating picture. It opens showing the design itself, so a piece of the design can
// be cut out too.
#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QScrollBar;

namespace korv {

class Main;
class OverlayShape;
class PictureBox;
class VistaButton;

class SizeForm : public QDialog {
    Q_OBJECT
public:
    explicit SizeForm(Main& main);

    Main& M;

    QFrame* Frame1;
    QLabel* Label8;
    QScrollBar* ProcentScroll; // 30 at the left end down to 1 at the right; 20 is 100 %
    QLabel* Label9;
    QLineEdit* Text1; // fixed width, pixels
    QLabel* Label1;
    QLineEdit* Text2; // fixed height, pixels
    QLabel* Label5;
    QCheckBox* Check1; // "Vaste afmeting"
    VistaButton* ResetKnop;
    QLabel* Label4;
    QLabel* Label13; // pointer position and selection size

    QFrame* Frame4;
    QComboBox* Drive1; // the places a folder tree starts from: home and the root
    QListWidget* Dir1; // the folder tree down to the chosen folder and its sub-folders
    QListWidget* List1;
    QStringList File1; // hidden file list: the chosen folder's pictures
    QString File1Path; // the folder File1 lists

    QFrame* Frame2;
    QLabel* Label2;
    PictureBox* Pic1; // the work picture
    OverlayShape* Layer;

    QFrame* Frame3;
    QLabel* Label3;
    QLabel* Label7; // picture size
    QLabel* Label14;
    VistaButton* CancelKnop;
    VistaButton* OkKnop;

    PictureBox* Orgineel; // hidden: the photo at 100 %
    PictureBox* BackPic;  // hidden: the scaled (and cropped) photo

    // The photo's size at the current scale, in pixels.
    double ScaledWidth = 0;
    int ScaledHeight = 0;
    // The current selection's size in twips.
    double SelBreedteTw = 0;
    int SelHoogteTw = 0;

    void Form_Load();
    QString Dir1Path() const { return dir1Path_; }
    void setDir1Path(const QString& path); // raises Dir1_Change when the folder can be read
    void Drive1_Change();
    void Dir1_Change();
    void List1_Click();
    void ProcentScroll_Change();
    void ProcentScroll_Scroll() { ProcentScroll_Change(); }
    void ResetKnop_Click();
    void Check1_Click();
    void Pic1_MouseDown(int Button, int Shift, double X, double Y);
    void Pic1_MouseMove(int Button, int Shift, double X, double Y);
    void Pic1_MouseUp(int Button, int Shift, double X, double Y);
    void OkKnop_Click();
    void CancelKnop_Click();

    // A side of the photo at scale step 1 to 30 (5 % each), rounded down. Whole numbers, so
    // a size that the percentage makes whole is never a pixel short.
    static int scaledSide(int side, int step) { return side * step / 20; }

    // Largest side of a fixed-size selection, in pixels.
    static constexpr int kLargestFixedSide = 4096;

private:
    void showSize(double w, double h);
    void fillDir1();
    double fixedWidth() const;
    double fixedHeight() const;

    QString dir1Path_;
    bool selecting_ = false; // a left press on the work picture started a selection
    bool scaling_ = false;
};

} // namespace korv

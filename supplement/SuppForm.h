#pragma once
// The supplement page designer: one A4 album page of 480 x 700 pixels with boxes for
// stamps, a frame, a page number and texts, drawn straight into the page picture, on a
// blank page, a cover page or an own page saved before; saved as a bitmap and printed.
#include "platform/PictureBox.h"

#include <QDialog>
#include <QStringList>
#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QScrollBar;
class QAction;

namespace korv {

class Main;
class VistaButton;

// A rectangle outline over the page that keeps its place and size as set, fractions
// included; the widget shows it at whole pixels.
class ShapeControl : public OverlayShape {
    Q_OBJECT
public:
    explicit ShapeControl(QWidget* parent) : OverlayShape(parent) {}
    void Move(double left, double top, double width, double height);
    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }

private:
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

// The hidden file list: a folder and a name pattern, with the matching names.
struct FileListBox {
    QString Path;
    QString Pattern;
    QStringList entries;
    void Refresh();
};

class SuppForm : public QDialog {
    Q_OBJECT
public:
    explicit SuppForm(Main& main);
    ~SuppForm() override;

    Main& M;
    // Something drawn or placed on the page since it was last saved, opened or begun anew.
    bool PaginaGewijzigd = false;

    // Page size in pixels and the pixels to the millimetre on each axis.
    static constexpr int kPageWidth = 480;
    static constexpr int kPageHeight = 700;
    static constexpr double kPxPerMmX = 2.28;
    static constexpr double kPxPerMmY = 2.34;
    // The page's Top in twips while shown, and while slid away over the help panel.
    static constexpr double kPageTop = 570;
    static constexpr double kPageTopAway = 12030;

    QWidget* client; // the window's area below the menu bar, measured in twips
    QMenuBar* menuBar;

    PictureBox* HelpPic;
    PictureBox* PicHoek;
    PictureBox* PicTop;
    PictureBox* PicLeft;
    PictureBox* Pic;
    PictureBox* UndoPic;
    ShapeControl* Layer;
    OverlayLine* Line1;
    OverlayLine* Line2;
    OverlayLabel* Label3;
    OverlayLabel* TextLabel;
    FileListBox File1;

    QListWidget* List1;
    QLabel* Label2;
    QFrame* Frame2;
    QComboBox* Combo1;
    QLabel* Label1;
    QComboBox* Combo5;
    QCheckBox* Check4;
    QCheckBox* Check1;
    QCheckBox* Check2;
    QCheckBox* Check3;
    QFrame* Frame1;
    QComboBox* Combo3;
    QComboBox* Combo4;
    QLabel* Label6;
    QCheckBox* BoldCheck;
    QCheckBox* ItalicCheck;
    QCheckBox* UnderlineCheck;
    QLabel* Label5;
    QLineEdit* Text1;
    QLabel* Label7;
    std::array<QScrollBar*, 3> HScroll1{};
    std::array<QLabel*, 3> Label10{};
    QLabel* Label9;
    QLabel* Label8;
    VistaButton* PlaatsKnop;
    QComboBox* Combo2;
    QLabel* Label4;
    VistaButton* ExitKnop;

    QMenu *File, *Edit, *Kader, *FileOpen;
    QAction *FileNew, *FileSave, *FilePrint, *FileExit, *EditUndo;
    std::array<QAction*, 3> Openen{}; // 1..2
    std::array<QAction*, 6> Rand{};   // 1..5

    // --- window, page and help (SuppForm.cpp)
    void Form_Load();
    void FileNew_Click();
    void EditUndo_Click();
    void PicHoek_Click();
    void ExitKnop_Click();
    void FileExit_Click();
    // Copies the page into the undo picture.
    void snapshot();

    // --- boxes and measuring (SuppForm_Boxes.cpp)
    void Pic_MouseDown(int Button, int Shift, double X, double Y);
    void Pic_MouseMove(int Button, int Shift, double X, double Y);
    void Pic_MouseUp(int Button, int Shift, double X, double Y);
    void Check2_Click();
    void Check3_Click();
    void Check4_Click();
    int boxColour() const;

    // --- texts, frame and page number (SuppForm_Text.cpp)
    void PlaatsKnop_Click();
    // Prints Cs on Obj at (cX, cY) with the current text settings, which stay on Obj.
    void TekstPlaatsen(Surface& Obj, double cX, int cY, const QString& Cs);
    void Rand_Click(int Index);
    void Check1_Click();
    void Combo2_Change();
    void Combo2_Click() { Combo2_Change(); }
    void HScroll1_Change(int Index);
    void HScroll1_Scroll(int Index) { HScroll1_Change(Index); }
    // The frame and text colour: the sample's background.
    int sampleColour() const;
    // The size in Combo4: 20 when it is no number or not above 0, at most 500.
    double textSize() const;
    void drawFrame(); // the frame at the current width in the sample colour

    // --- files and printing (SuppForm_Files.cpp)
    void Openen_Click(int Index);
    void LoadSupplementLijst(int Index);
    void List1_Click();
    void FileSave_Click();
    void FilePrint_Click();
    void PrintSupplement();
    // A name that can become a file name in the own pages folder.

    // True while the page slides; the window then refuses to close.
    bool sliding() const { return sliding_; }
    void reject() override;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void buildControls();
    void buildMenus();
    void connectControls();
    void printHelp();
    void drawRulers();
    void wait(double seconds);
    void placeReadout(double X, double Y, const QString& caption);
    // Asks before an unsaved page is thrown away; false keeps it.
    bool mayDiscardPage();

    bool sliding_ = false;
    // The list row of the page last opened from it (-1: none), where the list goes back
    // to when the user keeps the unsaved page instead.
    int pageRow_ = -1;
};

} // namespace korv

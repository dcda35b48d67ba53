#pragma once
// The main window: the design canvas with its tools, colours, menus and the frames
// around them. Split into files by concern (Main_Layout, Main_Menus, Main_Commands,
// Main_Help, Algemeen).
#include "AppState.h"
#include "WindowTable.h"
#include "platform/ImageBox.h"
#include "platform/PictureBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QScrollBar>
#include <QSize>
#include <QTimer>
#include <array>
#include <functional>

namespace korv {

class VistaButton;

// Screen facts the help menu reports; replaceable in tests.
struct ScreenMetrics {
    int twipsPerPixelX = 15;
    QSize sizePx;
};

class Main : public QMainWindow {
    Q_OBJECT
public:
    Main(AppState& state, const WindowTable& windows, QWidget* parent = nullptr);
    ~Main() override;

    AppState& S;
    const WindowTable& Windows;

    // --- Frame1: text tool and colours
    QFrame* Frame1;
    QComboBox* Combo1;
    QLabel* Label2;
    QComboBox* Combo2;
    QLabel* Label3;
    QCheckBox *BoldCheck, *ItalicCheck, *UnderlineCheck, *OpenCheck;
    QLabel* TextExample;
    QLineEdit* Text1;
    QLabel* Label4;
    VistaButton* PlaatsKnop;
    QLabel* Label6;
    std::array<QScrollBar*, 3> HScroll1{};
    std::array<QLabel*, 3> Label22{};
    QLabel *Label8, *Label7, *Label5;
    std::array<QScrollBar*, 3> HScroll2{};
    std::array<QLabel*, 3> Label23{};
    QLabel *Label21, *Label20;

    // --- Frame5: clock
    QFrame* Frame5;
    QLabel* KlokLabel;
    QTimer* Timer1;

    // --- Frame6: tool options and progress
    QFrame* Frame6;
    QLabel *Label11, *Label12, *Label18, *Label19, *Label15, *Label16, *Label13, *Label14;
    QLabel *Label24, *Label25, *Label17, *BarLabel, *XYlabel;
    QScrollBar *LijndikteScroll, *StijlScroll, *HoekScroll, *GomScroll, *TransScroll;
    QLabel *Line1, *Line2;
    QCheckBox* Check1;
    PictureBox* Bar;

    // --- Frame2: canvas area
    QFrame* Frame2;
    QLabel* Label1;
    PictureBox* TandPic;
    PictureBox* Pic;
    PictureBox* UndoPic;
    PictureBox *TopMaat, *LeftMaat;
    PictureBox *ClipPic, *ClipPicVert;
    OverlayLabel *TextLabel, *XYcor;
    OverlayShape *Gom, *Layer;
    OverlayLine *VerLijn, *HorLijn;

    // --- Frame3: check boxes, logo and exit
    QFrame* Frame3;
    QCheckBox *KruisCheck, *LineaalCheck, *Check2;
    ImageBox *LogoImg, *ExitKnop;

    // --- Frame4: drawing buttons
    QFrame* Frame4;
    std::array<VistaButton*, 14> TekenKnop{};
    QLabel *Label10, *Label9, *KnopLabel;

    // --- menus (hidden ones are never added to the menu bar)
    QMenu *File, *Edit, *Shapes, *Plakken, *Filters, *Tools, *Flippen, *GradientKleur, *Help,
        *CopySelectie, *Maat;
    QAction *FileNew, *FileOpen, *FileSave, *FilePrint, *FileExit;
    QAction *EditUndo, *EditCopyClipboard;
    std::array<QAction*, 16> Vormen{}; // 1..15
    std::array<QAction*, 10> Plak{};   // 1..9
    std::array<QAction*, 28> Filter{}; // 3..27
    QMenu *EditContrastConvertMenu, *EditSwapMenu;
    std::array<QAction*, 3> EditContrastConvert{}; // 1..2
    std::array<QAction*, 6> EditSwap{};            // 1..5
    QMenu* ToolsBorders;
    std::array<QAction*, 10> ToolsRanden{}; // 1..9
    QAction *ToolsCliparts, *ToolsEigenFoto, *ToolsLijst, *ToolsCaptureScherm, *ToolsConfig;
    std::array<QAction*, 6> Flip{};             // 1..5
    std::array<QAction*, 6> GradientRichting{}; // 0..5
    QAction* HelpHelp;
    QMenu* HelpResolutie;
    std::array<QAction*, 3> Helpscreen{}; // 1..2
    QAction *HelpMeerSoftware, *HelpMeerAfbeeldingen, *HelpSpecialeTekens;
    std::array<QAction*, 5> SelectieCopy{}; // 0..4

    // --- start-up and shutdown
    void Form_Load();
    // Asks about unsaved changes and writes the settings; true keeps the window open.
    bool Form_Unload();
    void FileExit_Click();
    void ExitKnop_Click();
    void LogoImg_Click();
    void EditUndo_Click();
    void EditCopyClipboard_Click();
    void FileNew_Click();
    void FileOpen_Click();
    void FileSave_Click();
    void FilePrint_Click();

    // --- tools menu, help, toggles, clock
    void ToolsCliparts_Click();
    void ToolsEigenFoto_Click();
    void ToolsLijst_Click();
    void ToolsCaptureScherm_Click();
    void ToolsConfig_Click();
    void HelpHelp_Click();
    void Helpscreen_Click(int Index);
    void HelpMeerSoftware_Click();
    void HelpMeerAfbeeldingen_Click();
    void HelpSpecialeTekens_Click();
    void KruisCheck_Click();
    void LineaalCheck_Click();
    void Timer1_Timer();

    // --- drawing buttons and tool options
    void TekenKnop_Click(int Index);
    void TekenKnop_MouseIn(int Index);
    void TekenKnop_MouseOut(int Index);
    void Vormen_Click(int Index);
    void LijndikteScroll_Change();
    void StijlScroll_Change();
    void HoekScroll_Change();
    void GomScroll_Change();
    void TransScroll_Change();
    void HScroll1_Change(int Index);
    void HScroll2_Change(int Index);
    static QString knopHelpText(int Index);
    static const QString kKnopRestText;

    // --- canvas
    void Pic_MouseDown(int Button, int Shift, double X, double Y);
    void Pic_MouseMove(int Button, int Shift, double X, double Y);
    void Pic_MouseUp(int Button, int Shift, double X, double Y);
    // Shows the canvas size or pointer position in XYlabel.
    void setXYlabelText(const QString& text);
    void SelectieCopy_Click(int Index);
    int drawingColour() const; // the swatch Label7
    int fillColour() const;    // the swatch Label20

    // --- text tool
    void PlaatsKnop_Click();
    void VoorbeeldTekst();
    void BoldCheck_Click() { VoorbeeldTekst(); }
    void ItalicCheck_Click() { VoorbeeldTekst(); }
    void UnderlineCheck_Click() { VoorbeeldTekst(); }
    void Combo1_Change() { VoorbeeldTekst(); }
    void Combo1_Click() { Combo1_Change(); }
    void Combo2_Change();
    void Combo2_Click() { Combo2_Change(); }
    // The size of Combo2's text in points: 20 when it is no number or 0 or less, at most 500.
    double textSize() const;
    // Prints a text with the text tool's settings onto a surface at (x, y).
    void PrintStyledText(Surface& target, double x, int y, const QString& text);

    // --- floating picture and paste menu
    void ClipPic_MouseDown(int Button, int Shift, double X, double Y);
    void ClipPic_MouseMove(int Button, int Shift, double X, double Y);
    void ClipPic_MouseUp(int Button, int Shift, double X, double Y);
    void Plak_Click(int Index);

    // Shows a pop-up menu at the pointer and returns when it has closed (the chosen
    // item's handler has run). Tests replace it.
    std::function<void(QMenu*)> popupMenu;

    // Called when the program ends (the entry quits the application).
    std::function<void()> EndProgram;
    std::function<ScreenMetrics()> screenMetrics;
    bool ended() const { return ended_; }

    // A handler that lets events run holds one of these, so that a close request
    // waits for it and the handler is not entered twice.
    class YieldGuard {
    public:
        explicit YieldGuard(Main& m);
        ~YieldGuard();
        YieldGuard(const YieldGuard&) = delete;
        YieldGuard& operator=(const YieldGuard&) = delete;

    private:
        Main& m_;
    };
    bool yielding() const { return yieldDepth_ > 0; }

    QString settingsPath() const;
    static QString formatCaption(int format);

    // --- whole-picture menus
    void Filter_Click(int Index);
    void EditContrastConvert_Click(int Index);
    void EditSwap_Click(int Index);
    void Flip_Click(int Index);
    void GradientRichting_Click(int Index);
    void ToolsRanden_Click(int Index);
    // Every filter of these menus goes through here: by default the dispatcher on the
    // canvas's persistent image with Voortgang as its progress. Tests record the calls.
    std::function<void(int FilterNo, int Param)> applyFilter;

private:
    void connectPictureMenus();

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildFrames();
    void buildMenus();
    void connectTools();
    void eraserDab(double X, double Y);
    void pasteWithoutBackground();
    void rotateLeft();
    void pressAnimation(ImageBox* img);
    void endNow();

    int yieldDepth_ = 0;
    bool closePending_ = false;
    bool ended_ = false;
    bool unloading_ = false;
};

// Widgets placed in twips on frames and windows.
void placeTwips(QWidget* w, double left, double top, double width = -1, double height = -1);
void setBackColour(QWidget* w, int colour);
void setForeColour(QWidget* w, int colour);
// A label without caption used as a coloured panel (the dark boxes behind sliders).
QLabel* colourBox(QWidget* parent, int colour);

} // namespace korv

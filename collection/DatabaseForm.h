#pragma once
// The collection window: one stamp collection at a time, kept as the items of the
// record list, with a record editor, a photo viewer, a print panel, collection files,
// word lists and an HTML export. Split into files by concern: _Layout (window, panels,
// clock, closing), _Records (editor and photo), _Files (collection files), _WordLists,
// _Print (reports) and _Html (the page export).
#include "CollectionFile.h"

#include <QDialog>
#include <QImage>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QRadioButton;
class QScrollBar;
class QTimer;
class QAction;

namespace korv {

class EditData;
class ListView;
class Main;
class PictureBox;
class Printer;
class VistaButton;
struct AppState;

class DatabaseForm : public QDialog {
    Q_OBJECT
public:
    // `naam` is the collection's name, which outlives the window within one run.
    DatabaseForm(Main& main, QString& naam);
    ~DatabaseForm() override;

    Main& M;
    AppState& S;
    QString& Naam;
    // Records added, changed or deleted since the collection was last saved or opened.
    bool VerzamelingGewijzigd = false;

    // --- menus
    QMenuBar* MenuBar;
    QMenu *File, *Tools;
    QAction *FileNew, *FileOpen, *FileOpslaan, *FilePrint, *FileExit;
    QAction *ToolsBewerkData, *ToolsConverteren;

    QWidget* Client; // the window's area below the menu bar

    // --- title strip
    PictureBox* MenuPic;
    QLabel *Label2, *KlokLabel;

    // --- Frame1: record editor
    QFrame* Frame1;
    QLabel* Label9;
    QComboBox *Combo1, *Combo2, *Combo3, *Combo4, *Combo5;
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text6, *Text7;
    QPlainTextEdit* Text5;
    std::array<QLabel*, 11> Label1{};
    VistaButton *AddKnop, *WijzigKnop, *DelKnop;

    // --- Frame6: collection files
    QFrame* Frame6;
    QListWidget* List1;
    QStringList File1; // the hidden file list: the "*.col" files of the collection folder
    VistaButton* OpenKnop;
    QLabel* Label7;

    // --- Frame2: record list
    QFrame* Frame2;
    ListView* ListView1;

    // --- Frame5: photo viewer
    QFrame* Frame5;
    PictureBox *PicCont, *SlidePic, *BackPic;
    QLabel *Label3, *Label4;
    QScrollBar *HScroll, *VScroll;

    // --- Frame3: thumbnail
    QFrame* Frame3;
    PictureBox* Image1;
    VistaButton* ShowKnop;
    QLabel* Label5;
    QImage Image2; // the placeholder photo

    // --- Frame7: print panel
    QFrame* Frame7;
    QComboBox* Combo6;
    QLabel* Label11;
    std::array<QRadioButton*, 3> Option1{};
    VistaButton* PrintKnop;

    // --- Frame4: status bar
    QFrame* Frame4;
    QLabel *Label6, *Label10, *Label8;
    PictureBox* Bar;
    VistaButton* ExitKnop;
    QTimer* Timer1;

    // --- window, panels, clock, closing
    void Form_Load();
    void ShowKnop_Click();
    void Timer1_Timer();
    void ExitKnop_Click();
    void FileExit_Click();

    // --- records and photo viewer
    void AddKnop_Click();
    void WijzigKnop_Click();
    void DelKnop_Click();
    void ListView1_ItemClick();
    void SlidePic_MouseDown(int Button, int Shift, double X, double Y);
    void SlidePic_MouseMove(int Button, int Shift, double X, double Y);
    void HScroll_Change();
    void HScroll_Scroll() { HScroll_Change(); }
    void VScroll_Change();
    void VScroll_Scroll() { VScroll_Change(); }
    // The editor's twelve texts in field order.
    CollectionRecord editorRecord() const;
    void showRecordInEditor(const CollectionRecord& r);

    // --- sorting
    void ListView1_ColumnClick(int column);
    void ClearSortIcons(int column);

    // --- collection files
    void FileNew_Click();
    void FileOpen_Click();
    void List1_DblClick() { OpenKnop_Click(); }
    void OpenKnop_Click();
    void FileOpslaan_Click();
    // Writes the list as the collection `naam`; false (after an "Error" box) on failure.
    bool SaveVerzameling(const QString& naam);
    // Replaces the list with the records of the collection `naam`.
    void LoadVerzameling(const QString& naam);

    // --- word lists
    void LoadCategorie();
    void LoadSoort();
    void LoadType();
    void LoadConditie();
    void ToolsBewerkData_Click();
    // Shows the word-list editor modally; tests replace it.
    std::function<void(EditData&)> runEditData;

    // --- reports
    void FilePrint_Click();
    void Combo6_Click() { Combo6_Change(); }
    void Combo6_Change();
    void PrintKnop_Click();

    // --- HTML page
    void ToolsConverteren_Click();
    void MaakHtmlPage();

    bool saving() const { return saving_; }

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

private:
    void buildControls();
    void connectControls();
    void layoutEditor();
    void loadWordList(QComboBox* combo, const QString& fileName);
    void showCount(const QString& prefix);
    void computePanLimits();
    QString collectionLabel() const;
    // Asks before unsaved records are thrown away; false keeps them.
    bool mayDiscardRecords();

    void PrintLijst();
    void PrintLijstPrijs();
    void PrintRecord();
    void PrintLijstKop(Printer& p);
    void PrintLijstPrijsKop(Printer& p);
    void printHead(Printer& p, const QString& collectionLine);
    void printPrice(Printer& p, double rightEdge, double y, const QString& value);
    void finishReport(Printer& p);

    bool saving_ = false;
    bool photoShown_ = false; // the selected record's own photo is in SlidePic
};

} // namespace korv

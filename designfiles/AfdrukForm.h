#pragma once
// The print window: a printer from the list, one of five jobs (the design, a sheet of
// stamps mint or cancelled, thumbnails of all designs, small or large price labels), the
// number of copies and a preview of what the job prints. "Afdrukken" runs the job and
// closes the window; the printer chosen in the list stays the current one.
#include <QDialog>
#include <QStringList>
#include <array>

class QComboBox;
class QFrame;
class QLabel;
class QRadioButton;

namespace korv {

class ImageBox;
class Main;
class PictureBox;
class VistaButton;

class AfdrukForm : public QDialog {
    Q_OBJECT
public:
    explicit AfdrukForm(Main& main);

    Main& M;

    QLabel* Label8;
    QLabel* Label2; // the frame behind the preview
    PictureBox* Pic;
    QComboBox* Combo2; // printers
    QLabel* Label1;
    QFrame* Frame1;
    std::array<QRadioButton*, 5> Option1{}; // index = job
    QFrame* Frame2;
    QLabel* Label3;
    std::array<QRadioButton*, 2> Option2{}; // 0 "Gestempeld", 1 "Postfris"
    QComboBox* Combo1;                      // number of copies
    QLabel* Label5;
    VistaButton* CancelKnop;
    VistaButton* PrintKnop;
    // Never shown: the work picture, the postmark, the sheet text's measurer, the
    // designs for the thumbnails and the sample pictures of the previews.
    PictureBox* BackPic;
    PictureBox* StempelPic;
    QLabel* TekstOpVelLabel;
    QStringList File1;
    ImageBox *Image1, *Image2, *Image3;

    void Form_Load();
    void Combo2_Click() { Combo2_Change(); }
    void Combo2_Change();
    void Option1_Click(int Index);
    void PrintKnop_Click();
    void CancelKnop_Click();

    // The jobs; only the print button runs them.
    void PrintOntwerp();
    void PrintVelletje(int& Format);
    void PrintPrijslabelsKlein();
    void PrintPrijslabelsGroot();

    bool printing() const { return printing_; }
    void reject() override;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void ZetVoorbeeld(int& Format);
    void showCanvas();
    void sizePreview(double labelWidth, double labelHeight, double width, double height);
    void showJobPreview(int job);
    void PrintAlleOntwerpen();
    int copies() const;
    // A document the printer could not produce is reported; nothing else is.
    void reportFailure(bool ok);

    bool printing_ = false;
};

} // namespace korv

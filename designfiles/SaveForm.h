#pragma once
// The save-design window: writes the canvas as Ontwerpen/<name>.bmp with a JPEG copy in
// the user's pictures folder, then plays a short progress animation and closes.
#include <QDialog>

class QLabel;
class QLineEdit;

namespace korv {

class Main;
class PictureBox;
class VistaButton;

class SaveForm : public QDialog {
    Q_OBJECT
public:
    explicit SaveForm(Main& main);

    Main& M;

    QLineEdit* Text1;
    PictureBox* Bar;
    QLabel* Label1;
    QLabel* Label2;
    VistaButton* CancelKnop;
    VistaButton* SaveKnop;

    void Form_Load();
    void Text1_Click();
    void SaveKnop_Click();
    void CancelKnop_Click();

    // True while the progress animation runs; the window then refuses to close.
    bool animating() const { return animating_; }
    // A name that can become a file name in the designs folder.

    void reject() override;

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void runAnimation();

    bool animating_ = false;
};

} // namespace korv

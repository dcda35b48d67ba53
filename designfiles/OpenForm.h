#pragma once
// The open-design window: lists the designs folder, previews the clicked design at a
// third of its size, deletes a design on request and opens the chosen one onto the
// canvas in its own format.
#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;

namespace korv {

class Main;
class PictureBox;
class VistaButton;

class OpenForm : public QDialog {
    Q_OBJECT
public:
    explicit OpenForm(Main& main);

    Main& M;

    QListWidget* List1;
    QLabel* Label2;
    QLabel* Label1;
    PictureBox* Pic1;
    VistaButton* DelKnop;
    VistaButton* CancelKnop;
    VistaButton* OkKnop;
    QStringList File1;   // the hidden file list: names of the folder's "*.bmp" files
    PictureBox* BackPic; // hidden, takes the size of the picture loaded into it

    void Form_Load();
    void List1_Click();
    void DelKnop_Click();
    void OkKnop_Click();
    void CancelKnop_Click();

private:
    // Path of the selected entry's file; empty when nothing is selected.
    QString selectedPath() const;
    void showCount();
};

} // namespace korv

#pragma once
// The word-list editor: picks a text file of the Data folder, shows its items sorted,
// adds and deletes items and writes the list back.
#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace korv {

class Main;
class PictureBox;
class VistaButton;

class EditData : public QDialog {
    Q_OBJECT
public:
    EditData(Main& main, QWidget* parent);

    Main& M;

    QComboBox* Combo1;
    QListWidget* List1;
    QLabel* Label2;
    QLineEdit* Text1;
    VistaButton* AddKnop;
    PictureBox* Bar;
    VistaButton* DeleteKnop;
    QLabel* Label5;
    VistaButton* CancelKnop;
    VistaButton* OkKnop;
    QString Bestand; // the path of the chosen file

    void Form_Load();
    void Combo1_Click() { Combo1_Change(); }
    void Combo1_Change();
    void List1_Click();
    void AddKnop_Click();
    void DeleteKnop_Click();
    void OkKnop_Click();
    void CancelKnop_Click();

    QStringList items() const;
    bool saving() const { return saving_; }

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

private:
    void showCount(const QString& suffix);
    void addSorted(const QString& item);

    bool saving_ = false;
};

} // namespace korv

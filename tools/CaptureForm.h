#pragma once
// The desktop capture window: copies the screen while the program is minimised, lets
// the user draw a rectangle on the copy and hands that piece to the canvas.
#include <QDialog>
#include <QImage>
#include <functional>

class QAction;
class QMenuBar;
class QScrollArea;

namespace korv {

class Main;
class OverlayLabel;
class OverlayShape;
class PictureBox;

class CaptureForm : public QDialog {
    Q_OBJECT
public:
    explicit CaptureForm(Main& main);

    Main& M;

    QMenuBar* MenuBar;
    QAction *FileExit, *Afdruk, *Export;
    QScrollArea* View; // lets a copy larger than the window be scrolled
    PictureBox* Pic;
    OverlayLabel* Label1;
    OverlayShape* Layer;
    PictureBox* Picture1;

    // Width and height in pixels of the last rectangle.
    double SelectieBreedte = 0, SelectieHoogte = 0;

    // Takes the picture of the screen; tests replace it.
    std::function<QImage()> grabScreen;

    void Form_Load();
    void FileExit_Click();
    void Afdruk_Click();
    void Pic_MouseDown(int Button, int Shift, double X, double Y);
    void Pic_MouseMove(int Button, int Shift, double X, double Y);
    void Pic_MouseUp(int Button, int Shift, double X, double Y);
    void Export_Click();

    bool capturing() const { return capturing_; }

public slots:
    void reject() override;

private:
    void CaptureScreen();
    // Waits while the windows repaint, with mouse and key input held back.
    void fitView();
    bool capturing_ = false;
};

} // namespace korv

// Entry of the program: one window with the canvas until the main window arrives.
#include "platform/Colour.h"
#include "platform/Files.h"
#include "platform/PictureBox.h"
#include "platform/Services.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    korv::Services services;
    services.programFolder = QCoreApplication::applicationDirPath();

    QMainWindow window;
    window.setWindowTitle(korv::kProgramTitle);
    auto* pic = new korv::PictureBox(&window);
    pic->setAutoSize(true);
    QImage logo;
    if (korv::loadPicture(korv::programPath(services.programFolder, "Data/Logo-1.jpg"), logo))
        pic->setPicture(logo);
    window.setCentralWidget(pic);
    window.resize(pic->width() > 1 ? pic->width() : 415, pic->height() > 1 ? pic->height() : 310);
    window.show();
    return app.exec();
}

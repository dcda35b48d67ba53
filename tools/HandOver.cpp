#include "HandOver.h"

#include "editor/Main.h"
#include "platform/Services.h"

#include <QDialog>

namespace korv {

namespace {
void showAtTopLeft(Main& m) {
    m.ClipPic->Move(0, 0);
    m.ClipPic->show();
    m.ClipPic->raise();
    m.ClipPic->Refresh();
}
} // namespace

void handOverPicture(Main& m, const QImage& picture) {
    m.ClipPic->setPicture(picture);
    showAtTopLeft(m);
}

void handOverPainted(Main& m, const QImage& source, int w, int h) {
    m.ClipPic->clearPicture();
    m.ClipPic->Move(0, 0, w, h);
    m.ClipPic->Cls();
    Surface src;
    src.setImage(source);
    m.ClipPic->surface().copy(0, 0, w, h, src, 0, 0);
    showAtTopLeft(m);
}

void showPlacementHint(Main& m) {
    if (!m.S.MeldingPlaatsen) return;
    m.S.services.dialogs->msgBox("Verschuif met ingedrukte linkermuisknop het object.\r\n"
                                 "Klik vervolgens rechts op het object voor het plaatsen.",
                                 Mb::OkOnly);
}

void layoutToolForm(QDialog* form, double widthTwips, double heightTwips, const QString& caption,
                    int backColour, bool fixed) {
    // The layouts were measured against a small sans-serif face, as the main window's.
    QFont uiFont("Arial");
    uiFont.setPixelSize(11);
    form->setFont(uiFont);
    form->setWindowTitle(caption);
    setBackColour(form, backColour);
    const int frame = 3, captionBar = 23;
    const QSize client(static_cast<int>(widthTwips / 15) - 2 * frame,
                       static_cast<int>(heightTwips / 15) - 2 * frame - captionBar);
    if (fixed)
        form->setFixedSize(client);
    else
        form->resize(client);
}

} // namespace korv

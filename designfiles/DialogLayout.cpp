#include "DialogLayout.h"

#include "editor/Main.h"

#include <QDialog>
#include <QLabel>

namespace korv {

void layoutForm(QDialog* form, double widthTwips, double heightTwips, const QString& caption,
                int backColour) {
    // The layouts were measured against a small sans-serif face, as the main window's.
    QFont uiFont("Arial");
    uiFont.setPixelSize(11);
    form->setFont(uiFont);
    form->setWindowTitle(caption);
    setBackColour(form, backColour);
    const int frame = 3, captionBar = 23;
    form->setFixedSize(static_cast<int>(widthTwips / 15) - 2 * frame,
                       static_cast<int>(heightTwips / 15) - 2 * frame - captionBar);
}

void placeCaption(QLabel* label, const QString& text, double left, double top, int foreColour) {
    label->setText(text);
    setForeColour(label, foreColour);
    label->setAutoFillBackground(false);
    placeTwips(label, left, top);
}

} // namespace korv

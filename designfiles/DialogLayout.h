#pragma once
// What the windows of this folder share in laying themselves out.
#include <QString>

class QDialog;
class QLabel;

namespace korv {

// Sets caption, back colour and size of a modal window. The sizes are the window's
// outer size in twips, frame and caption included, as the layouts were measured; the
// client area is what remains inside a 3-pixel frame and a 23-pixel caption.
void layoutForm(QDialog* form, double widthTwips, double heightTwips, const QString& caption,
                int backColour);
// A caption label sized to its text, with a transparent background.
void placeCaption(QLabel* label, const QString& text, double left, double top, int foreColour);

} // namespace korv

#pragma once
// Handing a finished picture to the main window's floating picture ClipPic, where the
// user drags it into place and pastes it, and the hint that tells how. Shared by the
// windows of this folder that build a picture for the canvas.
#include <QImage>
#include <QString>

class QDialog;

namespace korv {

class Main;

// ClipPic takes the picture and its size, at the canvas's top-left corner, shown.
void handOverPicture(Main& m, const QImage& picture);
// ClipPic is emptied, sized to w x h pixels and the top-left w x h of `source` is
// painted into it (pixels beyond `source` keep ClipPic's back colour).
void handOverPainted(Main& m, const QImage& source, int w, int h);
// The two-line placement hint, when the setting asks for it.
void showPlacementHint(Main& m);

// Caption, back colour, font and size of a window of this folder. The sizes are the
// window's outer size in twips, frame and caption included; the client area is what
// remains inside a 3-pixel frame and a 23-pixel caption. `fixed` windows cannot be
// resized.
void layoutToolForm(QDialog* form, double widthTwips, double heightTwips, const QString& caption,
                    int backColour, bool fixed = true);

} // namespace korv

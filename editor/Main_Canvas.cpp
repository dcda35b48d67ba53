// Presses, drags and releases on the design canvas, and the selection pop-up.
#include "Main.h"
#include "Shapes.h"
#include "platform/Colour.h"
#include "platform/VbMath.h"

namespace korv {

namespace {
constexpr int kBlank = 240 + 256 * 240 + 65536 * 240;

// A number as the read-outs show it: a whole number without decimals.
QString num(double v) {
    return Format(v);
}
} // namespace

void Main::eraserDab(double X, double Y) {
    const double s = S.GomGrootte;
    const int colour = Check1->isChecked() ? fillColour() : kBlank;
    Surface& c = Pic->surface();
    c.fillColor = colour;
    c.fillStyle = FillSolid;
    c.circle(X - s / 2, Y - s / 2, s / 2 - 2, colour);
    c.fillStyle = FillTransparent;
}

void Main::Pic_MouseDown(int Button, int, double X, double Y) {
    UndoPic->setPicture(Pic->Image());
    S.StartX = X;
    S.StartY = Y;
    Gom->Move(X - S.GomGrootte, Y - S.GomGrootte, widthInContainer(Gom), heightInContainer(Gom));
    Surface& c = Pic->surface();
    c.drawWidth = S.Lijndikte;
    if (Button != Mouse::Left) return;
    switch (S.Tool) {
    case 0:
        break;
    case 1:
        S.LastX = S.StartX;
        S.LastY = S.StartY;
        c.drawMode = DrawInvert;
        break;
    case 18: {
        c.drawMode = DrawCopyPen;
        c.fillColor = fillColour();
        c.fillStyle = FillSolid;
        const int clicked = c.point(X, Y);
        c.floodFill(vbCInt(X), vbCInt(Y), clicked, FloodMode::Surface);
        Pic->Refresh();
        c.fillStyle = FillTransparent;
        break;
    }
    case 19:
        Gom->Move(X - S.GomGrootte, Y - S.GomGrootte, S.GomGrootte, S.GomGrootte);
        Gom->show();
        eraserDab(X, Y);
        break;
    default:
        if ((S.Tool >= 2 && S.Tool <= 16) || S.Tool == 20) {
            XYcor->setText(" 0, 0 ");
            XYcor->adjustSize();
            XYcor->Move(S.StartX - 3, S.StartY - 15);
            XYcor->show();
            Layer->Move(X, Y, 0, 0);
            Layer->show();
        }
        break;
    }
}

void Main::Pic_MouseMove(int Button, int, double X, double Y) {
    setXYlabelText(num(X) + " x " + num(Y));
    const double w = Pic->Width(), h = Pic->Height();
    HorLijn->setLine(0, Y, w, Y);
    VerLijn->setLine(X, 0, X, h);
    TextLabel->Move(X, Y - heightInContainer(TextLabel) - 5);
    Gom->Move(X - S.GomGrootte, Y - S.GomGrootte, widthInContainer(Gom), heightInContainer(Gom));
    if (Button == Mouse::Left) {
        Surface& c = Pic->surface();
        const int t = S.Tool;
        if (t == 0) {
            c.line(S.StartX, S.StartY, X, Y, drawingColour());
            S.StartX = X;
            S.StartY = Y;
        } else if (t == 1) {
            // In invert mode the first line takes the previous rubber line away.
            c.line(S.StartX, S.StartY, S.LastX, S.LastY);
            c.line(S.StartX, S.StartY, X, Y);
        } else if ((t >= 2 && t <= 16) || t == 20) {
            if (X < S.StartX) X = S.StartX;
            if (Y < S.StartY) Y = S.StartY;
            Layer->Move(S.StartX, S.StartY, X - S.StartX + 1, Y - S.StartY + 1);
            if (t == 20)
                XYcor->setText(" " + num(widthInContainer(Layer)) + "," +
                               num(heightInContainer(Layer)) + " ");
            else
                XYcor->setText(" " + num(X - S.StartX) + ", " + num(Y - S.StartY) + " ");
            XYcor->adjustSize();
        } else if (t == 19) {
            S.Gewijzigd = true;
            eraserDab(X, Y);
        }
        if (t == 0 || t == 1 || (t >= 2 && t <= 16) || t == 19 || t == 20) {
            S.Gewijzigd = true;
            Pic->Refresh();
        }
        // The end of the last rubber line: only a left-button drag moves it.
        S.LastX = X;
        S.LastY = Y;
    }
}

void Main::Pic_MouseUp(int Button, int, double X, double Y) {
    if (S.TekstPlaatsenActief) {
        UndoPic->setPicture(Pic->Image());
        S.Gewijzigd = true;
        PrintStyledText(Pic->surface(), X, vbCInt(Y - heightInContainer(TextLabel) - 5),
                        Text1->text());
        TextLabel->hide();
        S.TekstPlaatsenActief = false;
        Pic->Refresh();
        return;
    }
    Surface& c = Pic->surface();
    c.drawMode = DrawCopyPen;
    c.fillStyle = FillTransparent;
    if (Button == Mouse::Left) {
        S.Gewijzigd = true;
        const int t = S.Tool;
        if (t == 1) {
            c.line(S.StartX, S.StartY, X, Y, drawingColour());
        } else if (t >= 2 && t <= 16) {
            if (X > S.StartX && Y > S.StartY) {
                const ShapeBox box{
                    S.StartX, S.StartY, X, Y, widthInContainer(Layer), heightInContainer(Layer)};
                drawShape(c, shapeSteps(t, box, Check2->isChecked(), StijlScroll->value(), S.Hoek),
                          drawingColour());
            }
        } else if (t == 20) {
            S.SelBreedte = widthInContainer(Layer);
            S.SelHoogte = heightInContainer(Layer);
            popupMenu(CopySelectie);
        }
    }
    Pic->Refresh();
    if (S.Tool != 20) Layer->hide();
    Gom->hide();
    XYcor->hide();
}

void Main::SelectieCopy_Click(int Index) {
    UndoPic->setPicture(Pic->Image());
    const double L = leftInContainer(Layer), T = topInContainer(Layer);
    const double W = S.SelBreedte, H = S.SelHoogte;
    Surface& c = Pic->surface();
    if (Index == 2) {
        ClipPic->clearPicture();
        ClipPic->Move(0, 0, W, H);
        ClipPic->Cls();
        ClipPic->surface().copy(0, 0, vbCInt(W), vbCInt(H), c, vbCInt(L), vbCInt(T));
        ClipPic->show();
        ClipPic->raise();
        ClipPic->Refresh();
    } else if (Index == 3 || Index == 4) {
        c.filledBox(L, T, L + W, T + H, RGB(255, 255, 255));
        if (Index == 4) {
            const int style = c.fillStyle;
            c.fillStyle = FillTransparent;
            c.box(L, T, L + W, T + H, 0);
            c.fillStyle = style;
        }
        Pic->Refresh();
    }
    Layer->hide();
}

} // namespace korv

// The floating picture: dragging it and the paste menu.
#include "Main.h"
#include "imaging/PictureOps.h"
#include "platform/VbMath.h"

namespace korv {

void Main::ClipPic_MouseDown(int, int, double X, double Y) {
    S.PanStartX = X;
    S.PanStartY = vbCInt(Y);
}

void Main::ClipPic_MouseMove(int Button, int, double X, double Y) {
    if (Button != Mouse::Left) return;
    S.PanLeft = ClipPic->Left() + (X - S.PanStartX);
    S.PanTop = vbCInt(Y - S.PanStartY + ClipPic->Top());
    ClipPic->Move(S.PanLeft, S.PanTop);
}

void Main::ClipPic_MouseUp(int Button, int, double, double) {
    if (Button == Mouse::Right) popupMenu(Plakken);
}

void Main::Plak_Click(int Index) {
    // A paste that yields row by row is still running: nothing may change under it.
    if (S.imaging.busy()) return;
    UndoPic->setPicture(Pic->Image());
    S.Gewijzigd = true;
    Surface& c = Pic->surface();
    const int left = vbCInt(ClipPic->Left()), top = vbCInt(ClipPic->Top());
    const Surface& obj = ClipPic->surface();
    switch (Index) {
    case 3:
        c.copy(left, top, obj.widthPx(), obj.heightPx(), obj, 0, 0, Rop::SrcCopy);
        ClipPic->hide();
        break;
    case 4:
        c.copy(left, top, obj.widthPx(), obj.heightPx(), obj, 0, 0, Rop::SrcAnd);
        ClipPic->hide();
        break;
    case 5:
        pasteWithoutBackground();
        break;
    case 7:
        rotateLeft();
        break;
    case 8:
        FlipHorizontal(*ClipPic);
        ClipPic->Refresh();
        break;
    case 9:
        FlipVertical(*ClipPic);
        ClipPic->Refresh();
        break;
    default:
        ClipPic->hide();
        break;
    }
    Pic->Refresh();
}

void Main::pasteWithoutBackground() {
    OperationGuard running(S.imaging);
    const Surface& obj = ClipPic->surface();
    const int key = obj.pixel(2, 2);
    BusyPointerGuard busy(S.services.busy);
    ClipPic->hide();
    const double left = ClipPic->Left(), top = ClipPic->Top();
    Surface& c = Pic->surface();
    for (int y = 0; y < obj.heightPx(); ++y) {
        for (int x = 0; x < obj.widthPx(); ++x) {
            const int col = obj.pixel(x, y);
            if (col != key) c.setPixel(vbCInt(left + x), vbCInt(top + y), col);
        }
        doEvents(false);
        Pic->Refresh();
    }
}

void Main::rotateLeft() {
    OperationGuard running(S.imaging);
    const Surface& obj = ClipPic->surface();
    const int W = obj.widthPx(), H = obj.heightPx();
    ClipPicVert->clearPicture();
    ClipPicVert->Move(ClipPicVert->Left(), ClipPicVert->Top(), H, W);
    ClipPicVert->Cls();
    BusyPointerGuard busy(S.services.busy);
    Surface& v = ClipPicVert->surface();
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x)
            v.setPixel(y, W - 1 - x, obj.pixel(x, y));
        doEvents(false);
        ClipPicVert->Refresh();
    }
    ClipPic->setPicture(ClipPicVert->Image());
    ClipPic->Refresh();
}

} // namespace korv

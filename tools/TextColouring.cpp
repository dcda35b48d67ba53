#include "TextColouring.h"

#include "platform/Colour.h"
#include "platform/Surface.h"

namespace korv::colouring {

int familyColour(int family, int k) {
    switch (family) {
    case 0:
        return RGB(k, k, k);
    case 1:
        return RGB(k, 0, 0);
    case 2:
        return RGB(0, k, 0);
    case 3:
        return RGB(0, 0, k);
    case 4:
        return RGB(k, 0, k);
    case 5:
        return RGB(k, k, 0);
    default:
        return -1;
    }
}

void PaintColourBand(Surface& back, int family) {
    if (familyColour(family, 0) < 0) return;
    const int right = kBandWidth - 1;
    const int saveWidth = back.drawWidth, saveMode = back.drawMode;
    back.drawWidth = 1;
    back.drawMode = DrawCopyPen;
    for (int i = 0; i <= 33; ++i) {
        const int c = familyColour(family, 7 * i);
        for (const int row :
             {i, 67 - i, 67 + i, 134 - i, 134 + i, 201 - i, 201 + i, 268 - i, 268 + i, 335 - i})
            back.line(0, row, right, row, c);
    }
    back.drawWidth = saveWidth;
    back.drawMode = saveMode;
}

bool isTextPixel(int colour) {
    return redOf(colour) != 255 && greenOf(colour) != 255 && blueOf(colour) != 255;
}

void colourRow(Surface& pic, const Surface& back, int y) {
    for (int x = 0; x < pic.widthPx(); ++x) {
        const int c = pic.pixel(x, y);
        if (c < 0 || !isTextPixel(c)) continue;
        const int b = back.pixel(x, y);
        if (b >= 0) pic.setPixel(x, y, b);
    }
}

} // namespace korv::colouring

#include "imaging/PictureOps.h"

#include "platform/Colour.h"
#include "platform/Services.h"
#include "platform/VbMath.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace korv {

namespace {

int widthOf(const PictureBox& pic) {
    return vbCInt(pic.ScaleWidth());
}
int heightOf(const PictureBox& pic) {
    return vbCInt(pic.ScaleHeight());
}

// What the loops do after each row or column: show the change, let painting and timers
// run (never user input), report the progress with a whole-number maximum.
void stepDone(ImagingState& state, PictureBox& pic, int value, double max) {
    pic.Refresh();
    doEvents(false);
    state.progress.ShowProgress(value, vbCInt(max));
}

// Each pixel's colour through `map`, row by row, each row followed by stepDone.
template <class Map> void mapRowByRow(ImagingState& state, PictureBox& pic, Map map) {
    const int W = widthOf(pic), H = heightOf(pic);
    for (int y = 0; y <= H - 1; ++y) {
        Surface& s = pic.surface();
        for (int x = 0; x <= W - 1; ++x)
            s.setPixel(x, y, map(s.pixel(x, y)));
        stepDone(state, pic, y, H - 1);
    }
}

// Splits a colour into its components by whole-number division.
void splitColorValue(int c, int& R, int& G, int& B) {
    B = c / 65536;
    G = (c - 65536 * B) / 256;
    R = c - 65536 * B - 256 * G;
}

int neonComponent(int v) {
    double r;
    if (v == 255)
        return 255;
    else if (v > 127)
        r = static_cast<double>(v) / (255 - v);
    else
        r = static_cast<double>(v) * (255 - v);
    return std::min(vbCInt(r), 255);
}

} // namespace

void FlipHorizontal(PictureBox& pic) {
    Surface& s = pic.surface();
    const int W = widthOf(pic), H = heightOf(pic);
    s.stretchCopy(0, 0, W, H, s, W - 1, 0, -W, H, Rop::SrcCopy);
}

void FlipVertical(PictureBox& pic) {
    Surface& s = pic.surface();
    const int W = widthOf(pic), H = heightOf(pic);
    s.stretchCopy(0, 0, W, H, s, 0, H - 1, W, -H, Rop::SrcCopy);
}

void CopyLeftSide(ImagingState& state, PictureBox& pic) {
    if (state.busy()) return;
    OperationGuard guard(state);
    const int W = widthOf(pic), H = heightOf(pic);
    const double half = (W - 1) / 2.0;
    for (int x = 0; x <= half; ++x) {
        Surface& s = pic.surface();
        for (int y = 0; y <= H - 1; ++y)
            s.setPixel(W - 1 - x, y, s.pixel(x, y));
        stepDone(state, pic, x, half);
    }
}

void CopyTopSide(ImagingState& state, PictureBox& pic) {
    if (state.busy()) return;
    OperationGuard guard(state);
    const int W = widthOf(pic), H = heightOf(pic);
    const double half = (H - 1) / 2.0;
    for (int y = 0; y <= half; ++y) {
        Surface& s = pic.surface();
        for (int x = 0; x <= W - 1; ++x)
            s.setPixel(x, H - 1 - y, s.pixel(x, y));
        stepDone(state, pic, y, half);
    }
}

void CopyCorners(ImagingState& state, PictureBox& pic) {
    if (state.busy()) return;
    OperationGuard guard(state);
    const int W = widthOf(pic), H = heightOf(pic);
    const double half = (H - 1) / 2.0;
    for (int y = 0; y <= half; ++y) {
        Surface& s = pic.surface();
        // Left to right over the whole width: the right half reads back what the first
        // write just mirrored there, so the lower row receives the finished upper row.
        for (int x = 0; x <= W - 1; ++x) {
            const int c = s.pixel(x, y);
            s.setPixel(W - 1 - x, y, c);
            s.setPixel(x, H - 1 - y, c);
        }
        stepDone(state, pic, y, half);
    }
}

void ApplySepia(ImagingState& state, PictureBox& pic) {
    if (state.busy()) return;
    OperationGuard guard(state);
    const int W = widthOf(pic), H = heightOf(pic);
    for (int x = 0; x <= W - 1; ++x) {
        Surface& s = pic.surface();
        for (int y = 0; y <= H - 1; ++y) {
            const int c = s.pixel(x, y);
            const int r = c % 256;
            int g = (c / 256) % 256;
            int b = c / 65536;
            g = std::abs(g - 40);
            if (g > r) g = 0;
            b = std::abs(b - 80);
            if (b > g) b = 0;
            s.setPixel(x, y, RGB(r, g, b));
        }
        stepDone(state, pic, x, W - 1);
    }
}

void ApplyDodge(ImagingState& state, PictureBox& pic) {
    if (state.busy()) return;
    OperationGuard guard(state);
    mapRowByRow(state, pic, [](int c) {
        const int r = c & 255;
        const int g = (c & 65280) / 256;
        const int b = (c & 16711680) / 65536;
        return RGB(2 * r, 2 * g, 2 * b);
    });
}

void ApplyNeon(ImagingState& state, PictureBox& pic) {
    if (state.busy()) return;
    OperationGuard guard(state);
    mapRowByRow(state, pic, [](int c) {
        int R = 0, G = 0, B = 0;
        splitColorValue(c, R, G, B);
        return RGB(neonComponent(R), neonComponent(G), neonComponent(B));
    });
    pic.Refresh();
}

void ConvertBlackWhite(ImagingState& state, PictureBox& pic) {
    if (state.busy()) return;
    OperationGuard guard(state);
    const QString answer = state.services.dialogs->inputBox(
        QStringLiteral("Geef een getal voor zwart-wit balans (0-255, hoge waarde is donkerder)"),
        QString(), QStringLiteral("40"));
    // An answer that is no number cannot be compared with a grey value: leave the
    // picture as it is, as for Cancel, rather than paint it all white.
    if (answer.isEmpty() || !IsNumeric(answer)) return;
    const double threshold = Val(answer);
    mapRowByRow(state, pic, [threshold](int c) {
        int R = 0, G = 0, B = 0;
        splitColorValue(c, R, G, B);
        const double grey = vbRound((R + G + B) / 3.0);
        return grey >= threshold ? kWhite : kBlack;
    });
    pic.Refresh();
}

void ApplyTransparency(ImagingState& state, PictureBox& Pic, PictureBox& UndoPic, int Percent) {
    if (state.busy()) return;
    OperationGuard guard(state);
    BusyPointerGuard hourglass(state.services.busy);
    const int W = widthOf(Pic), H = heightOf(Pic);
    auto fade = [Percent](int v) { return vbCInt((v * Percent + (100 - Percent) * 255) / 100.0); };
    for (int x = 0; x <= W - 1; ++x) {
        const Surface& src = UndoPic.surface();
        Surface& dst = Pic.surface();
        for (int y = 0; y <= H - 1; ++y) {
            const int c = src.pixel(x, y);
            // A pixel the undo copy does not have is left alone instead of being faded
            // from an invalid colour.
            if (c < 0) continue;
            const int r = c % 256;
            const int b = c / 65536;
            const int g = (c - 65536 * b - r) / 256;
            dst.setPixel(x, y, RGB(fade(r), fade(g), fade(b)));
        }
        if (x % 10 == 0) Pic.Refresh();
        doEvents(false);
        state.progress.ShowProgress(x, W - 1);
    }
    Pic.Refresh();
}

} // namespace korv

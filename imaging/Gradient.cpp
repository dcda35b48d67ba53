#include "imaging/Gradient.h"

#include "platform/Colour.h"
#include "platform/Screen.h"
#include "platform/VbMath.h"

#include <cmath>
#include <cstdint>

namespace korv {

namespace {

void splitColor(int c, int& r, int& g, int& b) {
    r = c & 255;
    g = (c / 256) & 255;
    b = (c / 65536) & 255;
}

} // namespace

void DrawLinearGradient(PictureBox& pic, int Color1, int Direction, int Color2) {
    Surface& s = pic.surface();
    const ScaleMode oldScale = s.scaleMode;
    s.scaleMode = ScaleMode::Twips;

    const bool diagonal = (Direction & 4) != 0;
    const bool horizontal = (Direction & 1) != 0;
    const bool reversed = (Direction & 2) != 0;
    const int first = reversed ? Color2 : Color1;
    const int second = reversed ? Color1 : Color2;
    const int tpx = twipsPerPixelX();

    int D = 0, step = 0;
    const double Wt = pic.ScaleWidth(), Ht = pic.ScaleHeight();
    if (diagonal) {
        D = vbCInt(Wt + Ht);
        step = vbCInt(D / (tpx * 100.0));
    } else if (!horizontal) {
        D = vbCInt(Ht);
        step = vbCInt(D / (tpx * 120.0));
    } else {
        D = vbCInt(Wt);
        step = vbCInt(D / (tpx * 160.0));
    }
    // A picture so small that the step rounds to 0 would never advance the loop.
    if (step <= 0) {
        s.scaleMode = oldScale;
        return;
    }

    int R1, G1, B1, R2, G2, B2;
    splitColor(first, R1, G1, B1);
    splitColor(second, R2, G2, B2);
    const float dR = static_cast<float>(static_cast<double>(R2 - R1) / D);
    const float dG = static_cast<float>(static_cast<double>(G2 - G1) / D);
    const float dB = static_cast<float>(static_cast<double>(B2 - B1) / D);

    const int oldWidth = s.drawWidth;
    if (diagonal) s.drawWidth = step;

    // Each line takes the colour worked out after the line before it; the first one is
    // drawn in the second colour and lies under the next line anyway.
    int colour = RGB(R2, G2, B2);
    const int start = reversed ? D : 0;
    const int inc = reversed ? -step : step;
    for (int p = start; reversed ? p >= 0 : p <= D; p += inc) {
        if (diagonal)
            s.line(p, 0, 0, p, colour);
        else if (!horizontal)
            s.filledBox(0, p, Wt, p, colour);
        else
            s.filledBox(p, 0, p, Ht, colour);
        colour =
            RGB(vbCInt(R1 + static_cast<double>(dR) * p), vbCInt(G1 + static_cast<double>(dG) * p),
                vbCInt(B1 + static_cast<double>(dB) * p));
    }

    if (diagonal) s.drawWidth = oldWidth;
    s.scaleMode = oldScale;
}

void DrawCircularGradient(PictureBox& pic, int Color1, int Color2, int Steps, double CenterX,
                          double CenterY) {
    // No circles to draw, and the radius step would divide by zero.
    if (Steps <= 0) return;
    Surface& s = pic.surface();
    const double W = pic.ScaleWidth(), H = pic.ScaleHeight();
    if (CenterX == -1 && CenterY == -1) {
        CenterX = W / 2;
        CenterY = H / 2;
    }

    // The farthest corner from the centre.
    double cornerX = 0, cornerY = 0;
    if (CenterX < W / 2 && CenterY < H / 2) {
        cornerX = W;
        cornerY = H;
    } else if (CenterX < W / 2) {
        cornerX = W;
    } else if (CenterY < H / 2) {
        cornerY = H;
    }
    // The radius itself stays in double precision: rounded to single precision it can
    // fall a hair short of the corner, which would then stay unpainted.
    double radius = std::hypot(cornerX - CenterX, cornerY - CenterY);

    int R1, G1, B1, R2, G2, B2;
    splitColor(Color1, R1, G1, B1);
    splitColor(Color2, R2, G2, B2);
    const int dR = R2 - R1, dG = G2 - G1, dB = B2 - B1;
    const double radiusStep = static_cast<float>(radius / Steps);

    const int oldFillColor = s.fillColor;
    const int oldFillStyle = s.fillStyle;
    s.fillStyle = FillSolid;
    for (int i = 0; i <= Steps - 1; ++i) {
        const int colour =
            RGB(R1 + static_cast<int>(idiv(static_cast<std::int64_t>(dR) * i, Steps)),
                G1 + static_cast<int>(idiv(static_cast<std::int64_t>(dG) * i, Steps)),
                B1 + static_cast<int>(idiv(static_cast<std::int64_t>(dB) * i, Steps)));
        s.fillColor = colour;
        s.circle(CenterX, CenterY, radius, colour);
        radius -= radiusStep;
    }
    s.fillColor = oldFillColor;
    s.fillStyle = oldFillStyle;
}

} // namespace korv

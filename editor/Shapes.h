#pragma once
// The fifteen figures of the shape tool as pure descriptions: the drawing steps of a
// tool code for a box from the press point to the release point, and a small renderer.
#include <vector>

namespace korv {

class Surface;

struct ShapeStep {
    enum Kind {
        Line,         // (x1, y1)-(x2, y2)
        Box,          // outline (x1, y1)-(x2, y2), inside per fill style
        FilledBox,    // outline and inside in one colour
        Ellipse,      // centre (x1, y1), radius r, aspect
        Arc,          // the same with start and end angles
        RoundRect,    // corners rounded to whole pixels, corner size `value`
        SetFillStyle, // value
        SetFillColor, // value
        SetPenColor,  // value: the colour of the following round rectangle
    } kind;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double r = 0, aspect = 1, start = 0, end = 0;
    int value = 0;
    int color = kDrawingColour; // colour of lines, boxes and curves
    static constexpr int kDrawingColour = -1;
};

struct ShapeBox {
    double x0, y0, x1, y1; // press and release point
    double w, h;           // the rubber rectangle's size at the release
};

// The steps of tool code 2 to 16; empty for other codes. `cut` is the cut-out check
// box, `pattern` the fill pattern slider (1 to 7), `corner` the corner size.
std::vector<ShapeStep> shapeSteps(int tool, const ShapeBox& b, bool cut, int pattern, int corner);

// Draws the steps on a surface in the drawing colour, with its pen as it stands.
void drawShape(Surface& s, const std::vector<ShapeStep>& steps, int drawingColour);

} // namespace korv

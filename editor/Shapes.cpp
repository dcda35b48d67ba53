#include "Shapes.h"

#include "platform/Colour.h"
#include "platform/Surface.h"
#include "platform/VbMath.h"

#include <cmath>

namespace korv {

namespace {

constexpr int kBlank = 240 + 256 * 240 + 65536 * 240;

struct Builder {
    std::vector<ShapeStep> steps;
    void line(double x1, double y1, double x2, double y2) {
        ShapeStep s{ShapeStep::Line};
        s.x1 = x1;
        s.y1 = y1;
        s.x2 = x2;
        s.y2 = y2;
        steps.push_back(s);
    }
    // Segments between consecutive points.
    void chain(std::initializer_list<std::pair<double, double>> pts) {
        const std::pair<double, double>* prev = nullptr;
        for (const auto& p : pts) {
            if (prev) line(prev->first, prev->second, p.first, p.second);
            prev = &p;
        }
    }
    void set(ShapeStep::Kind k, int value) {
        ShapeStep s{k};
        s.value = value;
        steps.push_back(s);
    }
    void box(ShapeStep::Kind k, double x1, double y1, double x2, double y2, int color) {
        ShapeStep s{k};
        s.x1 = x1;
        s.y1 = y1;
        s.x2 = x2;
        s.y2 = y2;
        s.color = color;
        steps.push_back(s);
    }
    void ellipse(double cx, double cy, double r, double aspect,
                 int color = ShapeStep::kDrawingColour) {
        ShapeStep s{ShapeStep::Ellipse};
        s.x1 = cx;
        s.y1 = cy;
        s.r = r;
        s.aspect = aspect;
        s.color = color;
        steps.push_back(s);
    }
    void upperArc(double cx, double cy, double r, double aspect) {
        ShapeStep s{ShapeStep::Arc};
        s.x1 = cx;
        s.y1 = cy;
        s.r = r;
        s.aspect = aspect;
        s.start = 0;
        s.end = 3.14;
        steps.push_back(s);
    }
};

} // namespace

std::vector<ShapeStep> shapeSteps(int tool, const ShapeBox& b, bool cut, int pattern, int corner) {
    Builder B;
    const double x0 = b.x0, y0 = b.y0, x1 = b.x1, y1 = b.y1;
    const double W = x1 - x0, H = y1 - y0;
    const double Wi = std::floor(W), Hi = std::floor(H);
    const double hw = W / 2, hh = H / 2;
    const double r = hw > hh ? hw : hh;
    // The aspect is kept in single precision, as the figures were always drawn with it.
    const double a = hw != 0 ? static_cast<double>(static_cast<float>(hh / hw)) : 1.0;
    const double w = b.w, h = b.h;
    switch (tool) {
    case 2:
        if (!cut) {
            B.set(ShapeStep::SetFillStyle, pattern);
            B.box(ShapeStep::Box, x0, y0, x1, y1, ShapeStep::kDrawingColour);
        } else {
            B.box(ShapeStep::FilledBox, x0, y0, x1, y1, kBlank);
        }
        break;
    case 3: {
        ShapeStep rr{ShapeStep::RoundRect};
        rr.x1 = vbRound(x0);
        rr.y1 = vbRound(y0);
        rr.x2 = vbRound(x1);
        rr.y2 = vbRound(y1);
        rr.value = corner;
        if (!cut) {
            B.set(ShapeStep::SetPenColor, ShapeStep::kDrawingColour);
            B.set(ShapeStep::SetFillStyle, pattern);
            B.steps.push_back(rr);
        } else {
            B.set(ShapeStep::SetFillStyle, FillSolid);
            B.set(ShapeStep::SetFillColor, kBlank);
            B.set(ShapeStep::SetPenColor, kBlank);
            B.steps.push_back(rr);
            B.set(ShapeStep::SetFillStyle, FillTransparent);
        }
        break;
    }
    case 4:
        if (!cut) {
            B.set(ShapeStep::SetFillStyle, pattern);
            B.ellipse(x0 + hw, y0 + hh, r, a);
        } else {
            B.set(ShapeStep::SetFillStyle, FillSolid);
            B.set(ShapeStep::SetFillColor, kBlank);
            B.ellipse(x0 + hw, y0 + hh, r, a, kBlank);
            B.set(ShapeStep::SetFillStyle, FillTransparent);
        }
        break;
    case 5:
        B.chain({{x0, y1}, {x0 + Wi / 2, y0}, {x1, y1}, {x0, y1}});
        break;
    case 6:
        B.chain({{x0, y0 + Hi / 2},
                 {x0 + Wi / 2, y0},
                 {x1, y0 + Hi / 2},
                 {x0 + Wi / 2, y1},
                 {x0, y0 + Hi / 2}});
        break;
    case 7:
        B.chain({{x0, y0 + Hi / 4},
                 {x0 + Wi / 2, y0},
                 {x1, y0 + Hi / 4},
                 {x0 + 3 * (Wi / 4), y1},
                 {x0 + Wi / 4, y1},
                 {x0, y0 + Hi / 4}});
        break;
    case 8:
        B.chain({{x0, y0 + Hi / 4},
                 {x0 + Wi / 2, y0},
                 {x1, y0 + Hi / 4},
                 {x1, y0 + 3 * (Hi / 4)},
                 {x0 + Wi / 2, y1},
                 {x0, y0 + 3 * (Hi / 4)},
                 {x0, y0 + Hi / 4}});
        break;
    case 9:
        B.upperArc(x0 + hw / 2, y0 + hh / 2, r / 2, a);
        B.upperArc(x1 - hw / 2, y0 + hh / 2, r / 2, a);
        B.chain({{x1, y0 + Hi / 4}, {x0 + Wi / 2, y1}, {x0, y0 + Hi / 4}});
        break;
    case 10:
        B.upperArc(x0 + hw, y0 + hh, r, a);
        B.chain({{x1, y0 + Hi / 2}, {x0 + Wi / 2, y1}, {x0, y0 + Hi / 2}});
        break;
    case 11:
        B.ellipse(x0 + hw / 2, y0 + hh / 2, r / 2, a);
        B.ellipse(x1 - hw / 2, y0 + hh / 2, r / 2, a);
        B.ellipse(x0 + hw / 2, y1 - hh / 2, r / 2, a);
        B.ellipse(x1 - hw / 2, y1 - hh / 2, r / 2, a);
        break;
    case 12:
    case 13:
        B.chain({{x0 + w / 2, y0},
                 {x0 + w / 2 + w / 8, y0 + h / 2 - h / 8},
                 {x0 + w, y0 + h / 2},
                 {x0 + w / 2 + w / 8, y0 + h / 2 + h / 8},
                 {x0 + w / 2, y0 + h},
                 {x0 + 3 * (w / 8), y0 + h / 2 + h / 8},
                 {x0, y0 + h / 2},
                 {x0 + 3 * (w / 8), y0 + 3 * (h / 8)},
                 {x0 + w / 2, y0}});
        if (tool == 13) {
            B.line(x0, y0 + h / 2, x0 + w, y0 + h / 2);
            B.line(x0 + w / 2, y0, x0 + w / 2, y0 + h);
            B.line(x0 + w / 2 + w / 8, y0 + h / 2 - h / 8, x0 + 3 * (w / 8), y0 + h / 2 + h / 8);
            B.line(x0 + 3 * (w / 8), y0 + 3 * (h / 8), x0 + w / 2 + w / 8, y0 + h / 2 + h / 8);
        }
        break;
    case 14:
        B.box(ShapeStep::Box, x0 + w / 8, y0 + h / 8, x0 + w - w / 8, y0 + h - h / 8,
              ShapeStep::kDrawingColour);
        B.chain({{x0, y0 + h / 2},
                 {x0 + w / 2, y0},
                 {x0 + w, y0 + h / 2},
                 {x0 + w / 2, y0 + h},
                 {x0, y0 + h / 2}});
        break;
    case 15:
        B.chain({{x0, y0 + h / 4}, {x0 + w, y0 + h / 4}, {x0 + w / 2, y0 + h}, {x0, y0 + h / 4}});
        B.chain({{x0, y0 + 3 * (h / 4)},
                 {x0 + w, y0 + 3 * (h / 4)},
                 {x0 + w / 2, y0},
                 {x0, y0 + 3 * (h / 4)}});
        break;
    case 16:
        B.chain({{x0 + w / 2, y0},
                 {x0 + w, y0 + h},
                 {x0, y0 + h / 4},
                 {x0 + w, y0 + h / 4},
                 {x0, y0 + h},
                 {x0 + w / 2, y0}});
        break;
    default:
        break;
    }
    return B.steps;
}

void drawShape(Surface& s, const std::vector<ShapeStep>& steps, int drawingColour) {
    int penColour = s.foreColor;
    // Coordinates reach the surface in single precision, as they always did.
    auto f = [](double v) { return static_cast<double>(static_cast<float>(v)); };
    for (const ShapeStep& st : steps) {
        const int c = st.color == ShapeStep::kDrawingColour ? drawingColour : st.color;
        switch (st.kind) {
        case ShapeStep::Line:
            s.line(f(st.x1), f(st.y1), f(st.x2), f(st.y2), c);
            break;
        case ShapeStep::Box:
            s.box(f(st.x1), f(st.y1), f(st.x2), f(st.y2), c);
            break;
        case ShapeStep::FilledBox:
            s.filledBox(f(st.x1), f(st.y1), f(st.x2), f(st.y2), c);
            break;
        case ShapeStep::Ellipse:
            s.circle(f(st.x1), f(st.y1), f(st.r), c, 0, 0, st.aspect);
            break;
        case ShapeStep::Arc:
            s.circle(f(st.x1), f(st.y1), f(st.r), c, st.start, st.end, st.aspect);
            break;
        case ShapeStep::RoundRect: {
            const int saved = s.foreColor;
            s.foreColor = penColour;
            s.roundRect(static_cast<int>(st.x1), static_cast<int>(st.y1), static_cast<int>(st.x2),
                        static_cast<int>(st.y2), st.value, st.value);
            s.foreColor = saved;
            break;
        }
        case ShapeStep::SetFillStyle:
            s.fillStyle = st.value;
            break;
        case ShapeStep::SetFillColor:
            s.fillColor = st.value;
            break;
        case ShapeStep::SetPenColor:
            penColour = st.value == ShapeStep::kDrawingColour ? drawingColour : st.value;
            break;
        }
    }
}

} // namespace korv

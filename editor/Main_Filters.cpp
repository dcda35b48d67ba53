// The menus that change the whole design at once: the filter menu with its two
// sub-menus, the flip menu, the gradient pop-up of drawing button 12 and the borders.
#include "Main.h"
#include "imaging/Gradient.h"
#include "imaging/PictureOps.h"
#include "platform/Colour.h"
#include "platform/VbMath.h"

#include <optional>

namespace korv {

namespace {

// The eraser's grey, which "Verwijder rand" paints over any border.
const int kBlank = RGB(240, 240, 240);

struct FilterCall {
    int FilterNo = 0;
    int Param = 0;
};

// The dispatcher call of filter menu items that are a plain filter.
std::optional<FilterCall> plainFilter(int Index) {
    switch (Index) {
    case 4:
        return FilterCall{12, 0}; // Grayscale
    case 5:
        return FilterCall{2, 0}; // Negative
    case 6:
        return FilterCall{14, 4}; // Light
    case 7:
        return FilterCall{14, -4}; // Dark
    case 8:
        return FilterCall{1, 10}; // Sharpen
    case 10:
        return FilterCall{15, 3}; // Pixelize
    case 11:
        return FilterCall{13, 0}; // Relief
    case 13:
        return FilterCall{23, 15}; // Scattered
    case 14:
        return FilterCall{3, 0}; // Blur
    case 15:
        return FilterCall{24, 0}; // Aquarel
    case 16:
        return FilterCall{4, 6}; // Defuse
    case 17:
        return FilterCall{29, 50}; // Add noise
    case 18:
        return FilterCall{6, 1}; // Edge
    case 19:
        return FilterCall{7, RGB(255, 255, 255)}; // Contour on white
    case 21:
        return FilterCall{27, 0}; // Connection
    case 22:
        return FilterCall{26, 0}; // Erode
    case 23:
        return FilterCall{30, 140}; // Saturation
    case 24:
        return FilterCall{23, 50}; // Coldept
    case 26:
        return FilterCall{5, 0}; // Smooth
    default:
        return std::nullopt;
    }
}

// Whole-picture commands refuse to start while another one runs: the running filter
// writes its buffer back over the canvas when it ends, which would silently undo this
// command's change and leave an undo copy of a half-filtered picture.
bool refused(const Main& m) {
    return m.S.imaging.busy();
}

// The steps around every filter item: undo copy, hourglass, cleared progress bar, the
// tool code (filter menu only), the operation, refresh. `op` returns whether it changed
// the canvas, which then counts as a change of the design.
template <class Op> void runFilterItem(Main& m, std::optional<int> tool, Op op) {
    if (refused(m)) return;
    // A close request while the filter yields waits until it has ended.
    Main::YieldGuard guard(m);
    m.UndoPic->setPicture(m.Pic->Image());
    {
        BusyPointerGuard hourglass(m.S.services.busy);
        m.S.progress.clearBar();
        if (tool) m.S.Tool = *tool;
        if (op()) m.S.Gewijzigd = true;
        m.Pic->Refresh();
    }
}

} // namespace

void Main::connectPictureMenus() {
    applyFilter = [this](int FilterNo, int Param) {
        S.filters.ApplyFilter(FilterNo, Pic->surface().imageRef(), Param, S.Voortgang);
    };
    // Items 9 and 12 head sub-menus; opening a sub-menu triggers no action.
    for (int i = 3; i <= 27; ++i)
        if (i != 9 && i != 12)
            connect(Filter[i], &QAction::triggered, this, [this, i] { Filter_Click(i); });
    for (int i = 1; i <= 2; ++i)
        connect(EditContrastConvert[i], &QAction::triggered, this,
                [this, i] { EditContrastConvert_Click(i); });
    for (int i = 1; i <= 5; ++i) {
        connect(EditSwap[i], &QAction::triggered, this, [this, i] { EditSwap_Click(i); });
        connect(Flip[i], &QAction::triggered, this, [this, i] { Flip_Click(i); });
    }
    for (int i = 0; i <= 5; ++i)
        connect(GradientRichting[i], &QAction::triggered, this,
                [this, i] { GradientRichting_Click(i); });
    for (int i = 1; i <= 9; ++i)
        if (i != 8) // a separator
            connect(ToolsRanden[i], &QAction::triggered, this, [this, i] { ToolsRanden_Click(i); });
}

void Main::Filter_Click(int Index) {
    runFilterItem(*this, 100 + Index, [&] {
        if (const auto call = plainFilter(Index)) {
            if (applyFilter) applyFilter(call->FilterNo, call->Param);
            return true;
        }
        switch (Index) {
        case 3: {
            // Inkleuren: the canvas as it was, inverted and one pixel down and to the
            // right, merged into it.
            const Surface& undo = UndoPic->surface();
            Pic->surface().stretchCopy(1, 1, vbCInt(Pic->ScaleWidth()), vbCInt(Pic->ScaleHeight()),
                                       undo, 0, 0, vbCInt(UndoPic->ScaleWidth()),
                                       vbCInt(UndoPic->ScaleHeight()), Rop::MergePaint);
            return true;
        }
        case 20: // Sepia: grey first, then toned, each with its own progress run
            if (applyFilter) applyFilter(12, 0);
            S.progress.clearBar();
            ApplySepia(S.imaging, *Pic);
            return true;
        case 25:
            ApplyDodge(S.imaging, *Pic);
            return true;
        case 27:
            ApplyNeon(S.imaging, *Pic);
            return true;
        default: // the sub-menu heads 9 and 12 and unknown items change nothing
            return false;
        }
    });
}

void Main::EditContrastConvert_Click(int Index) {
    runFilterItem(*this, std::nullopt, [&] {
        if (Index != 1 && Index != 2) return false;
        if (applyFilter) applyFilter(17, Index == 1 ? 10 : -10);
        return true;
    });
}

void Main::EditSwap_Click(int Index) {
    runFilterItem(*this, std::nullopt, [&] {
        if (Index < 1 || Index > 5) return false;
        if (applyFilter) applyFilter(16, Index);
        return true;
    });
}

void Main::Flip_Click(int Index) {
    if (refused(*this)) return;
    YieldGuard guard(*this);
    bool changed = true;
    {
        BusyPointerGuard hourglass(S.services.busy);
        UndoPic->setPicture(Pic->Image());
        S.progress.clearBar();
        switch (Index) {
        case 1:
            FlipHorizontal(*Pic);
            break;
        case 2:
            FlipVertical(*Pic);
            break;
        case 3:
            CopyLeftSide(S.imaging, *Pic);
            break;
        case 4:
            CopyTopSide(S.imaging, *Pic);
            break;
        case 5:
            CopyCorners(S.imaging, *Pic);
            break;
        default:
            changed = false;
            break;
        }
        Pic->Refresh();
    }
    if (changed) S.Gewijzigd = true;
}

void Main::GradientRichting_Click(int Index) {
    if (refused(*this)) return;
    UndoPic->setPicture(Pic->Image());
    if (Index >= 0 && Index <= 4) {
        int Direction = Index;
        DrawLinearGradient(*Pic, drawingColour(), Direction, fillColour());
    } else if (Index == 5) {
        DrawCircularGradient(*Pic, drawingColour(), fillColour(), 255, -1, -1);
    } else {
        return;
    }
    // The gradient procedures leave showing the result to their caller.
    Pic->Refresh();
    S.Gewijzigd = true;
}

void Main::ToolsRanden_Click(int Index) {
    if (refused(*this)) return;
    if (!((Index >= 1 && Index <= 7) || Index == 9)) return;
    // Like every other whole-picture command, a border can be undone.
    UndoPic->setPicture(Pic->Image());
    const int colour = Index == 9 ? kBlank : RGB(S.TekenKleurR, S.TekenKleurG, S.TekenKleurB);
    Surface& c = Pic->surface();
    const double W = Pic->ScaleWidth(), H = Pic->ScaleHeight();
    // Outlines only, whatever fill the canvas was left with; the pen keeps the line
    // width of the last press.
    const int style = c.fillStyle;
    c.fillStyle = FillTransparent;
    for (int i = 0; i <= Index; ++i)
        c.box(i, i, W - i - 1, H - i - 1, colour);
    c.fillStyle = style;
    Pic->Refresh();
    S.Gewijzigd = true;
}

} // namespace korv

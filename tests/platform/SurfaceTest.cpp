#include "platform/Surface.h"
#include "platform/Colour.h"

#include <QFontMetrics>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

using namespace korv;

namespace {

const int kRed = RGB(255, 0, 0);
const int kBlue = RGB(0, 0, 255);
const int kGreen = RGB(0, 255, 0);
const int kGrey = RGB(128, 128, 128);
constexpr double kPi = 3.141592653589793;

using Art = std::vector<std::string>;

// The pixels of a rectangle of `s` as rows of letters: white '.', black '#', red 'r',
// blue 'b', green 'g', grey 'o', anything else '?'.
Art art(const Surface& s, int x0 = 0, int y0 = 0, int w = -1, int h = -1) {
    static const std::map<int, char> legend = {{kWhite, '.'}, {kBlack, '#'}, {kRed, 'r'},
                                               {kBlue, 'b'},  {kGreen, 'g'}, {kGrey, 'o'}};
    if (w < 0) w = s.widthPx();
    if (h < 0) h = s.heightPx();
    Art rows;
    for (int y = y0; y < y0 + h; ++y) {
        std::string row;
        for (int x = x0; x < x0 + w; ++x) {
            const auto it = legend.find(s.pixel(x, y));
            row += it == legend.end() ? '?' : it->second;
        }
        rows.push_back(row);
    }
    return rows;
}

struct Bounds {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    int count = 0;
};

// Bounds of every pixel that is not `back`.
Bounds inkBounds(const Surface& s, int back) {
    Bounds b;
    for (int y = 0; y < s.heightPx(); ++y)
        for (int x = 0; x < s.widthPx(); ++x)
            if (s.pixel(x, y) != back) {
                b.left = std::min(b.left, x);
                b.right = std::max(b.right, x);
                b.top = std::min(b.top, y);
                b.bottom = std::max(b.bottom, y);
                ++b.count;
            }
    return b;
}

void expectBounds(const Surface& s, int left, int top, int right, int bottom) {
    const Bounds b = inkBounds(s, kWhite);
    EXPECT_EQ(b.left, left);
    EXPECT_EQ(b.top, top);
    EXPECT_EQ(b.right, right);
    EXPECT_EQ(b.bottom, bottom);
}

// A surface whose every pixel has its own colour.
Surface patterned(int w, int h) {
    Surface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            s.setPixel(x, y, RGB(17 * x + 3, 29 * y + 5, (x * 7 + y * 13) & 255));
    return s;
}

} // namespace

TEST(Surface, LineDrawsBothEndPoints) {
    Surface s(8, 6);
    s.line(2, 1, 6, 1);       // horizontal
    s.line(0, 0, 0, 3);       // vertical
    s.line(7, 5, 4, 2, kRed); // diagonal, drawn backwards
    EXPECT_EQ(art(s),
              (Art{"#.......", "#.#####.", "#...r...", "#....r..", "......r.", ".......r"}));
    EXPECT_DOUBLE_EQ(s.currentX, 4);
    EXPECT_DOUBLE_EQ(s.currentY, 2);

    Surface dot(3, 3);
    dot.line(1, 1, 1, 1); // a line to its own start is one pixel
    EXPECT_EQ(art(dot), (Art{"...", ".#.", "..."}));
}

TEST(Surface, LineInTwipsAtFifteenAPixel) {
    Surface s(8, 4);
    s.scaleMode = ScaleMode::Twips;
    EXPECT_DOUBLE_EQ(s.scaleWidth(), 120);
    s.line(15, 30, 90, 30);         // pixels (1, 2) to (6, 2)
    s.line(22.5, 0, 37.5, 0, kRed); // 1.5 and 2.5 pixels both round to 2
    EXPECT_EQ(art(s), (Art{"..r.....", "........", ".######.", "........"}));
    EXPECT_DOUBLE_EQ(s.currentX, 37.5);
    EXPECT_EQ(s.point(30, 0), kRed);
    EXPECT_EQ(s.point(15, 30), kBlack);
}

TEST(Surface, FilledBoxIncludesBothCorners) {
    Surface s(8, 5);
    s.filledBox(2, 1, 5, 3, kRed);
    s.filledBox(7, 4, 7, 4, kBlue);   // one pixel
    s.filledBox(1, 4, -3, 2, kGreen); // corners in any order, clipped at the edge
    EXPECT_EQ(art(s), (Art{"........", "..rrrr..", "ggrrrr..", "ggrrrr..", "gg.....b"}));
}

TEST(Surface, BandsPaintWhatTheirBoxesPaintOneAfterAnother) {
    // Overlapping bands, rows in any order, partly outside, in pixels and in twips,
    // with the copy pen and with one whose result depends on what lies below.
    const Surface::Band bands[] = {{0, 1, kRed},   {1, 3, kBlue},  {5, 2, kGreen},
                                   {-2, 0, kGrey}, {6, 9, kBlack}, {4, 4, RGB(1, 2, 3)}};
    const double columns[][2] = {{1, 5}, {6, -2}, {3, 3}, {9, 12}, {-4, -1}};
    for (ScaleMode mode : {ScaleMode::Pixels, ScaleMode::Twips})
        for (int drawMode : {DrawCopyPen, DrawXorPen})
            for (const auto& c : columns) {
                const double u = mode == ScaleMode::Twips ? 15.0 : 1.0;
                Surface one(8, 7), all(8, 7);
                for (Surface* s : {&one, &all}) {
                    s->scaleMode = mode;
                    s->drawMode = drawMode;
                    s->filledBox(0, 0, 7 * u, 6 * u, kGrey);
                }
                for (const Surface::Band& b : bands)
                    one.filledBox(c[0] * u, b.y1 * u, c[1] * u, b.y2 * u, b.color);
                std::vector<Surface::Band> scaled(std::begin(bands), std::end(bands));
                for (Surface::Band& b : scaled) {
                    b.y1 *= u;
                    b.y2 *= u;
                }
                all.filledBands(c[0] * u, c[1] * u, scaled.data(), static_cast<int>(scaled.size()));
                EXPECT_EQ(all.image(), one.image()) << c[0] << ".." << c[1] << " mode " << drawMode;
                EXPECT_EQ(all.currentX, one.currentX);
                EXPECT_EQ(all.currentY, one.currentY);
            }
}

TEST(Surface, BoxOutlineFilledPerFillStyle) {
    Surface s(8, 6);
    s.fillColor = kRed;
    s.box(1, 1, 5, 4); // transparent by default: the inside stays
    EXPECT_EQ(art(s),
              (Art{"........", ".#####..", ".#...#..", ".#...#..", ".#####..", "........"}));

    s.clear(kWhite);
    s.fillStyle = FillSolid;
    s.box(5, 4, 1, 1, kBlue); // corners swapped
    EXPECT_EQ(art(s),
              (Art{"........", ".bbbbb..", ".brrrb..", ".brrrb..", ".bbbbb..", "........"}));

    // Hatches lie on the picture's grid: the cross has every eighth row and column.
    Surface h(12, 12);
    h.fillColor = kRed;
    h.fillStyle = FillCross;
    h.box(1, 1, 10, 10);
    EXPECT_EQ(art(h), (Art{"............", ".##########.", ".#......r.#.", ".#......r.#.",
                           ".#......r.#.", ".#......r.#.", ".#......r.#.", ".#......r.#.",
                           ".#rrrrrrrr#.", ".#......r.#.", ".##########.", "............"}));

    Surface d(10, 10);
    d.fillColor = kRed;
    d.fillStyle = FillUpwardDiagonal;
    d.box(0, 0, 9, 9);
    EXPECT_EQ(art(d), (Art{"##########", "#......r.#", "#.....r..#", "#....r...#", "#...r....#",
                           "#..r.....#", "#.r......#", "#r.......#", "#.......r#", "##########"}));
}

TEST(Surface, InvertingTwiceRestoresThePicture) {
    Surface s = patterned(40, 30);
    const QImage before = s.image().copy();
    s.drawMode = DrawInvert;
    auto drawAll = [&] {
        s.line(0, 0, 39, 29);
        s.line(39, 0, 0, 29);
        s.box(5, 5, 20, 15);
        s.circle(30, 20, 6, kBlack);
        s.pset(33, 3, kBlack);
    };
    drawAll();
    // Each pixel of one figure is inverted once, its corners and joins too.
    auto inverted = [&](int x, int y) {
        const int c = fromQRgb(before.pixel(x, y));
        return RGB(255 - redOf(c), 255 - greenOf(c), 255 - blueOf(c));
    };
    EXPECT_EQ(s.pixel(5, 5), inverted(5, 5));     // box corner
    EXPECT_EQ(s.pixel(5, 15), inverted(5, 15));   // box corner
    EXPECT_EQ(s.pixel(12, 5), inverted(12, 5));   // box edge
    EXPECT_EQ(s.pixel(30, 14), inverted(30, 14)); // top of the circle
    EXPECT_EQ(s.pixel(33, 3), inverted(33, 3));   // the point
    EXPECT_EQ(s.pixel(25, 2), fromQRgb(before.pixel(25, 2)));
    EXPECT_NE(s.image(), before);
    drawAll();
    EXPECT_EQ(s.image(), before);
}

TEST(Surface, XorPenCombinesEachChannel) {
    Surface s(3, 1, RGB(0x12, 0x34, 0x56));
    s.drawMode = DrawXorPen;
    s.pset(1, 0, RGB(0xF0, 0x0F, 0xFF));
    EXPECT_EQ(s.pixel(1, 0), RGB(0xE2, 0x3B, 0xA9));
    EXPECT_EQ(s.pixel(0, 0), RGB(0x12, 0x34, 0x56));
    s.pset(1, 0, RGB(0xF0, 0x0F, 0xFF));
    EXPECT_EQ(s.pixel(1, 0), RGB(0x12, 0x34, 0x56));
}

TEST(Surface, EachDrawModeOnAKnownPenAndDestination) {
    // Pen 0xCC and destination 0xAA in every channel: bit pairs (pen, dest) 11, 10, 01,
    // 00, so mode n gives the byte (n - 1) * 0x11.
    const int dest = RGB(0xAA, 0xAA, 0xAA), pen = RGB(0xCC, 0xCC, 0xCC);
    const std::pair<int, int> expected[] = {
        {DrawBlack, 0x00},      {DrawNotMergePen, 0x11}, {DrawMaskNotPen, 0x22},
        {DrawNotCopyPen, 0x33}, {DrawMaskPenNot, 0x44},  {DrawInvert, 0x55},
        {DrawXorPen, 0x66},     {DrawNotMaskPen, 0x77},  {DrawMaskPen, 0x88},
        {DrawNotXorPen, 0x99},  {DrawNop, 0xAA},         {DrawMergeNotPen, 0xBB},
        {DrawCopyPen, 0xCC},    {DrawMergePenNot, 0xDD}, {DrawMergePen, 0xEE},
        {DrawWhite, 0xFF}};
    for (const auto& [mode, byte] : expected) {
        Surface s(2, 1, dest);
        s.drawMode = mode;
        s.line(0, 0, 0, 0, pen);
        EXPECT_EQ(s.pixel(0, 0), RGB(byte, byte, byte)) << "draw mode " << mode;
        EXPECT_EQ(s.pixel(1, 0), dest) << "draw mode " << mode;
        Surface box(3, 2, dest); // a box takes the same modes
        box.drawMode = mode;
        box.filledBox(0, 0, 1, 1, pen);
        EXPECT_EQ(box.pixel(1, 1), RGB(byte, byte, byte)) << "draw mode " << mode;
        EXPECT_EQ(box.pixel(2, 1), dest) << "draw mode " << mode;
    }
    // Channels stay apart: pen AND NOT destination per channel.
    Surface s(1, 1, RGB(0x0F, 0xF0, 0x00));
    s.drawMode = DrawMaskPenNot;
    s.pset(0, 0, RGB(0xFF, 0xFF, 0x0F));
    EXPECT_EQ(s.pixel(0, 0), RGB(0xF0, 0x0F, 0x0F));
}

TEST(Surface, EachCopyRasterOperation) {
    const Surface src(2, 2, RGB(0xCC, 0xCC, 0xCC));
    const std::pair<Rop, int> expected[] = {{Rop::SrcCopy, 0xCC},    {Rop::SrcAnd, 0x88},
                                            {Rop::SrcPaint, 0xEE},   {Rop::SrcInvert, 0x66},
                                            {Rop::MergePaint, 0xBB}, {Rop::NotSrcCopy, 0x33}};
    for (const auto& [rop, byte] : expected) {
        Surface d(4, 4, RGB(0xAA, 0xAA, 0xAA));
        d.copy(1, 1, 2, 2, src, 0, 0, rop);
        const int in = RGB(byte, byte, byte), out = RGB(0xAA, 0xAA, 0xAA);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) {
                const bool inside = x >= 1 && x <= 2 && y >= 1 && y <= 2;
                EXPECT_EQ(d.pixel(x, y), inside ? in : out)
                    << "rop " << static_cast<int>(rop) << " at " << x << "," << y;
            }
    }
    // Source and destination channels are not swapped.
    Surface d(1, 1, RGB(0x0F, 0xF0, 0x33));
    const Surface s(1, 1, RGB(0xFF, 0x00, 0x0F));
    d.copy(0, 0, 1, 1, s, 0, 0, Rop::MergePaint); // NOT source OR destination
    EXPECT_EQ(d.pixel(0, 0), RGB(0x0F, 0xFF, 0xF3));
}

TEST(Surface, FloodFillSurfaceModeIsFourConnected) {
    Surface s(6, 6);
    for (int i = 0; i < 6; ++i)
        s.setPixel(5 - i, i, kBlack); // a diagonal: no 4-way gap
    s.setPixel(1, 1, kBlue);          // another colour stays
    s.fillStyle = FillSolid;
    s.fillColor = kRed;
    s.floodFill(0, 0, kWhite, FloodMode::Surface);
    EXPECT_EQ(art(s), (Art{"rrrrr#", "rbrr#.", "rrr#..", "rr#...", "r#....", "#....."}));

    // The region of a colour fills, the rest of the picture stays.
    s.fillColor = kGreen;
    s.floodFill(5, 5, kWhite, FloodMode::Surface);
    EXPECT_EQ(art(s), (Art{"rrrrr#", "rbrr#g", "rrr#gg", "rr#ggg", "r#gggg", "#ggggg"}));

    // A start pixel not of the given colour fills nothing.
    const QImage before = s.image().copy();
    s.fillColor = kBlue;
    s.floodFill(0, 0, kWhite, FloodMode::Surface);
    s.floodFill(-1, 0, kRed, FloodMode::Surface);
    s.floodFill(6, 6, kRed, FloodMode::Surface);
    EXPECT_EQ(s.image(), before);
}

TEST(Surface, FloodFillWithTheClickedColourOrTransparentDoesNothing) {
    Surface s(40, 40);
    s.box(5, 5, 30, 30);
    const QImage before = s.image().copy();
    s.fillStyle = FillSolid;
    s.fillColor = kWhite;
    s.floodFill(10, 10, kWhite, FloodMode::Surface); // returns at once, changes nothing
    EXPECT_EQ(s.image(), before);
    s.fillStyle = FillTransparent;
    s.fillColor = kRed;
    s.floodFill(10, 10, kWhite, FloodMode::Surface);
    s.floodFill(10, 10, kBlack, FloodMode::Border);
    EXPECT_EQ(s.image(), before);
}

TEST(Surface, FloodFillWithAHatchPaintsOnlyTheHatch) {
    Surface s(10, 10);
    s.fillStyle = FillHorizontal;
    s.fillColor = kRed;
    s.floodFill(3, 3, kWhite, FloodMode::Surface);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(s.pixel(x, y), y == 0 || y == 8 ? kRed : kWhite) << x << "," << y;
}

TEST(Surface, FloodFillBorderModeFillsUpToTheBorderColour) {
    Surface s(7, 6);
    s.box(1, 1, 5, 4); // black border
    s.setPixel(3, 2, kBlue);
    s.setPixel(0, 5, kBlue);
    s.fillStyle = FillSolid;
    s.fillColor = kRed;
    s.floodFill(2, 2, kBlack, FloodMode::Border);
    EXPECT_EQ(art(s), (Art{".......", ".#####.", ".#rrr#.", ".#rrr#.", ".#####.", "b......"}));
    // Starting on the border colour fills nothing.
    const QImage before = s.image().copy();
    s.fillColor = kGreen;
    s.floodFill(1, 1, kBlack, FloodMode::Border);
    EXPECT_EQ(s.image(), before);
    // Outside the border everything up to the picture's edge fills, the other colour too.
    s.floodFill(0, 0, kBlack, FloodMode::Border);
    EXPECT_EQ(art(s), (Art{"ggggggg", "g#####g", "g#rrr#g", "g#rrr#g", "g#####g", "ggggggg"}));
}

TEST(Surface, NegativeSourceWidthMirrors) {
    const Surface src = patterned(5, 3);
    Surface d(5, 3);
    d.stretchCopy(0, 0, 5, 3, src, 4, 0, -5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(d.pixel(x, y), src.pixel(4 - x, y)) << x << "," << y;

    Surface v(5, 3);
    v.stretchCopy(0, 0, 5, 3, src, 0, 2, 5, -3); // upside down
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(v.pixel(x, y), src.pixel(x, 2 - y)) << x << "," << y;

    // Mirrored onto itself: every pixel comes from the picture as it was before.
    Surface self = patterned(5, 3);
    self.stretchCopy(0, 0, 5, 3, self, 4, 2, -5, -3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(self.pixel(x, y), src.pixel(4 - x, 2 - y)) << x << "," << y;
}

TEST(Surface, StretchedCopyDoublesEachPixel) {
    Surface src(2, 2);
    src.setPixel(0, 0, kRed);
    src.setPixel(1, 0, kGreen);
    src.setPixel(0, 1, kBlue);
    src.setPixel(1, 1, kBlack);
    Surface d(6, 5);
    d.stretchCopy(1, 0, 4, 4, src, 0, 0, 2, 2);
    EXPECT_EQ(art(d), (Art{".rrgg.", ".rrgg.", ".bb##.", ".bb##.", "......"}));
}

TEST(Surface, CopyBeyondTheSourceLeavesTheDestinationAlone) {
    Surface src(3, 2, kRed);
    src.setPixel(2, 1, kBlue);
    Surface d(6, 4);
    d.copy(1, 1, 5, 5, src, 0, 0); // a source rectangle larger than the picture
    EXPECT_EQ(art(d), (Art{"......", ".rrr..", ".rrb..", "......"}));
    // Stretched: the destination shrinks in proportion.
    Surface st(8, 5);
    st.stretchCopy(0, 0, 8, 4, src, 0, 0, 4, 2);
    EXPECT_EQ(art(st), (Art{"rrrrrr..", "rrrrrr..", "rrrrbb..", "rrrrbb..", "........"}));
    // A source starting left of the picture.
    Surface l(4, 2);
    l.copy(0, 0, 3, 2, src, -1, 0);
    EXPECT_EQ(art(l), (Art{".rr.", ".rr."}));
    // Destination beyond the picture's edges is dropped harmlessly.
    Surface e(2, 2);
    e.copy(-1, 0, 3, 2, src, 0, 0);
    EXPECT_EQ(art(e), (Art{"rr", "rb"}));
}

TEST(Surface, ZeroExtentsCopyNothing) {
    const Surface src(3, 3, kRed);
    Surface d(3, 3);
    d.copy(0, 0, 0, 3, src, 0, 0);
    d.copy(0, 0, 3, 0, src, 0, 0);
    d.stretchCopy(0, 0, 3, 3, src, 0, 0, 0, 3);
    d.stretchCopy(0, 0, 3, 3, src, 0, 0, 3, 0);
    d.keyedCopy(0, 0, 0, 0, src, 0, 0, 3, 3, kWhite);
    EXPECT_EQ(art(d), (Art{"...", "...", "..."}));
}

TEST(Surface, KeyedCopyLeavesOutTheKeyColourExactly) {
    Surface src(4, 1);
    src.setPixel(0, 0, kRed);
    src.setPixel(1, 0, kGreen);
    src.setPixel(2, 0, RGB(0, 255, 1)); // one step off the key: copied
    src.setPixel(3, 0, kBlue);
    Surface d(5, 2, kGrey);
    d.keyedCopy(1, 1, 4, 1, src, 0, 0, 4, 1, kGreen);
    EXPECT_EQ(art(d), (Art{"ooooo", "oro?b"}));
    EXPECT_EQ(d.pixel(3, 1), RGB(0, 255, 1));
}

TEST(Surface, CircleTouchesItsBoxOnAllFourSides) {
    Surface s(61, 61);
    s.circle(30, 30, 10, kBlack);
    expectBounds(s, 20, 20, 40, 40);
    EXPECT_EQ(s.pixel(30, 20), kBlack);
    EXPECT_EQ(s.pixel(20, 30), kBlack);
    EXPECT_EQ(s.pixel(40, 30), kBlack);
    EXPECT_EQ(s.pixel(30, 40), kBlack);
    EXPECT_EQ(s.pixel(30, 30), kWhite); // an outline only

    Surface t(61, 61);
    t.scaleMode = ScaleMode::Twips;
    t.circle(450, 450, 150, kBlack); // the same circle in twips
    EXPECT_EQ(t.image(), s.image());
    EXPECT_DOUBLE_EQ(t.currentX, 450);

    // Filled with the fill style: every pixel inside the outline.
    Surface f(61, 61);
    f.fillStyle = FillSolid;
    f.fillColor = kRed;
    f.circle(30, 30, 10, kBlack);
    EXPECT_EQ(f.pixel(30, 30), kRed);
    EXPECT_EQ(f.pixel(30, 21), kRed);
    EXPECT_EQ(f.pixel(30, 19), kWhite);
}

TEST(Surface, EllipseWithAnAspectTouchesItsBox) {
    // Aspect below 1: the radius is the horizontal half-axis.
    Surface wide(61, 61);
    wide.ellipse(30, 30, 20, kBlack, 0.6);
    expectBounds(wide, 10, 18, 50, 42);

    // Aspect above 1: the radius is the vertical half-axis; 20 / 1.667 is 11.998.
    Surface tall(61, 61);
    tall.ellipse(30, 30, 20, kBlack, 1.667);
    expectBounds(tall, 18, 10, 42, 50);

    // A figure fitted to a box from (10, 10) to (71, 47): centre and half sizes end in
    // .5, the aspect is a single-precision quotient of the half sizes.
    Surface fit(90, 90);
    const double hw = 61 / 2.0, hh = 37 / 2.0;
    fit.ellipse(10 + hw, 10 + hh, hw, kBlack, static_cast<float>(hh / hw));
    expectBounds(fit, 10, 10, 71, 47);

    Surface fitTall(90, 90);
    fitTall.ellipse(10 + hh, 10 + hw, hw, kBlack, static_cast<float>(hw / hh));
    expectBounds(fitTall, 10, 10, 47, 71);

    // An even-sized box too: (10, 10) to (70, 46).
    Surface even(90, 90);
    even.ellipse(40, 28, 30, kBlack, static_cast<float>(18.0 / 30.0));
    expectBounds(even, 10, 10, 70, 46);
}

TEST(Surface, ArcAndRadiusLines) {
    // 0 to 3.14: the upper half, with its right-hand end and not quite its left-hand one.
    Surface s(41, 41);
    s.circle(20, 20, 10, kBlack, 0, 3.14);
    const Bounds b = inkBounds(s, kWhite);
    EXPECT_EQ(b.top, 10);
    EXPECT_EQ(b.bottom, 20);
    EXPECT_EQ(s.pixel(30, 20), kBlack);
    EXPECT_EQ(s.pixel(10, 20), kWhite);
    EXPECT_EQ(s.pixel(20, 10), kBlack);
    EXPECT_EQ(s.pixel(20, 20), kWhite); // no radius lines for positive angles

    // Negative angles: the quarter from 12 to 9 o'clock with both radius lines.
    Surface p(41, 41);
    p.circle(20, 20, 10, kBlack, -kPi / 2, -kPi);
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(p.pixel(20, 20 - i), kBlack) << "vertical radius " << i;
        EXPECT_EQ(p.pixel(20 - i, 20), kBlack) << "horizontal radius " << i;
    }
    const Bounds q = inkBounds(p, kWhite);
    EXPECT_EQ(q.left, 10);
    EXPECT_EQ(q.top, 10);
    EXPECT_EQ(q.right, 20);
    EXPECT_EQ(q.bottom, 20);
    EXPECT_EQ(p.pixel(15, 15), kWhite); // not filled: the fill style is transparent

    // Only one negative angle: only that radius line.
    Surface one(41, 41);
    one.circle(20, 20, 10, kBlack, -kPi / 2, kPi);
    EXPECT_EQ(one.pixel(20, 15), kBlack);
    EXPECT_EQ(one.pixel(15, 20), kWhite);
}

TEST(Surface, RoundedRectangleExcludesItsRightAndBottomEdge) {
    Surface s(12, 9);
    s.roundRect(1, 1, 11, 8, 4, 4);
    expectBounds(s, 1, 1, 10, 7);
    EXPECT_EQ(s.pixel(1, 1), kWhite); // the corner is rounded off
    EXPECT_EQ(s.pixel(5, 1), kBlack); // the straight edges are there
    EXPECT_EQ(s.pixel(5, 7), kBlack);
    EXPECT_EQ(s.pixel(1, 4), kBlack);
    EXPECT_EQ(s.pixel(10, 4), kBlack);
    EXPECT_EQ(s.pixel(5, 4), kWhite);

    // Without rounding it is a plain outline one pixel short of the second corner.
    Surface r(6, 5);
    r.fillStyle = FillSolid;
    r.fillColor = kRed;
    r.foreColor = kBlue;
    r.roundRect(0, 0, 5, 4, 0, 0);
    EXPECT_EQ(art(r), (Art{"bbbbb.", "brrrb.", "brrrb.", "bbbbb.", "......"}));
}

TEST(Surface, PixelsOutsideAreHarmless) {
    Surface s(4, 3, kRed);
    EXPECT_EQ(s.pixel(-1, 0), -1);
    EXPECT_EQ(s.pixel(0, -1), -1);
    EXPECT_EQ(s.pixel(4, 0), -1);
    EXPECT_EQ(s.pixel(0, 3), -1);
    EXPECT_EQ(s.point(4, 2), -1);
    EXPECT_EQ(s.point(3, 2), kRed);
    s.setPixel(-1, 0, kBlue);
    s.setPixel(4, 2, kBlue);
    s.pset(100, 100, kBlue);
    s.pset(-5, 1, kBlue);
    s.line(-1000000, -5, 1000000, -5);
    s.filledBox(10, 10, 20, 20, kBlue);
    s.circle(-50, -50, 10, kBlue);
    EXPECT_EQ(inkBounds(s, kRed).count, 0);

    s.scaleMode = ScaleMode::Twips;
    EXPECT_EQ(s.point(45, 30), kRed); // pixel (3, 2)
    EXPECT_EQ(s.point(60, 30), -1);   // pixel (4, 2)
}

TEST(Surface, PrintMovesDownOneLineAndBackToTheLeft) {
    Surface s(200, 100);
    s.fontName = "Arial";
    s.fontSize = 12;
    s.currentX = 30;
    s.currentY = 10;
    const int lineHeight = QFontMetrics(s.font()).height();
    ASSERT_GT(lineHeight, 10);
    s.print("Hello");
    EXPECT_DOUBLE_EQ(s.currentX, 0);
    EXPECT_DOUBLE_EQ(s.currentY, 10 + lineHeight);
    // The text starts at the current position: nothing above it or left of it.
    const Bounds b = inkBounds(s, kWhite);
    ASSERT_GT(b.count, 20);
    EXPECT_GE(b.left, 30);
    EXPECT_GE(b.top, 10);
    EXPECT_LT(b.bottom, 10 + lineHeight);

    Surface t(200, 100);
    t.scaleMode = ScaleMode::Twips;
    t.fontSize = 12;
    t.currentY = 150;
    t.print("x");
    EXPECT_DOUBLE_EQ(t.currentY, (10 + lineHeight) * 15.0);
    EXPECT_DOUBLE_EQ(t.textHeight("x"), lineHeight * 15.0);
}

TEST(Surface, TextIsDrawnInTheForeColourOnly) {
    for (const bool italic : {false, true}) {
        Surface s(300, 60);
        s.fontSize = 20;
        s.fontBold = true;
        s.fontItalic = italic;
        s.foreColor = RGB(200, 30, 60);
        s.currentX = 5;
        s.currentY = 5;
        s.print("Wavy Qg &@ 1/3");
        int ink = 0;
        for (int y = 0; y < s.heightPx(); ++y)
            for (int x = 0; x < s.widthPx(); ++x) {
                const int c = s.pixel(x, y);
                ASSERT_TRUE(c == kWhite || c == RGB(200, 30, 60))
                    << "blended pixel at " << x << "," << y << (italic ? " italic" : "");
                ink += c != kWhite;
            }
        EXPECT_GT(ink, 100);
    }
}

TEST(Surface, TextWidthGrowsWithTheText) {
    Surface s(10, 10);
    s.fontSize = 10;
    EXPECT_DOUBLE_EQ(s.textWidth(""), 0);
    const double one = s.textWidth("W");
    EXPECT_GT(one, 0);
    EXPECT_GT(s.textWidth("WW"), one);
    EXPECT_GT(s.textWidth("WWW"), s.textWidth("WW"));
    s.fontSize = 20;
    EXPECT_GT(s.textWidth("W"), one);
    s.fontSize = 10;
    s.scaleMode = ScaleMode::Twips;
    EXPECT_DOUBLE_EQ(s.textWidth("W"), one * 15);
}

TEST(SurfaceOutside, PrimitivesWhollyOutsideThePictureChangeNothing) {
    korv::Surface s(20, 10, korv::kWhite);
    const QImage before = s.image().copy();
    s.line(6221, 2, 6221, 8, 0);
    s.line(-50, -3, -40, -9, 0);
    s.filledBox(30, 30, 40, 40, 0);
    s.circle(500, 500, 10, 0);
    s.pset(-5, 3, 0);
    EXPECT_EQ(s.image(), before);
}

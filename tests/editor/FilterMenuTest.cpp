// The whole-picture menus: filters, flips, gradients and borders on the canvas.
#include "MainFixture.h"
#include "platform/Colour.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

using namespace korv;

namespace {

struct Call {
    int FilterNo, Param;
    bool hourglass, barCleared, undoTaken;
};

class FilterMenuTest : public MainTest {
protected:
    // A loaded window whose filter calls are recorded instead of run. Each recorded call
    // changes pixel (3, 3), as a filter would change the canvas.
    Main& ready() {
        Main& m = load();
        m.applyFilter = [this, &m](int no, int param) {
            calls.push_back({no, param, state->services.busy.isBusy(),
                             m.Bar->surface().pixel(1, 1) == m.Bar->backColor(),
                             m.UndoPic->Image() == before});
            m.Pic->surface().setPixel(3, 3, ~m.Pic->surface().pixel(3, 3) & kWhite);
            if (auto nested = std::exchange(duringFilter, nullptr)) nested();
        };
        return m;
    }
    // Paints a fresh design and remembers it.
    void paint(Main& m, int colour) {
        m.Pic->surface().clear(colour);
        m.Pic->surface().filledBox(20, 30, 60, 50, RGB(0, 90, 200));
        before = m.Pic->Image().copy();
    }
    static bool near(int c, int r, int g, int b) {
        return std::abs(redOf(c) - r) <= 8 && std::abs(greenOf(c) - g) <= 8 &&
               std::abs(blueOf(c) - b) <= 8;
    }

    std::vector<Call> calls;
    std::function<void()> duringFilter;
    QImage before;
};

} // namespace

TEST_F(FilterMenuTest, EveryFilterItemReachesTheDispatcherWithItsNumberAndParameter) {
    Main& m = ready();
    const auto& F = m.Filter;
    const struct {
        QAction* item;
        int FilterNo, Param, Tool;
    } table[] = {
        {F[4], 12, 0, 104},
        {F[5], 2, 0, 105},
        {F[6], 14, 4, 106},
        {F[7], 14, -4, 107},
        {F[8], 1, 10, 108},
        {m.EditContrastConvert[1], 17, 10, 7},
        {m.EditContrastConvert[2], 17, -10, 7}, //
        {F[10], 15, 3, 110},
        {F[11], 13, 0, 111},
        {m.EditSwap[1], 16, 1, 7},
        {m.EditSwap[2], 16, 2, 7},
        {m.EditSwap[3], 16, 3, 7},
        {m.EditSwap[4], 16, 4, 7},
        {m.EditSwap[5], 16, 5, 7},
        {F[13], 23, 15, 113},
        {F[14], 3, 0, 114},
        {F[15], 24, 0, 115},
        {F[16], 4, 6, 116},
        {F[17], 29, 50, 117},
        {F[18], 6, 1, 118},
        {F[19], 7, 16777215, 119},
        {F[20], 12, 0, 120},
        {F[21], 27, 0, 121},
        {F[22], 26, 0, 122},
        {F[23], 30, 140, 123},
        {F[24], 23, 50, 124},
        {F[26], 5, 0, 126},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.item->text().toStdString());
        paint(m, RGB(100, 100, 100));
        m.UndoPic->setPicture(QImage());
        state->progress.ShowProgress(100, 100);
        state->Tool = 7;
        state->Gewijzigd = false;
        calls.clear();
        row.item->trigger();
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].FilterNo, row.FilterNo);
        EXPECT_EQ(calls[0].Param, row.Param);
        EXPECT_TRUE(calls[0].hourglass);
        EXPECT_TRUE(calls[0].barCleared);
        EXPECT_TRUE(calls[0].undoTaken);
        EXPECT_FALSE(state->services.busy.isBusy());
        EXPECT_EQ(state->Tool, row.Tool);
        EXPECT_TRUE(state->Gewijzigd);
        EXPECT_NE(m.Pic->Image(), before);
        m.EditUndo_Click();
        EXPECT_EQ(m.Pic->Image(), before);
    }
}

TEST_F(FilterMenuTest, RealDispatcherAndPerPixelPasses) {
    Main& m = load(); // the real dispatcher
    const struct {
        int Index, from, to;
    } cases[] = {
        {5, RGB(10, 20, 30), RGB(245, 235, 225)},    // Negative
        {20, RGB(100, 100, 100), RGB(100, 60, 20)},  // Sepia of grey 100
        {25, RGB(100, 50, 200), RGB(200, 100, 255)}, // Dodge
        {27, RGB(153, 200, 1), RGB(2, 4, 254)},      // Neon
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Index);
        m.Pic->surface().clear(c.from);
        state->Gewijzigd = false;
        m.Filter_Click(c.Index);
        EXPECT_EQ(m.Pic->surface().pixel(0, 0), c.to);
        EXPECT_EQ(m.Pic->surface().pixel(414, 309), c.to);
        EXPECT_EQ(state->Tool, 100 + c.Index);
        EXPECT_TRUE(state->Gewijzigd);
        EXPECT_EQ(m.UndoPic->surface().pixel(7, 7), c.from);
    }
}

TEST_F(FilterMenuTest, InkleurenMergesTheInvertedDesignOnePixelDownRight) {
    Main& m = ready();
    Surface& c = m.Pic->surface();
    const int A = RGB(0x0F, 0xF0, 0x33), B = RGB(0xF0, 0x0F, 0x00);
    c.clear(A);
    c.setPixel(5, 5, B);
    m.Filter_Click(3);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(c.pixel(6, 6), RGB(0x0F, 0xF0, 0xFF)); // ~B | A
    EXPECT_EQ(c.pixel(5, 5), RGB(0xF0, 0x0F, 0xCC)); // ~A | B
    EXPECT_EQ(c.pixel(0, 0), A);
    EXPECT_EQ(c.pixel(0, 200), A);
    EXPECT_EQ(c.pixel(300, 0), A);
    EXPECT_EQ(c.pixel(1, 1), kWhite);
    EXPECT_EQ(c.pixel(414, 309), kWhite);
    EXPECT_EQ(state->Tool, 103);
    EXPECT_TRUE(state->Gewijzigd);
    m.EditUndo_Click();
    EXPECT_EQ(c.pixel(6, 6), A);

    // The sub-menu heads filter nothing and change nothing but the tool.
    state->Gewijzigd = false;
    m.Filter_Click(9);
    m.Filter_Click(12);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(state->Tool, 112);
    EXPECT_FALSE(state->Gewijzigd);
}

TEST_F(FilterMenuTest, CommandsGivenWhileAFilterRunsAreRefused) {
    Main& m = ready();
    paint(m, kWhite);
    duringFilter = [&] {
        state->imaging.FilterBezig = true; // as the dispatcher is while it yields
        for (QAction* a : {m.Filter[5], m.Filter[3], m.EditSwap[1], m.Flip[1], m.Flip[3],
                           m.GradientRichting[5], m.ToolsRanden[7]})
            a->trigger();
        state->imaging.FilterBezig = false;
    };
    m.Filter[4]->trigger();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(m.UndoPic->Image(), before);
    QImage expected = before.copy();
    expected.setPixel(3, 3, ~expected.pixel(3, 3) | 0xFF000000);
    EXPECT_EQ(m.Pic->Image(), expected);
    EXPECT_EQ(state->Tool, 104);
}

TEST_F(FilterMenuTest, FlipsAndMirrorCopies) {
    Main& m = ready();
    const int red = RGB(255, 0, 0), green = RGB(0, 255, 0);
    const int W = 415, H = 310;
    const struct {
        int Index;
        QList<QPoint> red;
        QList<QPoint> white;
    } cases[] = {
        {1, {{W - 1, 0}}, {{0, 0}}},
        {2, {{0, H - 1}}, {{0, 0}}},
        {3, {{0, 0}, {W - 1, 0}}, {{0, H - 1}}},
        {4, {{0, 0}, {0, H - 1}}, {{W - 1, 0}}},
        {5, {{0, 0}, {W - 1, 0}, {0, H - 1}, {W - 1, H - 1}}, {{W / 2, H / 2}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Index);
        m.Pic->surface().clear(kWhite);
        m.Pic->surface().setPixel(0, 0, red);
        m.Pic->surface().setPixel(1, 0, green);
        before = m.Pic->Image().copy();
        state->Tool = 7;
        state->Gewijzigd = false;
        m.Flip[c.Index]->trigger();
        for (const QPoint& p : c.red)
            EXPECT_EQ(m.Pic->surface().pixel(p.x(), p.y()), red) << p.x() << "," << p.y();
        for (const QPoint& p : c.white)
            EXPECT_EQ(m.Pic->surface().pixel(p.x(), p.y()), kWhite) << p.x() << "," << p.y();
        EXPECT_EQ(state->Tool, 7);
        EXPECT_TRUE(state->Gewijzigd);
        EXPECT_FALSE(state->services.busy.isBusy());
        m.EditUndo_Click();
        EXPECT_EQ(m.Pic->Image(), before);
    }
    EXPECT_EQ(m.Pic->surface().pixel(1, 0), green);
    EXPECT_TRUE(calls.empty());
}

TEST_F(FilterMenuTest, GradientPopUpDirectionsReachTheGradientProcedures) {
    Main& m = ready();
    m.HScroll1[0]->setValue(255); // drawing colour red
    m.HScroll1[1]->setValue(0);
    m.HScroll1[2]->setValue(0);
    m.HScroll2[0]->setValue(0); // fill colour blue
    m.HScroll2[1]->setValue(0);
    m.HScroll2[2]->setValue(255);
    const int W = 415, H = 310;
    // Where the drawing colour and the fill colour end up for each direction.
    const struct {
        QPoint redAt, blueAt;
    } cases[] = {
        {{2, 2}, {2, H - 3}}, {{2, 2}, {W - 3, 2}},     {{2, H - 3}, {2, 2}},
        {{W - 3, 2}, {2, 2}}, {{2, 2}, {W - 3, H - 3}}, {{2, 2}, {W / 2, H / 2}},
    };
    for (int i = 0; i <= 5; ++i) {
        SCOPED_TRACE(i);
        paint(m, kWhite);
        QAction* chosen = m.GradientRichting[i];
        m.popupMenu = [&](QMenu* menu) {
            EXPECT_EQ(menu, m.GradientKleur);
            chosen->trigger();
        };
        m.TekenKnop_Click(12);
        EXPECT_TRUE(
            near(m.Pic->surface().pixel(cases[i].redAt.x(), cases[i].redAt.y()), 255, 0, 0));
        EXPECT_TRUE(
            near(m.Pic->surface().pixel(cases[i].blueAt.x(), cases[i].blueAt.y()), 0, 0, 255));
        EXPECT_EQ(m.UndoPic->Image(), before);
    }
    // Called directly (the drawing button marks the design itself): the diagonal marks
    // the design and mixes the two colours towards the other corners.
    state->Gewijzigd = false;
    paint(m, kWhite);
    m.GradientRichting_Click(4);
    EXPECT_TRUE(state->Gewijzigd);
    const int mixed = m.Pic->surface().pixel(W - 1, 0);
    EXPECT_GT(redOf(mixed), 60);
    EXPECT_LT(redOf(mixed), 200);
    EXPECT_GT(blueOf(mixed), 60);
    EXPECT_LT(blueOf(mixed), 200);
    m.EditUndo_Click();
    EXPECT_EQ(m.Pic->Image(), before);
}

TEST_F(FilterMenuTest, BordersDrawNestedOutlinesAndCanBeUndone) {
    Main& m = ready();
    m.HScroll1[0]->setValue(200);
    m.HScroll1[1]->setValue(10);
    m.HScroll1[2]->setValue(20);
    Surface& c = m.Pic->surface();
    c.drawWidth = 1;
    // Pixels at most `rim` from the edge have `edge`, the others `inside`.
    auto rings = [&](int rim, int edge, int inside) {
        int wrong = 0;
        for (int y = 0; y < c.heightPx(); ++y)
            for (int x = 0; x < c.widthPx(); ++x) {
                const int d = std::min({x, y, c.widthPx() - 1 - x, c.heightPx() - 1 - y});
                wrong += c.pixel(x, y) != (d <= rim ? edge : inside);
            }
        return wrong;
    };
    const int ink = RGB(200, 10, 20), red = RGB(255, 0, 0);
    c.clear(kWhite);
    c.fillStyle = FillSolid; // a border is an outline whatever fill is left on the pen
    state->Gewijzigd = false;
    m.ToolsRanden[1]->trigger();
    EXPECT_EQ(rings(1, ink, kWhite), 0) << "\"1 Pixel\" is two pixels wide";
    EXPECT_TRUE(state->Gewijzigd);
    EXPECT_EQ(m.UndoPic->surface().pixel(0, 0), kWhite);

    c.clear(red);
    m.ToolsRanden[7]->trigger();
    EXPECT_EQ(rings(7, ink, red), 0) << "\"7 Pixels\" is eight wide";
    m.ToolsRanden[9]->trigger();
    EXPECT_EQ(rings(9, RGB(240, 240, 240), red), 0) << "Verwijder rand";
    m.EditUndo_Click();
    EXPECT_EQ(rings(7, ink, red), 0) << "undo brings the border back";
    EXPECT_EQ(c.fillStyle, FillSolid);
    EXPECT_TRUE(calls.empty());
}

#include "MainFixture.h"
#include "editor/Shapes.h"
#include "platform/Colour.h"

using namespace korv;

namespace {
constexpr int kBlank = 240 + 256 * 240 + 65536 * 240;

class CanvasTest : public MainTest {
protected:
    Main& ready() {
        Main& m = load();
        m.popupMenu = [this](QMenu* menu) {
            shownMenus << menu;
            if (nextChoice) {
                QAction* a = nextChoice;
                nextChoice = nullptr;
                a->trigger();
            }
        };
        return m;
    }
    void drag(Main& m, double x0, double y0, double x1, double y1, int button = Mouse::Left) {
        m.Pic_MouseDown(button, 0, x0, y0);
        m.Pic_MouseMove(button, 0, (x0 + x1) / 2, (y0 + y1) / 2);
        m.Pic_MouseMove(button, 0, x1, y1);
        m.Pic_MouseUp(button, 0, x1, y1);
    }
    int px(Main& m, int x, int y) { return m.Pic->surface().pixel(x, y); }
    QList<QMenu*> shownMenus;
    QAction* nextChoice = nullptr;
};
} // namespace

TEST_F(CanvasTest, WhichGesturesMarkTheDesignAndTakeTheUndoCopy) {
    const struct {
        int tool, button;
        bool moved, marked;
    } cases[] = {
        {0, Mouse::Left, true, true},    {1, Mouse::Left, true, true},
        {5, Mouse::Left, true, true},    {19, Mouse::Left, true, true},
        {18, Mouse::Left, false, true},  {50, Mouse::Left, true, true},
        {103, Mouse::Left, false, true}, {0, Mouse::Right, true, false},
        {5, Mouse::Right, true, false},
    };
    Main& m = ready();
    for (const auto& c : cases) {
        state->Tool = c.tool;
        state->Gewijzigd = false;
        m.Pic->surface().setPixel(0, 0, RGB(9, 9, 9));
        m.Pic_MouseDown(c.button, 0, 10, 10);
        EXPECT_EQ(m.UndoPic->surface().pixel(0, 0), RGB(9, 9, 9)) << "undo copy on every press";
        if (c.moved) m.Pic_MouseMove(c.button, 0, 30, 30);
        m.Pic_MouseUp(c.button, 0, 30, 30);
        EXPECT_EQ(state->Gewijzigd, c.marked) << "tool " << c.tool << " button " << c.button;
    }
    // A left drag with the placing tool alone does not mark; its release does.
    state->Tool = 50;
    state->Gewijzigd = false;
    m.Pic_MouseDown(Mouse::Left, 0, 1, 1);
    m.Pic_MouseMove(Mouse::Left, 0, 5, 5);
    EXPECT_FALSE(state->Gewijzigd);
}

TEST_F(CanvasTest, RubberLineLeavesTheCanvasAsItWas) {
    Main& m = ready();
    m.Pic->surface().filledBox(0, 0, 100, 100, RGB(10, 200, 30));
    const QImage before = m.Pic->Image().copy();
    state->Tool = 1;
    m.Pic_MouseDown(Mouse::Left, 0, 10, 10);
    for (int i = 0; i < 8; ++i)
        m.Pic_MouseMove(Mouse::Left, 0, 20 + 7 * i, 90 - 5 * i);
    // Back over the start: the last rubber line is the only change left.
    m.Pic_MouseMove(Mouse::Left, 0, 10, 10);
    m.Pic_MouseMove(Mouse::Left, 0, 10, 10);
    EXPECT_EQ(m.Pic->Image(), before);
}

TEST_F(CanvasTest, StraightLineEndsAtBothPointsInAnyDirection) {
    Main& m = ready();
    state->Tool = 1;
    drag(m, 50, 40, 20, 10);
    const int ink = RGB(50, 50, 50);
    EXPECT_EQ(px(m, 50, 40), ink);
    EXPECT_EQ(px(m, 20, 10), ink);
    EXPECT_EQ(px(m, 35, 25), ink);
    EXPECT_EQ(px(m, 19, 9), kBlank);
    EXPECT_EQ(px(m, 51, 41), kBlank);
    EXPECT_EQ(m.Pic->surface().drawMode, DrawCopyPen);
}

TEST_F(CanvasTest, ShapeCatalogueVertices) {
    auto lines = [](int tool, const ShapeBox& b) {
        QList<QList<double>> out;
        for (const ShapeStep& s : shapeSteps(tool, b, false, 1, 30))
            if (s.kind == ShapeStep::Line) out << QList<double>{s.x1, s.y1, s.x2, s.y2};
        return out;
    };
    const ShapeBox box{10, 20, 110, 80, 101, 61};
    EXPECT_EQ(lines(5, box),
              (QList<QList<double>>{{10, 80, 60, 20}, {60, 20, 110, 80}, {110, 80, 10, 80}}));
    EXPECT_EQ(lines(6, box),
              (QList<QList<double>>{
                  {10, 50, 60, 20}, {60, 20, 110, 50}, {110, 50, 60, 80}, {60, 80, 10, 50}}));
    // Heart: two upper half arcs, then the sides from the arcs' level.
    const auto heart = shapeSteps(9, box, false, 1, 30);
    ASSERT_EQ(heart.size(), 4u);
    EXPECT_EQ(heart[0].kind, ShapeStep::Arc);
    EXPECT_DOUBLE_EQ(heart[0].x1, 35);
    EXPECT_DOUBLE_EQ(heart[0].y1, 35);
    EXPECT_DOUBLE_EQ(heart[0].r, 25);
    EXPECT_DOUBLE_EQ(heart[1].x1, 85);
    EXPECT_DOUBLE_EQ(heart[0].end, 3.14);
    EXPECT_EQ(lines(9, box), (QList<QList<double>>{{110, 35, 60, 80}, {60, 80, 10, 35}}));
    // Ellipse: radius the larger half size, aspect the ratio.
    const auto e1 = shapeSteps(4, box, false, 1, 30);
    EXPECT_DOUBLE_EQ(e1.back().r, 50);
    EXPECT_NEAR(e1.back().aspect, 0.6, 1e-6);
    const auto e2 = shapeSteps(4, ShapeBox{0, 0, 60, 100, 61, 101}, false, 1, 30);
    EXPECT_DOUBLE_EQ(e2.back().r, 50);
    EXPECT_NEAR(e2.back().aspect, 1.6667, 1e-3);
    // Open star from the rubber rectangle after a drag that ended at the release.
    const auto star = lines(12, ShapeBox{0, 0, 80, 80, 81, 81});
    ASSERT_EQ(star.size(), 8);
    EXPECT_EQ(star[0].mid(0, 2), (QList<double>{40.5, 0}));
    EXPECT_EQ(star[2].mid(0, 2), (QList<double>{81, 40.5}));
    EXPECT_EQ(star[4].mid(0, 2), (QList<double>{40.5, 81}));
    EXPECT_EQ(star[6].mid(0, 2), (QList<double>{0, 40.5}));
    EXPECT_EQ(lines(13, ShapeBox{0, 0, 80, 80, 81, 81}).size(), 12);
}

TEST_F(CanvasTest, ShapesAreDrawnOnlyRightOfAndBelowThePress) {
    Main& m = ready();
    m.Vormen_Click(4); // "Driehoek", tool 5
    EXPECT_EQ(state->Tool, 5);
    EXPECT_FALSE(m.Check2->isEnabled());
    EXPECT_TRUE(m.Vormen[4]->isChecked());
    const QImage blank = m.Pic->Image().copy();
    drag(m, 100, 100, 60, 150);
    EXPECT_EQ(m.Pic->Image(), blank);
    EXPECT_TRUE(state->Gewijzigd);
    EXPECT_FALSE(m.Layer->isVisibleTo(&m));
    drag(m, 10, 20, 110, 80);
    EXPECT_EQ(px(m, 10, 80), RGB(50, 50, 50));
    EXPECT_EQ(px(m, 60, 20), RGB(50, 50, 50));
    EXPECT_EQ(px(m, 110, 80), RGB(50, 50, 50));
}

TEST_F(CanvasTest, RectanglesPatternAndCutOut) {
    Main& m = ready();
    m.Pic->surface().filledBox(0, 0, 200, 200, RGB(0, 0, 255));
    m.Vormen_Click(1);
    EXPECT_TRUE(m.Check2->isEnabled());
    m.StijlScroll->setValue(2); // horizontal lines
    EXPECT_EQ(m.Label19->text(), "Raster bij Rechthoek en Ellips (1 / 6)");
    m.Pic->surface().fillColor = RGB(255, 0, 0);
    drag(m, 10, 10, 30, 30);
    EXPECT_EQ(px(m, 10, 10), RGB(50, 50, 50));
    EXPECT_EQ(px(m, 20, 16), RGB(255, 0, 0)) << "a hatch row (every eighth)";
    EXPECT_EQ(px(m, 20, 17), RGB(0, 0, 255)) << "between hatch rows the design shows";

    m.Check2->setChecked(true);
    drag(m, 50, 50, 70, 60);
    for (int x = 50; x <= 70; ++x) {
        EXPECT_EQ(px(m, x, 50), kBlank);
        EXPECT_EQ(px(m, x, 60), kBlank);
    }
    EXPECT_EQ(px(m, 71, 55), RGB(0, 0, 255));
    EXPECT_EQ(m.Pic->surface().fillColor, RGB(255, 0, 0))
        << "a cut rectangle keeps the fill colour";
    m.Vormen_Click(3); // cut ellipse
    drag(m, 100, 100, 140, 120);
    EXPECT_EQ(px(m, 120, 110), kBlank);
    EXPECT_EQ(m.Pic->surface().fillColor, kBlank);
    EXPECT_EQ(m.Pic->surface().fillStyle, FillTransparent);
}

TEST_F(CanvasTest, FloodFillAndEraser) {
    Main& m = ready();
    Surface& c = m.Pic->surface();
    c.box(10, 10, 40, 40, 0);
    state->Tool = 18;
    m.Pic_MouseDown(Mouse::Left, 0, 20, 20);
    m.Pic_MouseUp(Mouse::Left, 0, 20, 20);
    EXPECT_EQ(px(m, 20, 20), RGB(190, 190, 0));
    EXPECT_EQ(px(m, 39, 39), RGB(190, 190, 0));
    EXPECT_EQ(px(m, 5, 5), kBlank);
    EXPECT_EQ(c.fillStyle, FillTransparent);
    // Undo after a fill gives the unfilled box back.
    m.EditUndo_Click();
    EXPECT_EQ(px(m, 20, 20), kBlank);

    c.filledBox(100, 100, 160, 160, RGB(0, 0, 0));
    state->Tool = 19;
    m.Pic_MouseDown(Mouse::Left, 0, 130, 130);
    m.Pic_MouseUp(Mouse::Left, 0, 130, 130);
    EXPECT_EQ(px(m, 120, 120), kBlank) << "the dab is centred at (X - s/2, Y - s/2)";
    EXPECT_EQ(px(m, 130, 130), 0);
    m.Check1->setChecked(true);
    m.Pic_MouseDown(Mouse::Left, 0, 160, 160);
    m.Pic_MouseUp(Mouse::Left, 0, 160, 160);
    EXPECT_EQ(px(m, 150, 150), RGB(190, 190, 0));
    EXPECT_FALSE(m.Gom->isVisibleTo(&m));
}

TEST_F(CanvasTest, SelectionCopyAndDelete) {
    Main& m = ready();
    Surface& c = m.Pic->surface();
    c.filledBox(20, 30, 29, 39, RGB(200, 0, 0));
    state->Tool = 20;
    nextChoice = m.SelectieCopy[2];
    drag(m, 20, 30, 29, 39);
    EXPECT_EQ(shownMenus.value(0), m.CopySelectie);
    EXPECT_EQ(state->SelBreedte, 10);
    EXPECT_EQ(state->SelHoogte, 10);
    EXPECT_TRUE(m.ClipPic->isVisibleTo(&m));
    EXPECT_EQ(m.ClipPic->Left(), 0);
    EXPECT_EQ(m.ClipPic->surface().widthPx(), 10);
    EXPECT_EQ(m.ClipPic->surface().pixel(0, 0), RGB(200, 0, 0));
    EXPECT_EQ(m.ClipPic->surface().pixel(9, 9), RGB(200, 0, 0));
    EXPECT_FALSE(m.Layer->isVisibleTo(&m));
    // Pasted back where it came from, the design does not change.
    const QImage before = m.Pic->Image().copy();
    m.ClipPic->Move(20, 30);
    m.Plak_Click(3);
    EXPECT_EQ(m.Pic->Image(), before);

    // Delete paints pure white; with the frame a black outline follows.
    nextChoice = m.SelectieCopy[3];
    drag(m, 50, 50, 59, 54);
    EXPECT_EQ(px(m, 50, 50), RGB(255, 255, 255));
    EXPECT_EQ(px(m, 60, 55), RGB(255, 255, 255)) << "the box reaches L + W, T + H";
    nextChoice = m.SelectieCopy[4];
    drag(m, 80, 80, 89, 84);
    EXPECT_EQ(px(m, 80, 80), 0);
    EXPECT_EQ(px(m, 85, 82), RGB(255, 255, 255));
    EXPECT_EQ(px(m, 90, 85), 0);

    // Past the canvas edge only what lies on the canvas is copied.
    nextChoice = m.SelectieCopy[2];
    c.filledBox(405, 300, 414, 309, RGB(0, 90, 0));
    drag(m, 405, 300, 430, 330);
    EXPECT_EQ(m.ClipPic->surface().pixel(9, 9), RGB(0, 90, 0));
    EXPECT_EQ(m.ClipPic->surface().pixel(20, 20), kBlank);
}

TEST_F(CanvasTest, PasteWithoutBackgroundAndRotations) {
    Main& m = ready();
    QImage obj(6, 4, QImage::Format_RGB32);
    obj.fill(qRgb(255, 255, 255));
    obj.setPixel(0, 0, qRgb(1, 2, 3));
    obj.setPixel(5, 3, qRgb(255, 255, 254));
    m.ClipPic->setPicture(obj);
    m.ClipPic->Move(100, 50);
    m.ClipPic->show();
    // Four quarter turns give the object back; one turns it counter-clockwise.
    m.Plak_Click(7);
    EXPECT_EQ(m.ClipPic->surface().widthPx(), 4);
    EXPECT_EQ(m.ClipPic->surface().heightPx(), 6);
    EXPECT_EQ(m.ClipPic->surface().pixel(0, 5), RGB(1, 2, 3))
        << "top row becomes the left column, bottom up";
    m.Plak_Click(7);
    m.Plak_Click(7);
    m.Plak_Click(7);
    EXPECT_EQ(m.ClipPic->Image(), obj);
    EXPECT_EQ(m.ClipPic->Left(), 100);
    m.Plak_Click(8);
    EXPECT_EQ(m.ClipPic->surface().pixel(5, 0), RGB(1, 2, 3));
    m.Plak_Click(8);

    m.Pic->surface().filledBox(0, 0, 200, 200, RGB(0, 0, 100));
    state->Gewijzigd = false;
    m.Plak_Click(5);
    EXPECT_TRUE(state->Gewijzigd);
    EXPECT_FALSE(m.ClipPic->isVisibleTo(&m));
    EXPECT_EQ(px(m, 100, 50), RGB(1, 2, 3));
    EXPECT_EQ(px(m, 105, 53), RGB(255, 255, 254)) << "one step from the key is copied";
    EXPECT_EQ(px(m, 102, 51), RGB(0, 0, 100)) << "the key colour is left out";
    EXPECT_FALSE(state->services.busy.isBusy());
    // Undo takes the pasted object off again.
    m.EditUndo_Click();
    EXPECT_EQ(px(m, 100, 50), RGB(0, 0, 100));
}

TEST_F(CanvasTest, DraggingTheFloatingPicture) {
    Main& m = ready();
    QImage obj(10, 10, QImage::Format_RGB32);
    obj.fill(Qt::red);
    m.ClipPic->setPicture(obj);
    m.ClipPic->Move(20, 20);
    m.ClipPic->show();
    m.ClipPic_MouseDown(Mouse::Left, 0, 4, 5);
    m.ClipPic_MouseMove(Mouse::Left, 0, 14, 8);
    EXPECT_EQ(m.ClipPic->Left(), 30);
    EXPECT_EQ(m.ClipPic->Top(), 23);
    m.ClipPic_MouseMove(Mouse::Left | Mouse::Right, 0, 30, 30);
    EXPECT_EQ(m.ClipPic->Left(), 30) << "two buttons held do not move it";
    m.ClipPic_MouseUp(Mouse::Right, 0, 1, 1);
    EXPECT_EQ(shownMenus.value(0), m.Plakken);
}

TEST_F(CanvasTest, TextToolPlacesTextIntoTheFloatingPicture) {
    Main& m = ready();
    m.Text1->setText("   ");
    dialogs->expectMsg(QString::fromUtf8("Géén tekst ingevuld...")).title = "Error";
    m.PlaatsKnop_Click();
    EXPECT_FALSE(m.ClipPic->isVisibleTo(&m));

    m.Text1->setText("Post");
    dialogs->expectMsg("Verschuif met ingedrukte linkermuisknop de tekst.\r\n"
                       "Klik vervolgens rechts op de tekst voor het plaatsen.");
    state->Tool = 0;
    m.PlaatsKnop_Click();
    EXPECT_TRUE(m.ClipPic->isVisibleTo(&m));
    EXPECT_EQ(state->Tool, 0);
    const Surface& clip = m.ClipPic->surface();
    EXPECT_GT(clip.widthPx(), 20);
    int ink = 0, other = 0;
    for (int y = 0; y < clip.heightPx(); ++y)
        for (int x = 0; x < clip.widthPx(); ++x) {
            const int p = clip.pixel(x, y);
            if (p == RGB(50, 50, 50))
                ++ink;
            else if (p != kBlank)
                ++other;
        }
    EXPECT_GT(ink, 20);
    EXPECT_EQ(other, 0) << "text is drawn without blending";

    // Sizes that are no number, 0 or less use 20; above 500 use 500.
    m.Combo2->setEditText("abc");
    EXPECT_EQ(m.textSize(), 20);
    m.Combo2->setEditText("-4");
    EXPECT_EQ(m.textSize(), 20);
    m.Combo2->setEditText("9000");
    EXPECT_EQ(m.textSize(), 500);
    m.Combo2->setEditText("36");
    EXPECT_EQ(m.textSize(), 36);

    // Outlined text: the inside in the fill colour.
    state->MeldingPlaatsen = false;
    m.OpenCheck->setChecked(true);
    m.Combo2->setEditText("40");
    m.Text1->setText("I");
    m.PlaatsKnop_Click();
    bool fillInside = false;
    for (int y = 0; y < clip.heightPx(); ++y)
        for (int x = 0; x < clip.widthPx(); ++x)
            if (clip.pixel(x, y) == RGB(190, 190, 0)) fillInside = true;
    EXPECT_TRUE(fillInside);
}

TEST_F(CanvasTest, PendingTextIsPlacedOnRelease) {
    Main& m = ready();
    m.Text1->setText("X");
    state->MeldingPlaatsen = false;
    m.PlaatsKnop_Click();
    state->TekstPlaatsenActief = true;
    state->Tool = 5;
    state->Gewijzigd = false;
    m.Pic_MouseDown(Mouse::Right, 0, 100, 100);
    m.Pic_MouseUp(Mouse::Right, 0, 100, 100);
    EXPECT_FALSE(state->TekstPlaatsenActief);
    EXPECT_TRUE(state->Gewijzigd);
    bool drawn = false;
    const int top = 100 - static_cast<int>(heightInContainer(m.TextLabel)) - 5;
    for (int y = top; y < 100; ++y)
        for (int x = 100; x < 130; ++x)
            if (px(m, x, y) == RGB(50, 50, 50)) drawn = true;
    EXPECT_TRUE(drawn);
    EXPECT_EQ(px(m, 99, 99), kBlank);
}

TEST_F(CanvasTest, ButtonsSlidersAndHelpLine) {
    int opened = 0;
    windows.add("ArrowForm", [&](Main&) { ++opened; });
    Main& m = ready();
    m.TekenKnop_Click(7);
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(state->Gewijzigd);
    state->Gewijzigd = false;
    state->Tool = 1;
    m.TekenKnop_Click(2); // the shape menu dismissed
    EXPECT_EQ(shownMenus.value(0), m.Shapes);
    EXPECT_EQ(state->Tool, 1);
    EXPECT_TRUE(state->Gewijzigd);
    m.TekenKnop_Click(5);
    EXPECT_EQ(state->Tool, 20);

    m.TekenKnop_MouseIn(13);
    EXPECT_EQ(m.KnopLabel->text(),
              QString::fromUtf8(
                  "Maakt het ontwerp transparant. Waarde is in te stellen met één van de linker "
                  "schuifregelaars (5..95)"));
    m.TekenKnop_MouseOut(13);
    EXPECT_EQ(m.KnopLabel->text(), Main::kKnopRestText);

    m.HScroll1[2]->setValue(200);
    EXPECT_EQ(state->TekenKleurB, 200);
    EXPECT_EQ(m.Label22[2]->text(), "200");
    EXPECT_EQ(m.Label22[0]->text(), "50");
    EXPECT_EQ(m.drawingColour(), RGB(50, 50, 200));
    m.HScroll2[0]->setValue(10);
    EXPECT_EQ(m.fillColour(), RGB(10, 190, 0));
    m.LijndikteScroll->setValue(9);
    EXPECT_EQ(state->Lijndikte, 9);
    EXPECT_EQ(m.Label12->text(), "Lijndikte (9 / 9)");
    m.GomScroll->setValue(5);
    EXPECT_EQ(m.Label14->text(), "Gomgrootte (5 / 50)");

    // Transparency: the slider's value is the share of white.
    m.Pic->surface().filledBox(0, 0, 414, 309, 0);
    m.TransScroll->setValue(95);
    m.TekenKnop_Click(13);
    EXPECT_EQ(px(m, 10, 10), RGB(242, 242, 242)); // 0 * 5% + 255 * 95% = 242.25
    EXPECT_EQ(m.UndoPic->surface().pixel(10, 10), 0);
}

TEST_F(CanvasTest, ReadOutsFollowThePointer) {
    Main& m = ready();
    state->Tool = 20;
    m.Pic_MouseDown(Mouse::Left, 0, 10, 10);
    EXPECT_EQ(m.XYcor->text(), " 0, 0 ");
    m.Pic_MouseMove(Mouse::Left, 0, 20, 15);
    EXPECT_EQ(m.XYcor->text(), " 11,6 ");
    EXPECT_EQ(m.XYlabel->text(), "20 x 15");
    state->Tool = 2;
    m.Pic_MouseDown(Mouse::Left, 0, 10, 10);
    m.Pic_MouseMove(Mouse::Left, 0, 20, 15);
    EXPECT_EQ(m.XYcor->text(), " 10, 5 ");
    m.Pic_MouseMove(Mouse::Left, 0, 5, 5);
    EXPECT_EQ(m.XYcor->text(), " 0, 0 ");
    EXPECT_EQ(widthInContainer(m.Layer), 1);
    EXPECT_EQ(state->LastX, 10) << "the last drag point as clamped";
    EXPECT_EQ(state->LastY, 10);
}

TEST_F(CanvasTest, OnlyALeftDragMovesTheLastDragPoint) {
    Main& m = ready();
    state->Tool = 1;
    m.Pic_MouseDown(Mouse::Left, 0, 10, 12);
    EXPECT_EQ(state->LastX, 10);
    EXPECT_EQ(state->LastY, 12);
    m.Pic_MouseMove(Mouse::Left, 0, 30, 40);
    EXPECT_EQ(state->LastX, 30);
    EXPECT_EQ(state->LastY, 40);
    // Moves without the left button alone update the read-outs, not the drag point.
    for (int buttons : {0, Mouse::Right, Mouse::Left | Mouse::Right}) {
        m.Pic_MouseMove(buttons, 0, 77, 66);
        EXPECT_EQ(m.XYlabel->text(), "77 x 66");
        EXPECT_EQ(state->LastX, 30) << "buttons " << buttons;
        EXPECT_EQ(state->LastY, 40) << "buttons " << buttons;
    }
    // With a tool that draws nothing a left drag still moves it.
    state->Tool = 50;
    m.Pic_MouseDown(Mouse::Left, 0, 1, 1);
    m.Pic_MouseMove(Mouse::Left, 0, 5, 6);
    EXPECT_EQ(state->LastX, 5);
    EXPECT_EQ(state->LastY, 6);
}

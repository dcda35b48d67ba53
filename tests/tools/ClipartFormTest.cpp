#include "tools/ClipartForm.h"
#include "InsertFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QScrollBar>

using namespace korv;

namespace {
// Library k: red and green follow the position, blue names the library and the tile.
int libColour(int k, int x, int y) {
    return RGB(x % 256, y % 256, 40 * k + x / 330);
}
} // namespace

class ClipartFormTest : public InsertDialogTest {
protected:
    void writeLibraries(int n) {
        for (int k = 0; k < n; ++k)
            saveBmp(QString("Cliparts/Lib%1.art").arg(k),
                    pattern(1650, 360, [k](int x, int y) { return libColour(k, x, y); }));
    }
    // Pixel (x, y) of the result after a pick of `tile` at the result's size w x h.
    static int resultPixel(int k, int tile, int x, int y, int w, int h) {
        return libColour(k, 330 * tile + (2 * x + 1) * 330 / (2 * w), (2 * y + 1) * 360 / (2 * h));
    }
};

TEST_F(ClipartFormTest, OpensWithTheFirstLibraryAtAThirdAndABlankSmallResult) {
    writeLibraries(3);
    writeFile("Cliparts/notes.txt", "no library");
    ClipartForm f(M());
    ASSERT_EQ(f.Combo1->count(), 3);
    EXPECT_EQ(f.Combo1->itemText(0), "Lib0.art");
    EXPECT_EQ(f.Combo1->currentText(), "Lib0.art");
    EXPECT_EQ(f.Label5->text(), "Totaal 15 Cliparts");
    EXPECT_EQ(f.Label9->text(), "Grootte Clipart (110x120)");
    EXPECT_EQ(f.VScroll2->value(), 110);
    EXPECT_EQ(f.BigPic->Image().size(), QSize(110, 120));
    EXPECT_EQ(f.BigPic->surface().pixel(50, 50), f.BigPic->backColor());
    EXPECT_EQ(f.windowTitle(), "Cliparts Invoegen");

    // The strip samples the library at every third pixel.
    const Surface& strip = f.Pic->surface();
    for (const auto& [x, y] : {std::pair{0, 0}, {109, 119}, {110, 0}, {333, 57}, {549, 119}})
        EXPECT_EQ(strip.pixel(x, y), libColour(0, 3 * x + 1, 3 * y + 1)) << x << "," << y;

    f.Combo1->setCurrentIndex(2);
    f.Combo1_Click();
    EXPECT_EQ(strip.pixel(200, 60), libColour(2, 601, 181));
}

TEST_F(ClipartFormTest, PressesPickTheTileOfTheirBandOrElseTheFirst) {
    writeLibraries(1);
    ClipartForm f(M());
    const struct {
        double x, y;
        int tile;
    } presses[] = {{50, 50, 0},  {150, 50, 1},  {300, 114, 2}, {400, 6, 3},
                   {500, 60, 4}, {105, 50, 0},  {110, 50, 0},  {220, 50, 0},
                   {150, 5, 0},  {150, 115, 0}, {544, 60, 4},  {545, 60, 0}};
    for (const auto& p : presses) {
        f.Pic_MouseDown(Mouse::Right, 0, p.x, p.y);
        EXPECT_EQ(f.ExportPic->surface().pixel(0, 0), libColour(0, 330 * p.tile, 0))
            << p.x << "," << p.y;
        EXPECT_EQ(f.ExportPic->surface().pixel(329, 359), libColour(0, 330 * p.tile + 329, 359));
        EXPECT_EQ(f.BigPic->surface().pixel(109, 119), resultPixel(0, p.tile, 109, 119, 110, 120));
    }
}

TEST_F(ClipartFormTest, SizeBarResizesFromTheTileAndUndoesMirrorAndBlackWhite) {
    writeLibraries(1);
    ClipartForm f(M());
    f.Pic_MouseDown(Mouse::Left, 0, 160, 60); // tile 1
    f.VScroll2->setValue(200);
    EXPECT_EQ(f.BigPic->Image().size(), QSize(200, 218));
    EXPECT_EQ(f.Label9->text(), "Grootte Clipart (200x218)");
    EXPECT_EQ(f.BigPic->surface().pixel(77, 150), resultPixel(0, 1, 77, 150, 200, 218));

    f.HorKnop_Click();
    EXPECT_EQ(f.BigPic->surface().pixel(0, 10), resultPixel(0, 1, 199, 10, 200, 218));
    f.VScroll2->setValue(330);
    EXPECT_EQ(f.Label9->text(), "Grootte Clipart (330x360)");
    EXPECT_EQ(f.BigPic->surface().pixel(0, 10), libColour(0, 330, 10)) << "mirror kept";
    EXPECT_EQ(f.BigPic->surface().pixel(329, 359), libColour(0, 659, 359));

    // At 330 x 360 the result is tile 1 one to one: pixel (x, y) is RGB(74 + x, y, 1) for
    // x < 182, y < 256, so its grey is the rounded (75 + x + y) / 3.
    dialogs->expectInput("Geef een getal voor zwart-wit balans", "100");
    f.BWKnop_Click();
    EXPECT_EQ(f.BigPic->surface().pixel(100, 124), kWhite); // 299 / 3 rounds to 100
    EXPECT_EQ(f.BigPic->surface().pixel(100, 123), kBlack); // 298 / 3 rounds to 99
    EXPECT_EQ(f.BigPic->surface().pixel(10, 10), kBlack);
    EXPECT_FALSE(S().services.busy.isBusy());
    dialogs->expectInput("Geef een getal voor zwart-wit balans", "");
    f.BWKnop_Click();
    EXPECT_EQ(f.BigPic->surface().pixel(10, 10), kBlack);
    f.VScroll2->setValue(329);
    f.VScroll2->setValue(330);
    EXPECT_EQ(f.BigPic->surface().pixel(10, 10), libColour(0, 340, 10));
}

TEST_F(ClipartFormTest, AWrongSizedLibraryIsRefusedAndKeepsTheOneLoaded) {
    writeLibraries(1);
    saveBmp("Cliparts/Mis.art", pattern(1650, 361, [](int, int) { return RGB(9, 9, 9); }));
    ClipartForm f(M());
    dialogs->expectMsg("Geen orginele sticker!").title = "Error";
    f.Combo1->setCurrentIndex(1);
    f.Combo1_Click();
    ASSERT_EQ(dialogs->seen().back().buttons, Mb::OkOnly | Mb::Critical);
    EXPECT_EQ(f.Pic->surface().pixel(10, 10), libColour(0, 31, 31));
    f.Pic_MouseDown(Mouse::Left, 0, 160, 60);
    EXPECT_EQ(f.ExportPic->surface().pixel(5, 5), libColour(0, 335, 5))
        << "the pick must come from the library the strip shows";
    EXPECT_FALSE(S().services.busy.isBusy());

    // A typed name that is no file leaves the loaded library without a word.
    f.Combo1->setEditText("Li");
    f.Combo1_Change();
    EXPECT_EQ(f.Pic->surface().pixel(10, 10), libColour(0, 31, 31));
}

TEST_F(ClipartFormTest, WithoutLibrariesTheWindowOpensEmptyAndExportHandsOverTheBlankResult) {
    ClipartForm f(M());
    EXPECT_EQ(f.Combo1->count(), 0);
    EXPECT_EQ(f.Label5->text(), "Totaal 0 Cliparts");
    f.Pic_MouseDown(Mouse::Left, 0, 50, 50);
    const QImage blank = f.BigPic->Image().copy();
    EXPECT_EQ(blank.size(), QSize(110, 120));
    S().MeldingPlaatsen = true;
    expectPlacementHint();
    f.ExportKnop_Click();
    EXPECT_EQ(S().Tool, 50);
    expectHandedOver(blank);
    EXPECT_EQ(f.result(), QDialog::Accepted);
}

TEST_F(ClipartFormTest, ExportHandsOverTheResultAndCancelNothing) {
    writeLibraries(2);
    {
        ClipartForm f(M());
        f.Pic_MouseDown(Mouse::Left, 0, 380, 60); // tile 3
        f.VScroll2->setValue(150);
        f.HorKnop_Click();
        f.CancelKnop_Click();
        EXPECT_TRUE(M().ClipPic->isHidden());
        EXPECT_EQ(S().Tool, 3);
    }
    ClipartForm f(M());
    f.Pic_MouseDown(Mouse::Left, 0, 380, 60);
    f.VScroll2->setValue(150);
    f.HorKnop_Click();
    const QImage shown = f.BigPic->Image().copy();
    EXPECT_EQ(px(shown, 149, 0), resultPixel(0, 3, 0, 0, 150, 164));
    f.ExportKnop_Click(); // the hint is switched off
    EXPECT_EQ(S().Tool, 50);
    expectHandedOver(shown);
}

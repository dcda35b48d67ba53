#include "tools/ArrowForm.h"
#include "InsertFixture.h"

#include <QRadioButton>
#include <QScrollBar>

using namespace korv;

namespace {
// Every pixel of a cell differs; blue names the cell (4 per row, 20 rows).
int sheetColour(int x, int y) {
    return RGB(x % 100, y % 100, 4 * (y / 100) + x / 100);
}
int cellColour(int row, int col, int x, int y) {
    return sheetColour(100 * col + x, 100 * row + y);
}
} // namespace

class ArrowFormTest : public InsertDialogTest {
protected:
    void writeSheet() { saveBmp("Data/Arrows.arr", pattern(400, 2000, sheetColour)); }
    // The 100 x 100 picture as a hand-made image from the sheet, turned `turns` times.
    static QImage cell(int row, int col, int turns = 0) {
        QImage img = pattern(100, 100, [=](int x, int y) { return cellColour(row, col, x, y); });
        for (int t = 0; t < turns; ++t)
            img = img.transformed(QTransform().rotate(90));
        return img;
    }
};

TEST_F(ArrowFormTest, RowBarShowsEachRowOfTheSheetOneToOne) {
    writeSheet();
    ArrowForm f(M());
    EXPECT_FALSE(ArrowForm::AfbeeldingGekozen);
    EXPECT_EQ(f.HScroll1->maximum(), 19);
    EXPECT_TRUE(f.Option1[0]->isChecked());
    EXPECT_EQ(f.Pic->surface().pixel(0, 0), sheetColour(0, 0));
    EXPECT_EQ(f.Pic->surface().pixel(399, 99), sheetColour(399, 99));
    f.HScroll1->setValue(19);
    EXPECT_EQ(f.Pic->surface().pixel(0, 0), sheetColour(0, 1900));
    EXPECT_EQ(f.Pic->surface().pixel(250, 40), sheetColour(250, 1940));
}

TEST_F(ArrowFormTest, PressesPickByColumnBandsAndTheSmallPictureIsHalfSize) {
    writeSheet();
    ArrowForm f(M());
    f.HScroll1->setValue(7);
    const struct {
        double x;
        int col;
    } presses[] = {{99.5, 0}, {150, 1}, {0, 0}, {100, 0}, {250, 2}, {398.9, 3}, {399, 0}};
    for (const auto& p : presses) {
        f.Pic_MouseDown(Mouse::Left, 0, p.x, 80);
        EXPECT_EQ(f.Picture1->Image(), cell(7, p.col)) << p.x;
        EXPECT_EQ(f.MiniPic->surface().pixel(0, 0), cellColour(7, p.col, 1, 1));
        EXPECT_EQ(f.MiniPic->surface().pixel(49, 20), cellColour(7, p.col, 99, 41));
    }
    EXPECT_TRUE(ArrowForm::AfbeeldingGekozen);
}

TEST_F(ArrowFormTest, QuarterTurnsGoClockwiseAndDropTheMirror) {
    writeSheet();
    ArrowForm f(M());
    f.HScroll1->setValue(2);
    f.Pic_MouseDown(Mouse::Left, 0, 120, 10);
    f.RotatieKnop_Click();
    // The top-left corner goes to the top-right corner.
    EXPECT_EQ(f.Picture1->surface().pixel(99, 0), cellColour(2, 1, 0, 0));
    EXPECT_EQ(f.Picture1->Image(), cell(2, 1, 1));
    EXPECT_EQ(f.MiniPic->surface().pixel(10, 20), px(cell(2, 1, 1), 21, 41));

    f.MirrowKnop_Click();
    EXPECT_EQ(f.Picture1->surface().pixel(0, 0), cellColour(2, 1, 0, 0));
    f.RotatieKnop_Click();
    EXPECT_EQ(f.Picture1->Image(), cell(2, 1, 2)) << "the turn starts from the unmirrored picture";
    EXPECT_EQ(f.MiniPic->surface().pixel(10, 20), px(cell(2, 1, 2), 21, 41));
    f.RotatieKnop_Click();
    f.RotatieKnop_Click();
    EXPECT_EQ(f.Picture1->Image(), cell(2, 1));
}

TEST_F(ArrowFormTest, ExportHandsOverTheChosenSizeOnlyAfterAPick) {
    writeSheet();
    {
        ArrowForm f(M());
        f.ExportKnop_Click();
        EXPECT_EQ(f.result(), QDialog::Accepted);
        EXPECT_TRUE(M().ClipPic->isHidden());
        EXPECT_EQ(S().Tool, 3);
    }
    ArrowForm f(M());
    f.Pic_MouseDown(Mouse::Left, 0, 320, 50);
    f.MirrowKnop_Click();
    f.Option1[1]->setChecked(true);
    const QImage small = f.MiniPic->Image().copy();
    EXPECT_EQ(px(small, 0, 0), cellColour(0, 3, 99, 1));
    S().MeldingPlaatsen = true;
    expectPlacementHint();
    f.ExportKnop_Click();
    EXPECT_EQ(S().Tool, 50);
    expectHandedOver(small);

    ArrowForm big(M());
    big.Pic_MouseDown(Mouse::Left, 0, 20, 50);
    big.RotatieKnop_Click();
    expectPlacementHint();
    big.ExportKnop_Click();
    expectHandedOver(cell(0, 0, 1));
}

TEST_F(ArrowFormTest, AMissingSheetSaysSoAndAnEarlierPickHandsNothingOver) {
    writeSheet();
    {
        ArrowForm f(M());
        f.Pic_MouseDown(Mouse::Left, 0, 20, 50);
    }
    ASSERT_TRUE(QFile::remove(path("Data/Arrows.arr")));
    ArrowForm f(M());
    const Surface& row = f.Pic->surface();
    int ink = 0, stray = 0;
    for (int y = 0; y < row.heightPx(); ++y)
        for (int x = 0; x < row.widthPx(); ++x)
            if (row.pixel(x, y) == kBlack) (x >= 90 && y >= 40 && y < 60 ? ink : stray)++;
    EXPECT_GT(ink, 50);
    EXPECT_EQ(stray, 0);
    f.HScroll1->setValue(3); // the bar still moves, over nothing
    f.ExportKnop_Click();
    EXPECT_TRUE(M().ClipPic->isHidden());
    EXPECT_EQ(S().Tool, 3);
}

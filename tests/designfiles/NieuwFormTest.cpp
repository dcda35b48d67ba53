#include "designfiles/NieuwForm.h"
#include "DesignFilesFixture.h"
#include "editor/Algemeen.h"
#include "platform/Colour.h"
#include "platform/PictureBox.h"

#include <QLabel>
#include <QRadioButton>

using namespace korv;

namespace {
// Ink (pixels off the back colour) in the band where "Template" should start at the
// given twips, and in all.
std::pair<int, int> inkOf(PictureBox* pic, int xTwips, int yTwips) {
    const int x = xTwips / 15, y = yTwips / 15;
    int band = 0, total = 0;
    const Surface& s = pic->surface();
    for (int py = 0; py < s.heightPx(); ++py)
        for (int px = 0; px < s.widthPx(); ++px)
            if (s.pixel(px, py) != RGB(224, 224, 224)) {
                ++total;
                band += px >= x - 2 && px < x + 90 && py >= y && py < y + 20;
            }
    return {band, total};
}
} // namespace

TEST_F(DesignFilesTest, NewDesignPreviewFollowsTheOptionsAndOkAppliesTheFormat) {
    S().OntwerpFormaat = 3;
    S().OntwerpBestand = "x.bmp";
    S().Gewijzigd = true;
    M().Pic->surface().filledBox(0, 0, 20, 20, RGB(255, 0, 0));
    NieuwForm f(M());
    EXPECT_TRUE(f.Option1[1]->isChecked());
    f.Option1[6]->click();
    EXPECT_EQ(f.Label1->size(), QSize(1350 / 15, 2100 / 15));
    EXPECT_EQ(f.Pic->size(), QSize(1215 / 15, 1965 / 15));
    auto [band, total] = inkOf(f.Pic, 195, 840);
    EXPECT_GT(band, 20);
    EXPECT_EQ(band, total);
    f.Option1[1]->click();
    EXPECT_EQ(f.Pic->size(), QSize(1665 / 15, 1065 / 15));
    std::tie(band, total) = inkOf(f.Pic, 420, 390);
    EXPECT_EQ(band, total) << "text of the previous format left behind";
    f.Option1[6]->click();
    EXPECT_EQ(S().OntwerpFormaat, 3) << "the format changes with the canvas only";

    dialogs->expectMsg(kUnsavedDesign, Mb::Yes);
    f.OkKnop_Click();
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(S().OntwerpFormaat, 6);
    EXPECT_EQ(M().Pic->Image().size(), QSize(310, 475));
    EXPECT_NE(M().Pic->surface().pixel(5, 5), RGB(255, 0, 0)) << "canvas not cleared";
    EXPECT_EQ(S().OntwerpBestand, "x.bmp");
    EXPECT_TRUE(S().Gewijzigd);

    NieuwForm again(M());
    dialogs->expectMsg(kUnsavedDesign, Mb::Yes); // the flag was left as it was
    again.OkKnop_Click();
    EXPECT_EQ(S().OntwerpFormaat, 1);
    EXPECT_EQ(M().Pic->Image().size(), QSize(415, 310));
}

// "Ok" replaces the canvas: over unsaved work it asks first. No changes nothing and keeps
// the window open, so that the user can still cancel and save; without unsaved work
// nothing asks.
TEST_F(DesignFilesTest, NewDesignOverUnsavedWorkAsksFirst) {
    SetDesignFormat(M(), 2);
    S().OntwerpFormaat = 2;
    S().OntwerpBestand = designFile("oud.bmp");
    makeUnsavedWork();
    NieuwForm f(M());
    f.show();
    f.Option1[6]->click();

    expectNoKeepsTheDesign(f, [&] { f.OkKnop_Click(); });
    EXPECT_EQ(S().OntwerpBestand, designFile("oud.bmp"));
    EXPECT_TRUE(f.Option1[6]->isChecked());

    dialogs->expectMsg(kUnsavedDesign, Mb::Yes);
    f.OkKnop_Click();
    dialogs->verifyDone();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(S().OntwerpFormaat, 6);
    EXPECT_EQ(M().Pic->Image().size(), QSize(310, 475));
    EXPECT_NE(M().Pic->surface().pixel(5, 5), RGB(255, 0, 0));
    EXPECT_EQ(S().OntwerpBestand, designFile("oud.bmp"));

    S().Gewijzigd = false;
    NieuwForm saved(M());
    saved.OkKnop_Click();
    EXPECT_EQ(saved.result(), QDialog::Accepted);
    EXPECT_EQ(S().OntwerpFormaat, 1);
    EXPECT_FALSE(S().Gewijzigd);
}

TEST_F(DesignFilesTest, NewDesignCancelKeepsFormatAndCanvas) {
    SetDesignFormat(M(), 2);
    S().OntwerpFormaat = 2;
    M().Pic->surface().filledBox(0, 0, 20, 20, RGB(255, 0, 0));
    NieuwForm f(M());
    f.Option1[4]->click();
    f.CancelKnop_Click();
    EXPECT_EQ(S().OntwerpFormaat, 2);
    EXPECT_EQ(M().Pic->Image().size(), QSize(475, 310));
    EXPECT_EQ(M().Pic->surface().pixel(5, 5), RGB(255, 0, 0));
}

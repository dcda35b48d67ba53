#include "tools/WaveTextForm.h"
#include "ProgramFolder.h"
#include "editor/AppState.h"
#include "editor/Main.h"
#include "editor/WindowTable.h"
#include "platform/Colour.h"
#include "platform/PictureBox.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <memory>

using namespace korv;

class WaveTextFormTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        state_ = std::make_unique<AppState>();
        state_->services.dialogs = services.dialogs;
        state_->services.clock = services.clock;
        state_->services.programFolder = services.programFolder;
        state_->setDefaults();
        main_ = std::make_unique<Main>(*state_, windows_);
        form_ = std::make_unique<WaveTextForm>(*main_);
    }
    void TearDown() override {
        form_.reset();
        main_.reset();
        state_.reset();
        ProgramFolderTest::TearDown();
    }
    WaveTextForm& F() { return *form_; }
    Surface& pic() { return F().Pic->surface(); }
    // Black pixels of Pic inside a rectangle (both corners included).
    int ink(int x0, int y0, int x1, int y1) {
        int n = 0;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                if (pic().pixel(x, y) == kBlack) ++n;
        return n;
    }
    void select(double x0, double y0, double x1, double y1) {
        F().Pic_MouseDown(Mouse::Left, 0, x0, y0);
        F().Pic_MouseMove(Mouse::Left, 0, x1, y1);
        F().Pic_MouseUp(Mouse::Left, 0, x1, y1);
    }
    // A thumb drag, as the user moves a bar's thumb.
    static void drag(QScrollBar* bar, int value) {
        bar->setSliderDown(true);
        bar->setSliderPosition(value == bar->maximum() ? value - 1 : value + 1);
        bar->setSliderPosition(value);
        bar->setSliderDown(false);
    }

    std::unique_ptr<AppState> state_;
    WindowTable windows_;
    std::unique_ptr<Main> main_;
    std::unique_ptr<WaveTextForm> form_;
};

TEST_F(WaveTextFormTest, OpensEmptyWithItsStartValues) {
    EXPECT_EQ(F().windowTitle(), "WaveTekst");
    EXPECT_EQ(pic().widthPx(), 681);
    EXPECT_EQ(pic().heightPx(), 336);
    EXPECT_EQ(ink(0, 0, 680, 335), 0);
    EXPECT_EQ(F().Text1->text(), "Voorbeeld Tekst ");
    EXPECT_EQ(F().Combo2->currentText(), "22");
    EXPECT_EQ(pic().fontSize, 22);
    EXPECT_TRUE(pic().fontBold);
    EXPECT_FALSE(F().Combo1->currentText().isEmpty());
    // The grey band waits on BackPic before any colour is chosen.
    EXPECT_EQ(F().BackPic->surface().pixel(100, 10), RGB(70, 70, 70));
    EXPECT_EQ(F().HScroll6->value(), 300);
}

TEST_F(WaveTextFormTest, OnlyAThumbDragRedrawsItsPanel) {
    F().HScroll5->setValue(30); // an arrow click: the value changes, the picture not
    EXPECT_EQ(ink(0, 0, 680, 335), 0);

    // Radius 0: every letter of the circle stands at X0 = 340, Y0 = 148.
    drag(F().HScroll2, 0);
    EXPECT_GT(ink(340, 148, 380, 190), 50);
    EXPECT_EQ(ink(0, 0, 330, 335), 0);

    // The rotation panel reads the arrow-changed Lengte at its next drag: Deg 0, each
    // letter 30 pixels further right, the last one at 340 + 16 * 30.
    drag(F().HScroll4, 0);
    EXPECT_EQ(ink(0, 0, 365, 335), 0);
    EXPECT_GT(ink(370, 148, 400, 190), 0);
    EXPECT_GT(ink(600, 148, 680, 190), 0);

    // Wave with Lengte 0: one column at the centre; changing the text shows only later.
    F().Text1->setText("ab");
    EXPECT_GT(ink(370, 148, 400, 190), 0);
    drag(F().HScroll13, 30);
    EXPECT_EQ(ink(0, 0, 339, 335) + ink(380, 0, 680, 335), 0);
    EXPECT_GT(ink(340, 0, 379, 335), 0);
}

TEST_F(WaveTextFormTest, EllipseWithAFactorBelowOneLeavesThePicture) {
    drag(F().HScroll9, 100);
    const QImage before = F().Pic->Image();
    F().ElipticText(*F().Pic, 340, 148, 100, 1, 0, 1, 360, "abc");
    EXPECT_EQ(F().Pic->Image(), before);
    EXPECT_GT(ink(0, 0, 680, 335), 0);
}

TEST_F(WaveTextFormTest, SelectionGrowsRightAndDownOnly) {
    select(100, 50, 149, 79);
    EXPECT_EQ(F().ExportBreedte, 50);
    EXPECT_EQ(F().ExportHoogte, 30);
    EXPECT_EQ(main_->S.StartX, 100);

    select(100, 50, 20, 10);
    EXPECT_EQ(F().ExportBreedte, 1);
    EXPECT_EQ(F().ExportHoogte, 1);

    F().Pic_MouseDown(Mouse::Right, 0, 7, 8); // only the press point changes
    F().Pic_MouseMove(Mouse::Left | Mouse::Right, 0, 300, 300);
    EXPECT_EQ(main_->S.StartY, 8);
    EXPECT_EQ(F().ExportBreedte, 1);
    EXPECT_EQ(widthInContainer(F().Layer), 1);
}

TEST_F(WaveTextFormTest, ExportRefusesWithoutARectangle) {
    const QString msg = "Selecteer met ingedrukte linkermuisknop een rechthoek";
    dialogs->expectMsg(msg);
    F().ExportKnop_Click();
    // A click without a drag selects nothing to place either.
    F().Pic_MouseDown(Mouse::Left, 0, 30, 30);
    F().Pic_MouseUp(Mouse::Left, 0, 30, 30);
    dialogs->expectMsg(msg);
    F().ExportKnop_Click();
    EXPECT_NE(F().result(), QDialog::Accepted);
    EXPECT_TRUE(main_->ClipPic->isHidden());
}

TEST_F(WaveTextFormTest, ExportHandsTheRectangleToTheFloatingPicture) {
    main_->S.Tool = 7;
    pic().filledBox(110, 60, 119, 69, RGB(10, 20, 30));
    select(100, 50, 149, 79);
    dialogs->expectMsg("Verschuif met ingedrukte linkermuisknop het object.");
    F().ExportKnop_Click();
    EXPECT_EQ(F().result(), QDialog::Accepted);

    PictureBox& clip = *main_->ClipPic;
    EXPECT_FALSE(clip.isHidden());
    EXPECT_EQ(clip.Left(), 0);
    EXPECT_EQ(clip.Top(), 0);
    ASSERT_EQ(clip.Image().size(), QSize(50, 30));
    EXPECT_EQ(clip.surface().pixel(10, 10), RGB(10, 20, 30));
    EXPECT_EQ(clip.surface().pixel(19, 19), RGB(10, 20, 30));
    EXPECT_EQ(clip.surface().pixel(20, 19), kWhite);
    EXPECT_EQ(main_->S.Tool, 7);
}

TEST_F(WaveTextFormTest, ExportBeyondTheEdgeIsWhiteThereAndSilentWithoutHint) {
    main_->S.MeldingPlaatsen = false;
    select(670, 330, 689, 339);
    F().ExportKnop_Click(); // no box expected
    ASSERT_EQ(main_->ClipPic->Image().size(), QSize(20, 10));
    EXPECT_EQ(main_->ClipPic->surface().pixel(19, 9), kWhite);
}

TEST_F(WaveTextFormTest, ColouringTakesTheBandOfTheChosenFamily) {
    pic().filledBox(0, 0, 9, 335, kBlack);
    pic().filledBox(20, 0, 29, 335, RGB(255, 0, 0));
    QMenu* shown = nullptr;
    F().popupMenu = [&](QMenu* m) {
        shown = m;
        F().Kleurtje[1]->trigger();
    };
    F().KleurKnop_Click();
    EXPECT_EQ(shown, F().KleurenPalet);
    EXPECT_EQ(pic().pixel(5, 20), RGB(140, 0, 0));
    EXPECT_EQ(pic().pixel(5, 34), RGB(231, 0, 0));
    EXPECT_EQ(pic().pixel(5, 67), RGB(0, 0, 0));
    EXPECT_EQ(pic().pixel(25, 20), RGB(255, 0, 0)); // a full component: no text
    EXPECT_EQ(pic().pixel(15, 20), kWhite);

    F().Kleurtje_Click(3); // recolours the coloured text
    EXPECT_EQ(pic().pixel(5, 20), RGB(0, 0, 140));
    EXPECT_FALSE(main_->S.services.busy.isBusy());
    EXPECT_FALSE(main_->yielding());
}

TEST_F(WaveTextFormTest, ColouringPassHoldsTheMainWindowAndStopsOnClose) {
    pic().filledBox(0, 0, 9, 335, kBlack);
    bool heldMain = false;
    F().afterColouredRow = [&](int row) {
        heldMain = heldMain || main_->yielding();
        EXPECT_TRUE(main_->S.services.busy.isBusy());
        if (row == 10) F().Kleurtje_Click(3); // refused: a pass is running
        if (row == 20) F().CancelKnop_Click();
    };
    F().Kleurtje_Click(1);
    EXPECT_TRUE(heldMain);
    EXPECT_EQ(pic().pixel(5, 20), RGB(140, 0, 0));
    EXPECT_EQ(pic().pixel(5, 21), kBlack); // the pass ended with the window
    EXPECT_EQ(F().result(), QDialog::Rejected);
    EXPECT_FALSE(F().colouring());
    EXPECT_FALSE(main_->yielding());
}

// The window itself: what an opening sets up, the rulers, the help slide, undo, a new
// page and the ways of closing.
#include "SuppFixture.h"

#include "platform/Colour.h"
#include "supplement/Register.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>

using namespace korv;

namespace {
const QString kUnsavedPage = "De pagina is gewijzigd en niet opgeslagen. Toch doorgaan?";
}

TEST_F(SuppTest, OpeningSetsUpABlankPageWithTheStoredColour) {
    S().KaderKleurR = 10;
    S().KaderKleurG = 20;
    S().KaderKleurB = 30;
    S().TekstPlaatsenActief = true;
    S().Kaderbreedte = 2;
    open();
    EXPECT_EQ(F().windowTitle(), "Supplementen Ontwerpen");
    EXPECT_FALSE(S().TekstPlaatsenActief);
    EXPECT_EQ(S().Kaderbreedte, 5);
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(F().Rand[i]->isChecked(), i == 5) << i;
    EXPECT_EQ(F().Label8->palette().color(QPalette::Window), QColor(10, 20, 30));
    EXPECT_EQ(F().Label10[2]->text(), "30");

    EXPECT_EQ(F().Combo1->count(), 96);
    EXPECT_EQ(F().Combo1->currentText(), "30");
    EXPECT_FALSE(F().Combo1->isEnabled());
    EXPECT_EQ(F().Combo4->count(), 72);
    EXPECT_EQ(F().Combo4->currentText(), "20");
    EXPECT_EQ(F().Combo2->currentText(), " ");

    EXPECT_EQ(F().Pic->Image().size(), QSize(480, 700));
    EXPECT_EQ(F().Pic->Top(), 570);
    EXPECT_EQ(countAll(kWhite), 480 * 700);
    EXPECT_EQ(F().Pic->surface().foreColor, RGB(64, 64, 64));

    // Undo right after opening gives the blank page back.
    F().Pic->surface().filledBox(5, 5, 50, 50, RGB(1, 2, 3));
    F().EditUndo_Click();
    EXPECT_EQ(countAll(kWhite), 480 * 700);
}

TEST_F(SuppTest, RulersAndHelpPanelAreDrawnOnOpening) {
    open();
    const Surface& top = F().PicTop->surface();
    EXPECT_EQ(top.pixel(12, 10), RGB(160, 160, 160));
    EXPECT_EQ(top.pixel(12, 9), kWhite);
    EXPECT_EQ(top.pixel(240, 0), RGB(200, 0, 0));
    EXPECT_EQ(top.pixel(468, 16), RGB(160, 160, 160));
    EXPECT_EQ(top.pixel(474, 16), kWhite); // 474 lies beyond 470
    const Surface& left = F().PicLeft->surface();
    EXPECT_EQ(left.pixel(9, 12), RGB(160, 160, 160)); // 11.5 rounds to even
    EXPECT_EQ(left.pixel(9, 34), RGB(160, 160, 160)); // 34.5 as well
    EXPECT_EQ(left.pixel(9, 35), kWhite);
    EXPECT_EQ(left.pixel(4, 23), RGB(190, 190, 190));
    EXPECT_EQ(left.pixel(0, 345), RGB(200, 0, 0));

    // The heading in yellow starts 450 twips (30 pixels) down.
    const QImage& help = F().HelpPic->Image();
    EXPECT_EQ(help.pixel(5, 5), qRgb(30, 0, 0));
    int above = 0, heading = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < help.width(); ++x)
            if (help.pixel(x, y) == qRgb(250, 250, 100)) ++(y < 30 ? above : heading);
    EXPECT_EQ(above, 0);
    EXPECT_GT(heading, 50);
}

TEST_F(SuppTest, HelpButtonSlidesThePageAwayAndBack) {
    open();
    F().Check2->setChecked(true);
    F().PicHoek_Click();
    EXPECT_EQ(F().Pic->Top(), 12030);
    EXPECT_FALSE(F().Check2->isChecked());
    EXPECT_FALSE(F().Label3->isVisibleTo(&F()));
    EXPECT_FALSE(S().services.busy.isBusy());
    EXPECT_EQ(F().PicHoek->Top(), 270);
    F().PicHoek_Click();
    EXPECT_EQ(F().Pic->Top(), 570);
    EXPECT_FALSE(F().sliding());
}

TEST_F(SuppTest, UndoKeepsOneLevelAndNewPageAsksFirst) {
    open();
    drag(10, 10, 40, 40);
    drag(100, 100, 140, 140);
    EXPECT_EQ(px(120, 120), RGB(240, 240, 240));
    F().EditUndo_Click();
    EXPECT_EQ(px(120, 120), kWhite); // the page as before the last release
    EXPECT_EQ(px(20, 20), RGB(240, 240, 240));
    F().EditUndo_Click();
    EXPECT_EQ(px(120, 120), kWhite);
    EXPECT_EQ(px(20, 20), RGB(240, 240, 240));

    // Over unsaved work the one question is the one about the unsaved page.
    auto& no = dialogs->expectMsg(kUnsavedPage, Mb::No);
    no.title = "Korvamint Smidrovel";
    no.buttons = Mb::YesNo;
    F().FileNew_Click();
    dialogs->verifyDone();
    EXPECT_EQ(px(20, 20), RGB(240, 240, 240));
    EXPECT_TRUE(F().PaginaGewijzigd);
    dialogs->expectMsg(kUnsavedPage, Mb::Yes);
    F().FileNew_Click();
    dialogs->verifyDone();
    EXPECT_EQ(countAll(kWhite), 480 * 700);
    EXPECT_FALSE(F().PaginaGewijzigd);
    // A page without unsaved work gets the plain new-page question.
    auto& plain = dialogs->expectMsg("Wilt u een nieuw ontwerp maken?", Mb::No);
    plain.title = "Nieuw";
    plain.buttons = Mb::YesNo;
    F().FileNew_Click();
    // The undo copy is left alone by a new page.
    F().EditUndo_Click();
    EXPECT_EQ(px(20, 20), RGB(240, 240, 240));
    dialogs->expectMsg(kUnsavedPage, Mb::Yes); // undo made the page unsaved again
    F().FileNew_Click();
    EXPECT_EQ(countAll(kWhite), 480 * 700);
}

TEST_F(SuppTest, OnlyTheExitButtonStoresTheColour) {
    open();
    F().HScroll1[0]->setValue(200);
    F().HScroll1[1]->setValue(100);
    EXPECT_EQ(F().Label8->palette().color(QPalette::Window), QColor(200, 100, 0));
    EXPECT_EQ(F().Label10[1]->text(), "100");
    F().FileExit_Click();
    EXPECT_EQ(S().KaderKleurR, 0);

    open();
    EXPECT_EQ(F().HScroll1[0]->value(), 0);
    F().HScroll1[2]->setValue(77);
    F().ExitKnop_Click();
    EXPECT_EQ(S().KaderKleurR, 0);
    EXPECT_EQ(S().KaderKleurB, 77);
    EXPECT_EQ(F().result(), QDialog::Accepted);
}

TEST_F(SuppTest, RegistersItsWindow) {
    WindowTable t;
    registerSupplementWindows(t);
    EXPECT_TRUE(t.has("SuppForm"));
}

// Closing throws the page away: a page with nothing drawn since it was begun, opened or
// saved closes at once; otherwise each way of closing asks, and No keeps the page.
TEST_F(SuppTest, ClosingAsksOnlyWhenThePageIsUnsaved) {
    open();
    F().show();
    F().HScroll1[0]->setValue(200); // the colour is no part of the page
    F().FileExit_Click();
    EXPECT_FALSE(F().isVisible());

    open();
    F().show();
    drag(10, 10, 40, 40);
    for (int round = 0; round < 3; ++round) {
        auto& q = dialogs->expectMsg(kUnsavedPage, Mb::No);
        q.title = "Korvamint Smidrovel";
        q.buttons = Mb::YesNo;
    }
    F().HScroll1[2]->setValue(77);
    F().ExitKnop_Click();
    F().FileExit_Click();
    EXPECT_FALSE(F().close()); // the close box
    dialogs->verifyDone();
    EXPECT_TRUE(F().isVisible());
    EXPECT_EQ(px(20, 20), RGB(240, 240, 240));
    EXPECT_EQ(S().KaderKleurB, 0); // No stores nothing either

    dialogs->expectInput("Geef de naam", "Pagina");
    F().FileSave_Click();
    F().ExitKnop_Click(); // saved: no question
    EXPECT_EQ(F().result(), QDialog::Accepted);
    EXPECT_EQ(S().KaderKleurB, 77);

    // Opened, then a frame and a page number: asked; Yes closes as before.
    open();
    F().show();
    F().LoadSupplementLijst(1);
    F().List1->setCurrentRow(0);
    F().List1_Click();
    F().FileExit_Click();
    EXPECT_FALSE(F().isVisible());
    for (auto change : {+[](SuppForm& f) { f.Check1->setChecked(true); },
                        +[](SuppForm& f) { f.Combo2->setCurrentIndex(3); }}) {
        open();
        F().show();
        change(F());
        dialogs->expectMsg(kUnsavedPage, Mb::Yes);
        F().FileExit_Click();
        EXPECT_FALSE(F().isVisible());
    }
}

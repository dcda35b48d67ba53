// The collection window at start, its panels, clock and closing.
#include "CollectionFixture.h"

#include "controls/VistaButton.h"

#include <QListWidget>
#include <QRadioButton>
#include <QTest>

using namespace korv;

TEST_F(CollectionTest, TheWindowOpensWithItsStartState) {
    writeFile("Data/Categorie.txt", "\r\nNederland\r\n  Belgie  \r\n");
    open();
    EXPECT_EQ(form->windowTitle(), "Quendrix");
    ASSERT_EQ(form->Combo1->count(), 201);
    EXPECT_EQ(form->Combo1->itemText(0), "1850");
    EXPECT_EQ(form->Combo1->itemText(200), "2050");
    EXPECT_EQ(form->Combo1->currentText(), "1870");
    // The word list's empty first line is an item, and shows.
    ASSERT_EQ(form->Combo2->count(), 3);
    EXPECT_EQ(form->Combo2->currentText(), "");
    EXPECT_EQ(form->Combo2->itemText(2), "  Belgie  ");
    EXPECT_EQ(form->Combo3->count(), 0); // a missing list leaves its combo empty

    EXPECT_TRUE(form->Frame1->isVisibleTo(form.get()));
    EXPECT_TRUE(form->Frame2->isVisibleTo(form.get()));
    EXPECT_TRUE(form->Frame3->isVisibleTo(form.get()));
    EXPECT_FALSE(form->Frame5->isVisibleTo(form.get()));
    EXPECT_FALSE(form->Frame6->isVisibleTo(form.get()));
    EXPECT_FALSE(form->Frame7->isVisibleTo(form.get()));
    EXPECT_FALSE(form->Bar->isVisibleTo(form.get()));
    EXPECT_FALSE(form->ShowKnop->Enabled());
    EXPECT_EQ(form->Label6->text(), "Aantal Records : 0");
    EXPECT_EQ(form->Label10->text(), "Gesorteerd op :");
    EXPECT_EQ(form->Label1[10]->text(), "Cat.Prijs                                     Mijn Prijs");
    const int widths[13] = {0,    900,  1500, 1500, 2100, 1200, 1200,
                            1800, 2100, 3000, 1200, 1200, 1200};
    for (int i = 1; i <= 12; ++i)
        EXPECT_EQ(state->KolomBreedte[i], widths[i]) << i;
    EXPECT_EQ(form->ListView1->headerItem()->text(7), "Afbeedling");
    EXPECT_EQ(form->Combo6->count(), 2);
    EXPECT_EQ(form->Combo6->currentText(), "Testprinter");
    EXPECT_TRUE(form->Option1[0]->isChecked());
}

TEST_F(CollectionTest, ShowKnopSwapsListAndViewer) {
    open();
    form->ShowKnop_Click();
    EXPECT_TRUE(form->Frame5->isVisibleTo(form.get()));
    EXPECT_FALSE(form->Frame2->isVisibleTo(form.get()));
    EXPECT_EQ(form->ShowKnop->Caption(), "Exit");
    EXPECT_FALSE(form->AddKnop->Enabled());
    EXPECT_FALSE(form->DelKnop->Enabled());
    form->AddKnop_Click(); // refused while the viewer shows
    EXPECT_EQ(form->ListView1->count(), 0);
    form->ShowKnop_Click();
    EXPECT_TRUE(form->Frame2->isVisibleTo(form.get()));
    EXPECT_EQ(form->ShowKnop->Caption(), "Show");
    EXPECT_TRUE(form->AddKnop->Enabled());
    EXPECT_TRUE(form->WijzigKnop->Enabled());
    EXPECT_TRUE(form->DelKnop->Enabled());
}

TEST_F(CollectionTest, TheClockShowsDateAndTwentyFourHourTime) {
    open();
    services.clock->fix(QDateTime(QDate(2026, 3, 4), QTime(9, 5, 7)));
    form->Timer1_Timer();
    EXPECT_EQ(form->KlokLabel->text(), "04-03-2026 / 9:05:07");
    services.clock->fix(QDateTime(QDate(2026, 3, 4), QTime(21, 5, 7)));
    form->Timer1_Timer();
    EXPECT_EQ(form->KlokLabel->text(), "04-03-2026 / 21:05:07");
}

TEST_F(CollectionTest, PrintPanelAndPrinterChoice) {
    open();
    form->FilePrint_Click();
    EXPECT_TRUE(form->Frame7->isVisibleTo(form.get()));
    EXPECT_FALSE(form->Frame3->isVisibleTo(form.get()));
    EXPECT_TRUE(form->FilePrint->isChecked());
    form->Combo6->setCurrentIndex(0);
    form->Combo6_Click();
    EXPECT_EQ(printers->currentIndex(), 0);
    form->Combo6->setEditText("Bestaat niet");
    form->Combo6_Change();
    EXPECT_EQ(printers->currentIndex(), 0);
    form->FilePrint_Click();
    EXPECT_TRUE(form->Frame3->isVisibleTo(form.get()));
    EXPECT_FALSE(form->FilePrint->isChecked());
}

namespace {
const QString kUnsaved = "De verzameling is gewijzigd en niet opgeslagen. Toch doorgaan?";
}

// Closing throws the list away: without changes it closes at once, after saving or
// opening too; with records added, changed or deleted it asks, and No keeps them.
TEST_F(CollectionTest, ClosingAsksOnlyWhenRecordsAreUnsaved) {
    open();
    form->show();
    form->ExitKnop_Click(); // nothing changed: no question
    EXPECT_FALSE(form->isVisible());

    open();
    form->show();
    add(rec("1970", "X1"));
    for (int round = 0; round < 3; ++round) {
        auto& q = dialogs->expectMsg(kUnsaved, Mb::No);
        q.title = "Korvamint Smidrovel";
        q.buttons = Mb::YesNo;
    }
    form->ExitKnop_Click();
    form->FileExit_Click();
    EXPECT_FALSE(form->close()); // the close box
    dialogs->verifyDone();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->ListView1->count(), 1);

    // Saved, then nothing to ask; a change asks again, and Yes closes as before.
    dialogs->expectInput("Geef een naam", "Zegels");
    form->FileOpslaan_Click();
    form->ListView1->selectIndex(0);
    form->ListView1_ItemClick();
    form->Text1->setText("X9");
    form->WijzigKnop_Click();
    dialogs->expectMsg(kUnsaved, Mb::Yes);
    form->ExitKnop_Click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Rejected);

    // Opened and then a record deleted: asked.
    open();
    form->show();
    form->FileOpen_Click();
    form->List1->setCurrentRow(0);
    form->OpenKnop_Click();
    ASSERT_EQ(form->ListView1->count(), 1);
    form->ExitKnop_Click(); // just opened: no question
    EXPECT_FALSE(form->isVisible());
    open();
    form->show();
    form->FileOpen_Click();
    form->List1->setCurrentRow(0);
    form->OpenKnop_Click();
    form->ListView1->selectIndex(0);
    form->ListView1_ItemClick();
    dialogs->expectMsg("verwijderen uit de lijst?", Mb::Yes);
    form->DelKnop_Click();
    dialogs->expectMsg(kUnsaved, Mb::No);
    form->ExitKnop_Click();
    EXPECT_TRUE(form->isVisible());
}

// Escape closes a dialog through reject(), from the window or from a field that leaves
// the key to it: the same question as the other ways of closing.
TEST_F(CollectionTest, EscapeAsksBeforeClosingOverUnsavedRecords) {
    open();
    form->show();
    QTest::keyClick(form.get(), Qt::Key_Escape); // nothing changed: no question
    EXPECT_FALSE(form->isVisible());

    open();
    form->show();
    add(rec("1970", "X1"));
    auto& q = dialogs->expectMsg(kUnsaved, Mb::No);
    q.title = "Korvamint Smidrovel";
    q.buttons = Mb::YesNo;
    QTest::keyClick(form.get(), Qt::Key_Escape);
    dialogs->verifyDone();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->ListView1->count(), 1);
    EXPECT_TRUE(form->VerzamelingGewijzigd);

    dialogs->expectMsg(kUnsaved, Mb::Yes);
    QTest::keyClick(form->Text1, Qt::Key_Escape);
    dialogs->verifyDone();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Rejected);
}

// Opening another collection replaces the list: with unsaved records it asks first.
TEST_F(CollectionTest, OpeningOverUnsavedRecordsAsksFirst) {
    writeFile("Verzameling/Ander.col", crlf({"banner", "Ander", QString(28, '-')}));
    naam = "Mijn";
    open();
    add(rec("1970", "X1"));
    form->FileOpen_Click();
    form->List1->setCurrentRow(0);
    dialogs->expectMsg(kUnsaved, Mb::No);
    form->OpenKnop_Click();
    EXPECT_EQ(form->ListView1->count(), 1);
    EXPECT_EQ(naam, "Mijn");
    EXPECT_TRUE(form->Frame6->isVisibleTo(form.get()));

    dialogs->expectMsg(kUnsaved, Mb::Yes);
    form->List1_DblClick();
    EXPECT_EQ(form->ListView1->count(), 0);
    EXPECT_EQ(naam, "Ander");
    EXPECT_TRUE(form->Frame1->isVisibleTo(form.get()));
}

// Sorting the record list by its first six column headers.
#include "CollectionFixture.h"

#include "collection/modLVSort.h"

using namespace korv;

class SortTest : public CollectionTest {
protected:
    void SetUp() override {
        CollectionTest::SetUp();
        open();
        add(rec("1995", "9", "Tulp", "Zweden"));
        add(rec("1980", "10", "appel", "Belgie"));
        add(rec("2001", "2", "Bloem", "duitsland"));
    }
};

TEST_F(SortTest, JaartalSortsUpDownUpWithItsArrow) {
    ListView& lv = *form->ListView1;
    form->ListView1_ColumnClick(1);
    EXPECT_EQ(column(0), QStringList({"1980", "1995", "2001"}));
    EXPECT_EQ(lv.columnHeaderIcon(1), "down");
    EXPECT_EQ(lv.columnHeaderIcon(2), ""); // the arrow shown at start is gone
    EXPECT_EQ(form->Label10->text(), "Gesorteerd op : Jaartal");
    form->ListView1_ColumnClick(1);
    EXPECT_EQ(column(0), QStringList({"2001", "1995", "1980"}));
    EXPECT_EQ(lv.columnHeaderIcon(1), "up");
    form->ListView1_ColumnClick(1);
    EXPECT_EQ(column(0), QStringList({"1980", "1995", "2001"}));
    EXPECT_EQ(lv.columnHeaderIcon(1), "down");
    EXPECT_EQ(form->Label10->text(), "Gesorteerd op : Jaartal");
}

TEST_F(SortTest, CatNrFirstClickSortsDescendingAsTextNotAsNumbers) {
    EXPECT_EQ(form->ListView1->columnHeaderIcon(2), "down");
    form->ListView1_ColumnClick(2);
    EXPECT_EQ(column(1), QStringList({"9", "2", "10"}));
    EXPECT_EQ(form->ListView1->columnHeaderIcon(2), "up");
    EXPECT_EQ(form->Label10->text(), "Gesorteerd op : Catalogus nummer");
}

TEST_F(SortTest, AnotherColumnTakesTheArrowAndSortsWithoutRegardToCase) {
    form->ListView1_ColumnClick(1);
    form->ListView1_ColumnClick(3);
    EXPECT_EQ(form->ListView1->columnHeaderIcon(1), "");
    EXPECT_EQ(form->ListView1->columnHeaderIcon(3), "down");
    EXPECT_EQ(column(2), QStringList({"Belgie", "duitsland", "Zweden"}));
    form->ListView1_ColumnClick(4);
    EXPECT_EQ(column(3), QStringList({"appel", "Bloem", "Tulp"}));
    EXPECT_EQ(form->Label10->text(), "Gesorteerd op : Onderwerp");
}

TEST_F(SortTest, TextSortsInDutchOrder) {
    form->ListView1->clearItems();
    QStringList dutch = dutchNames();
    for (const QString& name : reversed(dutchNames()))
        if (name != "Ezinge") add(rec("1990", "1", name));
    form->ListView1_ColumnClick(4);
    dutch.removeOne("Ezinge");
    EXPECT_EQ(column(3), dutch);
    // A record added later takes its place in that order.
    add(rec("1990", "1", "Ezinge"));
    EXPECT_EQ(column(3), dutchNames());
    form->ListView1_ColumnClick(4);
    EXPECT_EQ(column(3), reversed(dutchNames()));
}

TEST_F(SortTest, InfoClickOnlyRemovesTheArrows) {
    form->ListView1_ColumnClick(1);
    form->ListView1_ColumnClick(1);
    const QStringList before = column(0);
    form->ListView1_ColumnClick(9);
    EXPECT_EQ(column(0), before);
    for (int c = 1; c <= 12; ++c)
        EXPECT_EQ(form->ListView1->columnHeaderIcon(c), "") << c;
    EXPECT_EQ(form->Label10->text(), "Gesorteerd op : Jaartal");
}

TEST_F(SortTest, RecordsAddedOrReadLaterTakeTheirSortedPlace) {
    form->ListView1_ColumnClick(1);
    form->ListView1_ColumnClick(1); // descending
    add(rec("1990", "5"));
    EXPECT_EQ(column(0), QStringList({"2001", "1995", "1990", "1980"}));
    // A save writes the order shown.
    dialogs->expectInput("Geef een naam", "Gesorteerd");
    form->FileOpslaan_Click();
    const QStringList lines =
        QString::fromUtf8(readFile("Verzameling/Gesorteerd.col")).split("\r\n");
    EXPECT_EQ(lines[3], "2001");
    EXPECT_EQ(lines[3 + 13], "1995");
    EXPECT_EQ(lines[3 + 39], "1980");
}

TEST(ModLVSort, AnObjectWithoutSortSettingsIsReported) {
    ScriptedDialogs d;
    d.expectMsg("Fout in sorteer routine!\r\n438\t");
    QObject plain;
    EXPECT_FALSE(SortListView(&plain, 2, 0, 0, d));
    d.verifyDone();
    ListView lv;
    lv.setColumnCount(3);
    EXPECT_TRUE(SortListView(&lv, 3, 1, 0, d));
    EXPECT_EQ(lv.SortKey(), 2);
    EXPECT_EQ(lv.SortOrder(), 1);
    EXPECT_TRUE(lv.Sorted());
    EXPECT_TRUE(SetListViewSort(&lv, 7, 0)); // a direction other than 0 or 1 keeps the order
    EXPECT_EQ(lv.SortOrder(), 1);
}

// Adding, changing, deleting and clicking records, and the photo viewer.
#include "CollectionFixture.h"

#include "controls/VistaButton.h"
#include "platform/Colour.h"
#include "platform/PictureBox.h"

#include <QDir>
#include <QScrollBar>

using namespace korv;

TEST_F(CollectionTest, AddingNeedsACatalogueNumberAndMarksBlankFields) {
    open();
    form->Text1->setText("   ");
    form->Text2->setText("");
    dialogs->expectMsg("Catalogus nummer invullen a.u.b.").buttons = Mb::OkOnly;
    form->AddKnop_Click();
    EXPECT_EQ(form->ListView1->count(), 0);
    EXPECT_EQ(form->Text2->text(), ""); // untouched when refused

    form->Combo2->setEditText("Thema");
    form->Text1->setText("NVPH 1");
    form->Text4->setText("Wapen");
    form->AddKnop_Click();
    ASSERT_EQ(form->ListView1->count(), 1);
    const CollectionRecord r = form->ListView1->record(0);
    EXPECT_EQ(r, (CollectionRecord{"1870", "NVPH 1", "Thema", "-", form->Combo3->currentText(),
                                   form->Combo4->currentText(), "-", "Wapen", "-",
                                   form->Combo5->currentText(), "-", "-"}));
    EXPECT_EQ(form->Text1->text(), "");
    EXPECT_EQ(form->Text3->text(), "");
    EXPECT_EQ(form->Combo2->currentText(), "Thema"); // combos keep their texts
    EXPECT_EQ(form->Label6->text(), "Aantal Records : 1");
}

TEST_F(CollectionTest, ChangingTouchesOnlyTheSelectedRecord) {
    open();
    add(rec("1970", "A"));
    add(rec("1971", "B"));
    form->Text1->setText("C");
    form->WijzigKnop_Click(); // nothing selected: nothing changes
    EXPECT_EQ(column(1), QStringList({"A", "B"}));
    form->ListView1->selectIndex(1);
    form->ListView1_ItemClick();
    EXPECT_EQ(form->Text1->text(), "B");
    EXPECT_EQ(form->Label6->text(), "Aantal Gegevens : 2");
    form->Text1->setText("B2");
    form->Text6->setText(" ");
    form->WijzigKnop_Click();
    EXPECT_EQ(column(1), QStringList({"A", "B2"}));
    EXPECT_EQ(form->ListView1->record(1)[10], "-");
}

TEST_F(CollectionTest, DeletingAsksWithTheSubject) {
    open();
    form->DelKnop_Click(); // an empty list: no question
    add(rec("1970", "A", "Molen"));
    add(rec("1971", "B", "-"));
    form->ListView1->selectIndex(1);
    form->ListView1_ItemClick();
    dialogs->expectMsg("Wilt u (-) verwijderen uit de lijst?", Mb::No).title = " Delete";
    form->DelKnop_Click();
    EXPECT_EQ(form->ListView1->count(), 2);
    dialogs->expectMsg("Wilt u (-) verwijderen uit de lijst?", Mb::Yes).buttons = Mb::YesNo;
    form->DelKnop_Click();
    EXPECT_EQ(column(1), QStringList({"A"}));
    EXPECT_EQ(form->Label6->text(), "Aantal Records : 1");
    EXPECT_EQ(form->Text1->text(), "B"); // the editor keeps the deleted record
    form->DelKnop_Click();               // no selection left: nothing happens
    EXPECT_EQ(form->ListView1->count(), 1);
}

class PhotoTest : public CollectionTest {
protected:
    void SetUp() override {
        CollectionTest::SetUp();
        naam = "Foto";
        // 800 x 500 pixels: left half red, right half blue.
        QImage img(800, 500, QImage::Format_RGB32);
        img.fill(qRgb(200, 0, 0));
        for (int y = 0; y < 500; ++y)
            for (int x = 400; x < 800; ++x)
                img.setPixel(x, y, qRgb(0, 0, 200));
        ASSERT_TRUE(QDir().mkpath(path("Verzameling/Foto/1980")));
        ASSERT_TRUE(img.save(path("Verzameling/Foto/1980/NL 5.jpg"), "JPEG", 95));
        open();
        add(rec("1980", "NL 5"));
        add(rec("1981", "NL 6"));
    }
    void click(int i) {
        form->ListView1->selectIndex(i);
        form->ListView1_ItemClick();
    }
};

TEST_F(PhotoTest, ARecordWithAPhotoShowsItAndOneWithoutThePlaceholder) {
    const QImage placeholder = form->Image1->Image().copy();
    click(0);
    EXPECT_TRUE(form->ShowKnop->Enabled());
    EXPECT_EQ(form->SlidePic->Width(), 800 * 15);
    // The thumbnail shows the photo's top-left 608 x 407 pixels at a fixed scale:
    // its left column is red, its right column (photo x 604) blue.
    auto near = [](int c, int r, int g, int b) {
        return std::abs(redOf(c) - r) < 30 && std::abs(greenOf(c) - g) < 30 &&
               std::abs(blueOf(c) - b) < 30;
    };
    EXPECT_TRUE(near(form->Image1->surface().pixel(2, 40), 200, 0, 0));
    EXPECT_TRUE(near(form->Image1->surface().pixel(147, 40), 0, 0, 200));
    click(1);
    EXPECT_FALSE(form->ShowKnop->Enabled());
    EXPECT_EQ(form->Image1->Image(), placeholder);
}

TEST_F(PhotoTest, DraggingStaysWithinThePhoto) {
    click(0);
    // 800 x 500 pixels in a 608 x 407 pixel viewport.
    EXPECT_EQ(state->SlideMaxX, (800 - 608) * 15);
    EXPECT_EQ(state->SlideMaxY, (500 - 407) * 15);
    form->SlidePic_MouseDown(Mouse::Left, 0, 3000, 3000);
    form->SlidePic_MouseMove(Mouse::Left, 0, 2000, 2400); // 1000 left, 600 up
    EXPECT_EQ(form->SlidePic->Left(), -1005);             // whole pixels: 67 px
    EXPECT_EQ(form->SlidePic->Top(), -600);
    EXPECT_EQ(form->HScroll->value(), 1000);
    EXPECT_EQ(form->VScroll->value(), 600);
    form->SlidePic_MouseMove(Mouse::Right, 0, 0, 0); // other buttons move nothing
    EXPECT_EQ(form->SlidePic->Top(), -600);
    form->SlidePic_MouseMove(Mouse::Left, 0, 9000, 9000); // far right and down
    EXPECT_EQ(form->SlidePic->Left(), 0);
    EXPECT_EQ(form->SlidePic->Top(), 0);
    EXPECT_EQ(form->HScroll->value(), 0);
    form->SlidePic_MouseDown(Mouse::Left, 0, 5000, 5000);
    form->SlidePic_MouseMove(Mouse::Left, 0, -20000, -20000);
    EXPECT_EQ(form->SlidePic->Left(), -state->SlideMaxX);
    EXPECT_EQ(form->HScroll->value(), form->HScroll->maximum());
    EXPECT_EQ(form->VScroll->value(), state->SlideMaxY);
    form->HScroll->setValue(1500);
    EXPECT_EQ(form->SlidePic->Left(), -1500);
    EXPECT_EQ(state->PanLeft, -1500);
}

TEST_F(CollectionTest, OnlySpacesAreTrimmedATabIsText) {
    open();
    // A tab is a catalogue number, and a subject of a tab is not blank.
    CollectionRecord r = rec(" \t1913 ", "\t", "\t");
    r[8] = "\n"; // an info box holding only a line break is blank
    r[10] = QString(QChar(0xA0));
    add(r);
    ASSERT_EQ(form->ListView1->count(), 1);
    const CollectionRecord stored = form->ListView1->record(0);
    EXPECT_EQ(stored[0], "\t1913");
    EXPECT_EQ(stored[1], "\t");
    EXPECT_EQ(stored[3], "\t");
    EXPECT_EQ(stored[8], "-");
    EXPECT_EQ(stored[10], QString(QChar(0xA0)));

    dialogs->expectInput("Geef een naam", "Tabs");
    form->FileOpslaan_Click();
    const QStringList lines = QString::fromLatin1(readFile("Verzameling/Tabs.col")).split("\r\n");
    EXPECT_EQ(lines[3], "\t1913");
    // A record whose year is only a tab is read back.
    writeFile("Verzameling/Tabs.col", crlf({"x", "Tabs", QString(28, '-'), "\t", "A", "", "", "",
                                            "", "", "", "", "", "", "", QString(28, '-')}));
    form->LoadVerzameling(naam);
    ASSERT_EQ(form->ListView1->count(), 1);
    EXPECT_EQ(form->ListView1->record(0)[0], "\t");
}

TEST_F(PhotoTest, AYearTypedWithSpacesFindsItsPhotoBeforeAndAfterASave) {
    form->ListView1->clearItems();
    add(rec(" 1980 ", "NL 5"));
    click(0);
    EXPECT_TRUE(form->ShowKnop->Enabled());
    dialogs->expectInput("Geef een naam", "Foto");
    form->FileOpslaan_Click();
    form->LoadVerzameling(naam);
    click(0);
    EXPECT_TRUE(form->ShowKnop->Enabled());
}

TEST_F(PhotoTest, APathPartThatLeadsOutOfThePhotoFolderFindsNothing) {
    // Pictures outside the collection's photo folder, where such parts would lead.
    const QImage img = form->Image2;
    ASSERT_TRUE(img.save(path("Verzameling/geheim.jpg"), "JPEG"));
    ASSERT_TRUE(img.save(path("geheim.jpg"), "JPEG"));
    const QImage placeholder = form->Image1->Image().copy();
    form->ListView1->clearItems();
    add(rec("..", "geheim"));         // Verzameling/Foto/../geheim.jpg
    add(rec("1980", "../../geheim")); // Verzameling/Foto/1980/../../geheim.jpg
    for (int i = 0; i < 2; ++i) {
        click(0);
        click(i);
        EXPECT_FALSE(form->ShowKnop->Enabled()) << i;
        EXPECT_EQ(form->Image1->Image(), placeholder) << i;
    }
    naam = ".."; // a name read from a file's second line: Verzameling/../1980/..
    ASSERT_TRUE(QDir().mkpath(path("1980")));
    ASSERT_TRUE(img.save(path("1980/NL 5.jpg"), "JPEG"));
    add(rec("1980", "NL 5"));
    click(2);
    EXPECT_FALSE(form->ShowKnop->Enabled());
    EXPECT_TRUE(recordPhotoPath(path(""), "..", "1980", "NL 5").isEmpty());
    EXPECT_EQ(recordPhotoPath(path(""), "Foto", "1980", "NL 5"),
              path("Verzameling/Foto/1980/NL 5.jpg"));
}

TEST_F(PhotoTest, AnEmptyPathPartFindsNoPhotoOfAnotherFolder) {
    QImage img(300, 200, QImage::Format_RGB32);
    img.fill(qRgb(0, 160, 0));
    const QImage placeholder = form->Image1->Image().copy();
    // With no collection name the year folder would be read as a collection's photo folder.
    ASSERT_TRUE(QDir().mkpath(path("Verzameling/1980")));
    ASSERT_TRUE(img.save(path("Verzameling/1980/NL 5.jpg"), "JPEG"));
    naam = "";
    click(0);
    EXPECT_FALSE(form->ShowKnop->Enabled());
    EXPECT_EQ(form->Image1->Image(), placeholder);
    EXPECT_TRUE(recordPhotoPath(path(""), "", "1980", "NL 5").isEmpty());

    // A record without a year would find a photo lying loose in the collection's folder.
    naam = "Foto";
    ASSERT_TRUE(img.save(path("Verzameling/Foto/NL 7.jpg"), "JPEG"));
    add(rec("", "NL 7"));
    click(2);
    EXPECT_FALSE(form->ShowKnop->Enabled());
    EXPECT_EQ(form->Image1->Image(), placeholder);
    EXPECT_TRUE(recordPhotoPath(path(""), "Foto", "", "NL 7").isEmpty());
}

// The word-list editor.
#include "CollectionFixture.h"

#include "collection/EditData.h"
#include "controls/VistaButton.h"
#include "platform/Colour.h"
#include "platform/PictureBox.h"

#include <QListWidget>
#include <QWindow>

// The queue through which the window system hands mouse input to the program; what it
// holds is delivered by the next round of events that admits user input.
class QWindowSystemInterface {
public:
    struct AsynchronousDelivery;
    template <typename Delivery>
    static bool handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                 Qt::MouseButtons state, Qt::MouseButton button, QEvent::Type type,
                                 Qt::KeyboardModifiers mods, Qt::MouseEventSource source);
};

using namespace korv;

class EditDataTest : public CollectionTest {
protected:
    void SetUp() override {
        CollectionTest::SetUp();
        writeFile("Data/Soort.txt", "Blok\r\n\r\n   \r\n  zegel \r\nautomaat\r\nBlok\r\n");
        writeFile("Data/Categorie.txt", "Nederland\r\n");
        writeFile("Data/Logo-1.jpg", "not a word list");
        editor = std::make_unique<EditData>(*main, nullptr);
    }
    void TearDown() override {
        editor.reset();
        CollectionTest::TearDown();
    }
    std::unique_ptr<EditData> editor;
};

TEST_F(EditDataTest, OpensTheFirstListSortedWithoutBlankLines) {
    ASSERT_EQ(editor->Combo1->count(), 2);
    EXPECT_EQ(editor->Combo1->itemText(0), "Categorie.txt");
    EXPECT_EQ(editor->Combo1->itemText(1), "Soort.txt");
    EXPECT_EQ(editor->items(), QStringList({"Nederland"}));
    EXPECT_EQ(editor->Label2->text(), "1 woorden");
    EXPECT_FALSE(editor->DeleteKnop->Enabled());

    editor->Combo1->setCurrentIndex(1);
    editor->Combo1_Click();
    EXPECT_EQ(editor->items(), QStringList({"  zegel ", "automaat", "Blok", "Blok"}));
    EXPECT_EQ(editor->Label2->text(), "4 woorden");
}

TEST_F(EditDataTest, ALineOfATabIsAnItemALineOfSpacesIsNot) {
    writeFile("Data/Categorie.txt", "Nederland\r\n\t\r\n  \r\n \t \r\n");
    EditData e(*main, nullptr);
    EXPECT_EQ(e.items(), QStringList({"\t", " \t ", "Nederland"}));
}

TEST_F(EditDataTest, ItemsAreInDutchOrder) {
    QStringList dutch = dutchNames();
    dutch.removeOne("Ezinge");
    writeFile("Data/Categorie.txt", reversed(dutch).join("\r\n").toUtf8());
    EditData e(*main, nullptr);
    EXPECT_EQ(e.items(), dutch);
    e.Text1->setText("Ezinge");
    e.AddKnop_Click();
    EXPECT_EQ(e.items(), dutchNames());
}

TEST_F(EditDataTest, AddAndDeleteKeepTheListSorted) {
    editor->Text1->setText("Belgie");
    editor->AddKnop_Click();
    editor->AddKnop_Click(); // a second time: a second item
    editor->Text1->setText("  ");
    editor->AddKnop_Click();
    editor->Text1->clear();
    editor->AddKnop_Click(); // empty: nothing
    EXPECT_EQ(editor->items(), QStringList({"  ", "Belgie", "Belgie", "Nederland"}));
    EXPECT_EQ(editor->Label2->text(), "4 woorden.");
    EXPECT_EQ(editor->Text1->text(), "");

    editor->List1->setCurrentRow(3);
    EXPECT_TRUE(editor->DeleteKnop->Enabled());
    editor->DeleteKnop_Click();
    EXPECT_EQ(editor->items(), QStringList({"  ", "Belgie", "Belgie"}));
    EXPECT_EQ(editor->Label2->text(), "3 woorden.");
    EXPECT_TRUE(editor->DeleteKnop->Enabled());
    dialogs->expectMsg("Eerst een tekst selecteren!").title = "Korvamint Smidrovel";
    editor->DeleteKnop_Click();
    EXPECT_EQ(editor->items().size(), 3);
}

TEST_F(EditDataTest, OkWritesTheSortedItemsAndFillsTheBar) {
    editor->Combo1->setCurrentIndex(1);
    editor->Combo1_Click();
    editor->Text1->setText("   ");
    editor->AddKnop_Click();
    editor->OkKnop_Click();
    EXPECT_EQ(editor->result(), QDialog::Accepted);
    EXPECT_EQ(readFile("Data/Soort.txt"),
              QByteArray("   \r\n  zegel \r\nautomaat\r\nBlok\r\nBlok\r\n"));
    // The bar runs from RGB(40,100,0) at x 0 to RGB(185,245,0) at x 145.
    EXPECT_EQ(editor->Bar->surface().pixel(0, 5), RGB(40, 100, 0));
    EXPECT_EQ(editor->Bar->surface().pixel(145, 19), RGB(185, 245, 0));
    EXPECT_EQ(editor->Bar->surface().pixel(140, 0), RGB(180, 240, 0));
    EXPECT_EQ(editor->Bar->surface().pixel(1, 0), RGB(41, 101, 0));
    // The item of spaces is gone at the next reading.
    EditData again(*main, nullptr);
    again.Combo1->setCurrentIndex(1);
    again.Combo1_Click();
    EXPECT_EQ(again.items().size(), 4);
}

TEST_F(EditDataTest, AClickDuringTheSaveIsHeldBack) {
    editor->show();
    QWindow* window = editor->windowHandle();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(editor->List1->currentRow(), -1);
    const QPoint at = editor->List1->viewport()->mapTo(
        editor.get(), editor->List1->visualItemRect(editor->List1->item(0)).center());
    for (const auto& [type, held] :
         {std::pair{QEvent::MouseButtonPress, Qt::MouseButtons(Qt::LeftButton)},
          std::pair{QEvent::MouseButtonRelease, Qt::MouseButtons(Qt::NoButton)}})
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
            window, QPointF(at), QPointF(editor->mapToGlobal(at)), held, Qt::LeftButton, type,
            Qt::NoModifier, Qt::MouseEventNotSynthesized);
    editor->OkKnop_Click();
    EXPECT_EQ(editor->result(), QDialog::Accepted);
    // Nothing of the list was picked while it was being saved.
    EXPECT_EQ(editor->List1->currentRow(), -1);
    EXPECT_FALSE(editor->DeleteKnop->Enabled());
    doEvents();
}

TEST_F(EditDataTest, AnEmptiedListIsWrittenAsAnEmptyFile) {
    editor->List1->setCurrentRow(0);
    editor->DeleteKnop_Click();
    editor->OkKnop_Click();
    EXPECT_EQ(readFile("Data/Categorie.txt"), QByteArray());
    EXPECT_TRUE(QFile::exists(path("Data/Categorie.txt")));
}

TEST_F(EditDataTest, CancelWritesNothingAndTheWindowKeepsWhatItRead) {
    open();
    bool shown = false;
    form->runEditData = [&](EditData& e) {
        shown = true;
        e.Text1->setText("Aruba");
        e.AddKnop_Click();
        e.OkKnop_Click();
    };
    form->ToolsBewerkData_Click();
    EXPECT_TRUE(shown);
    EXPECT_EQ(readFile("Data/Categorie.txt"), QByteArray("Aruba\r\nNederland\r\n"));
    EXPECT_EQ(form->Combo2->count(), 1); // read again only at the next opening

    editor->Text1->setText("Curacao");
    editor->AddKnop_Click();
    editor->CancelKnop_Click();
    EXPECT_EQ(readFile("Data/Categorie.txt"), QByteArray("Aruba\r\nNederland\r\n"));
}

TEST_F(EditDataTest, AFailedWriteIsReportedAndTheEditorStays) {
    ASSERT_TRUE(QFile::remove(path("Data/Categorie.txt")));
    ASSERT_TRUE(QDir().mkpath(path("Data/Categorie.txt"))); // a folder in the file's place
    dialogs->expectMsg("kon niet worden opgeslagen").buttons = Mb::OkOnly | Mb::Critical;
    editor->OkKnop_Click();
    EXPECT_NE(editor->result(), QDialog::Accepted);
    EXPECT_FALSE(editor->saving());
}

TEST_F(EditDataTest, AWordListIsWrittenInTheCodePageWhenItFits) {
    editor->Text1->setText(QString::fromUtf16(u"België €"));
    editor->AddKnop_Click();
    editor->OkKnop_Click();
    EXPECT_EQ(readFile("Data/Categorie.txt"), QByteArray("Belgi\xEB \x80\r\nNederland\r\n"));

    // One character outside the code page: UTF-8, read back the same.
    EditData again(*main, nullptr);
    again.Text1->setText(QString::fromUtf16(u"Ελλάδα"));
    again.AddKnop_Click();
    again.OkKnop_Click();
    EXPECT_EQ(readFile("Data/Categorie.txt"),
              QByteArray("Belgi\xC3\xAB \xE2\x82\xAC\r\nNederland\r\n"
                         "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1\r\n"));
    EditData third(*main, nullptr);
    EXPECT_EQ(third.items(), QStringList({QString::fromUtf16(u"België €"), "Nederland",
                                          QString::fromUtf16(u"Ελλάδα")}));
}

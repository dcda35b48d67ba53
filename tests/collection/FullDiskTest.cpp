// Saves of the collection window on a full disk: the old file stays whole and the
// failure is reported by the save's own path.
#include "FullDisk.h"
#include "CollectionFixture.h"

#include "collection/EditData.h"

#include <QDir>

using namespace korv;

namespace {
class CollectionFullDiskTest : public CollectionTest,
                               public ::testing::WithParamInterface<FullDiskKind> {};
} // namespace

TEST_P(CollectionFullDiskTest, CollectionFileKeepsItsRecordsAndTheSaveStopsShort) {
    const QByteArray old = crlf({"banner", "Zegels", QString(28, '-'), "1970", "X1"});
    writeFile("Verzameling/Zegels.col", old);
    ASSERT_TRUE(QDir().mkpath(path("Verzameling/Zegels"))); // the photo folder
    naam = "Zegels";
    open();
    add(rec("1980", "Y2"));
    FullDisk full(GetParam(), path("Verzameling"));
    if (!full.active()) GTEST_SKIP() << full.reason().toStdString();
    const QStringList before = full.entries();

    dialogs->expectInput("Geef een naam voor deze verzameling...", "Zegels");
    dialogs->expectError("De verzameling kon niet worden opgeslagen");
    form->FileOpslaan_Click();
    dialogs->verifyDone();
    EXPECT_EQ(readFile("Verzameling/Zegels.col"), old);
    EXPECT_EQ(full.entries(), before);
    EXPECT_NE(form->Label8->text(), "100%");
    EXPECT_EQ(form->ListView1->count(), 1);
}

TEST_P(CollectionFullDiskTest, WordListKeepsItsItemsAndTheEditorStays) {
    const QByteArray old = "Duitsland\r\nNederland\r\n";
    writeFile("Data/Categorie.txt", old);
    open();
    EditData editor(*main, nullptr);
    editor.Text1->setText("Belgie");
    editor.AddKnop_Click();
    FullDisk full(GetParam(), path("Data"));
    if (!full.active()) GTEST_SKIP() << full.reason().toStdString();
    const QStringList before = full.entries();

    dialogs->expectError("De woordenlijst kon niet worden opgeslagen");
    editor.OkKnop_Click();
    dialogs->verifyDone();
    EXPECT_EQ(readFile("Data/Categorie.txt"), old);
    EXPECT_EQ(full.entries(), before);
    EXPECT_NE(editor.result(), QDialog::Accepted);
}

TEST_P(CollectionFullDiskTest, HtmlPageKeepsTheOldPageAndIsNotOpened) {
    const QByteArray old = "<html>oud</html>\r\n";
    writeFile("Verzameling/Default.htm", old);
    open();
    add(rec("1980", "A"));
    FullDisk full(GetParam(), path("Verzameling"));
    if (!full.active()) GTEST_SKIP() << full.reason().toStdString();
    const QStringList before = full.entries();

    dialogs->expectError("De HTML-pagina kon niet worden opgeslagen");
    form->ToolsConverteren_Click();
    dialogs->verifyDone();
    EXPECT_EQ(readFile("Verzameling/Default.htm"), old);
    EXPECT_EQ(full.entries(), before);
    EXPECT_TRUE(shell->opened.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(FullDisk, CollectionFullDiskTest, kFullDiskKinds, fullDiskName);

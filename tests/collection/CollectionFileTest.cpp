// The collection file and the commands that name, list, open and save collections.
#include "CollectionFixture.h"

#include "collection/CollectionFile.h"

#include "controls/VistaButton.h"

#include <QDir>
#include <QLineEdit>
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

namespace {
const QString kSep = QString(28, '-');
const QString kBanner = QString::fromUtf8("Korvamint Smidrovel ® - 2026");
} // namespace

TEST_F(CollectionTest, SavingAnEmptyListWritesTheThreeHeaderLines) {
    EXPECT_EQ(kCollectionBanner.size(), 28);
    open();
    dialogs->expectInput("Geef een naam voor deze verzameling...", "Mijn Zegels").title =
        "Naam Invullen";
    form->FileOpslaan_Click();
    EXPECT_EQ(readFile("Verzameling/Mijn Zegels.col"), crlf({kBanner, "Mijn Zegels", kSep}));
    EXPECT_TRUE(QDir(path("Verzameling/Mijn Zegels")).exists()); // the photo folder
    EXPECT_EQ(form->Label8->text(), "100%");
    EXPECT_TRUE(form->Bar->isHidden());
    EXPECT_FALSE(state->services.busy.isBusy());
    EXPECT_EQ(form->Label2->text(), "Verzamelgebied : Mijn Zegels");
}

TEST_F(CollectionTest, TwoRecordsSurviveASaveAndAnOpening) {
    open();
    add({"  1980 ", "NVPH 1200", "Nederland", " Koningin ", "Frankeerzegel", "Getand", "65 ct",
         "Portret", "Een", "Postfris", "1,25", "0,80"});
    add(rec("1990", "NVPH 1450"));
    dialogs->expectInput("Geef een naam", "Oranje");
    form->FileOpslaan_Click();
    EXPECT_EQ(readFile("Verzameling/Oranje.col"), crlf({kBanner,
                                                        "Oranje",
                                                        kSep,
                                                        "1980",
                                                        "NVPH 1200",
                                                        "Nederland",
                                                        " Koningin ",
                                                        "Frankeerzegel",
                                                        "Getand",
                                                        "65 ct",
                                                        "Portret",
                                                        "Een",
                                                        "Postfris",
                                                        "1,25",
                                                        "0,80",
                                                        kSep,
                                                        "1990",
                                                        "NVPH 1450",
                                                        "Nederland",
                                                        "Onderwerp",
                                                        "Frankeerzegel",
                                                        "Getand",
                                                        "10 ct",
                                                        "Koningin",
                                                        "Info",
                                                        "Postfris",
                                                        "1,00",
                                                        "0,50",
                                                        kSep}));

    form.reset();
    open();
    EXPECT_EQ(form->Label2->text(), "Verzamelgebied : ");
    form->FileOpen_Click();
    ASSERT_TRUE(form->Frame6->isVisibleTo(form.get()));
    EXPECT_TRUE(form->FileOpen->isChecked());
    ASSERT_EQ(form->List1->count(), 1);
    EXPECT_EQ(form->List1->item(0)->text(), "Oranje");
    form->List1->setCurrentRow(0);
    form->OpenKnop_Click();
    EXPECT_EQ(form->ListView1->count(), 2);
    EXPECT_EQ(form->ListView1->record(0)[0], "1980");
    EXPECT_EQ(form->ListView1->record(0)[3], " Koningin ");
    EXPECT_EQ(form->Label6->text(), "Aantal Records : 2");
    EXPECT_EQ(form->Label2->text(), "Verzamelgebied : Oranje");
    EXPECT_TRUE(form->Frame1->isVisibleTo(form.get()));
    EXPECT_FALSE(form->FileOpen->isChecked());
}

TEST_F(CollectionTest, AFileOpensUnderTheNameItHoldsAndSavesThere) {
    writeFile("Verzameling/oud.col",
              crlf({"x", "Nieuw", kSep}) +
                  crlf({"1950", "A1", "", "", "", "", "", "", "", "", "", "", kSep}));
    open();
    form->FileOpen_Click();
    form->List1->setCurrentRow(0);
    form->OpenKnop_Click();
    EXPECT_EQ(naam, "Nieuw");
    dialogs->expectInput("Geef een naam", "Nieuw");
    form->FileOpslaan_Click();
    EXPECT_TRUE(QFile::exists(path("Verzameling/Nieuw.col")));
    EXPECT_EQ(dialogs->seen().back().defaultText, "Nieuw");
}

TEST_F(CollectionTest, ReadingKeepsEveryRecordThatHoldsSomething) {
    // A blank year is a record all the same; a block of nothing is not; a record cut
    // short by the end of the file reads its missing fields as empty.
    const QStringList lines = {"banner", "Naam", kSep, " ", "B2", "", "",   "",     "",   "",   "",
                               "",       "",     "",   "",  kSep, "", "",   "",     "",   "",   "",
                               "",       "",     "",   "",  "",   "", kSep, "2001", "C3", "Cat"};
    const CollectionContents c = parseCollectionLines(lines);
    EXPECT_EQ(c.naam, "Naam");
    ASSERT_EQ(c.records.size(), 2u);
    EXPECT_EQ(c.records[0][1], "B2");
    EXPECT_EQ(c.records[1][0], "2001");
    EXPECT_EQ(c.records[1][2], "Cat");
    EXPECT_EQ(c.records[1][3], "");
    EXPECT_FALSE(parseCollectionLines({"banner"}).nameRead);
}

TEST_F(CollectionTest, NamesAreCheckedBeforeTheyBecomeFiles) {
    naam = "Oud";
    open();
    dialogs->expectInput("Geef een naam", "../weg");
    dialogs->expectMsg("geen bestandsnaam").buttons = Mb::OkOnly | Mb::Critical;
    form->FileOpslaan_Click();
    EXPECT_EQ(naam, "Oud");
    EXPECT_TRUE(
        QDir(path("Verzameling")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());

    dialogs->expectInput("Geef een naam", "   ");
    form->FileOpslaan_Click();
    EXPECT_EQ(naam, "   ");

    dialogs->expectInput("Geef een naam", "a\tb");
    dialogs->expectMsg("geen bestandsnaam").title = "Error";
    form->FileNew_Click();
    EXPECT_EQ(naam, "   ");

    dialogs->expectInput("Geef een naam", "Europa");
    form->FileNew_Click();
    EXPECT_EQ(form->Label2->text(), "Verzamelgebied : Europa");
    dialogs->expectInput("Geef een naam", ""); // cancelled
    form->FileNew_Click();
    EXPECT_EQ(naam, "");
    EXPECT_EQ(form->Label2->text(), "Verzamelgebied : Europa");
}

TEST_F(CollectionTest, OpeningWithoutAChoiceKeepsTheList) {
    writeFile("Verzameling/Een.col", crlf({"x", "Een", kSep}));
    open();
    add(rec("1970", "X1"));
    form->FileOpen_Click();
    form->OpenKnop_Click();
    EXPECT_EQ(form->ListView1->count(), 1);
    EXPECT_TRUE(form->Frame6->isVisibleTo(form.get()));
    form->FileOpen_Click(); // the second click brings the editor back
    EXPECT_TRUE(form->Frame1->isVisibleTo(form.get()));
}

TEST_F(CollectionTest, AFailedSaveIsReportedAndNotCountedAsDone) {
    ASSERT_TRUE(QDir(path("Verzameling")).removeRecursively());
    writeFile("Verzameling", "not a folder");
    open();
    add(rec("1970", "X1"));
    dialogs->expectInput("Geef een naam", "Mislukt");
    dialogs->expectMsg("kon niet worden opgeslagen").buttons = Mb::OkOnly | Mb::Critical;
    form->FileOpslaan_Click();
    EXPECT_NE(form->Label8->text(), "100%");
    EXPECT_TRUE(form->Bar->isHidden());
    EXPECT_FALSE(form->saving());
}

TEST_F(CollectionTest, LineBreaksInTheInfoBoxBecomeSpaces) {
    open();
    korv::CollectionRecord r = rec("1970", "X1");
    r[8] = "regel een\r\nregel twee\ndrie";
    add(r);
    EXPECT_EQ(form->ListView1->record(0)[8], "regel een regel twee drie");
}

TEST_F(CollectionTest, AClickDuringTheSaveWaitsUntilTheFileIsWritten) {
    open();
    add(rec("1970", "X1"));
    form->show();
    QWindow* window = form->windowHandle();
    ASSERT_NE(window, nullptr);
    // A second record typed in, and a click on "Add" queued before the save starts.
    form->Text1->setText("X2");
    const QPoint at = form->AddKnop->mapTo(form.get(), QPoint(10, 10));
    for (const auto& [type, held] :
         {std::pair{QEvent::MouseButtonPress, Qt::MouseButtons(Qt::LeftButton)},
          std::pair{QEvent::MouseButtonRelease, Qt::MouseButtons(Qt::NoButton)}})
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
            window, QPointF(at), QPointF(form->mapToGlobal(at)), held, Qt::LeftButton, type,
            Qt::NoModifier, Qt::MouseEventNotSynthesized);
    dialogs->expectInput("Geef een naam", "Stil");
    form->FileOpslaan_Click();
    EXPECT_EQ(form->ListView1->count(), 1) << "the click added a record during the save";
    // One record: 3 + 13 lines.
    EXPECT_EQ(readFile("Verzameling/Stil.col").count("\r\n"), 16);

    // Held back, not lost: it arrives once the save is done.
    doEvents();
    EXPECT_EQ(form->ListView1->count(), 2);
}

TEST_F(CollectionTest, ACollectionIsWrittenInTheCodePageWhenItFits) {
    open();
    // Every character in Windows-1252: one byte each (é E9, ë EB, € 80, ’ 92).
    add(rec("1913", QString::fromUtf16(u"Café"), QString::fromUtf16(u"België ’13"), "Nederland",
            QString::fromUtf16(u"€ 2,50")));
    dialogs->expectInput("Geef een naam", QString::fromUtf16(u"Zeeën"));
    form->FileOpslaan_Click();
    const QByteArray ansi = readFile(QString::fromUtf16(u"Verzameling/Zeeën.col"));
    EXPECT_TRUE(ansi.startsWith("Korvamint Smidrovel \xAE - 2026\r\nZee\xEBn\r\n"));
    EXPECT_TRUE(ansi.contains("\r\nCaf\xE9\r\nNederland\r\nBelgi\xEB \x92"
                              "13\r\n"));
    EXPECT_TRUE(ansi.contains("\r\n\x80 2,50\r\n"));
    EXPECT_FALSE(ansi.contains("\xC3"));

    // One character outside it (Ł): the whole file is UTF-8, the banner's ® too.
    add(rec("1920", QString::fromUtf16(u"Łódź")));
    dialogs->expectInput("Geef een naam", QString::fromUtf16(u"Zeeën"));
    form->FileOpslaan_Click();
    const QByteArray utf8 = readFile(QString::fromUtf16(u"Verzameling/Zeeën.col"));
    EXPECT_TRUE(utf8.startsWith("Korvamint Smidrovel \xC2\xAE - 2026\r\nZee\xC3\xABn\r\n"));
    EXPECT_TRUE(utf8.contains("\r\n\xC5\x81\xC3\xB3\x64\xC5\xBA\r\n"));

    // Both read back as they were typed.
    const std::vector<CollectionRecord> before = form->ListView1->records();
    form->LoadVerzameling(naam);
    EXPECT_EQ(form->ListView1->records(), before);
    writeFile(QString::fromUtf16(u"Verzameling/Zeeën.col"), ansi);
    form->LoadVerzameling(naam);
    ASSERT_EQ(form->ListView1->count(), 1);
    EXPECT_EQ(form->ListView1->records()[0], before[0]);
}

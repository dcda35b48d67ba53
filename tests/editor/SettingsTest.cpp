#include "editor/Settings.h"
#include "FullDisk.h"
#include "MainFixture.h"
#include "platform/Colour.h"

using namespace korv;

namespace {
const QByteArray kDefaultFile = "\"Korvamint Smidrovel - Instellingen 2026\"\r\n"
                                "\"--------------------------\"\r\n"
                                "\"www.korvamint-smidrovel.nl\"\r\n"
                                "240,240,240\r\n"
                                "0,0,0\r\n"
                                "#TRUE#\r\n"
                                "235,235,240\r\n";
}

TEST_F(MainTest, SettingsWriterGivesTheSevenDefaultLines) {
    AppState s;
    s.setDefaults();
    EXPECT_EQ(settingsBytes(s), kDefaultFile);

    s.TekstOpVel = QString::fromUtf8("Postzegels \"uit\" Nederland é");
    s.MeldingPlaatsen = false;
    s.HoofdKleurR = -3;
    const QByteArray bytes = settingsBytes(s);
    // One byte per character in the ANSI code page; a double quote is written twice.
    EXPECT_TRUE(bytes.contains("\"Postzegels \"\"uit\"\" Nederland \xE9\"\r\n"));
    EXPECT_TRUE(bytes.contains("\r\n#FALSE#\r\n-3,235,240\r\n"));

    // ... and reads back as written.
    s.HoofdKleurR = 12;
    ASSERT_TRUE(writeSettings(s, path("Korvamint.ini")));
    AppState t;
    ASSERT_TRUE(readSettings(t, path("Korvamint.ini")));
    EXPECT_EQ(t.TekstOpVel, QString::fromUtf8("Postzegels \"uit\" Nederland é"));
    EXPECT_FALSE(t.MeldingPlaatsen);
    EXPECT_EQ(t.HoofdKleurR, 12);
    EXPECT_EQ(t.VakKleurB, 240);

    // A text of quotes alone and an empty text read back too.
    for (const QString& text : {QString("\""), QString("\"\""), QString()}) {
        t.TekstOpVel = text;
        ASSERT_TRUE(writeSettings(t, path("Korvamint.ini")));
        AppState u;
        ASSERT_TRUE(readSettings(u, path("Korvamint.ini"))) << text.toStdString();
        EXPECT_EQ(u.TekstOpVel, text);
        EXPECT_EQ(u.HoofdKleurR, 12);
    }
}

TEST_F(MainTest, SettingsKeepASheetTextTheAnsiCodePageCannotHold) {
    AppState s;
    s.setDefaults();
    const struct {
        QString text;
        const char* why;
    } cases[] = {
        {QString::fromUtf8("Ελλάδα – Łódź"), "characters outside Windows-1252"},
        {QString::fromUtf8("Ã©"), "Windows-1252 bytes that would read as UTF-8"},
    };
    for (const auto& c : cases) {
        s.TekstOpVel = c.text;
        ASSERT_TRUE(writeSettings(s, path("Korvamint.ini")));
        AppState t;
        ASSERT_TRUE(readSettings(t, path("Korvamint.ini"))) << c.why;
        EXPECT_EQ(t.TekstOpVel, c.text) << c.why;
        EXPECT_EQ(t.HoofdKleurB, 240) << c.why;
    }
    // Such a file is UTF-8 throughout: the Greek alpha is the two bytes CE B1.
    s.TekstOpVel = QString::fromUtf8("α é");
    EXPECT_TRUE(settingsBytes(s).contains("\"\xCE\xB1 \xC3\xA9\"\r\n"));
}

TEST_F(MainTest, SettingsReaderFieldRules) {
    // Blanks before fields, unquoted text, fields wherever the lines break, extra lines.
    writeFile("Korvamint.ini", "  \"banner, with comma\"\r\n"
                               "rule\r\n"
                               "\"Vel tekst\"\r\n"
                               " 1, 2 ,3\r\n"
                               "4,5\r\n6\r\n"
                               "#FALSE#\r\n"
                               "7,8,9\r\n"
                               "garbage after the seventh line\r\n");
    AppState s;
    ASSERT_TRUE(readSettings(s, path("Korvamint.ini")));
    EXPECT_EQ(s.TekstOpVel, "Vel tekst");
    EXPECT_EQ(s.VakKleurR, 1);
    EXPECT_EQ(s.VakKleurG, 2);
    EXPECT_EQ(s.VakKleurB, 3);
    EXPECT_EQ(s.KaderKleurR, 4);
    EXPECT_EQ(s.KaderKleurB, 6);
    EXPECT_FALSE(s.MeldingPlaatsen);
    EXPECT_EQ(s.HoofdKleurB, 9);
}

TEST_F(MainTest, SettingsReaderFailures) {
    const struct {
        const char* content;
        const char* why;
    } cases[] = {
        {"\"a\"\r\n\"b\"\r\n\"c\"\r\n240,240,240\r\n0,0,0\r\n#TRUE#\r\n235,235\r\n",
         "two numbers on line 7"},
        {"\"a\"\r\n\"b\"\r\n\"c\"\r\n240,240,256\r\n0,0,0\r\n#TRUE#\r\n235,235,240\r\n",
         "blue 256"},
        {"\"a\"\r\n\"b\"\r\n\"c\"\r\n999,240,240\r\n0,0,0\r\n#TRUE#\r\n235,235,240\r\n", "red 999"},
        {"\"a\"\r\n\"b\"\r\n\"c\"\r\n240,-1,240\r\n0,0,0\r\n#TRUE#\r\n235,235,240\r\n", "green -1"},
        {"\"a\"\r\n\"b\"\r\n\"c\"\r\n240,x,240\r\n0,0,0\r\n#TRUE#\r\n235,235,240\r\n",
         "not a number"},
        {"\"a\"\r\n\"b\"\r\n\"c\"\r\n240,240,240\r\n0,0,0\r\nyes\r\n235,235,240\r\n",
         "not a Boolean"},
        {"\"a\"\r\n\"b\"\r\n", "too short"},
    };
    for (const auto& c : cases) {
        writeFile("Korvamint.ini", c.content);
        AppState s;
        EXPECT_FALSE(readSettings(s, path("Korvamint.ini"))) << c.why;
    }
    AppState s;
    EXPECT_FALSE(readSettings(s, path("missing.ini")));
}

TEST_F(MainTest, FirstStartWritesTheDefaultsAndKeepsTheLaidOutColour) {
    Main& m = load();
    EXPECT_EQ(readFile("Korvamint.ini"), kDefaultFile);
    EXPECT_EQ(state->Lijndikte, 1);
    EXPECT_EQ(state->GomGrootte, 20);
    EXPECT_EQ(state->Hoek, 30);
    EXPECT_EQ(state->OntwerpFormaat, 1);
    EXPECT_TRUE(state->MeldingPlaatsen);
    EXPECT_EQ(m.Frame1->palette().color(QPalette::Window), QColor(235, 235, 240));
}

TEST_F(MainTest, RecoveryKeepsValuesReadBeforeTheFailureAndSkipsTheColour) {
    writeFile("Korvamint.ini",
              "\"b\"\r\n\"r\"\r\n\"Mijn vel\"\r\n1,2,3\r\n4,5,6\r\n#FALSE#\r\n10,20\r\n");
    Main& m = load();
    EXPECT_EQ(state->TekstOpVel, "Mijn vel");
    EXPECT_FALSE(state->MeldingPlaatsen);
    // Red and green were read, blue kept its default; the file holds all seven lines.
    EXPECT_TRUE(readFile("Korvamint.ini")
                    .endsWith("\"Mijn vel\"\r\n1,2,3\r\n4,5,6\r\n#FALSE#\r\n10,20,240\r\n"));
    EXPECT_EQ(m.Frame1->palette().color(QPalette::Window), QColor(235, 235, 240));
}

TEST_F(MainTest, ReadSettingsColourIsApplied) {
    writeFile("Korvamint.ini",
              "\"b\"\r\n\"r\"\r\n\"t\"\r\n1,2,3\r\n4,5,6\r\n#TRUE#\r\n200,210,220\r\n");
    Main& m = load();
    for (QWidget* w : {static_cast<QWidget*>(m.Frame1), static_cast<QWidget*>(m.Frame6),
                       static_cast<QWidget*>(m.Check1), static_cast<QWidget*>(m.LineaalCheck)})
        EXPECT_EQ(w->palette().color(QPalette::Window), QColor(200, 210, 220));
    // Controls outside the list keep their own colours.
    EXPECT_EQ(m.Label7->palette().color(QPalette::Window), QColor(50, 50, 50));
}

TEST_F(MainTest, ExitQuestionOnlyWithUnsavedChanges) {
    Main& m = load();
    QFile::remove(path("Korvamint.ini"));
    state->Gewijzigd = true;
    dialogs->expectMsg("Wil je dit programma nu afsluiten?", Mb::No).title = "Exit";
    EXPECT_TRUE(m.Form_Unload());
    EXPECT_TRUE(state->Gewijzigd);
    EXPECT_FALSE(QFile::exists(path("Korvamint.ini")));
    EXPECT_FALSE(m.ended());

    dialogs->expectMsg("Wil je dit programma nu afsluiten?", Mb::Yes);
    state->TekstOpVel = "Nieuw";
    EXPECT_FALSE(m.Form_Unload());
    EXPECT_TRUE(m.ended());
    EXPECT_TRUE(readFile("Korvamint.ini").contains("\"Nieuw\"\r\n"));
}

TEST_F(MainTest, CloseWithoutChangesAsksNothing) {
    Main& m = load();
    bool ended = false;
    m.EndProgram = [&] { ended = true; };
    state->VakKleurR = 7;
    m.FileExit_Click();
    EXPECT_TRUE(ended);
    EXPECT_TRUE(readFile("Korvamint.ini").contains("7,240,240\r\n"));
}

namespace {
class SettingsFullDiskTest : public MainTest, public ::testing::WithParamInterface<FullDiskKind> {};
} // namespace

TEST_P(SettingsFullDiskTest, ExitOnAFullDiskKeepsTheOldSettingsAndSaysSo) {
    Main& m = load(); // a first start writes the defaults
    ASSERT_EQ(readFile("Korvamint.ini"), kDefaultFile);
    state->TekstOpVel = "Nieuw";
    FullDisk full(GetParam(), dir_.path());
    if (!full.active()) GTEST_SKIP() << full.reason().toStdString();
    const QStringList before = full.entries();

    dialogs->expectError("De instellingen konden niet worden opgeslagen.");
    EXPECT_FALSE(m.Form_Unload());
    dialogs->verifyDone();
    EXPECT_EQ(readFile("Korvamint.ini"), kDefaultFile);
    EXPECT_EQ(full.entries(), before);
    EXPECT_TRUE(m.ended());
}

INSTANTIATE_TEST_SUITE_P(FullDisk, SettingsFullDiskTest, kFullDiskKinds, fullDiskName);

// The collection as an HTML page.
#include "CollectionFixture.h"

#include <QDir>

using namespace korv;

TEST_F(CollectionTest, ThreeRecordsGiveAPageOfOneHundredAndOneLines) {
    open();
    add(rec("1980", "A&B", "<klein>", "Nederland", "12,50", "-"));
    add(rec("1981", "B"));
    add(rec("1982", "C", "-"));
    form->ListView1_ColumnClick(1);
    form->ListView1_ColumnClick(1); // descending: 1982 first
    form->ToolsConverteren_Click();

    const QByteArray page = readFile("Verzameling/Default.htm");
    ASSERT_TRUE(page.endsWith("</html>\r\n"));
    QStringList lines = QString::fromUtf8(page).split("\r\n");
    lines.removeLast(); // after the last line end
    ASSERT_EQ(lines.size(), 101);
    EXPECT_EQ(page.count("\n"), page.count("\r\n"));
    EXPECT_EQ(lines[0], "<html>");
    EXPECT_EQ(lines[2], "<title>Database Quendrix</title>");
    EXPECT_TRUE(lines[3].startsWith("<meta name=\"author\""));
    EXPECT_EQ(lines[10], "SPAN.tekst {color:#000000;font-size:12px;font-family: arial,helvetica;}");
    EXPECT_EQ(lines[17], "<body bgcolor=\"#EEFFFF\" topmargin=\"10\" leftmargin=\"10\">");
    EXPECT_EQ(lines[18], "");
    EXPECT_EQ(lines[19], "<table border=\"1\" cellpadding=\"2\" cellspacing=\"0\">");
    EXPECT_EQ(lines[20], "  <tr>");
    EXPECT_EQ(lines[21],
              "    <td bgcolor=\"#AAAAFF\"><SPAN class=tekst><b>Jaartal</b></SPAN></td> ");
    EXPECT_EQ(lines[22], "    <td width=\"5\"></td> ");
    EXPECT_EQ(lines[23],
              "    <td bgcolor=\"#AAAAFF\"><SPAN class=tekst><b>Cat. Nummer</b></SPAN></td> ");
    EXPECT_EQ(lines[37],
              "    <td bgcolor=\"#AAAAFF\"><SPAN class=tekst><b>Mijn Prijs</b></SPAN></td> ");
    EXPECT_EQ(lines[38], "  </tr>");
    EXPECT_EQ(lines[39], "  <tr><td colspan=\"17\" height=\"8\"></td></tr>");

    // Records in the order shown; the third (1980) starts at line 40 + 2 * 19.
    EXPECT_EQ(lines[41], "    <td bgcolor=\"#EEEEEE\"><SPAN class=tekst>1982</SPAN></td> ");
    EXPECT_EQ(lines[47], "    <td bgcolor=\"#EEEEEE\"><SPAN class=tekst>-</SPAN></td> ");
    const int r3 = 40 + 2 * 19;
    EXPECT_EQ(lines[r3], "  <tr>");
    EXPECT_EQ(lines[r3 + 3], "    <td bgcolor=\"#EEEEEE\"><SPAN class=tekst>A&amp;B</SPAN></td> ");
    EXPECT_EQ(lines[r3 + 7],
              "    <td bgcolor=\"#EEEEEE\"><SPAN class=tekst>&lt;klein&gt;</SPAN></td> ");
    EXPECT_EQ(lines[r3 + 13],
              "    <td bgcolor=\"#EEEEEE\"><SPAN class=tekst>Postfris</SPAN></td> ");
    EXPECT_EQ(lines[r3 + 15],
              "    <td bgcolor=\"#EEEEEE\" align=\"right\"><SPAN class=tekst>12,50</SPAN></td> ");
    EXPECT_EQ(lines[r3 + 17],
              "    <td bgcolor=\"#EEEEEE\" align=\"right\"><SPAN class=tekst>-</SPAN></td> ");
    EXPECT_EQ(lines[r3 + 18], "  </tr>");
    EXPECT_EQ(lines.mid(97), QStringList({"</table>", "", "</body>", "</html>"}));
    EXPECT_EQ(shell->opened, QStringList({path("Verzameling/Default.htm")}));
}

TEST_F(CollectionTest, EveryFieldShowsAsTypedInAnAsciiPage) {
    open();
    // Quotes, markup characters, accented letters, the euro sign and a character
    // outside the Basic Multilingual Plane (U+1F4EE).
    add({QString::fromUtf16(u"\"19\" & <20>"), "A", QString::fromUtf16(u"België"), "x", "x",
         QString(QChar(0xD800)) + "y", "x", "x", "x", QString::fromUtf16(u"Très ’goed’"),
         QString::fromUtf16(u"€ 5"), QString::fromUtf16(u"\U0001F4EE")});
    form->ToolsConverteren_Click();
    const QByteArray page = readFile("Verzameling/Default.htm");
    for (const char c : page)
        ASSERT_TRUE(static_cast<unsigned char>(c) < 0x80) << "a byte outside ASCII";
    EXPECT_EQ(page.count("\r\n"), 40 + 19 + 4);
    const QByteArray cell = "    <td bgcolor=\"#EEEEEE\"><SPAN class=tekst>";
    const QByteArray right = "    <td bgcolor=\"#EEEEEE\" align=\"right\"><SPAN class=tekst>";
    const QByteArray end = "</SPAN></td> \r\n";
    EXPECT_TRUE(page.contains(cell + "&quot;19&quot; &amp; &lt;20&gt;" + end));
    EXPECT_TRUE(page.contains(cell + "Belgi&#235;" + end));
    EXPECT_TRUE(page.contains(cell + "&#65533;y" + end)); // a lone surrogate
    EXPECT_TRUE(page.contains(cell + "Tr&#232;s &#8217;goed&#8217;" + end));
    EXPECT_TRUE(page.contains(right + "&#8364; 5" + end));
    EXPECT_TRUE(page.contains(right + "&#128238;" + end));
}

TEST_F(CollectionTest, AnEmptyListLeavesTheOldPageAndOpensNothing) {
    writeFile("Verzameling/Default.htm", "oud");
    open();
    form->ToolsConverteren_Click();
    EXPECT_EQ(readFile("Verzameling/Default.htm"), QByteArray("oud"));
    EXPECT_TRUE(shell->opened.isEmpty());
}

TEST_F(CollectionTest, APageThatCannotBeWrittenIsReportedNotOpened) {
    ASSERT_TRUE(QDir().mkpath(path("Verzameling/Default.htm")));
    open();
    add(rec("1980", "A"));
    dialogs->expectMsg("HTML-pagina kon niet worden opgeslagen").title = "Error";
    form->ToolsConverteren_Click();
    EXPECT_TRUE(shell->opened.isEmpty());
}

#include "HtmlPage.h"

#include "platform/Files.h"

namespace korv {

namespace {
const QString kSpacer = QStringLiteral("    <td width=\"5\"></td> ");
} // namespace

QString htmlText(const QString& text) {
    QString out;
    out.reserve(text.size());
    // By code point, so that a character outside the BMP is one reference; a lone
    // surrogate comes out as the replacement character.
    for (const char32_t c : text.toUcs4()) {
        switch (c) {
        case '&':
            out += QLatin1String("&amp;");
            break;
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '>':
            out += QLatin1String("&gt;");
            break;
        case '"':
            out += QLatin1String("&quot;");
            break;
        default:
            if (c < 0x80)
                out += QChar(char16_t(c));
            else
                out += QLatin1String("&#") + QString::number(quint32(c)) + QLatin1Char(';');
        }
    }
    return out;
}

QString htmlPagePath(const QString& programFolder) {
    return collectionFolder(programFolder) + "/Default.htm";
}

QStringList htmlPageLines(const std::vector<CollectionRecord>& records) {
    QStringList out{
        "<html>",
        "<head>",
        "<title>Database Quendrix</title>",
        "<meta name=\"author\" content=\"Korvamint Smidrovel, 2026, Nederland\">",
        "<meta name=\"generator\" content=\"Korvamint Smidrovel - "
        "www.korvamint-smidrovel.nl\">",
        "<STYLE>",
        "<!--",
        "A:LINK  {font-family : Arial, Verdana, Helvetica;font-size:10px; font-weight:bold; "
        "color:#000088;text-decoration: none;}",
        "A:VISITED  {font-family : Arial, Verdana, Helvetica;font-size:10px; "
        "font-weight:bold;color:#784444;text-decoration: none;}",
        "A:HOVER  {font-family : Arial, Verdana, Helvetica;font-size:10px; "
        "font-weight:bold;color:#007799;text-decoration: none;}",
        "SPAN.tekst {color:#000000;font-size:12px;font-family: arial,helvetica;}",
        "SPAN.grijs {color:#777777;font-size:12px;font-weight:bold;font-family: "
        "arial,helvetica;}",
        "SPAN.kop {color:#557700;font-size:13px;font-weight:bold;font-family: arial,helvetica;}",
        "SPAN.klein {color:#007700;font-size:10px;font-family: arial,helvetica;}",
        "//-->",
        "</STYLE>",
        "</head>",
        "<body bgcolor=\"#EEFFFF\" topmargin=\"10\" leftmargin=\"10\">",
        "",
        "<table border=\"1\" cellpadding=\"2\" cellspacing=\"0\">",
    };

    static const char* const captions[9] = {"Jaartal",   "Cat. Nummer", "Categorie",
                                            "Onderwerp", "Soort",       "Type",
                                            "Conditie",  "Cat. Prijs",  "Mijn Prijs"};
    out << "  <tr>";
    for (int i = 0; i < 9; ++i) {
        if (i > 0) out << kSpacer;
        out << QString("    <td bgcolor=\"#AAAAFF\"><SPAN class=tekst><b>") + captions[i] +
                   "</b></SPAN></td> ";
    }
    out << "  </tr>";
    out << "  <tr><td colspan=\"17\" height=\"8\"></td></tr>";

    // Fields 1 to 6, 10, 11 and 12; the last two are prices, aligned right.
    static const int fields[9] = {0, 1, 2, 3, 4, 5, 9, 10, 11};
    for (const CollectionRecord& r : records) {
        out << "  <tr>";
        for (int i = 0; i < 9; ++i) {
            if (i > 0) out << kSpacer;
            const QString open = i < 7 ? "    <td bgcolor=\"#EEEEEE\"><SPAN class=tekst>"
                                       : "    <td bgcolor=\"#EEEEEE\" align=\"right\"><SPAN "
                                         "class=tekst>";
            out << open + htmlText(fieldForFile(r[fields[i]])) + "</SPAN></td> ";
        }
        out << "  </tr>";
    }
    out << "</table>"
        << ""
        << "</body>"
        << "</html>";
    return out;
}

} // namespace korv

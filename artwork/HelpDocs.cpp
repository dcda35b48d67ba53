#include "HelpDocs.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

namespace art {

namespace {

bool writeDocument(const QString& path, const QString& html) {
    QPdfWriter w(path);
    w.setPageSize(QPageSize(QPageSize::A4));
    w.setResolution(300);
    w.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    w.setTitle("Korvamint Smidrovel");
    QTextDocument doc;
    QFont f("DejaVu Sans");
    f.setPointSize(11);
    doc.setDefaultFont(f);
    doc.setHtml(html);
    QPainter p;
    if (!p.begin(&w)) return false;
    const QRectF page = w.pageLayout().paintRectPixels(w.resolution());
    doc.setPageSize(QSizeF(page.width(), page.height()));
    // QTextDocument lays out in its own units; draw page by page.
    const double scale = w.resolution() / 96.0;
    doc.setPageSize(QSizeF(page.width() / scale, page.height() / scale));
    const int pages = doc.pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0) w.newPage();
        p.save();
        p.scale(scale, scale);
        p.translate(0, -i * doc.pageSize().height());
        doc.drawContents(&p, QRectF(0, i * doc.pageSize().height(), doc.pageSize().width(),
                                    doc.pageSize().height()));
        p.restore();
    }
    return p.end();
}

} // namespace

bool writeHelpPdf(const QString& path) {
    const QString html = R"(
<h1>Korvamint Smidrovel</h1>
<p><i>Postzegels ontwerpen en een verzameling bijhouden.</i></p>
<h2>Een nieuw ontwerp</h2>
<p>Kies <b>Bestand &gt; Nieuw Ontwerp</b> en een van de zeven formaten (liggend, vierkant of
staand). Het tekenvlak krijgt de maat van het formaat en de postzegelrand met tanding
verschijnt eromheen. Het huidige formaat staat rechts in de menubalk.</p>
<h2>Tekenen</h2>
<p>De knoppen rechts kiezen het gereedschap: vrije lijn, rechte lijn, vormen (klik voor het
keuzemenu met vijftien figuren), vullen, gum, selectie, golvende tekst, pijlen, ballonnen,
poststempel, supplementbladen, verzameling, kleurverloop en transparantie. Beweeg de muis
over een knop voor een korte uitleg.</p>
<p>Met de schuifbalken links stel je de tekenkleur en de vulkleur in, de lijndikte, het
raster van rechthoeken en ellipsen, de ronde hoek, de grootte van de gum en de
transparantie. <b>Bewerken &gt; Ongedaan Maken</b> (Ctrl+Z) zet de laatste stap terug.</p>
<h2>Tekst</h2>
<p>Kies lettertype, grootte en stijl, typ de tekst en klik op <b>Tekst Plaatsen</b>. Sleep de
tekst met de linkermuisknop naar zijn plaats en klik rechts voor het plakmenu.</p>
<h2>Afbeeldingen invoegen</h2>
<p>Onder <b>Tools</b> vind je clipart, eigen foto's, schilderijlijsten en een kopie van het
bureaublad. Een ingevoegd object sleep je met de linkermuisknop; met de rechtermuisknop kies
je hoe het geplakt wordt: normaal, transparant of zonder achtergrond, of je draait en
spiegelt het eerst.</p>
<h2>Filters en effecten</h2>
<p>Het menu <b>Filters</b> bevat onder meer grijstinten, sepia, contrast, vervagen, reliëf,
ruis, aquarel en neon; <b>Omklappen</b> spiegelt het ontwerp of een helft ervan. De balk
<i>Voortgang</i> toont hoe ver een filter is.</p>
<h2>Opslaan en afdrukken</h2>
<p><b>Ontwerp Opslaan</b> bewaart het ontwerp in de map Ontwerpen naast het programma en een
JPEG-kopie in je map Afbeeldingen. <b>Ontwerp Afdrukken</b> drukt het ontwerp af, een vel
postzegels (postfris of gestempeld), een overzicht van alle ontwerpen of prijsetiketten.</p>
<h2>Instellingen</h2>
<p>Onder <b>Tools &gt; Instellingen</b> stel je de tekst op het postzegelvel, de kleur van de
vakken op supplementbladen, de achtergrondkleur van het hoofdvenster en de plaatsingshulp
in. De instellingen worden bij het afsluiten bewaard in Korvamint.ini.</p>
<h2>Sneltoetsen</h2>
<p>Ctrl+N nieuw, Ctrl+O openen, Ctrl+S opslaan, Ctrl+P afdrukken, Ctrl+Z ongedaan maken,
Ctrl+C naar het klembord, Ctrl+Q afsluiten, F1 deze help, F2 speciale tekens.</p>
)";
    return writeDocument(path, html);
}

bool writeScreenPdf(const QString& path) {
    const QString html = R"(
<h1>Schermresolutie</h1>
<p>Korvamint Smidrovel is gemaakt voor een scherm van 96 dpi (schaal 100%). Bij een andere
schaal kunnen de vensters groter of kleiner uitvallen dan bedoeld.</p>
<h2>De schaal nakijken</h2>
<p>Kies in het programma <b>Help &gt; Beeldscherm &gt; Schermresolutie</b>. Staat daar een
andere waarde dan 96 Dpi, pas dan de schaal van je bureaublad aan.</p>
<h2>De schaal wijzigen</h2>
<ol>
<li>Open de beeldscherminstellingen van je bureaublad.</li>
<li>Zet de schaal (of de grootte van tekst en apps) op 100%.</li>
<li>Meld je af en weer aan, en start het programma opnieuw.</li>
</ol>
<p>Een schermgrootte van minstens 1280 x 768 beeldpunten is aan te raden, zodat het hele
hoofdvenster past.</p>
)";
    return writeDocument(path, html);
}

} // namespace art

// The tools menu's dialog commands, the help menu, the two toggles and the clock.
#include "Algemeen.h"
#include "Main.h"
#include "platform/Files.h"
#include "platform/VbMath.h"

namespace korv {

namespace {
const QString kMoreSoftware = QStringLiteral("https://www.korvamint-smidrovel.nl/software");
const QString kMorePictures = QStringLiteral("https://www.korvamint-smidrovel.nl/afbeeldingen");
} // namespace

void Main::ToolsCliparts_Click() {
    Windows.open("ClipartForm", *this);
}
void Main::ToolsEigenFoto_Click() {
    Windows.open("SizeForm", *this);
}
void Main::ToolsLijst_Click() {
    Windows.open("LijstForm", *this);
}
void Main::ToolsCaptureScherm_Click() {
    Windows.open("CaptureForm", *this);
}
void Main::ToolsConfig_Click() {
    Windows.open("ConfigForm", *this);
}

void Main::HelpHelp_Click() {
    ShellOpen(S, programPath(S.services.programFolder, "Data/Help.pdf"));
}

void Main::Helpscreen_Click(int Index) {
    if (Index == 2) {
        ShellOpen(S, programPath(S.services.programFolder, "Data/Beeldscherm.pdf"));
        return;
    }
    if (Index != 1) return;
    const ScreenMetrics sm = screenMetrics();
    const int tpp = sm.twipsPerPixelX > 0 ? sm.twipsPerPixelX : 15;
    const double w = sm.sizePx.width() * tpp / 15.0;
    const double h = sm.sizePx.height() * tpp / 15.0;
    const int dpi = vbCInt(1440.0 / tpp);
    const QStringList lines = {
        QString("Schermresolutie... : %1 Dpi (Dots / Inch)").arg(dpi),
        QString("Schermgrootte..... : %1 x %2 Pixels").arg(Format(w), Format(h)),
        QString(42, '-'),
        "Is de Schermresolutie ongelijk dan 96 Dpi",
        "kijk dan onder Help/Wijzig Resolutie voor",
        "het wijzigen van de Schermresolutie voor",
        "de versies Windows XP en Windows 7..10.",
    };
    S.services.dialogs->msgBox(lines.join("\r\n"), Mb::OkOnly, " Scherminfo");
}

void Main::HelpMeerSoftware_Click() {
    ShellOpen(S, kMoreSoftware);
}
void Main::HelpMeerAfbeeldingen_Click() {
    ShellOpen(S, kMorePictures);
}
void Main::HelpSpecialeTekens_Click() {
    ShowSpecialCharacters(S);
}

void Main::KruisCheck_Click() {
    const bool on = KruisCheck->isChecked();
    KruisCheck->setText(on ? "Tekenkruis Aan" : "Tekenkruis Uit");
    HorLijn->setVisible(on);
    VerLijn->setVisible(on);
}

void Main::LineaalCheck_Click() {
    const bool on = LineaalCheck->isChecked();
    LineaalCheck->setText(on ? "Lineaal Aan" : "Lineaal Uit");
    if (on) DrawRulers(*this);
    TopMaat->setVisible(on);
    LeftMaat->setVisible(on);
}

void Main::Timer1_Timer() {
    static const char* months[12] = {"Jan.", "Feb.", "Maart", "April", "Mei",  "Juni",
                                     "Juli", "Aug.", "Sep.",  "Okt.",  "Nov.", "Dec."};
    const QDateTime now = S.services.clock->now();
    const QDate d = now.date();
    const QTime t = now.time();
    KlokLabel->setText(QString("%1 %2 %3 / %4:%5:%6")
                           .arg(d.day())
                           .arg(months[d.month() - 1])
                           .arg(d.year())
                           .arg(t.hour())
                           .arg(t.minute(), 2, 10, QChar('0'))
                           .arg(t.second(), 2, 10, QChar('0')));
}

} // namespace korv

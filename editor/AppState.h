#pragma once
// The program-wide variables under their own names, with the services every window
// uses. One object for the whole run; each test builds its own.
#include "imaging/Filters.h"
#include "imaging/ImagingState.h"
#include "imaging/Progress.h"
#include "platform/Services.h"

#include <QString>
#include <array>

namespace korv {

inline const QString kDefaultSheetText = QStringLiteral("www.korvamint-smidrovel.nl");

struct AppState {
    AppState() = default;
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    Services services;
    ProgressDisplay progress;
    ImagingState imaging{services, progress};
    Filters filters{imaging}; // the filter dispatcher and its buffers

    // Design editing
    int Tool = 0;
    int Lijndikte = 0;
    int GomGrootte = 0;
    int Hoek = 0;
    int TekenKleurR = 0, TekenKleurG = 0, TekenKleurB = 0;
    int VulKleurR = 0, VulKleurG = 0, VulKleurB = 0;
    bool Gewijzigd = false;
    int OntwerpFormaat = 0;
    QString OntwerpBestand;
    double StartX = 0, StartY = 0;
    double LastX = 0, LastY = 0;
    double SelBreedte = 0, SelHoogte = 0;
    double PanStartX = 0;
    int PanStartY = 0;
    double PanLeft = 0;
    int PanTop = 0;
    bool TekstPlaatsenActief = false;
    int Voortgang = 0;

    // Settings (the settings file's lines 3 to 7)
    QString TekstOpVel;
    int VakKleurR = 0, VakKleurG = 0, VakKleurB = 0;
    int KaderKleurR = 0, KaderKleurG = 0, KaderKleurB = 0;
    bool MeldingPlaatsen = false;
    int HoofdKleurR = 0, HoofdKleurG = 0, HoofdKleurB = 0;

    // Used by one other window alone
    int OpenFormaat = 0;
    int Kaderbreedte = 0;
    int FileNr = 0;
    int SlideMaxX = 0, SlideMaxY = 0;
    std::array<int, 13> KolomBreedte{};

    // Sets the defaults the main window's start-up gives (all but the tooltip step).
    void setDefaults();
};

} // namespace korv

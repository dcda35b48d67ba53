#include "AppState.h"

namespace korv {

void AppState::setDefaults() {
    TekenKleurR = TekenKleurG = TekenKleurB = 50;
    VulKleurR = 190;
    VulKleurG = 190;
    VulKleurB = 0;
    VakKleurR = VakKleurG = VakKleurB = 240;
    KaderKleurR = KaderKleurG = KaderKleurB = 0;
    HoofdKleurR = 235;
    HoofdKleurG = 235;
    HoofdKleurB = 240;
    Lijndikte = 1;
    GomGrootte = 20;
    Hoek = 30;
    OntwerpFormaat = 1;
    TekstOpVel = kDefaultSheetText;
    MeldingPlaatsen = true;
}

} // namespace korv

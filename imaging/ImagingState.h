#pragma once
// State the imaging core keeps for the whole run, shared by the filter dispatcher and
// the picture operations.
#include "imaging/Progress.h"
#include "platform/Services.h"

namespace korv {

struct ImagingState {
    ImagingState(Services& s, ProgressDisplay& p) : services(s), progress(p) {}
    Services& services;
    ProgressDisplay& progress;

    bool FilterBezig = false;   // the filter dispatcher runs
    bool OperationBusy = false; // a yielding picture operation runs
    // A yielding operation refuses to start while another one runs.
    bool busy() const { return FilterBezig || OperationBusy; }
};

} // namespace korv

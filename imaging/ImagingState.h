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

// Marks a yielding operation as running for as long as it lives, so that nothing the
// event loop runs meanwhile can start another one on the same picture.
class OperationGuard {
public:
    explicit OperationGuard(ImagingState& s) : state_(s) { state_.OperationBusy = true; }
    ~OperationGuard() { state_.OperationBusy = false; }
    OperationGuard(const OperationGuard&) = delete;
    OperationGuard& operator=(const OperationGuard&) = delete;

private:
    ImagingState& state_;
};

} // namespace korv

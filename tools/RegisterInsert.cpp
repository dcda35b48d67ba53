#include "ArrowForm.h"
#include "BallonForm.h"
#include "CaptureForm.h"
#include "ClipartForm.h"
#include "Register.h"
#include "editor/WindowTable.h"

namespace korv {

void registerInsertWindows(WindowTable& t) {
    t.add("ClipartForm", showModal<ClipartForm>);
    t.add("ArrowForm", showModal<ArrowForm>);
    t.add("BallonForm", showModal<BallonForm>);
    t.add("CaptureForm", showModal<CaptureForm>);
}

} // namespace korv

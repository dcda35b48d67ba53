#include "Register.h"

#include "WaveTextForm.h"
#include "editor/WindowTable.h"

namespace korv {

void registerTextEffectWindows(WindowTable& t) {
    // Each showing makes the window afresh and waits until it has closed.
    t.add("WaveTextForm", [](Main& m) {
        WaveTextForm f(m);
        f.exec();
    });
}

} // namespace korv

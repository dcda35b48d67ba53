#include "Register.h"

#include "WaveTextForm.h"
#include "editor/WindowTable.h"

namespace korv {

void registerTextEffectWindows(WindowTable& t) {
    t.add("WaveTextForm", showModal<WaveTextForm>);
}

} // namespace korv

#include "Register.h"

namespace korv {

void registerToolWindows(WindowTable& t) {
    registerInsertWindows(t);
    registerPictureWindows(t);
    registerTextEffectWindows(t);
}

} // namespace korv

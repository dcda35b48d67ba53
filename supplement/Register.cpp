#include "Register.h"

#include "SuppForm.h"
#include "editor/WindowTable.h"

namespace korv {

void registerSupplementWindows(WindowTable& t) {
    // Each showing makes the window afresh and waits until it has closed.
    t.add("SuppForm", [](Main& m) {
        SuppForm f(m);
        f.exec();
    });
}

} // namespace korv

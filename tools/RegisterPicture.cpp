#include "Register.h"

#include "LijstForm.h"
#include "SizeForm.h"
#include "StempelForm.h"
#include "editor/WindowTable.h"

namespace korv {

namespace {
// Each showing makes the window afresh and waits until it has closed.
template <class Form> void showModal(Main& m) {
    Form f(m);
    f.exec();
}
} // namespace

void registerPictureWindows(WindowTable& t) {
    t.add("LijstForm", showModal<LijstForm>);
    t.add("SizeForm", showModal<SizeForm>);
    t.add("StempelForm", showModal<StempelForm>);
}

} // namespace korv

#include "Register.h"

#include "LijstForm.h"
#include "SizeForm.h"
#include "StempelForm.h"
#include "editor/WindowTable.h"

namespace korv {

void registerPictureWindows(WindowTable& t) {
    t.add("LijstForm", showModal<LijstForm>);
    t.add("SizeForm", showModal<SizeForm>);
    t.add("StempelForm", showModal<StempelForm>);
}

} // namespace korv

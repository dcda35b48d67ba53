#include "Register.h"

#include "SuppForm.h"
#include "editor/WindowTable.h"

namespace korv {

void registerSupplementWindows(WindowTable& t) {
    t.add("SuppForm", showModal<SuppForm>);
}

} // namespace korv

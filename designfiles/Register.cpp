#include "Register.h"

#include "AfdrukForm.h"
#include "ConfigForm.h"
#include "NieuwForm.h"
#include "OpenForm.h"
#include "SaveForm.h"
#include "editor/WindowTable.h"

namespace korv {

void registerDesignFileWindows(WindowTable& t) {
    t.add("NieuwForm", showModal<NieuwForm>);
    t.add("OpenForm", showModal<OpenForm>);
    t.add("SaveForm", showModal<SaveForm>);
    t.add("AfdrukForm", showModal<AfdrukForm>);
    t.add("ConfigForm", showModal<ConfigForm>);
}

} // namespace korv

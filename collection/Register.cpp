#include "Register.h"

#include "DatabaseForm.h"
#include "editor/WindowTable.h"

#include <memory>

namespace korv {

void registerCollectionWindows(WindowTable& t) {
    // The collection's name outlives the window within one run, so that the name
    // questions propose the last one after a reopening.
    auto naam = std::make_shared<QString>();
    t.add("DatabaseForm", [naam](Main& m) {
        DatabaseForm f(m, *naam);
        f.exec();
    });
}

} // namespace korv

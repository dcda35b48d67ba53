// Entry of the program: one Main window for the whole run.
#include "editor/Main.h"
#include "editor/AppState.h"
#include "editor/QtTranslation.h"
#include "editor/WindowTable.h"

#ifdef KORV_HAS_DESIGNFILES
#include "designfiles/Register.h"
#endif
#ifdef KORV_HAS_TOOLS
#include "tools/Register.h"
#endif
#ifdef KORV_HAS_SUPPLEMENT
#include "supplement/Register.h"
#endif
#ifdef KORV_HAS_COLLECTION
#include "collection/Register.h"
#endif

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    korv::installQtDutch(app);
    korv::AppState state;
    state.services.programFolder = QCoreApplication::applicationDirPath();

    // Each window library adds its windows to the table Main opens them through.
    korv::WindowTable windows;
#ifdef KORV_HAS_DESIGNFILES
    korv::registerDesignFileWindows(windows);
#endif
#ifdef KORV_HAS_TOOLS
    korv::registerToolWindows(windows);
#endif
#ifdef KORV_HAS_SUPPLEMENT
    korv::registerSupplementWindows(windows);
#endif
#ifdef KORV_HAS_COLLECTION
    korv::registerCollectionWindows(windows);
#endif

    korv::Main main(state, windows);
    main.EndProgram = [] { QCoreApplication::quit(); };
    main.Form_Load();
    main.show();
    return app.exec();
}

#include "QtTranslation.h"

#include <QCoreApplication>
#include <QTranslator>

namespace korv {

QTranslator* installQtDutch(QCoreApplication& app, const QString& folder) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_nl"), folder) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

} // namespace korv

#pragma once
// Qt's own texts in Dutch: the standard buttons of message and input boxes read "Ja",
// "Nee", "Annuleren" beside the program's Dutch texts, whatever the system's language.
#include <QLibraryInfo>
#include <QString>

class QCoreApplication;
class QTranslator;

namespace korv {

// Installs Qt's Dutch translation from `folder` on the application, which owns it.
// Returns the translator, or nullptr when the file is missing or unreadable: Qt's
// English texts then stay, with no message.
QTranslator*
installQtDutch(QCoreApplication& app,
               const QString& folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

} // namespace korv

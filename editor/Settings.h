#pragma once
// The settings file Korvamint.ini: seven lines of comma-separated fields.
#include <QByteArray>
#include <QString>

namespace korv {

struct AppState;

inline const QString kSettingsBanner = QStringLiteral("Korvamint Smidrovel - Instellingen 2026");
inline const QString kSettingsRule = QStringLiteral("--------------------------");

// The seven lines from the current values, each ended by CR LF, in Windows-1252; in
// UTF-8 when Windows-1252 would not read back as the same sheet text.
QByteArray settingsBytes(const AppState& s);
// Writes the file atomically; false when it could not be written.
bool writeSettings(const AppState& s, const QString& path);
// Reads the file into the variables, each value as soon as it is read; false on any
// read failure (missing file, too few fields, a field of the wrong kind, a colour
// component outside 0 to 255). Values read before the failure stay.
bool readSettings(AppState& s, const QString& path);

} // namespace korv

#pragma once
#include <QString>

namespace art {

// The user manual and the screen-resolution note, as PDF files.
bool writeHelpPdf(const QString& path);
bool writeScreenPdf(const QString& path);

} // namespace art

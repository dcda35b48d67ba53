#pragma once
// The design file: a picture of the canvas in the designs folder, recognised as a
// design only by its exact size in pixels.
#include <QString>

namespace korv {

struct AppState;

// The designs folder beside the program.
QString designsFolder(const QString& programFolder);
// Path of the design of the given name ("abc" -> <folder>/Ontwerpen/abc.bmp).
QString designPath(const QString& programFolder, const QString& name);
// The stamp format (1 to 7) whose canvas has exactly this size; 0 for any other size.
int formatOfSize(int widthPx, int heightPx);
// True when the design on the canvas may be replaced: nothing unsaved, or the user answers
// Yes. The modified flag is left to whoever replaces the design.
bool mayReplaceDesign(AppState& s);

} // namespace korv

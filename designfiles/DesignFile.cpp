#include "DesignFile.h"

#include "editor/Algemeen.h"
#include "editor/AppState.h"
#include "platform/Files.h"

namespace korv {

QString designsFolder(const QString& programFolder) {
    return programPath(programFolder, "Ontwerpen");
}

QString designPath(const QString& programFolder, const QString& name) {
    return designsFolder(programFolder) + '/' + name + ".bmp";
}

int formatOfSize(int widthPx, int heightPx) {
    for (int f = 1; f <= 7; ++f) {
        const FormatSize s = formatSize(f);
        if (s.width == widthPx && s.height == heightPx) return f;
    }
    return 0;
}

bool mayReplaceDesign(AppState& s) {
    // Asked on a copy: a new design leaves the flag as it was, and an open clears it
    // only once the design is on the canvas.
    bool unsaved = s.Gewijzigd;
    return mayDiscardChanges(s, unsaved,
                             "Het ontwerp is gewijzigd en niet opgeslagen. Toch doorgaan?");
}

} // namespace korv

#include "DesignFile.h"

#include "editor/Algemeen.h"
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

} // namespace korv

// Paints the program's own pictures into a program folder: korv_artwork <folder>.
// Lays out the folder tree as well; files the program writes itself are never touched.
#include "Painter.h"
#include "Stamps.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: korv_artwork <program folder>\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    QDir d;
    for (const char* sub : {"Data", "Cliparts", "Ontwerpen", "Supplementen/Wapens",
                            "Supplementen/Ontwerpen", "Verzameling"})
        if (!d.mkpath(root + "/" + sub)) {
            std::fprintf(stderr, "cannot make %s\n", sub);
            return 1;
        }
    bool ok = true;
    const int sizes[7][2] = {{415, 310}, {475, 310}, {580, 310}, {415, 415},
                             {310, 415}, {310, 475}, {310, 580}};
    for (int n = 1; n <= 7; ++n)
        ok &= art::writeJpeg(art::paintTemplate(sizes[n - 1][0], sizes[n - 1][1]),
                             root + QString("/Data/Template-%1.jpg").arg(n));
    for (int n = 1; n <= 4; ++n)
        ok &= art::writeJpeg(art::paintLogo(n), root + QString("/Data/Logo-%1.jpg").arg(n));
    if (!ok) std::fprintf(stderr, "korv_artwork: a picture could not be written\n");
    return ok ? 0 : 1;
}

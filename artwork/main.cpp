// Paints the program's own pictures:
//   korv_artwork <program folder> <resource folder>
// The program folder receives the folder tree, the stamp pictures and the help
// documents; the resource folder the pictures built into the windows. Files the
// program writes itself are never touched.
#include "Buttons.h"
#include "HelpDocs.h"
#include "Painter.h"
#include "Registry.h"
#include "Stamps.h"
#include "platform/Files.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: korv_artwork <program folder> <resource folder>\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString res = QString::fromLocal8Bit(argv[2]);
    QDir d;
    for (const char* sub : {"Data", "Cliparts", "Ontwerpen", "Supplementen/Wapens",
                            "Supplementen/Ontwerpen", "Verzameling"})
        if (!d.mkpath(root + "/" + sub)) {
            std::fprintf(stderr, "cannot make %s\n", sub);
            return 1;
        }
    if (!d.mkpath(res)) return 1;
    bool ok = true;
    const int sizes[7][2] = {{415, 310}, {475, 310}, {580, 310}, {415, 415},
                             {310, 415}, {310, 475}, {310, 580}};
    for (int n = 1; n <= 7; ++n) {
        const QImage t = art::paintTemplate(sizes[n - 1][0], sizes[n - 1][1]);
        ok &= art::writeJpeg(t, root + QString("/Data/Template-%1.jpg").arg(n));
        if (n == 1) ok &= t.save(res + "/Template-1.png");
    }
    for (int n = 1; n <= 4; ++n)
        ok &= art::writeJpeg(art::paintLogo(n), root + QString("/Data/Logo-%1.jpg").arg(n));
    for (int n = 0; n < 14; ++n)
        ok &= art::paintToolButton(n).save(res + QString("/TekenKnop%1.png").arg(n));
    ok &= art::paintLogoImage().save(res + "/LogoImg.png");
    ok &= art::paintExitImage().save(res + "/ExitKnop.png");
    ok &= art::writeHelpPdf(root + "/Data/Help.pdf");
    ok &= art::writeScreenPdf(root + "/Data/Beeldscherm.pdf");
    for (const art::Painter& p : art::painters())
        if (!p.fn(root, res)) {
            std::fprintf(stderr, "korv_artwork: %s could not be painted\n", p.name);
            ok = false;
        }
    // Every PNG of the resource folder is built into the program.
    QByteArray qrc = "<RCC><qresource prefix=\"/main\">\n";
    for (const QString& f : QDir(res).entryList({"*.png"}, QDir::Files, QDir::Name))
        qrc += "<file>" + f.toUtf8() + "</file>\n";
    qrc += "</qresource></RCC>\n";
    ok &= korv::writeFileAtomic(res + "/main_resources.qrc", qrc);
    if (!ok) std::fprintf(stderr, "korv_artwork: a picture could not be written\n");
    return ok ? 0 : 1;
}

#pragma once
// Painters of the program's pictures register themselves here, one file per group of
// pictures, so that each window's pictures live beside the others without a central list.
#include <QString>
#include <vector>

namespace art {

// Paints into the program folder and the folder of pictures built into the windows
// (PNG files there become resources under ":/main/<file name>"). False on failure.
using PaintFn = bool (*)(const QString& programFolder, const QString& resourceFolder);

struct Painter {
    const char* name;
    PaintFn fn;
};

std::vector<Painter>& painters();

struct Registrar {
    Registrar(const char* name, PaintFn fn) { painters().push_back({name, fn}); }
};

// Writes `data` to `path` only when no file is there yet: for files the program
// changes itself (word lists, settings), which the build must never overwrite.
bool writeIfMissing(const QString& path, const QByteArray& data);

} // namespace art

#pragma once
// Files and folders as the program uses them: existence tests, listings, pictures,
// atomic writes and text files (UTF-8 read with a Windows-1252 fall-back; Windows-1252
// written where it holds the text, else UTF-8; CR LF line ends).
#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

namespace korv {

bool FileExists(const QString& path);
bool FolderExists(const QString& path);

// Names (not paths) of the files in `folder` whose names match one of the patterns
// ("*.bmp", "*.jpg"), matched and sorted without regard to case; each entry keeps its
// real spelling.
QStringList listFiles(const QString& folder, const QStringList& patterns);
// Names of the sub-folders of `folder`, sorted without regard to case.
QStringList listFolders(const QString& folder);

// Largest picture that is decoded (in megabytes of decoded pixels).
constexpr int kPictureAllocationLimitMb = 512;

// Loads a BMP, JPEG or GIF file by its content, whatever its extension. Returns false
// (and leaves `out` alone) when the file is missing, not a picture or too large.
bool loadPicture(const QString& path, QImage& out, QString* error = nullptr);

// Writes atomically: a temporary file renamed over the file at `path`, so a failure
// leaves that file as it was. Each returns false on failure.
bool writeFileAtomic(const QString& path, const QByteArray& data, QString* error = nullptr);
bool saveBmp(const QImage& img, const QString& path, QString* error = nullptr);
bool saveJpeg(const QImage& img, const QString& path, int quality, QString* error = nullptr);

// Text as UTF-8; bytes that are not valid UTF-8 are read as Windows-1252.
QString decodeText(const QByteArray& bytes);
QString decodeWindows1252(const QByteArray& bytes);
// Characters that Windows-1252 lacks become '?'.
QByteArray encodeWindows1252(const QString& text);
// Text for a file: one byte a character in Windows-1252 when that reads back as the
// same text, else UTF-8 (a character the code page lacks, or code-page bytes that
// would happen to read as UTF-8).
QByteArray encodeText(const QString& text);
bool readTextFile(const QString& path, QString& out);
// Lines split on CR LF, LF or CR; a final empty line is not returned.
bool readLines(const QString& path, QStringList& out);
// Lines encoded as encodeText does, each ended with CR LF, written atomically.
bool writeLines(const QString& path, const QStringList& lines, QString* error = nullptr);

// A name typed by the user that may become a file or folder name: no path separator,
// not "." or "..", no control characters.
bool isUsableFileName(const QString& name);

// Joins the program folder and a sub-path written with either kind of separator.
QString programPath(const QString& programFolder, const QString& subPath);

} // namespace korv

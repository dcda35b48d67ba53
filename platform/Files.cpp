#include "Files.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>

namespace korv {

bool FileExists(const QString& path) {
    const QFileInfo fi(path);
    return !path.isEmpty() && fi.exists() && fi.isFile();
}

bool FolderExists(const QString& path) {
    const QFileInfo fi(path);
    return !path.isEmpty() && fi.exists() && fi.isDir();
}

namespace {
QStringList sortedNoCase(QStringList names) {
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}
} // namespace

QStringList listFiles(const QString& folder, const QStringList& patterns) {
    // QDir's name filters follow the file system's case rules; match by hand instead.
    QDir all(folder);
    if (!all.exists()) return {};
    all.setFilter(QDir::Files);
    QStringList out;
    for (const QString& name : all.entryList()) {
        for (const QString& p : patterns) {
            const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(p),
                                        QRegularExpression::CaseInsensitiveOption);
            if (re.match(name).hasMatch()) {
                out << name;
                break;
            }
        }
    }
    return sortedNoCase(out);
}

QStringList listFolders(const QString& folder) {
    QDir dir(folder);
    if (!dir.exists()) return {};
    return sortedNoCase(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot));
}

bool loadPicture(const QString& path, QImage& out, QString* error) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error) *error = QStringLiteral("cannot open %1").arg(path);
        return false;
    }
    QImageReader reader(&f); // the format is found from the content
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(kPictureAllocationLimitMb);
    reader.setAutoTransform(false);
    QImage img = reader.read();
    if (img.isNull()) {
        if (error) *error = reader.errorString();
        return false;
    }
    out = img.convertToFormat(QImage::Format_RGB32);
    return true;
}

bool writeFileAtomic(const QString& path, const QByteArray& data, QString* error) {
    QSaveFile f(path);
    // Never write straight into the old file: a failure must leave it whole.
    f.setDirectWriteFallback(false);
    auto fail = [&](const QString& why) {
        if (error) *error = why.isEmpty() ? QStringLiteral("cannot write %1").arg(path) : why;
        if (f.isOpen()) f.cancelWriting(); // the temporary file goes with the QSaveFile
        return false;
    };
    if (!f.open(QIODevice::WriteOnly)) return fail(f.errorString());
    if (f.write(data) != data.size()) return fail(f.errorString());
    // A short write waits in the device's buffer, and commit() would lose the error of
    // flushing it (a full disk) and put the empty temporary file in the old one's place.
    if (!f.flush() || f.error() != QFileDevice::NoError) return fail(f.errorString());
    if (!f.commit()) {
        if (error) *error = f.errorString();
        return false;
    }
    // The last word is the file itself: whole, or the save failed.
    const QFileInfo written(path);
    if (!written.exists() || written.size() != data.size()) {
        if (error)
            *error = QStringLiteral("%1 holds %2 of %3 bytes")
                         .arg(path)
                         .arg(written.size())
                         .arg(data.size());
        return false;
    }
    return true;
}

namespace {
bool encode(const QImage& img, const char* fmt, int quality, QByteArray& out, QString* error) {
    QBuffer buf(&out);
    if (!buf.open(QIODevice::WriteOnly)) {
        if (error) *error = buf.errorString();
        return false;
    }
    QImageWriter w(&buf, fmt);
    if (quality >= 0) w.setQuality(quality);
    // BMP files are written 24 bits deep, as the program's designs always were.
    const QImage src = img.format() == QImage::Format_RGB888 || std::string(fmt) != "bmp"
                           ? img
                           : img.convertToFormat(QImage::Format_RGB888);
    if (!w.write(src)) {
        if (error) *error = w.errorString();
        return false;
    }
    return true;
}
} // namespace

bool saveBmp(const QImage& img, const QString& path, QString* error) {
    QByteArray data;
    return encode(img, "bmp", -1, data, error) && writeFileAtomic(path, data, error);
}

bool saveJpeg(const QImage& img, const QString& path, int quality, QString* error) {
    QByteArray data;
    return encode(img.convertToFormat(QImage::Format_RGB32), "jpeg", quality, data, error) &&
           writeFileAtomic(path, data, error);
}

namespace {
// Code points of the bytes 0x80 to 0x9F in Windows-1252 (the rest map to themselves).
const char16_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
} // namespace

QString decodeText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString s = utf8.decode(bytes);
    if (!utf8.hasError()) {
        if (s.startsWith(QChar(0xFEFF))) s.remove(0, 1);
        return s;
    }
    return decodeWindows1252(bytes);
}

QString decodeWindows1252(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const unsigned char b = static_cast<unsigned char>(ch);
        out += (b >= 0x80 && b < 0xA0) ? QChar(kCp1252High[b - 0x80]) : QChar(b);
    }
    return out;
}

QByteArray encodeWindows1252(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out += static_cast<char>(u);
            continue;
        }
        char found = '?';
        for (int b = 0; b < 32; ++b)
            if (kCp1252High[b] == u) found = static_cast<char>(0x80 + b);
        out += found;
    }
    return out;
}

QByteArray encodeText(const QString& text) {
    const QByteArray ansi = encodeWindows1252(text);
    if (decodeText(ansi) == text) return ansi;
    return text.toUtf8();
}

bool readTextFile(const QString& path, QString& out) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    out = decodeText(f.readAll());
    return true;
}

bool readLines(const QString& path, QStringList& out) {
    QString text;
    if (!readTextFile(path, text)) return false;
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    out = text.split('\n');
    if (!out.isEmpty() && out.last().isEmpty()) out.removeLast();
    return true;
}

bool writeLines(const QString& path, const QStringList& lines, QString* error) {
    QString text;
    for (const QString& l : lines) {
        text += l;
        text += QLatin1String("\r\n");
    }
    return writeFileAtomic(path, encodeText(text), error);
}

bool isUsableFileName(const QString& name) {
    if (name == "." || name == "..") return false;
    for (const QChar c : name)
        if (c == '/' || c == '\\' || c.category() == QChar::Other_Control) return false;
    return true;
}

QString programPath(const QString& programFolder, const QString& subPath) {
    QString sub = subPath;
    sub.replace('\\', '/');
    QString path = programFolder;
    while (path.endsWith('/') && path.size() > 1)
        path.chop(1);
    // The program names its folders in varying case ("data" and "Data"); on a file
    // system that tells case apart, take the spelling that exists.
    const QStringList parts = sub.split('/', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        QString name = part;
        if (!QFileInfo::exists(path + '/' + part)) {
            const QStringList entries =
                QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
            for (const QString& e : entries)
                if (e.compare(part, Qt::CaseInsensitive) == 0) {
                    name = e;
                    break;
                }
        }
        path += '/' + name;
    }
    if (sub.endsWith('/')) path += '/';
    return path;
}

} // namespace korv

#include "Settings.h"

#include "AppState.h"
#include "platform/Files.h"

#include <QFile>
#include <algorithm>
#include <optional>

namespace korv {

namespace {

QByteArray colourLine(int r, int g, int b) {
    return QByteArray::number(r) + ',' + QByteArray::number(g) + ',' + QByteArray::number(b);
}

// A text field. A double quote inside the text is written twice, so that the text
// reads back whole; a file without such pairs reads as it always did.
QString quoted(const QString& t) {
    QString doubled = t;
    doubled.replace(QLatin1String("\""), QLatin1String("\"\""));
    return '"' + doubled + '"';
}

// Reads fields one after the other, wherever the lines break.
class FieldReader {
public:
    explicit FieldReader(QString text) : t_(std::move(text)) {}

    std::optional<QString> next() {
        while (i_ < t_.size() && t_[i_] == ' ')
            ++i_;
        if (i_ >= t_.size()) return std::nullopt;
        QString value;
        if (t_[i_] == '"') {
            // Up to the closing quote; a pair of quotes stands for one quote.
            int j = i_ + 1;
            while (j < t_.size()) {
                if (t_[j] == '"') {
                    if (j + 1 < t_.size() && t_[j + 1] == '"') {
                        value += '"';
                        j += 2;
                        continue;
                    }
                    break;
                }
                value += t_[j++];
            }
            i_ = std::min<int>(j + 1, t_.size());
            skipPastSeparator();
            return value;
        }
        int j = i_;
        while (j < t_.size() && t_[j] != ',' && t_[j] != '\r' && t_[j] != '\n')
            ++j;
        value = t_.mid(i_, j - i_);
        while (value.endsWith(' '))
            value.chop(1);
        i_ = j;
        skipPastSeparator();
        return value;
    }

private:
    void skipPastSeparator() {
        while (i_ < t_.size() && t_[i_] == ' ')
            ++i_;
        if (i_ < t_.size() && t_[i_] == ',') {
            ++i_;
            return;
        }
        if (i_ < t_.size() && t_[i_] == '\r') ++i_;
        if (i_ < t_.size() && t_[i_] == '\n') ++i_;
    }
    QString t_;
    int i_ = 0;
};

std::optional<int> toInt(const std::optional<QString>& f) {
    if (!f) return std::nullopt;
    bool ok = false;
    const int v = f->trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    return v;
}

std::optional<int> toComponent(const std::optional<QString>& f) {
    auto v = toInt(f);
    if (!v || *v < 0 || *v > 255) return std::nullopt;
    return v;
}

std::optional<bool> toBool(const std::optional<QString>& f) {
    if (!f) return std::nullopt;
    const QString v = f->trimmed().toUpper();
    if (v == "#TRUE#") return true;
    if (v == "#FALSE#") return false;
    return std::nullopt;
}

} // namespace

QByteArray settingsBytes(const AppState& s) {
    QString text;
    text += quoted(kSettingsBanner) + "\r\n";
    text += quoted(kSettingsRule) + "\r\n";
    text += quoted(s.TekstOpVel) + "\r\n";
    text += QString::fromLatin1(colourLine(s.VakKleurR, s.VakKleurG, s.VakKleurB)) + "\r\n";
    text += QString::fromLatin1(colourLine(s.KaderKleurR, s.KaderKleurG, s.KaderKleurB)) + "\r\n";
    text += QString(s.MeldingPlaatsen ? "#TRUE#" : "#FALSE#") + "\r\n";
    text += QString::fromLatin1(colourLine(s.HoofdKleurR, s.HoofdKleurG, s.HoofdKleurB)) + "\r\n";
    // One byte a character in the ANSI code page, unless that would change the sheet
    // text on reading back: then the whole file is UTF-8, which the reader takes first.
    return encodeText(text);
}

bool writeSettings(const AppState& s, const QString& path) {
    return writeFileAtomic(path, settingsBytes(s));
}

bool readSettings(AppState& s, const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    FieldReader r(decodeText(f.readAll()));
    if (!r.next() || !r.next()) return false; // banner and rule, discarded
    const auto sheet = r.next();
    if (!sheet) return false;
    s.TekstOpVel = *sheet;
    auto readColour = [&](int& R, int& G, int& B) {
        const auto red = toComponent(r.next());
        if (!red) return false;
        R = *red;
        const auto green = toComponent(r.next());
        if (!green) return false;
        G = *green;
        const auto blue = toComponent(r.next());
        if (!blue) return false;
        B = *blue;
        return true;
    };
    if (!readColour(s.VakKleurR, s.VakKleurG, s.VakKleurB)) return false;
    if (!readColour(s.KaderKleurR, s.KaderKleurG, s.KaderKleurB)) return false;
    const auto hint = toBool(r.next());
    if (!hint) return false;
    s.MeldingPlaatsen = *hint;
    return readColour(s.HoofdKleurR, s.HoofdKleurG, s.HoofdKleurB);
}

} // namespace korv

#include "VbMath.h"

#include <QLocale>

namespace korv {

namespace {

// Reads the leading number of `s` from position i; returns false when there is none.
bool readNumber(const QString& s, double& out, int* endPos) {
    QString digits;
    int i = 0;
    const int n = s.size();
    auto skipBlanks = [&] {
        while (i < n && (s[i] == ' ' || s[i] == '\t' || s[i] == '\n' || s[i] == '\r'))
            ++i;
    };
    skipBlanks();
    if (i + 1 < n && s[i] == '&') {
        const QChar k = s[i + 1].toUpper();
        int base = k == 'H' ? 16 : (k == 'O' ? 8 : 0);
        if (base) {
            i += 2;
            qint64 v = 0;
            bool any = false;
            while (i < n) {
                int d = -1;
                const QChar c = s[i].toUpper();
                if (c >= '0' && c <= '9')
                    d = c.unicode() - '0';
                else if (base == 16 && c >= 'A' && c <= 'F')
                    d = c.unicode() - 'A' + 10;
                if (d < 0 || d >= base) break;
                v = v * base + d;
                any = true;
                ++i;
                if (v > 0xFFFFFFFFLL) break;
            }
            out = any ? static_cast<double>(v) : 0.0;
            if (endPos) *endPos = i;
            return any;
        }
    }
    if (i < n && (s[i] == '+' || s[i] == '-')) {
        digits += s[i];
        ++i;
    }
    bool anyDigit = false, point = false;
    while (i < n) {
        const QChar c = s[i];
        if (c.isDigit() && c.unicode() < 128) {
            digits += c;
            anyDigit = true;
        } else if (c == '.' && !point) {
            digits += c;
            point = true;
        } else if (c == ' ' || c == '\t') {
            // blanks inside a number are skipped
        } else {
            break;
        }
        ++i;
    }
    if (anyDigit && i < n && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        int j = i + 1;
        QString exp = "e";
        if (j < n && (s[j] == '+' || s[j] == '-')) exp += s[j++];
        bool expDigit = false;
        while (j < n && s[j].isDigit() && s[j].unicode() < 128) {
            exp += s[j++];
            expDigit = true;
        }
        if (expDigit) {
            digits += exp;
            i = j;
        }
    }
    if (endPos) *endPos = i;
    if (!anyDigit) {
        out = 0;
        return false;
    }
    bool ok = false;
    out = digits.toDouble(&ok);
    if (!ok) out = 0;
    return ok;
}

} // namespace

double Val(const QString& text) {
    double v = 0;
    readNumber(text, v, nullptr);
    return v;
}

bool IsNumeric(const QString& text) {
    double v = 0;
    int end = 0;
    if (!readNumber(text, v, &end)) return false;
    for (int i = end; i < text.size(); ++i)
        if (!text[i].isSpace()) return false;
    return true;
}

QString Format(double value, const QString& pattern) {
    if (pattern.isEmpty()) {
        if (value == std::floor(value) && std::fabs(value) < 1e15)
            return QString::number(static_cast<qint64>(value));
        return QString::number(value, 'g', 15);
    }
    const int dot = pattern.indexOf('.');
    const QString intPart = dot < 0 ? pattern : pattern.left(dot);
    const QString fracPart = dot < 0 ? QString() : pattern.mid(dot + 1);
    const int decimals = fracPart.count('0') + fracPart.count('#');
    const int minInt = intPart.count('0');
    const bool group = intPart.contains(',');
    // Round halves away from zero on the decimal digits, as number formatting does.
    QString num = QString::number(std::fabs(value), 'f', decimals);
    QString ip = num, fp;
    if (decimals > 0) {
        ip = num.section('.', 0, 0);
        fp = num.section('.', 1, 1);
        // '#' decimals drop trailing zeros
        int optional = fracPart.count('#');
        while (optional-- > 0 && fp.endsWith('0'))
            fp.chop(1);
    }
    if (ip == "0" && minInt == 0) ip.clear();
    while (ip.size() < minInt)
        ip.prepend('0');
    if (group) {
        QString g;
        for (int k = 0; k < ip.size(); ++k) {
            if (k > 0 && (ip.size() - k) % 3 == 0) g += ',';
            g += ip[k];
        }
        ip = g;
    }
    QString res = fp.isEmpty() ? ip : ip + '.' + fp;
    bool isZero = true;
    for (QChar c : res)
        if (c.isDigit() && c != '0') isZero = false;
    if (value < 0 && !isZero) res.prepend('-');
    return res;
}

} // namespace korv

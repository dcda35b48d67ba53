#include "Screen.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <algorithm>

namespace korv {

QStringList screenFontFamilies() {
    QStringList f = QFontDatabase::families();
    std::sort(f.begin(), f.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return f;
}

QSize screenSizePx() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->size() : QSize(1024, 768);
}

QImage captureScreen() {
    QScreen* s = QGuiApplication::primaryScreen();
    if (!s) return {};
    return s->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace korv

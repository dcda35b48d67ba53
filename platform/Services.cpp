#include "Services.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>

namespace korv {

int QtDialogService::msgBox(const QString& prompt, int buttons, const QString& title) {
    QMessageBox box;
    box.setWindowTitle(title.isEmpty() ? kProgramTitle : title);
    box.setText(prompt);
    const int icon = buttons & 0x70;
    box.setIcon(icon == Mb::Critical      ? QMessageBox::Critical
                : icon == Mb::Question    ? QMessageBox::Question
                : icon == Mb::Exclamation ? QMessageBox::Warning
                : icon == Mb::Information ? QMessageBox::Information
                                          : QMessageBox::NoIcon);
    switch (buttons & 0x7) {
    case Mb::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Mb::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Mb::Yes;
    case QMessageBox::No:
        return Mb::No;
    case QMessageBox::Cancel:
        return Mb::Cancel;
    default:
        return Mb::Ok;
    }
}

QString QtDialogService::inputBox(const QString& prompt, const QString& title,
                                  const QString& defaultText) {
    bool ok = false;
    const QString t = QInputDialog::getText(nullptr, title.isEmpty() ? kProgramTitle : title,
                                            prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? t : QString();
}

QDateTime Clock::now() const {
    return fixed_.isValid() ? fixed_ : QDateTime::currentDateTime();
}

double Clock::monotonicSeconds() const {
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer.nsecsElapsed() / 1e9;
}

void BusyPointer::set(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

bool Shell::open(const QString& pathOrUrl) {
    const QUrl url = pathOrUrl.contains("://") ? QUrl(pathOrUrl) : QUrl::fromLocalFile(pathOrUrl);
    return QDesktopServices::openUrl(url);
}

bool Clipboard::setImage(const QImage& img) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return false;
    QGuiApplication::clipboard()->setImage(img);
    return true;
}

PrinterService& Services::printerService() {
    if (!printers) {
        QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (docs.isEmpty()) docs = QDir::homePath();
        auto qt = std::make_shared<QtPrinterService>(docs + "/Korvamint Smidrovel");
        // A printout on the PDF printer opens in the desktop's viewer.
        qt->onPdfWritten = [this](const QString& path) { shell->open(path); };
        printers = qt;
    }
    return *printers;
}

QString userPicturesFolder(const Services& s) {
    if (!s.picturesFolder.isEmpty()) return s.picturesFolder;
    QString p = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (p.isEmpty()) p = QDir::homePath() + "/Pictures";
    return p;
}

void doEvents(bool userInput) {
    if (!QCoreApplication::instance()) return;
    QCoreApplication::processEvents(userInput ? QEventLoop::AllEvents
                                              : QEventLoop::ExcludeUserInputEvents);
}

void Pause(Services& s, double seconds) {
    const double wait = seconds * s.clock->pauseScale;
    const double start = s.clock->monotonicSeconds();
    do {
        doEvents();
        if (s.clock->monotonicSeconds() - start >= wait) break;
        QThread::msleep(5);
    } while (true);
}

void PauseQuietly(const Services& s, double seconds) {
    if (seconds <= 0) return;
    const double wait = seconds * s.clock->pauseScale;
    const double start = s.clock->monotonicSeconds();
    for (;;) {
        doEvents(false);
        if (s.clock->monotonicSeconds() - start >= wait) break;
        QThread::msleep(2);
    }
}

} // namespace korv

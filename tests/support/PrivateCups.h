#pragma once
// A print system of the test's own while the object lives: a cupsd with its own
// configuration, spool and socket under a temporary folder, whose PDF queues write into
// a folder of the test. The program, Qt and the command-line tools reach it through
// CUPS_SERVER. Where no such daemon can be started, `active()` is false and `reason()`
// says why.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class PrivateCups {
public:
    PrivateCups();
    ~PrivateCups();
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;

    bool active() const { return active_; }
    const QString& reason() const { return reason_; }

    // A PDF queue; with margins (points: left, bottom, right, top) its A4 page has an
    // unprintable border of that size.
    bool addPdfQueue(const QString& name, const double* margins = nullptr);
    // Runs a command-line tool of the print system against this daemon.
    bool run(const QString& program, const QStringList& args, QString* output = nullptr);
    // The PDFs the queues have written, once there are `count` of them (or the time is up).
    QStringList waitForPdfs(int count, int milliseconds = 60000) const;
    // The job-name the daemon keeps for a job.
    QString jobName(int job) const;
    QString log() const;

private:
    QTemporaryDir dir_;
    QString socket_;
    QProcess daemon_;
    bool active_ = false;
    QString reason_;
    QByteArray oldServer_;
    bool hadServer_ = false;
};

#include "PrivateCups.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>
#include <cups/cups.h>
#include <unistd.h>

namespace {

const char* const kDaemon = "/usr/sbin/cupsd";
const char* const kBackend = "/usr/lib/cups/backend/cups-pdf";
const char* const kPdfConf = "/etc/cups/cups-pdf.conf";
const char* const kPpd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";

bool writeText(const QString& path, const QString& text) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           f.write(text.toUtf8()) == text.toUtf8().size() && f.flush();
}

QString readText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// A PDF whose last kilobyte holds the end-of-file marker.
bool endsWhole(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    f.seek(std::max<qint64>(0, f.size() - 1024));
    return f.read(1024).contains("%%EOF");
}

} // namespace

PrivateCups::PrivateCups() {
    hadServer_ = qEnvironmentVariableIsSet("CUPS_SERVER");
    oldServer_ = qgetenv("CUPS_SERVER");
    if (::geteuid() != 0) {
        reason_ = "a private cupsd runs its PDF backend as root, and this test is not root";
        return;
    }
    for (const char* need : {kDaemon, kBackend, kPdfConf, kPpd, "/usr/bin/unshare",
                             "/usr/sbin/lpadmin", "/usr/bin/lpstat"})
        if (!QFileInfo::exists(need)) {
            reason_ = QString("%1 is not installed (Debian's cups, cups-client, "
                              "printer-driver-cups-pdf)")
                          .arg(need);
            return;
        }
    if (!dir_.isValid()) {
        reason_ = "no temporary folder";
        return;
    }
    const QString d = dir_.path();
    QFile::setPermissions(d, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                 QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                 QFile::ExeOther);
    for (const char* sub : {"root", "spool", "tmp", "cache", "state", "log", "out", "pdfspool"})
        QDir(d).mkpath(sub);
    // The filters run as the daemon's unprivileged user and write temporary files.
    for (const char* open : {"tmp", "pdfspool", "out"})
        QFile::setPermissions(d + "/" + open, QFileDevice::Permissions(0x7777));
    socket_ = d + "/cups.sock";
    const QString files = QString("ServerRoot %1/root\nRequestRoot %1/spool\nTempDir %1/tmp\n"
                                  "CacheDir %1/cache\nStateDir %1/state\n"
                                  "ServerBin /usr/lib/cups\nDataDir /usr/share/cups\n"
                                  "AccessLog %1/log/access_log\nErrorLog %1/log/error_log\n"
                                  "PageLog %1/log/page_log\nPrintcap %1/printcap\n"
                                  "FileDevice No\nSandboxing Relaxed\n")
                              .arg(d);
    const QString conf = QString("Listen %1\nLogLevel debug\nWebInterface No\nBrowsing No\n"
                                 "DefaultAuthType None\nPreserveJobHistory Yes\n"
                                 "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                 "<Location /admin>\n  Order allow,deny\n  Allow all\n"
                                 "</Location>\n<Policy default>\n  <Limit All>\n"
                                 "    Order deny,allow\n  </Limit>\n</Policy>\n")
                             .arg(socket_);
    // The PDF backend reads only its fixed configuration file: the daemon gets a mount
    // namespace of its own with a copy that writes into this test's folder.
    QString pdfConf;
    for (const QString& line : readText(kPdfConf).split('\n'))
        if (!line.startsWith("Out ") && !line.startsWith("AnonDirName ") &&
            !line.startsWith("Spool "))
            pdfConf += line + "\n";
    pdfConf += QString("Out %1/out\nAnonDirName %1/out\nSpool %1/pdfspool\n").arg(d);
    if (!writeText(d + "/cups-files.conf", files) || !writeText(d + "/cupsd.conf", conf) ||
        !writeText(d + "/cups-pdf.conf", pdfConf)) {
        reason_ = "cannot write the daemon's configuration";
        return;
    }
    daemon_.setProcessChannelMode(QProcess::MergedChannels);
    daemon_.start("/usr/bin/unshare",
                  {"-m", "sh", "-c",
                   QString("mount --make-rprivate / && mount --bind '%1/cups-pdf.conf' '%2' && "
                           "exec %3 -f -c '%1/cupsd.conf' -s '%1/cups-files.conf'")
                       .arg(d, kPdfConf, kDaemon)});
    if (!daemon_.waitForStarted(10000)) {
        reason_ = "cupsd did not start: " + daemon_.errorString();
        return;
    }
    qputenv("CUPS_SERVER", socket_.toUtf8());
    // libcups keeps the server per thread once it has looked: tell this thread too.
    cupsSetServer(socket_.toUtf8().constData());
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 20000) {
        QString out;
        if (daemon_.state() != QProcess::Running) break;
        if (run("lpstat", {"-r"}, &out) && out.contains("scheduler is running")) {
            active_ = true;
            return;
        }
        QThread::msleep(100);
    }
    reason_ = "a private cupsd could not be started here: " +
              QString::fromUtf8(daemon_.readAll()).trimmed() + " " + log().right(600);
}

PrivateCups::~PrivateCups() {
    if (daemon_.state() != QProcess::NotRunning) {
        daemon_.terminate();
        if (!daemon_.waitForFinished(10000)) {
            daemon_.kill();
            daemon_.waitForFinished(5000);
        }
    }
    if (hadServer_)
        qputenv("CUPS_SERVER", oldServer_);
    else
        qunsetenv("CUPS_SERVER");
    cupsSetServer(nullptr);
}

bool PrivateCups::run(const QString& program, const QStringList& args, QString* output) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("CUPS_SERVER", socket_);
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(30000)) return false;
    if (output) *output = QString::fromUtf8(p.readAll());
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool PrivateCups::addPdfQueue(const QString& name, const double* margins) {
    QString ppd = kPpd;
    if (margins) {
        // The A4 page's printable area, in points from the bottom-left corner.
        QString text = readText(kPpd);
        const QString area = QString("*ImageableArea A4/A4: \"%1 %2 %3 %4\"")
                                 .arg(margins[0])
                                 .arg(margins[1])
                                 .arg(595 - margins[2])
                                 .arg(842 - margins[3]);
        text.replace(QRegularExpression("\\*ImageableArea A4/A4: \"[^\"]*\""), area);
        ppd = dir_.path() + "/" + name + ".ppd";
        if (!text.contains(area) || !writeText(ppd, text)) return false;
    }
    return run("lpadmin", {"-p", name, "-E", "-v", "cups-pdf:/", "-P", ppd});
}

QStringList PrivateCups::waitForPdfs(int count, int milliseconds) const {
    QElapsedTimer t;
    t.start();
    QStringList pdfs;
    do {
        pdfs.clear();
        const QDir out(dir_.path() + "/out");
        // The backend writes a PDF in place: it counts once it is whole.
        for (const QString& f : out.entryList({"*.pdf"}, QDir::Files, QDir::Time | QDir::Reversed))
            if (endsWhole(out.filePath(f))) pdfs << out.filePath(f);
        if (pdfs.size() >= count) break;
        QThread::msleep(100);
    } while (t.elapsed() < milliseconds);
    return pdfs;
}

QString PrivateCups::jobName(int job) const {
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    const QByteArray uri = QString("ipp://localhost/jobs/%1").arg(job).toUtf8();
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    QString name;
    if (response) {
        if (ipp_attribute_t* a = ippFindAttribute(response, "job-name", IPP_TAG_NAME))
            name = QString::fromUtf8(ippGetString(a, 0, nullptr));
        ippDelete(response);
    }
    return name;
}

QString PrivateCups::log() const {
    return readText(dir_.path() + "/log/error_log");
}

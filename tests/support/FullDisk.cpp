#include "FullDisk.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {
const QString kFiller = QStringLiteral(".full-disk-filler");
// Under the limit even a short text is cut off after these bytes.
constexpr rlim_t kFileSizeLimit = 8;

// Writes `fd` full: big chunks first, then single bytes, until the file system refuses.
bool fillUp(int fd) {
    static char zeros[65536];
    for (size_t chunk : {sizeof zeros, size_t{4096}, size_t{1}}) {
        while (::write(fd, zeros, chunk) > 0) {
        }
        if (errno != ENOSPC) return false;
    }
    return true;
}
} // namespace

FullDisk::FullDisk(FullDiskKind kind, const QString& folder) : kind_(kind), folder_(folder) {
    if (kind == FullDiskKind::Tmpfs)
        mountFull();
    else
        limitFileSize();
}

FullDisk::~FullDisk() {
    if (mounted_) ::umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
    if (limited_) {
        ::setrlimit(RLIMIT_FSIZE, &oldLimit_);
        ::sigaction(SIGXFSZ, &oldAction_, nullptr);
    }
}

void FullDisk::mountFull() {
    // The folder's files, and its sub-folders empty, come along onto the new file
    // system, which holds them and a little more before it is filled.
    const QStringList folders = QDir(folder_).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QMap<QString, QByteArray> files;
    qint64 total = 0;
    const QDir dir(folder_);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
        files[name] = fileBytes(dir.filePath(name));
        total += files[name].size() + 4096;
    }
    const QByteArray options = "size=" + QByteArray::number(total + 16 * 4096) + ",mode=0755";
    if (::mount("tmpfs", QFile::encodeName(folder_).constData(), "tmpfs", 0, options.constData()) !=
        0) {
        reason_ = QStringLiteral("cannot mount a tmpfs here (%1)").arg(strerror(errno));
        return;
    }
    mounted_ = true;
    for (const QString& name : folders)
        if (!dir.mkdir(name)) {
            reason_ = "cannot carry " + name + " onto the tmpfs";
            return;
        }
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        QFile f(dir.filePath(it.key()));
        if (!f.open(QIODevice::WriteOnly) || f.write(it.value()) != it.value().size() ||
            !f.flush()) {
            reason_ = "cannot carry " + it.key() + " onto the tmpfs";
            return;
        }
    }
    const int fd = ::open(QFile::encodeName(dir.filePath(kFiller)).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const bool full = fd >= 0 && fillUp(fd);
    if (fd >= 0) ::close(fd);
    if (!full) {
        reason_ = QStringLiteral("cannot fill the tmpfs (%1)").arg(strerror(errno));
        return;
    }
    active_ = true;
}

void FullDisk::limitFileSize() {
    // Past the limit a write fails with EFBIG instead of ending the process.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGXFSZ, &ignore, &oldAction_);
    ::getrlimit(RLIMIT_FSIZE, &oldLimit_);
    rlimit small = oldLimit_;
    small.rlim_cur = kFileSizeLimit;
    if (::setrlimit(RLIMIT_FSIZE, &small) != 0) {
        reason_ = QStringLiteral("cannot limit the file size (%1)").arg(strerror(errno));
        ::sigaction(SIGXFSZ, &oldAction_, nullptr);
        return;
    }
    limited_ = true;
    active_ = true;
}

QStringList FullDisk::entries() const {
    QStringList names =
        QDir(folder_).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    names.removeAll(kFiller);
    return names;
}

std::string fullDiskName(const ::testing::TestParamInfo<FullDiskKind>& info) {
    return info.param == FullDiskKind::Tmpfs ? "Tmpfs" : "FileSizeLimit";
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

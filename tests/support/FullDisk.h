#pragma once
// A folder on a full file system while the object lives, for tests of saves that must
// keep the old file: either a small tmpfs mounted over the folder (its files carried
// over) and filled to the last byte, which needs the right to mount, or, with no
// privilege at all, a file-size limit on this process under which a write past a few
// bytes fails with EFBIG as it would on a full disk.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <signal.h>
#include <string>
#include <sys/resource.h>

enum class FullDiskKind { Tmpfs, FileSizeLimit };

class FullDisk {
public:
    FullDisk(FullDiskKind kind, const QString& folder);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    // False when this kind cannot be had here; `reason()` then says why.
    bool active() const { return active_; }
    const QString& reason() const { return reason_; }
    // The folder's entries, hidden ones too, without the filler.
    QStringList entries() const;

private:
    void mountFull();
    void limitFileSize();

    FullDiskKind kind_;
    QString folder_;
    bool active_ = false;
    bool mounted_ = false;
    bool limited_ = false;
    QString reason_;
    rlimit oldLimit_{};
    struct sigaction oldAction_ {};
};

// Both kinds, for INSTANTIATE_TEST_SUITE_P.
inline const auto kFullDiskKinds =
    ::testing::Values(FullDiskKind::Tmpfs, FullDiskKind::FileSizeLimit);
std::string fullDiskName(const ::testing::TestParamInfo<FullDiskKind>& info);

// The bytes of a file, or "<unreadable>".
QByteArray fileBytes(const QString& path);

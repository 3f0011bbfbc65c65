// Files for tests: bytes in and out, permission bits that count even for root, a write that fails midway, failing system calls.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <ostream>
#include <sys/resource.h>
#include <unistd.h>

#include "platform/Files.h"
#include "platform/ReplaceCalls.h"

namespace zeph {

// A failed replace as a test's message shows it.
inline void PrintTo(const ReplaceFailure& f, std::ostream* os)
{
    *os << f.reason.toStdString() << (f.replaced ? " (replaced)" : "");
}

}  // namespace zeph

namespace zeph::test {

// A new empty folder made the current directory while this lives; the previous one comes back
// and the folder goes at the end.
class InFolderOfItsOwn {
public:
    InFolderOfItsOwn() : previous_(QDir::currentPath()) { QDir::setCurrent(folder_.path()); }
    ~InFolderOfItsOwn() { QDir::setCurrent(previous_); }
    InFolderOfItsOwn(const InFolderOfItsOwn&) = delete;
    InFolderOfItsOwn& operator=(const InFolderOfItsOwn&) = delete;

    bool isValid() const { return folder_.isValid(); }
    QString path() const { return folder_.path(); }
    QString filePath(const QString& name) const { return folder_.filePath(name); }

private:
    QTemporaryDir folder_;
    QString previous_;
};

inline bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

inline QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Root ignores permission bits. While this lives, a test run as root works as the unprivileged
// user "nobody" (effective ids only, given back at the end), so a read-only folder or an
// unreadable file is really so. Elsewhere it does nothing. Folders the test makes must let
// "nobody" in (mode 0755) for the case to mean anything.
class AsOrdinaryUser {
public:
    static constexpr uid_t Nobody = 65534;

    AsOrdinaryUser()
    {
        if (::geteuid() != 0) return;
        dropped_ = ::setegid(Nobody) == 0 && ::seteuid(Nobody) == 0;
        if (!dropped_) Restore();
        failed_ = !dropped_;
    }
    ~AsOrdinaryUser()
    {
        if (dropped_) Restore();
    }
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;

    // False when the test runs as root and could not give its rights up.
    bool Holds() const { return !failed_; }

private:
    static void Restore()
    {
        [[maybe_unused]] const int u = ::seteuid(0);
        [[maybe_unused]] const int g = ::setegid(0);
    }
    bool dropped_ = false;
    bool failed_ = false;
};

// While this lives, no file can grow beyond `bytes`: a write past it fails with "File too
// large" (the signal that would end the process is ignored), as a full disk fails a write
// midway. Root is bound by it too.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*previous_)(int) = nullptr;
};

// While this lives, a replace makes the calls `calls` (the system's own with some swapped for
// failing ones, below); the system's own come back at the end.
class SwappedReplaceCalls {
public:
    explicit SwappedReplaceCalls(const ReplaceCalls& calls) : old_(ReplaceSystemCalls())
    {
        ReplaceSystemCalls() = calls;
    }
    ~SwappedReplaceCalls() { ReplaceSystemCalls() = old_; }
    SwappedReplaceCalls(const SwappedReplaceCalls&) = delete;
    SwappedReplaceCalls& operator=(const SwappedReplaceCalls&) = delete;

private:
    ReplaceCalls old_;
};

// Failing calls, as a full network share fails them. Closing releases the descriptor even when
// it fails, as the system's close does.
inline int FailsWithEio(int) { errno = EIO; return -1; }
inline int ClosesAndFailsWithEio(int fd) { ::close(fd); errno = EIO; return -1; }
inline int RenameFailsWithEio(const char*, const char*) { errno = EIO; return -1; }
inline int NoUnnamedFiles(const char*, mode_t) { errno = EOPNOTSUPP; return -1; }
// Writes 100 bytes a call while more than 100 are left, then finds the disk full: a write that
// stops midway.
inline ssize_t FillsTheDisk(int fd, const void* data, size_t size)
{
    if (size > 100) return ::write(fd, data, 100);
    errno = ENOSPC;
    return -1;
}

}  // namespace zeph::test

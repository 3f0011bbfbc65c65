// Files for tests: bytes in and out, permission bits that count even for root, and a write that fails midway.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

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

}  // namespace zeph::test

// Reading the start of a regular file, and replacing a file whole through a new file beside it.
#include "platform/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/ReplaceCalls.h"

namespace zeph {

QString NotARegularFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists()) return {};
    if (info.isDir()) return QStringLiteral("Is a folder, not a file");
    if (!info.isFile()) return QStringLiteral("Not a regular file");
    return {};
}

FileBytes ReadFileStart(const QString& path, qint64 limit)
{
    if (const QString why = NotARegularFile(path); !why.isEmpty()) return {{}, why};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {{}, file.errorString()};
    FileBytes result{file.read(limit), {}};
    if (file.error() != QFileDevice::NoError) return {{}, file.errorString()};
    return result;
}

namespace {

constexpr int RandomPartLength = 6;
constexpr int NameAttempts = 100;

ReplaceFailure Failed(int error, bool replaced = false)
{
    return {QString::fromLocal8Bit(std::strerror(error)), replaced};
}

// The file a link names, through a chain of links, so that the link itself stays a link.
QString LinkedFile(const QString& path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth) info.setFile(info.symLinkTarget());
    return info.filePath();
}

// ".NAME.tmp-": how the name of a new file for NAME begins while it is written.
QString TemporaryPrefix(const QString& fileName)
{
    return QLatin1Char('.') + fileName + QLatin1String(".tmp-");
}

bool IsTemporaryOf(const QString& entry, const QString& fileName)
{
    const QString prefix = TemporaryPrefix(fileName);
    if (entry.size() != prefix.size() + RandomPartLength || !entry.startsWith(prefix)) return false;
    for (qsizetype i = prefix.size(); i < entry.size(); ++i) {
        const char16_t c = entry[i].unicode();
        if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'))) return false;
    }
    return true;
}

// New files of NAME left behind by a save that was killed before it could tidy up.
void RemoveStaleTemporaries(const QDir& folder, const QString& fileName)
{
    for (const QString& entry : folder.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks))
        if (IsTemporaryOf(entry, fileName)) ::unlink(QFile::encodeName(folder.filePath(entry)).constData());
}

QString RandomPart()
{
    static const char chars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString part;
    for (int i = 0; i < RandomPartLength; ++i)
        part += QLatin1Char(chars[QRandomGenerator::global()->bounded(int(sizeof chars - 1))]);
    return part;
}

// The new file while it is written: its descriptor and, once it has one, its name.
struct NewFile {
    int fd = -1;
    QByteArray name;  // empty while the file is unnamed
};

// Tries fresh ".NAME.tmp-XXXXXX" names beside NAME until `make` takes one or fails for another
// reason than the name being in use; the name taken is kept in `file`.
template <typename Make>
bool TakeTemporaryName(const QDir& folder, const QString& fileName, NewFile& file, Make make)
{
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        const QByteArray name = QFile::encodeName(folder.filePath(TemporaryPrefix(fileName) + RandomPart()));
        if (make(name.constData())) {
            file.name = name;
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

// An unnamed file in the folder where it allows one, which a kill leaves nowhere; else a named one.
bool CreateNewFile(const QDir& folder, const QString& fileName, NewFile& file)
{
    file.fd = ReplaceSystemCalls().openUnnamed(QFile::encodeName(folder.path()).constData(), 0666);
    if (file.fd >= 0) return true;
    return TakeTemporaryName(folder, fileName, file, [&file](const char* name) {
        file.fd = ::open(name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        return file.fd >= 0;
    });
}

// Linking an unnamed file by its descriptor alone needs a privilege; through /proc it does not.
bool NameUnnamedFile(const QDir& folder, const QString& fileName, NewFile& file)
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(file.fd);
    return TakeTemporaryName(folder, fileName, file, [&self](const char* name) {
        return ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name, AT_SYMLINK_FOLLOW) == 0;
    });
}

// Every byte written; a short write goes on with the rest, one that writes nothing is a full disk.
bool WriteAll(int fd, const QByteArray& bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ReplaceSystemCalls().write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        done += n;
    }
    return true;
}

// The new file written whole, with the old file's permissions, on the disk and named.
bool CompleteNewFile(const QDir& folder, const QString& fileName, NewFile& file, const QByteArray& bytes,
                     std::optional<mode_t> mode)
{
    if (!WriteAll(file.fd, bytes)) return false;
    if (mode && ::fchmod(file.fd, *mode) != 0) return false;
    if (ReplaceSystemCalls().flush(file.fd) != 0) return false;
    if (file.name.isEmpty() && !NameUnnamedFile(folder, fileName, file)) return false;
    const int fd = file.fd;
    file.fd = -1;  // released even when closing fails
    return ReplaceSystemCalls().close(fd) == 0;
}

void Discard(const NewFile& file)
{
    if (file.fd >= 0) ::close(file.fd);
    if (!file.name.isEmpty()) ::unlink(file.name.constData());
}

// The rename's folder entry on the disk. A file system that cannot flush a folder (EINVAL) keeps
// its entries as it does; there is nothing more to do there.
std::optional<ReplaceFailure> FlushFolder(const QDir& folder)
{
    const int fd = ::open(QFile::encodeName(folder.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return Failed(errno, true);
    const bool flushed = ReplaceSystemCalls().flushFolder(fd) == 0 || errno == EINVAL;
    const int error = errno;
    ::close(fd);
    if (!flushed) return Failed(error, true);
    return std::nullopt;
}

}  // namespace

std::optional<ReplaceFailure> ReplaceFile(const QString& path, const QByteArray& bytes)
{
    const QString target = LinkedFile(path);
    if (const QString why = NotARegularFile(target); !why.isEmpty()) return ReplaceFailure{why};
    const QByteArray targetName = QFile::encodeName(target);
    std::optional<mode_t> mode;
    if (struct stat st{}; ::stat(targetName.constData(), &st) == 0) {
        if (::access(targetName.constData(), W_OK) != 0) return Failed(errno);
        mode = st.st_mode & 07777;
    }
    const QFileInfo info(target);
    const QDir folder(info.absolutePath());
    const QString fileName = info.fileName();
    RemoveStaleTemporaries(folder, fileName);

    NewFile file;
    if (!CreateNewFile(folder, fileName, file) || !CompleteNewFile(folder, fileName, file, bytes, mode)) {
        const int error = errno;
        Discard(file);
        return Failed(error);
    }
    if (ReplaceSystemCalls().rename(file.name.constData(), targetName.constData()) != 0) {
        const int error = errno;
        Discard(file);
        return Failed(error);
    }
    return FlushFolder(folder);
}

}  // namespace zeph

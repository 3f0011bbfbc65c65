// Reading the start of a regular file, and replacing a file whole through a temporary file beside it.
#include "platform/Files.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zeph {

FileBytes ReadFileStart(const QString& path, qint64 limit)
{
    const QFileInfo info(path);
    if (info.exists() && info.isDir()) return {{}, QStringLiteral("Is a folder, not a file")};
    if (info.exists() && !info.isFile()) return {{}, QStringLiteral("Not a regular file")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {{}, file.errorString()};
    FileBytes result{file.read(limit), {}};
    if (file.error() != QFileDevice::NoError) return {{}, file.errorString()};
    return result;
}

// Unbuffered, each write reaches the file at once and a short one is seen here: through a
// buffer, a write cut short at the final flush goes unnoticed by the commit, which would then
// put a truncated file in the old one's place. A short write is retried for the rest, which
// either goes on or fails with the system's reason.
std::optional<QString> ReplaceFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            const QString error = file.errorString();
            file.cancelWriting();
            return error;
        }
        done += n;
    }
    if (!file.commit()) return file.errorString();
    return std::nullopt;
}

}  // namespace zeph

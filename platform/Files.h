// Files the user names: the start of one read without blocking on what is not a file, and one replaced whole or not at all.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace zeph {

struct FileBytes {
    QByteArray bytes;
    QString error;  // empty when read; else why not, as one phrase starting with a capital

    bool ok() const { return error.isEmpty(); }
};

// At most `limit` bytes from the start of the file at `path`. A folder, and anything that is
// not a regular file (a pipe, a device), is refused before it is opened, so that reading never
// blocks on a pipe without a writer or runs on without end on a device. Failures to open or to
// read carry the system's own text ("No such file or directory", "Permission denied").
FileBytes ReadFileStart(const QString& path, qint64 limit);

// Writes `bytes` to a new file beside `path` and puts it in that file's place only once every
// byte is written and flushed to disk. On any failure (no room in the folder, a write that
// stops midway, a full disk) the file at `path` is as it was and nothing is left beside it;
// the system's reason is returned.
std::optional<QString> ReplaceFile(const QString& path, const QByteArray& bytes);

}  // namespace zeph

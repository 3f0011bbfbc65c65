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

// Why what stands at `path` cannot be taken as a file: "Is a folder, not a file", or "Not a
// regular file" for a pipe, a device or a socket (a link counts as what it names). Empty for a
// regular file and where nothing is.
QString NotARegularFile(const QString& path);

// At most `limit` bytes from the start of the file at `path`. A folder, and anything that is
// not a regular file (a pipe, a device), is refused before it is opened, so that reading never
// blocks on a pipe without a writer or runs on without end on a device. Failures to open or to
// read carry the system's own text ("No such file or directory", "Permission denied").
FileBytes ReadFileStart(const QString& path, qint64 limit);

// Why a replace did not end with the new file safely in place.
struct ReplaceFailure {
    QString reason;  // the system's text, as one phrase starting with a capital
    // The new file is in place, but the folder holding it could not be flushed to the disk, so a
    // power cut could still lose the change. Otherwise the file at the path is as it was.
    bool replaced = false;
};

// Writes `bytes` to a new file beside `path` and puts it in that file's place only once every
// byte is written, flushed to the disk and the new file closed; then flushes the folder, so that
// a power cut cannot lose both the old and the new file. A link is followed: the file it names
// is replaced. Something there that is not a regular file (a folder, a pipe, a device) is
// refused, as is a file the user may not write. On any failure before the new file is in place
// (no room in the folder, a write that stops midway, a full disk, a failed flush or close) the
// file at `path` is as it was and nothing is left beside it.
//
// The new file is unnamed until it is complete where the folder allows that; elsewhere it is
// named ".NAME.tmp-XXXXXX" beside NAME, and one left by a save that was killed midway is
// removed by the next replace of NAME.
std::optional<ReplaceFailure> ReplaceFile(const QString& path, const QByteArray& bytes);

}  // namespace zeph

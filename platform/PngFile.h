// A picture written as a PNG file, whole or not at all.
#pragma once

#include <QImage>
#include <QString>
#include <optional>

#include "platform/Files.h"

namespace zeph {

// Encodes the picture as a PNG and replaces the file at `path` with it as ReplaceFile does:
// what stands there is refused unless it is a regular file, and an old picture stays until
// every byte of the new one is on the disk. The reason when it could not.
std::optional<ReplaceFailure> WritePng(const QImage& picture, const QString& path);

}  // namespace zeph

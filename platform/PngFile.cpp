// A picture encoded in memory and then written as a PNG file through a whole-file replace.
#include "platform/PngFile.h"

#include <QBuffer>

namespace zeph {

std::optional<ReplaceFailure> WritePng(const QImage& picture, const QString& path)
{
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG"))
        return ReplaceFailure{QStringLiteral("The picture could not be made into a PNG")};
    return ReplaceFile(path, png);
}

}  // namespace zeph

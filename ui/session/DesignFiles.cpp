// The design file's commands: Open applies only a file accepted whole, Save replaces only with one written whole.
#include "ui/session/DesignFiles.h"

#include <QFileInfo>
#include <span>

#include "model/design/DesignFile.h"
#include "model/overlay/LineOverlay.h"
#include "ui/session/Session.h"

namespace zeph {

void DesignFiles::TakeName(const QString& path)
{
    m.DimSetName = DesignSetName(path.toStdString());
    designFolder_ = QFileInfo(path).absolutePath();
    designFileName_ = QFileInfo(path).fileName();
}

std::optional<QString> DesignFiles::OpenDesignFile(const QString& path)
{
    // Bytes past the last record of the layout are ignored, so no more is read.
    const FileBytes read = ReadFileStart(path, DesignFileBytes);
    std::optional<DesignRefusal> refusal;
    if (read.ok()) {
        const auto* data = reinterpret_cast<const std::uint8_t*>(read.bytes.constData());
        refusal = OpenDesign(m, std::span(data, static_cast<size_t>(read.bytes.size())));
    }
    if (!read.ok() || refusal) {
        emit s_.designOpenEnded(false);
        return read.ok() ? QString::fromStdString(refusal->message) : read.error;
    }
    TakeName(path);
    // The lines dialog's rows show the loaded slots, none of the old captions left behind.
    BlankLineCaptions(m);
    zeph::RefillLineRows(m);
    // The bar spans the loaded maximum and stands at the new mid gear.
    s_.Gear().SetBarRange();
    s_.Gear().ReturnToMidGear();
    emit s_.designOpenEnded(true);
    Emit(Change::All);
    return std::nullopt;
}

void DesignFiles::CancelOpenDesign()
{
    zeph::RefillLineRows(m);
    emit s_.designOpenEnded(false);
    Emit(Change::Overlay);
}

std::optional<ReplaceFailure> DesignFiles::SaveDesignFile(const QString& path)
{
    const std::vector<std::uint8_t> bytes = WriteDesignFile(m);
    const QByteArray file(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    std::optional<ReplaceFailure> failure = ReplaceFile(path, file);
    if (failure && !failure->replaced) return failure;
    TakeName(path);
    return failure;
}

}  // namespace zeph

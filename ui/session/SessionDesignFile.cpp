// The session's design-file commands: Open applies a file only when it is accepted whole, Save replaces a file only when written whole.
#include <QFileInfo>
#include <span>

#include "model/DesignFile.h"
#include "model/LineOverlay.h"
#include "platform/Files.h"
#include "ui/session/Session.h"

namespace zeph {

std::optional<QString> Session::OpenDesignFile(const QString& path)
{
    // Bytes past the last record of the layout are ignored, so no more is read.
    const FileBytes read = ReadFileStart(path, DesignFileBytes);
    std::optional<DesignRefusal> refusal;
    if (read.ok()) {
        const auto* data = reinterpret_cast<const std::uint8_t*>(read.bytes.constData());
        refusal = OpenDesign(m, std::span(data, static_cast<size_t>(read.bytes.size())));
    }
    if (!read.ok() || refusal) {
        emit designOpenEnded(false);
        return read.ok() ? QString::fromStdString(refusal->message) : read.error;
    }
    m.DimSetName = DesignSetName(path.toStdString());
    designFolder_ = QFileInfo(path).absolutePath();
    // The lines dialog's rows show the loaded slots, none of the old captions left behind.
    BlankLineCaptions(m);
    zeph::RefillLineRows(m);
    // The bar spans the loaded maximum and stands at the new mid gear; its change handling
    // runs even when it already stood at 0, so the gear buttons and cut-offs follow.
    SetReverseArmBarRange();
    if (c_.revArmBar.value == 0)
        OnReverseArmBarChanged();
    else
        SetReverseArmBarValue(0);
    emit designOpenEnded(true);
    Emit(All);
    return std::nullopt;
}

void Session::CancelOpenDesign()
{
    zeph::RefillLineRows(m);
    emit designOpenEnded(false);
    Emit(Overlay);
}

std::optional<ReplaceFailure> Session::SaveDesignFile(const QString& path)
{
    const std::vector<std::uint8_t> bytes = WriteDesignFile(m);
    const QByteArray file(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    std::optional<ReplaceFailure> failure = ReplaceFile(path, file);
    if (failure && !failure->replaced) return failure;
    m.DimSetName = DesignSetName(path.toStdString());
    designFolder_ = QFileInfo(path).absolutePath();
    return failure;
}

}  // namespace zeph

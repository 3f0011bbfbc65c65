// The design file's commands: Open applies only a file accepted whole, Save replaces only with one written whole.
#pragma once

#include <QString>
#include <optional>

#include "platform/Files.h"
#include "ui/session/SessionController.h"

namespace zeph {

class DesignFiles : SessionController {
public:
    using SessionController::SessionController;

    // Open, once its dialog is confirmed: the file is read and checked whole and only a design
    // accepted whole is applied: every value of the file, the line slot it names, mid gear, the
    // reverse-arm bar over the new maximum at 0, and the set name from the path. Returns why a
    // file was refused; then nothing has changed.
    std::optional<QString> OpenDesignFile(const QString& path);
    // Open's dialog cancelled: nothing changes but the lines dialog's rows are refilled.
    void CancelOpenDesign();
    // Save As, once its dialog is confirmed: the whole design is written beside the target and
    // replaces it only once every byte is on disk; then the set name follows the path. Returns
    // why it failed; then no file and nothing in the model has changed, unless the failure says
    // the file was replaced (only its folder could not be flushed), when the name follows too.
    std::optional<ReplaceFailure> SaveDesignFile(const QString& path);
    // The folder of the design file opened or saved last; empty before the first.
    const QString& DesignFolder() const { return designFolder_; }
    // The name (without folder) of the design file opened or saved last; empty before the first.
    const QString& DesignFileName() const { return designFileName_; }

private:
    void TakeName(const QString& path);

    QString designFolder_;
    QString designFileName_;
};

}  // namespace zeph

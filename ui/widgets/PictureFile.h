// A picture saved as a PNG file: whole or not at all, with the save dialog and the error box the windows share.
#pragma once

#include <QImage>
#include <QString>
#include <optional>

class QWidget;

namespace zeph {

// Writes the picture to `path` as a PNG, replacing a file already there only once every byte is
// on disk; the reason when it could not.
std::optional<QString> WritePng(const QImage& picture, const QString& path);

// "Save Picture": asks for a file (dialog named "pictureDialog", `suggestedName` offered), writes
// the picture there and, when that fails, says why in an error box.
void SavePictureAs(QWidget* parent, const QImage& picture, const QString& suggestedName = QString());

// One error box for a save that failed, naming what was saved and where.
void ReportSaveFailure(QWidget* parent, const QString& what, const QString& path, const QString& reason);

}  // namespace zeph

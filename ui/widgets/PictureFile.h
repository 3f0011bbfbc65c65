// A picture saved as a PNG file: whole or not at all, with the save dialog and the error box the windows share.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include "platform/Files.h"
#include "platform/PngFile.h"

class QFileDialog;
class QWidget;

namespace zeph {

// Where a picture's save dialog starts: `designFolder` (where the design was last opened or
// saved) when it is a folder, else the user's pictures folder, else the home folder.
QString PictureFolder(const QString& designFolder);

// A dialog for a file the program writes: named for the tests, with its filters, the ending
// added to a name without one, save mode and a size grip.
void SetUpSaveDialog(QFileDialog& dialog, const char* name, const QStringList& filters, const QString& suffix);
// Runs the dialog; the confirmed file, or empty when it was cancelled.
QString ChosenSaveFile(QFileDialog& dialog);

// "Save Picture": asks for a file (dialog named "pictureDialog", `suggestedName` offered),
// starting in PictureFolder(designFolder); writes the picture there and, when that
// fails, says why in an error box.
void SavePictureAs(QWidget* parent, const QImage& picture, const QString& suggestedName = QString(),
                   const QString& designFolder = QString());

// One error box for a save that failed, naming what was saved and where, and whether a file
// already there is as it was or has been replaced by one that may not yet be safe on the disk.
void ReportSaveFailure(QWidget* parent, const QString& what, const QString& path, const ReplaceFailure& failure);

}  // namespace zeph

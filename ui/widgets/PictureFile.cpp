// A picture saved as a PNG file: whole or not at all, with the save dialog and the error box the windows share.
#include "ui/widgets/PictureFile.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include "ui/widgets/ErrorBox.h"

namespace zeph {

// Not the program's own folder, where its data files are: the design's, else the user's pictures.
QString PictureFolder(const QString& designFolder)
{
    if (!designFolder.isEmpty() && QFileInfo(designFolder).isDir()) return designFolder;
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty() && QFileInfo(pictures).isDir()) return pictures;
    return QDir::homePath();
}

void ReportSaveFailure(QWidget* parent, const QString& what, const QString& path, const ReplaceFailure& failure)
{
    const QString where = QDir::toNativeSeparators(path);
    const QString reason = AsSentence(failure.reason);
    if (failure.replaced)
        ShowErrorBox(parent, QStringLiteral("The %1 is saved to %2, but its folder could not be flushed to the disk:\n"
                                            "%3\nA power cut now could lose it; save again to be sure.")
                                 .arg(what, where, reason));
    else
        ShowErrorBox(parent, QStringLiteral("Cannot save the %1 to %2:\n%3\nNothing was written: a file already "
                                            "there is unchanged.")
                                 .arg(what, where, reason));
}

void SetUpSaveDialog(QFileDialog& dialog, const char* name, const QStringList& filters, const QString& suffix)
{
    dialog.setObjectName(name);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(suffix);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setSizeGripEnabled(true);
}

QString ChosenSaveFile(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

void SavePictureAs(QWidget* parent, const QImage& picture, const QString& suggestedName, const QString& designFolder)
{
    const QString start = QDir(PictureFolder(designFolder)).filePath(suggestedName);
    QFileDialog dialog(parent, QStringLiteral("Save Picture"), start);
    SetUpSaveDialog(dialog, "pictureDialog", {QStringLiteral("PNG Picture (*.png)")}, QStringLiteral("png"));
    const QString path = ChosenSaveFile(dialog);
    if (path.isEmpty()) return;
    if (const std::optional<ReplaceFailure> failure = WritePng(picture, path))
        ReportSaveFailure(parent, QStringLiteral("picture"), path, *failure);
}

}  // namespace zeph

// A picture saved as a PNG file: whole or not at all, with the save dialog and the error box the windows share.
#include "ui/widgets/PictureFile.h"

#include <QBuffer>
#include <QDir>
#include <QFileDialog>

#include "platform/Files.h"
#include "ui/widgets/ErrorBox.h"

namespace zeph {

std::optional<QString> WritePng(const QImage& picture, const QString& path)
{
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG"))
        return QStringLiteral("the picture could not be made into a PNG");
    return ReplaceFile(path, png);
}

void ReportSaveFailure(QWidget* parent, const QString& what, const QString& path, const QString& reason)
{
    ShowErrorBox(parent, QStringLiteral("Cannot save the %1 to %2:\n%3\nNothing was written: a file already there "
                                        "is unchanged.")
                             .arg(what, QDir::toNativeSeparators(path), AsSentence(reason)));
}

void SavePictureAs(QWidget* parent, const QImage& picture, const QString& suggestedName)
{
    QFileDialog dialog(parent, QStringLiteral("Save Picture"), suggestedName);
    dialog.setObjectName("pictureDialog");
    dialog.setNameFilters({QStringLiteral("PNG Picture (*.png)")});
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setSizeGripEnabled(true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().front();
    if (const std::optional<QString> error = WritePng(picture, path))
        ReportSaveFailure(parent, QStringLiteral("picture"), path, *error);
}

}  // namespace zeph

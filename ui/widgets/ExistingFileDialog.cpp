// An open-file dialog that adds its default extension to a typed name only when no file has that name as typed.
#include "ui/widgets/ExistingFileDialog.h"

#include <QFileInfo>

namespace zeph {

ExistingFileDialog::ExistingFileDialog(QWidget* parent, const QString& defaultSuffix)
    : QFileDialog(parent), suffix_(defaultSuffix)
{
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::ExistingFile);
    setDefaultSuffix(suffix_);
}

// The dialog's own check that the file exists, and the name it hands on after closing, both
// follow the default extension; it is set for this name alone before they run.
void ExistingFileDialog::accept()
{
    setDefaultSuffix(QString());
    const QStringList typed = selectedFiles();
    const QFileInfo asTyped(typed.value(0));
    const bool existsAsTyped = typed.size() == 1 && asTyped.exists() && !asTyped.isDir();
    setDefaultSuffix(existsAsTyped ? QString() : suffix_);
    QFileDialog::accept();
}

}  // namespace zeph

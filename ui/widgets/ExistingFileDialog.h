// An open-file dialog that adds its default extension to a typed name only when no file has that name as typed.
#pragma once

#include <QFileDialog>

namespace zeph {

// A file dialog for one existing file. Its default extension completes a typed name that does
// not exist ("big6" opens "big6.dzg"), but a typed name of a file that exists as typed opens
// that file ("noext" stays "noext"), where a plain file dialog would add the extension to
// every name without one and then find no such file.
class ExistingFileDialog : public QFileDialog {
public:
    ExistingFileDialog(QWidget* parent, const QString& defaultSuffix);

    void accept() override;

private:
    QString suffix_;
};

}  // namespace zeph

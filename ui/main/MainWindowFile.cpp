// The main window's File and Help menus: the design-file dialogs, the picture as a PNG, and the help windows.
#include <QBuffer>
#include <QDir>
#include <QFileDialog>

#include "platform/Files.h"
#include "ui/help/AboutBox.h"
#include "ui/help/HelpTextWindow.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/ErrorBox.h"
#include "ui/widgets/PictureView.h"

namespace zeph {

namespace {

const QStringList DesignFilters = {QStringLiteral("Data File (*.dzg)"), QStringLiteral("All Files (*)")};

// A file dialog for one design or picture file, named for the tests.
void SetUpFileDialog(QFileDialog& dialog, const char* name, const QStringList& filters, const QString& suffix)
{
    dialog.setObjectName(name);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(suffix);
    dialog.setSizeGripEnabled(true);
}

// The confirmed file of a dialog that was run; empty when it was cancelled.
QString ChosenFile(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

QString Sentence(QString reason)
{
    if (!reason.isEmpty()) reason[0] = reason[0].toUpper();
    if (!reason.endsWith(QLatin1Char('.'))) reason += QLatin1Char('.');
    return reason;
}

// One error box for a save that failed, naming what and where.
void ReportSaveFailure(QWidget* parent, const QString& what, const QString& path, const QString& reason)
{
    ShowErrorBox(parent, QStringLiteral("Cannot save the %1 to %2:\n%3\nNothing was written: a file already there "
                                        "is unchanged.")
                             .arg(what, QDir::toNativeSeparators(path), Sentence(reason)));
}

// Writes the image to `path` as a PNG, whole or not at all; the reason when not.
std::optional<QString> SavePng(const QImage& image, const QString& path)
{
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return QStringLiteral("the picture could not be made into a PNG");
    return ReplaceFile(path, png);
}

}  // namespace

void MainWindow::BuildFileCommands()
{
    connect(openAction_, &QAction::triggered, this, &MainWindow::OpenDesignCommand);
    connect(saveAsAction_, &QAction::triggered, this, &MainWindow::SaveDesignCommand);
    connect(savePictureAction_, &QAction::triggered, this, &MainWindow::SavePictureCommand);
}

void MainWindow::OpenDesignCommand()
{
    QFileDialog dialog(this);  // the platform's own title
    SetUpFileDialog(dialog, "openDialog", DesignFilters, QStringLiteral("dzg"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QString path = ChosenFile(dialog);
    if (path.isEmpty())
        session_.CancelOpenDesign();
    else
        OpenDesignFile(path);
}

bool MainWindow::OpenDesignFile(const QString& path)
{
    const std::optional<QString> refusal = session_.OpenDesignFile(path);
    SetCaption();
    if (!refusal) return true;
    ShowErrorBox(this, QStringLiteral("Cannot open the design %1:\n%2\nThe design on screen is unchanged.")
                           .arg(QDir::toNativeSeparators(path), Sentence(*refusal)));
    return false;
}

void MainWindow::SaveDesignCommand()
{
    QFileDialog dialog(this, QStringLiteral("Save As...."));
    SetUpFileDialog(dialog, "saveDialog", DesignFilters, QStringLiteral("dzg"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QString path = ChosenFile(dialog);
    if (path.isEmpty()) return;
    if (const std::optional<QString> error = session_.SaveDesignFile(path))
        ReportSaveFailure(this, QStringLiteral("design"), path, *error);
    SetCaption();
}

// What the window shows: the picture with the readouts and the controls on it.
void MainWindow::SavePictureCommand()
{
    const QImage picture = picture_->grab().toImage();
    QFileDialog dialog(this, QStringLiteral("Save Picture"));
    SetUpFileDialog(dialog, "pictureDialog", {QStringLiteral("PNG Picture (*.png)")}, QStringLiteral("png"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QString path = ChosenFile(dialog);
    if (path.isEmpty()) return;
    if (const std::optional<QString> error = SavePng(picture, path))
        ReportSaveFailure(this, QStringLiteral("picture"), path, *error);
}

// Created with the other windows, so each loads its text once, at start-up.
void MainWindow::BuildHelpWindows()
{
    aboutBox_ = new AboutBox(this);
    aboutBox_->setObjectName("aboutBox");
    instructionsWindow_ = MakeInstructionsWindow(this);
    specialInstructionsWindow_ = MakeSpecialInstructionsWindow(this);
    const std::pair<QAction*, QDialog*> opens[] = {{instructionsAction_, instructionsWindow_},
                                                    {specialInstructionsAction_, specialInstructionsWindow_},
                                                    {aboutAction_, aboutBox_}};
    for (const auto& [action, dialog] : opens)
        connect(action, &QAction::triggered, this, [this, dialog = dialog] { OpenModal(dialog); });
}

QStringList MainWindow::StartupErrors() const
{
    QStringList errors;
    for (const HelpTextWindow* w : {instructionsWindow_, specialInstructionsWindow_})
        if (!w->LoadError().isEmpty()) errors.append(w->LoadError());
    return errors;
}

}  // namespace zeph

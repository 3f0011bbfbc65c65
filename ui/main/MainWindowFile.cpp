// The main window's File and Help menus: the design-file dialogs, the picture as a PNG, the animation
// as a GIF, print and export, and the help windows.
#include <QDir>
#include <QFileDialog>

#include "render/copies/PictureCopies.h"
#include "ui/help/AboutBox.h"
#include "ui/help/HelpTextWindow.h"
#include "ui/main/AnimationSaver.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/ErrorBox.h"
#include "ui/widgets/ExistingFileDialog.h"
#include "ui/widgets/HardCopyCommands.h"
#include "ui/widgets/PictureFile.h"
#include "ui/widgets/PictureView.h"

namespace zeph {

namespace {

const QStringList DesignFilters = {QStringLiteral("Data File (*.dzg)"), QStringLiteral("All Files (*)")};

// A file dialog for one design file, named for the tests.
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

}  // namespace

void MainWindow::BuildFileCommands()
{
    connect(Item("openDimensions"), &QAction::triggered, this, &MainWindow::OpenDesignCommand);
    connect(Item("saveAsDimensions"), &QAction::triggered, this, &MainWindow::SaveDesignCommand);
    connect(Item("savePicture"), &QAction::triggered, this, &MainWindow::SavePictureCommand);
    animationSaver_ = new AnimationSaver(this);
    connect(Item("saveAnimation"), &QAction::triggered, this, &MainWindow::SaveAnimationCommand);
    connect(Item("printCopy"), &QAction::triggered, this, [this] { PrintHardCopy(this, SceneHardCopy()); });
    connect(Item("previewCopy"), &QAction::triggered, this, [this] { PreviewHardCopy(this, SceneHardCopy()); });
    connect(Item("exportCopy"), &QAction::triggered, this, [this] {
        ExportHardCopy(this, SceneHardCopy(), QString::fromStdString(session_.model().DimSetName),
                       session_.Files().DesignFolder());
    });
}

void MainWindow::OpenDesignCommand()
{
    ExistingFileDialog dialog(this, QStringLiteral("dzg"));  // the platform's own title
    SetUpFileDialog(dialog, "openDialog", DesignFilters, QStringLiteral("dzg"));
    const QString path = ChosenFile(dialog);
    if (path.isEmpty())
        session_.Files().CancelOpenDesign();
    else
        OpenDesignFile(path);
}

bool MainWindow::OpenDesignFile(const QString& path)
{
    const std::optional<QString> refusal = session_.Files().OpenDesignFile(path);
    SetCaption();
    if (!refusal) return true;
    ShowErrorBox(this, QStringLiteral("Cannot open the design %1:\n%2\nThe design on screen is unchanged.")
                           .arg(QDir::toNativeSeparators(path), AsSentence(*refusal)));
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
    if (const std::optional<ReplaceFailure> failure = session_.Files().SaveDesignFile(path))
        ReportSaveFailure(this, QStringLiteral("design"), path, *failure);
    SetCaption();
}

// What the window shows: the picture with the readouts and the controls on it.
void MainWindow::SavePictureCommand()
{
    SavePictureAs(this, picture_->grab().toImage(), QString(), session_.Files().DesignFolder());
}

// One driver turn of what the picture shows: the design, gear, view, display options, font and
// the part of the scene in view, at the chosen step (within the animation's limits) whether
// the driver runs or not.
void MainWindow::SaveAnimationCommand()
{
    AnimationSettings settings;
    settings.step = session_.model().ChosenStepAngle;
    settings.size = picture_->size();
    settings.textScale = TextScaleFor(session_.controls().largeFont);
    animationSaver_->Save(session_.model(), settings, session_.Files().DesignFolder());
}

// Taken when a command starts: the copy holds the model of that moment, so ticks running on
// behind the print or file dialog cannot leave half of one state and half of the next on paper.
HardCopy MainWindow::SceneHardCopy() const
{
    const QString name = QString::fromStdString(session_.model().DimSetName);
    return SceneCopy(session_.model(), picture_->size(), TextScaleFor(session_.controls().largeFont),
                     QStringLiteral("ZEPHARIN Inside Admission: %1").arg(name));
}

// Created with the other windows, so each loads its text once, at start-up.
void MainWindow::BuildHelpWindows()
{
    aboutBox_ = new AboutBox(this);
    aboutBox_->setObjectName("aboutBox");
    instructionsWindow_ = MakeInstructionsWindow(this);
    specialInstructionsWindow_ = MakeSpecialInstructionsWindow(this);
    const std::pair<const char*, QDialog*> opens[] = {{"instructions", instructionsWindow_},
                                                       {"specialInstructions", specialInstructionsWindow_},
                                                       {"about", aboutBox_}};
    for (const auto& [item, dialog] : opens)
        connect(Item(item), &QAction::triggered, this, [this, dialog = dialog] { OpenModal(dialog); });
}

QStringList MainWindow::StartupErrors() const
{
    QStringList errors;
    for (const HelpTextWindow* w : {instructionsWindow_, specialInstructionsWindow_})
        if (!w->LoadError().isEmpty()) errors.append(w->LoadError());
    return errors;
}

}  // namespace zeph

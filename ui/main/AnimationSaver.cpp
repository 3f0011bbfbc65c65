// The animation's save: dialog, worker job through the analysis threads, progress and cancel, the file written whole.
#include "ui/main/AnimationSaver.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QtConcurrent/QtConcurrentRun>

#include "ui/analysis/AnalysisThreads.h"
#include "ui/widgets/PictureFile.h"

namespace zeph {

namespace {

// The confirmed file, or empty when the dialog was cancelled.
QString AskForFile(QWidget* parent, const QString& designFolder)
{
    QFileDialog dialog(parent, QStringLiteral("Save Animation"), PictureFolder(designFolder));
    SetUpSaveDialog(dialog, "animationDialog", {QStringLiteral("GIF Animation (*.gif)")}, QStringLiteral("gif"));
    return ChosenSaveFile(dialog);
}

}  // namespace

AnimationSaver::AnimationSaver(QWidget* window) : QObject(window), window_(window)
{
    setObjectName("animationSaver");
    connect(&job_, &QFutureWatcherBase::finished, this, &AnimationSaver::Finished);
}

AnimationSaver::~AnimationSaver()
{
    if (cancel_) cancel_->store(true);
    job_.waitForFinished();
}

void AnimationSaver::Save(const MechanismModel& m, const AnimationSettings& settings, const QString& designFolder)
{
    if (Busy()) {
        if (progress_) progress_->raise();
        return;
    }
    const QString path = AskForFile(window_, designFolder);
    if (path.isEmpty()) return;
    path_ = path;
    cancel_ = std::make_shared<std::atomic<bool>>(false);
    // Not modal: the window goes on running and answering while the frames are made.
    progress_ = new QProgressDialog(window_);
    progress_->setObjectName("animationProgress");
    progress_->setWindowTitle(QStringLiteral("Save Animation"));
    auto* label = new QLabel(QStringLiteral("Making the animation of one driver turn..."), progress_);
    label->setObjectName("animationProgressText");
    progress_->setLabel(label);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), progress_);
    cancel->setObjectName("animationCancel");
    progress_->setCancelButton(cancel);
    auto* bar = new QProgressBar(progress_);
    bar->setObjectName("animationProgressBar");
    progress_->setBar(bar);
    connect(progress_, &QProgressDialog::canceled, this, [cancel = cancel_] { cancel->store(true); });
    progress_->show();
    job_.setFuture(QtConcurrent::run(AnalysisThreads(), [design = m, settings, cancel = cancel_, bar] {
        return std::make_shared<AnimationGif>(MakeAnimationGif(design, settings, BarProgressControl(bar, cancel.get())));
    }));
}

void AnimationSaver::Finished()
{
    // Deleted only now: the worker's progress calls name its bar until the job has ended.
    if (progress_) {
        progress_->close();
        progress_->deleteLater();
    }
    const std::shared_ptr<AnimationGif> made = job_.result();
    if (made->run.cancelled) {
        emit finished(path_, false);
        return;
    }
    const std::optional<ReplaceFailure> failure = WriteGif(made->gif, path_);
    if (failure) ReportSaveFailure(window_, QStringLiteral("animation"), path_, *failure);
    emit finished(path_, !failure || failure->replaced);
}

}  // namespace zeph

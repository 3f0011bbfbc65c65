// "Save Animation...": the file dialog, one driver turn made on a worker thread with a progress dialog, the GIF written.
#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QString>
#include <atomic>
#include <memory>

#include "model/design/MechanismModel.h"
#include "render/scene/GearAnimation.h"

class QProgressDialog;
class QWidget;

namespace zeph {

// Owned by the main window (object name "animationSaver"). The frames are made from a copy of
// the model taken when the file is chosen, so the window runs on meanwhile and what it does
// then does not change the animation.
class AnimationSaver : public QObject {
    Q_OBJECT
public:
    explicit AnimationSaver(QWidget* window);
    ~AnimationSaver() override;

    // Asks for a file (dialog "animationDialog", starting where Save Picture starts), then makes
    // the frames of `m` with `settings` off the user-interface thread with a progress dialog
    // ("animationProgress", with Cancel) and writes the GIF; a failed write is shown as Save
    // Picture shows it. While an animation is being made, only brings its progress dialog up.
    void Save(const MechanismModel& m, const AnimationSettings& settings, const QString& designFolder);
    bool Busy() const { return job_.isRunning(); }

signals:
    // A Save that got its file has ended: written, cancelled, or refused (its error box closed).
    void finished(const QString& path, bool written);

private:
    void Finished();

    QWidget* window_;
    QString path_;
    std::shared_ptr<std::atomic<bool>> cancel_;
    QPointer<QProgressDialog> progress_;
    QFutureWatcher<std::shared_ptr<AnimationGif>> job_;
};

}  // namespace zeph

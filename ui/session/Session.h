// The one session over the model: its controllers, the state of the main window's controls, and change signals.
#pragma once

#include <QObject>

#include "model/design/MechanismModel.h"
#include "ui/session/ControlState.h"
#include "ui/session/DesignFiles.h"
#include "ui/session/DiagramControl.h"
#include "ui/session/DimensionEditor.h"
#include "ui/session/DisplayOptions.h"
#include "ui/session/GearControl.h"
#include "ui/session/OverlayControl.h"
#include "ui/session/RunControl.h"
#include "ui/session/SessionChange.h"
#include "ui/session/ViewControl.h"

namespace zeph {

class SoundSink;

// Windows reach each concern's commands through its controller (`session.Gear().NormalForward()`)
// and listen to the one `changed` signal, which every controller emits through the session.
class Session : public QObject {
    Q_OBJECT
public:
    Session(MechanismModel& model, SoundSink& sound, QObject* parent = nullptr);

    const MechanismModel& model() const { return m_; }
    const ControlState& controls() const { return c_; }
    SoundSink& sound() { return sound_; }

    RunControl& Run() { return run_; }
    GearControl& Gear() { return gear_; }
    DisplayOptions& Display() { return display_; }
    const DisplayOptions& Display() const { return display_; }
    ViewControl& View() { return view_; }
    DimensionEditor& Dimensions() { return dimensions_; }
    const DimensionEditor& Dimensions() const { return dimensions_; }
    DiagramControl& Diagrams() { return diagrams_; }
    OverlayControl& Overlay() { return overlay_; }
    DesignFiles& Files() { return files_; }
    const DesignFiles& Files() const { return files_; }

    // What a command touched; the controllers report through it.
    void Emit(Changes what) { emit changed(what); }

signals:
    void changed(zeph::Changes what);
    // After every tick, once the model holds the tick's picture.
    void ticked();
    void errorIconChanged(bool visible);
    // The dimension pointer asks for its dialog to close while it shows and to reopen afterwards.
    void pointerDialogClosing(bool frameDialog);
    void pointerDialogReopening(bool frameDialog);
    void busyCursorChanged(bool busy);
    void animationPausedChanged(bool paused);
    // The lines dialog is to open (modally) or to close.
    void linesDialogRequested();
    void linesDialogClosing();
    // Every Open ends with this, opened or not (cancelled, refused), so that the lines dialog
    // refills its rows from the line slots.
    void designOpenEnded(bool opened);

private:
    MechanismModel& m_;
    SoundSink& sound_;
    ControlState c_;
    RunControl run_{*this, m_, c_};
    GearControl gear_{*this, m_, c_};
    DisplayOptions display_{*this, m_, c_};
    ViewControl view_{*this, m_, c_};
    DimensionEditor dimensions_{*this, m_, c_};
    DiagramControl diagrams_{*this, m_, c_};
    OverlayControl overlay_{*this, m_, c_};
    DesignFiles files_{*this, m_, c_};
};

}  // namespace zeph

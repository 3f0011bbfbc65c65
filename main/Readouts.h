// Window captions, the numeric readouts, the error indicator, cut-offs and the panels' texts.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "model/MechanismModel.h"
#include "platform/Canvas.h"
#include "platform/Sound.h"

namespace zeph {

// What the readouts change outside the picture.
struct ReadoutHooks {
    std::function<void(const QString& caption)> setMainCaption;
    std::function<void(bool visible)> showErrorIcon;
    // The undo button: shown or hidden, and its top (scaled) when shown.
    std::function<void(bool visible, int top)> placeUndoButton;
    // Enables the main window's dynamic-variable bar of a slot (1..4).
    std::function<void(int slot, bool enabled)> enableDynVarBar;
};

// Title of the main window's caption (the design name, date, time and version follow).
inline const QString MainWindowTitle = QStringLiteral("ZEPHARIN Inside Admission            ");

// A window caption: title, design name, today's date and time, and the version.
QString WindowCaption(const MechanismModel& m, const QString& title);

class Readouts {
public:
    Readouts(MechanismModel& model, SoundSink& sound);

    void SetHooks(ReadoutHooks hooks) { hooks_ = std::move(hooks); }
    // Step 3 of the render: every window's caption, whether or not the screen data are on.
    void DrawCaptions();
    // Another window's caption, refreshed with the main window's on every render.
    void AddCaption(std::function<void()> setCaption);
    // Step 10 of the render: everything drawn on the picture while the screen data are on.
    void DrawReadouts(Canvas& c);

    int32_t ErrorTicks = 0;
    int32_t FrontCutoffTicks = 0;
    int32_t RearCutoffTicks = 0;
    float PrevPistonTravel = 0;

private:
    void Text(Canvas& c, int x, int y, const QString& text);
    void UndoLine(Canvas& c);
    void Values(Canvas& c);
    void ErrorIndicator();
    void PivotPrompt(Canvas& c);
    bool CutoffCrossed(float prevOpening, float opening, float prevPiston, Real& piston) const;
    void Cutoffs(Canvas& c);
    void ReferenceCross(Canvas& c, int pivot, const QString& number);
    void ReferencePoints(Canvas& c);
    void DynamicVariables(Canvas& c);

    MechanismModel& m;
    SoundSink& sound_;
    ReadoutHooks hooks_;
    std::vector<std::function<void()>> extraCaptions_;
};

}  // namespace zeph

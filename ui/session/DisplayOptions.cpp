// The display options: nine switches of what is shown and how, each one row of a table.
#include "ui/session/DisplayOptions.h"


#include "model/design/MechanismModel.h"
#include "ui/session/Session.h"

namespace zeph {

namespace {

// Where an option is kept (the model for what the picture shows, the control state for what
// only the window does) and what its change touches.
struct OptionRow {
    DisplayOption option;
    bool (*isOn)(const MechanismModel&, const ControlState&);
    void (*set)(MechanismModel&, ControlState&, bool on);
    Changes changes;
};

const OptionRow kOptions[] = {
    {DisplayOption::SteamDisplay, [](const MechanismModel& m, const ControlState&) { return m.SteamDisplayOn; },
     [](MechanismModel& m, ControlState&, bool on) { m.SteamDisplayOn = on; }, Change::Display},
    {DisplayOption::ErrorBeep, [](const MechanismModel& m, const ControlState&) { return m.ErrorBeepOn; },
     [](MechanismModel& m, ControlState&, bool on) { m.ErrorBeepOn = on; }, Change::Display},
    {DisplayOption::WideLines, [](const MechanismModel& m, const ControlState&) { return m.LineWidth == 2; },
     [](MechanismModel& m, ControlState&, bool on) { m.LineWidth = on ? 2 : 1; }, Change::Display},
    {DisplayOption::LargeFont, [](const MechanismModel&, const ControlState& c) { return c.largeFont; },
     [](MechanismModel&, ControlState& c, bool on) { c.largeFont = on; },
     Change::Display},
    // Off switches off what the hidden readouts show; on brings the strip back in place of the
    // pan and zoom bars.
    {DisplayOption::ScreenData, [](const MechanismModel& m, const ControlState&) { return m.ScreenDataOn; },
     [](MechanismModel& m, ControlState& c, bool on) {
         m.ScreenDataOn = on;
         if (on)
             c.panZoomShown = false;
         else
             m.DynVarOn = m.RefPointsOn = m.UndoOn = m.PivotDataOn = false;
     },
     Change::Display | Change::View | Change::DynVars | Change::UndoStore},
    {DisplayOption::PanZoomBars, [](const MechanismModel&, const ControlState& c) { return c.panZoomShown; },
     [](MechanismModel&, ControlState& c, bool on) { c.panZoomShown = on; }, Change::Display},
    {DisplayOption::DynVars, [](const MechanismModel& m, const ControlState&) { return m.DynVarOn; },
     [](MechanismModel& m, ControlState&, bool on) { m.DynVarOn = on; }, Change::Display | Change::DynVars},
    {DisplayOption::UndoLine, [](const MechanismModel& m, const ControlState&) { return m.UndoOn; },
     [](MechanismModel& m, ControlState&, bool on) { m.UndoOn = on; }, Change::Display | Change::UndoStore},
    {DisplayOption::FastTimer, [](const MechanismModel&, const ControlState& c) { return c.fastTimer; },
     [](MechanismModel&, ControlState& c, bool on) { c.fastTimer = on; }, Change::Display},
};

const OptionRow& RowOf(DisplayOption option)
{
    for (const OptionRow& row : kOptions)
        if (row.option == option) return row;
    return kOptions[0];
}

}  // namespace

bool DisplayOptions::IsOn(DisplayOption option) const { return RowOf(option).isOn(m, c_); }

void DisplayOptions::Toggle(DisplayOption option)
{
    const OptionRow& row = RowOf(option);
    row.set(m, c_, !row.isOn(m, c_));
    if (option == DisplayOption::ScreenData) ScreenDataSwitched();
    Emit(row.changes);
}

void DisplayOptions::ScreenDataSwitched()
{
    if (m.ScreenDataOn || !c_.errorIconShown) return;
    c_.errorIconShown = false;
    emit s_.errorIconChanged(false);
}

}  // namespace zeph

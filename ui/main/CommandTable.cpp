// The main window's commands: one row per menu item and tool-bar button, which build and refresh both.
#include "ui/main/CommandTable.h"

#include <algorithm>

#include "ui/session/Session.h"

namespace zeph {

namespace {

using M = CommandMenu;
using P = ToolPicture;

bool ScreenDataShown(const Session& s) { return s.model().ScreenDataOn; }

const Command kCommands[] = {
    {.name = "openDimensions", .menu = M::File, .caption = "&OpenDimensions",
     .tool = 1, .toolSlot = 1, .picture = P::OpenFolder, .hint = "Open File: Dimensional Data"},
    {.name = "saveAsDimensions", .menu = M::File, .caption = "Save&AsDimensions",
     .tool = 2, .toolSlot = 2, .picture = P::Disk, .hint = "Save As: Dimensional Data"},
    {.name = "savePicture", .menu = M::File, .caption = "Save &Picture"},
    {.name = "saveAnimation", .menu = M::File, .caption = "Save A&nimation..."},
    {.name = "printCopy", .menu = M::File, .separatorBefore = true, .caption = "Pr&int..."},
    {.name = "previewCopy", .menu = M::File, .caption = "Print Pre&view..."},
    {.name = "exportCopy", .menu = M::File, .caption = "Export PDF/SVG..."},
    {.name = "exit", .menu = M::File, .separatorBefore = true, .caption = "E&xit"},

    {.name = "setReverseArm", .menu = M::SetUp, .caption = "Set&RevArmPos",
     .tool = 8, .toolSlot = 7, .picture = P::ReverseArm, .hint = "Set Reverse Arm to Desired Position"},
    {.name = "setDriverAngle", .menu = M::SetUp, .caption = "Set&DriverAng", .enabled = ScreenDataShown,
     .tool = 6, .toolSlot = 5, .toolGroupStart = true, .picture = P::DriverAngle,
     .hint = "Set Driver Angle to Desired Position"},
    {.name = "setStepAngle", .menu = M::SetUp, .caption = "Set&StepAng",
     .tool = 7, .toolSlot = 6, .picture = P::StepAngle, .hint = "Set Step Angle to Desired Amount"},
    {.name = "setReferencePoints", .menu = M::SetUp, .caption = "SetRef&Points", .enabled = ScreenDataShown,
     .hiddenWhenDisabled = true},
    {.name = "largeFont", .menu = M::SetUp, .separatorBefore = true, .caption = "SetLarge&Font",
     .captionWhileOn = "SetSmall&Font",
     .isOn = [](const Session& s) { return s.Display().IsOn(DisplayOption::LargeFont); },
     .run = [](Session& s) { s.Display().Toggle(DisplayOption::LargeFont); }},
    {.name = "calcMidGear", .menu = M::SetUp, .caption = "&CalcCentRevArm",
     .run = [](Session& s) { s.Gear().CalcMidGearAndCentre(); }, .enabled = ScreenDataShown,
     .tool = 9, .toolSlot = 8, .picture = P::MidGear, .hint = "Calculate Mid Gear Position if Necessary"},
    {.name = "steamDisplay", .menu = M::SetUp, .caption = "SetS&teamDisp On", .captionWhileOn = "SetS&teamDisp Off",
     .isOn = [](const Session& s) { return s.Display().IsOn(DisplayOption::SteamDisplay); },
     .run = [](Session& s) { s.Display().Toggle(DisplayOption::SteamDisplay); },
     .tool = 10, .toolSlot = 9, .toolGroupStart = true, .picture = P::Steam, .hint = "Turn On Steam Display and Sound"},
    {.name = "errorBeep", .menu = M::SetUp, .caption = "Set&ErrorBeep On", .captionWhileOn = "Set&ErrorBeep Off",
     .isOn = [](const Session& s) { return s.Display().IsOn(DisplayOption::ErrorBeep); },
     .run = [](Session& s) { s.Display().Toggle(DisplayOption::ErrorBeep); }},
    {.name = "lineWidth", .menu = M::SetUp, .caption = "Set&LineWidth 2", .captionWhileOn = "Set&LineWidth 1",
     .isOn = [](const Session& s) { return s.Display().IsOn(DisplayOption::WideLines); },
     .run = [](Session& s) { s.Display().Toggle(DisplayOption::WideLines); }},
    {.name = "screenData", .menu = M::SetUp, .caption = "SetScree&nData On", .captionWhileOn = "SetScree&nData Off",
     .isOn = ScreenDataShown, .run = [](Session& s) { s.Display().Toggle(DisplayOption::ScreenData); }},
    {.name = "panZoom", .menu = M::SetUp, .caption = "SetP&anZoom On", .captionWhileOn = "SetP&anZoom Off",
     .isOn = [](const Session& s) { return s.Display().IsOn(DisplayOption::PanZoomBars); },
     .run = [](Session& s) { s.Display().Toggle(DisplayOption::PanZoomBars); },
     .enabled = [](const Session& s) { return !s.model().ScreenDataOn; }},
    {.name = "fastTimer", .menu = M::SetUp, .caption = "SetFastTi&mer On", .captionWhileOn = "SetFastTi&mer Off",
     .isOn = [](const Session& s) { return s.Display().IsOn(DisplayOption::FastTimer); },
     .run = [](Session& s) { s.Display().Toggle(DisplayOption::FastTimer); }},

    {.name = "frameDimensions", .menu = M::EditDimen, .caption = "&FrameDimensions",
     .tool = 4, .toolSlot = 3, .toolGroupStart = true, .picture = P::FrameDims, .hint = "Change Frame Dimensions"},
    {.name = "cylinderDimensions", .menu = M::EditDimen, .caption = "&CylinderDimensions",
     .tool = 5, .toolSlot = 4, .picture = P::Cylinder, .hint = "Change Cylinder Dimensions"},
    {.name = "graphicZoom", .menu = M::EditDimen, .separatorBefore = true, .caption = "Set&GraphicZoom"},
    {.name = "resetAllDimensions", .menu = M::EditDimen, .separatorBefore = true, .caption = "&ResetAllDimensions",
     .run = [](Session& s) { s.Dimensions().ResetAllDimensions(); }},

    {.name = "referencePoints", .menu = M::MenuBar, .caption = "&ReferPoints",
     .isOn = [](const Session& s) { return s.model().RefPointsOn; },
     .run = [](Session& s) { s.View().ToggleReferencePoints(); }, .enabled = ScreenDataShown,
     .tool = 11, .toolSlot = 10, .picture = P::RefPoints, .hint = "Turn On Reference Points"},
    {.name = "drawLines", .menu = M::MenuBar, .caption = "&DrawLinesCircles",
     .run = [](Session& s) { s.Overlay().RequestLinesDialog(); },
     .enabled = [](const Session& s) { return s.model().ScreenDataOn && s.model().RefPointsOn; },
     .tool = 23, .toolSlot = 11, .picture = P::LinesCircles, .hint = "Draw Lines and Circles"},
    {.name = "pivotData", .menu = M::MenuBar, .caption = "Pi&votData",
     .isOn = [](const Session& s) { return s.model().PivotDataOn; },
     .run = [](Session& s) { s.Overlay().TogglePivotData(); }, .enabled = ScreenDataShown,
     .tool = 24, .toolSlot = 12, .picture = P::PivotData, .hint = "Turn On Pivot Data"},
    {.name = "dynamicVariables", .menu = M::MenuBar, .caption = "D&ynamicVari",
     .isOn = [](const Session& s) { return s.Display().IsOn(DisplayOption::DynVars); },
     .run = [](Session& s) { s.Display().Toggle(DisplayOption::DynVars); }, .enabled = ScreenDataShown,
     .tool = 12, .toolSlot = 13, .picture = P::DynVars, .hint = "Turn On Dynamic Variables"},
    {.name = "undoDisplay", .menu = M::MenuBar, .caption = "&UnDo",
     .isOn = [](const Session& s) { return s.Display().IsOn(DisplayOption::UndoLine); },
     .run = [](Session& s) { s.Display().Toggle(DisplayOption::UndoLine); }, .enabled = ScreenDataShown,
     .tool = 3, .toolSlot = 14, .picture = P::Undo, .hint = "Turn On UnDo"},

    {.name = "sineDiagram", .menu = M::DrawGraphs, .caption = "&SineDiagram",
     .tool = 13, .toolSlot = 15, .toolGroupStart = true, .picture = P::Sine, .hint = "View Sine Diagram"},
    {.name = "ovalDiagram", .menu = M::DrawGraphs, .caption = "&OvalDiagram",
     .tool = 14, .toolSlot = 16, .picture = P::Oval, .hint = "View Oval Diagram"},
    {.name = "steamDiagram", .menu = M::DrawGraphs, .caption = "S&teamDiagram",
     .tool = 15, .toolSlot = 17, .picture = P::SteamLoop, .hint = "View Steam Diagram"},
    {.name = "portsDiagram", .menu = M::DrawGraphs, .caption = "&PortOpenClose",
     .tool = 16, .toolSlot = 18, .picture = P::PortEvents, .hint = "View Port Events vs Reverse Arm Position"},
    {.name = "eventsTable", .menu = M::DrawGraphs, .separatorBefore = true, .caption = "Events T&able"},
    {.name = "valveSetting", .menu = M::DrawGraphs, .caption = "&ValveSetting"},
    {.name = "toleranceStudy", .menu = M::DrawGraphs, .caption = "Tolera&nceStudy"},

    {.name = "instructions", .menu = M::Help, .caption = "&Instructions"},
    {.name = "specialInstructions", .menu = M::Help, .caption = "Instructions&Special"},
    {.name = "about", .menu = M::Help, .separatorBefore = true, .caption = "&About"},
};

}  // namespace

std::span<const Command> Commands()
{
    return kCommands;
}

const char* MenuTitle(CommandMenu menu)
{
    switch (menu) {
    case M::File: return "&File";
    case M::SetUp: return "&SetUp";
    case M::EditDimen: return "&EditDimen";
    case M::MenuBar: return "";
    case M::DrawGraphs: return "Draw&Graphs";
    case M::Help: return "&Help";
    }
    return "";
}

QString CaptionOf(const Command& command, const Session& session)
{
    const bool on = command.captionWhileOn && command.isOn && command.isOn(session);
    return QString::fromLatin1(on ? command.captionWhileOn : command.caption);
}

QList<const Command*> ToolBarCommands()
{
    QList<const Command*> buttons;
    for (const Command& c : kCommands)
        if (c.tool) buttons << &c;
    std::sort(buttons.begin(), buttons.end(), [](const Command* a, const Command* b) { return a->toolSlot < b->toolSlot; });
    return buttons;
}

QList<int> ToolButtons()
{
    QList<int> numbers;
    for (const Command* c : ToolBarCommands()) numbers << c->tool;
    return numbers;
}

const Command* CommandOfTool(int number)
{
    for (const Command& c : kCommands)
        if (c.tool && c.tool == number) return &c;
    return nullptr;
}

QIcon ToolIcon(int number)
{
    const Command* c = CommandOfTool(number);
    return c ? DrawToolIcon(c->picture) : QIcon();
}

QString ToolHint(int number)
{
    const Command* c = CommandOfTool(number);
    return c ? QString::fromLatin1(c->hint) : QString();
}

}  // namespace zeph

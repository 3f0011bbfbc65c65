// Tool-bar pictures of the main window and the menu-bar warning sign, all drawn in code.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace zeph {

// Edge length of a tool-bar icon in pixels.
constexpr int ToolIconSize = 20;

// The pictures a tool-bar button can show; the command table names one per button.
enum class ToolPicture {
    OpenFolder, Disk, FrameDims, Cylinder, DriverAngle, StepAngle, ReverseArm, MidGear, Steam,
    RefPoints, LinesCircles, PivotData, DynVars, Undo, Sine, Oval, SteamLoop, PortEvents
};

// The icon showing `picture`, ToolIconSize pixels square on a transparent ground.
QIcon DrawToolIcon(ToolPicture picture);

// The 16 x 16 warning sign shown in the menu bar while the mechanism cannot assemble.
QPixmap WarningPicture();

}  // namespace zeph

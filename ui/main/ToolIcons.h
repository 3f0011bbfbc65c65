// Tool-bar icons and hints of the main window and the menu-bar warning sign, all drawn in code.
#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QString>

namespace zeph {

// Edge length of a tool-bar icon in pixels.
constexpr int ToolIconSize = 20;

// The tool-bar buttons from left to right, by the numbers ToolIcon and ToolHint take.
QList<int> ToolButtons();

// The icon of a tool-bar button; an empty (null) icon for a number that has no button.
QIcon ToolIcon(int button);

// The tool tip of a tool-bar button; an empty text for a number that has no button.
QString ToolHint(int button);

// The 16 x 16 warning sign shown in the menu bar while the mechanism cannot assemble.
QPixmap WarningPicture();

}  // namespace zeph

// The main window's commands: one row per menu item and tool-bar button, which build and refresh both.
#pragma once

#include <QIcon>
#include <QList>
#include <QString>
#include <span>

#include "ui/main/ToolIcons.h"

namespace zeph {

class Session;

// Where an item stands: in one of the drop-down menus, or on the menu bar itself.
enum class CommandMenu { File, SetUp, EditDimen, MenuBar, DrawGraphs, Help };

// One command. Rows stand in menu order; the tool bar orders its buttons by `toolSlot`.
// A command without `run` is the window's own (a dialog, a file, a diagram, a help text): the
// window attaches it to the item of that object name.
struct Command {
    const char* name;  // object name of the menu item
    CommandMenu menu;
    bool separatorBefore = false;
    // The caption with its access key (&). An option's caption names what its next click does:
    // `caption` while the option is off, `captionWhileOn` (when given) while it is on.
    const char* caption = nullptr;
    const char* captionWhileOn = nullptr;
    bool (*isOn)(const Session&) = nullptr;
    void (*run)(Session&) = nullptr;
    bool (*enabled)(const Session&) = nullptr;  // none: always enabled
    bool hiddenWhenDisabled = false;            // shown and hidden instead of greyed
    int tool = 0;                               // tool-bar button number, 0 for none
    int toolSlot = 0;                           // 1 for the leftmost button
    bool toolGroupStart = false;                // a separator stands before the button
    ToolPicture picture = ToolPicture::OpenFolder;
    const char* hint = nullptr;  // the button's tool tip
};

// Every command, in menu order.
std::span<const Command> Commands();
// The title of a drop-down menu.
const char* MenuTitle(CommandMenu menu);
// The caption an item shows in the session's present state.
QString CaptionOf(const Command& command, const Session& session);

// The commands with a tool-bar button, from left to right.
QList<const Command*> ToolBarCommands();
// The tool-bar button numbers from left to right.
QList<int> ToolButtons();
// The command of a tool-bar button number; null for a number without a button.
const Command* CommandOfTool(int number);
// The icon and tool tip of a tool-bar button; null and empty for a number without a button.
QIcon ToolIcon(int number);
QString ToolHint(int number);

}  // namespace zeph

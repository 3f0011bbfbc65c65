// The command table as the main window builds it: every option reaches the session, and no
// two commands are mistaken for one another.
#include <QAction>
#include <gtest/gtest.h>
#include <set>
#include <string>

#include "QStringPrinter.h"
#include "UiTestSupport.h"
#include "ui/main/CommandTable.h"

using namespace zeph;

namespace {

class CommandTableTest : public test::MainWindowTestBase {};

}  // namespace

// Tests, tool-bar lookups and the window find a command by its object name or button number.
TEST(CommandTable, NoTwoRowsShareAnObjectNameOrAToolNumber)
{
    std::set<std::string> names;
    std::set<int> tools;
    for (const Command& c : Commands()) {
        EXPECT_TRUE(names.insert(c.name).second) << c.name;
        if (c.tool) {
            EXPECT_TRUE(tools.insert(c.tool).second) << c.name << " " << c.tool;
        }
    }
}

// Each option's item switches it, its tool button switches it back, and the caption follows
// every switch. Once with the screen data shown and once without, so that each option is
// tried where its item is enabled.
TEST_F(CommandTableTest, EveryOptionReachesTheSessionFromItsItemAndItsButton)
{
    std::set<std::string> reached;
    for (bool screenData : {true, false}) {
        if (session->model().ScreenDataOn != screenData) session->Display().Toggle(DisplayOption::ScreenData);
        for (const Command& c : Commands()) {
            if (!c.isOn || !c.run) continue;
            SCOPED_TRACE(c.name);
            QAction* item = W<QAction>(c.name);
            if (!item->isEnabled()) continue;
            QAction* button = c.tool ? W<QAction>(QString("tool%1").arg(c.tool)) : item;
            const bool was = c.isOn(*session);
            item->trigger();
            EXPECT_NE(c.isOn(*session), was);
            EXPECT_EQ(item->text(), CaptionOf(c, *session));
            button->trigger();
            EXPECT_EQ(c.isOn(*session), was);
            EXPECT_EQ(item->text(), CaptionOf(c, *session));
            reached.insert(c.name);
        }
    }
    for (const Command& c : Commands()) {
        if (c.isOn && c.run) {
            EXPECT_TRUE(reached.count(c.name)) << c.name << " never enabled";
        }
    }
}

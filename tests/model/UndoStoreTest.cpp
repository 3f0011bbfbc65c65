// The undo store's levels: single changes and groups, the 20-level limit, the undo line's parts.
#include <gtest/gtest.h>

#include "model/editing/UndoStore.h"

using namespace zeph;

namespace {

DimensionChange Change(int code, float value) { return {code, value - 1, value, "dim" + std::to_string(code)}; }

}  // namespace

TEST(UndoStore, ASingleChangeShowsItsNameAndValues)
{
    UndoStore u;
    const UndoLineParts empty = u.Line();
    EXPECT_EQ(empty.depth, 0);
    EXPECT_EQ(empty.caption, "");
    EXPECT_TRUE(empty.showsValues);
    u.Record({2, 3.0f, 3.5f, "Stroke"});
    const UndoLineParts line = u.Line();
    EXPECT_EQ(line.depth, 1);
    EXPECT_EQ(line.caption, "Stroke");
    EXPECT_TRUE(line.showsValues);
    EXPECT_EQ(line.newValue, 3.5f);
    EXPECT_EQ(line.oldValue, 3.0f);
}

TEST(UndoStore, AGroupIsOneLevelWithItsCaption)
{
    UndoStore u;
    u.BeginGroup("Valve setting");
    for (int code : {5, 6, 7}) u.Record(Change(code, 2.0f));
    EXPECT_TRUE(u.Empty());  // nothing is a level before the group ends
    u.EndGroup();
    ASSERT_EQ(u.Depth(), 1);
    EXPECT_EQ(u.Line().caption, "Valve setting: 3 dimensions");
    EXPECT_FALSE(u.Line().showsValues);
    const std::optional<UndoCommand> undone = u.Pop();
    ASSERT_TRUE(undone);
    EXPECT_EQ(undone->changes.size(), 3u);
    EXPECT_TRUE(u.Empty());

    // A group of one shows as its change; an empty group leaves no level.
    u.BeginGroup("Valve setting");
    u.Record(Change(5, 2.0f));
    u.EndGroup();
    EXPECT_EQ(u.Line().caption, "dim5");
    u.BeginGroup("Valve setting");
    u.EndGroup();
    EXPECT_EQ(u.Depth(), 1);
}

TEST(UndoStore, KeepsTwentyLevelsAGroupCountingAsOne)
{
    UndoStore u;
    for (int i = 1; i <= 20; ++i) u.Record(Change(i, 1.0f));
    u.BeginGroup("Valve setting");
    for (int code : {101, 102, 103}) u.Record(Change(code, 2.0f));
    u.EndGroup();
    EXPECT_EQ(u.Depth(), UndoStore::Levels);
    EXPECT_EQ(u.Line().caption, "Valve setting: 3 dimensions");
    // The oldest single change dropped out; the oldest kept is the second.
    std::optional<UndoCommand> oldest;
    while (std::optional<UndoCommand> c = u.Pop()) oldest = c;
    ASSERT_TRUE(oldest);
    EXPECT_EQ(oldest->changes.front().code, 2);

    u.Record(Change(1, 1.0f));
    u.Clear();
    EXPECT_TRUE(u.Empty());
    EXPECT_FALSE(u.Pop());
}

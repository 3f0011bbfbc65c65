// Several dimensions changed by one command: one undo level, shown by its caption and undone whole.
#include <QSignalSpy>
#include <gtest/gtest.h>

#include "QStringPrinter.h"
#include "RecordingSound.h"
#include "UiTestSupport.h"
#include "render/diagrams/DiagramFrame.h"
#include "ui/session/Session.h"

using namespace zeph;

namespace {

class DimensionEditorTest : public ::testing::Test {
protected:
    // A typed edit of the stroke, as the frame dialog makes it.
    void TypeStroke(float value)
    {
        session.Dimensions().MarkDimensionTyped();
        session.Dimensions().LeaveDimensionBox(2, value);
    }
    void ApplyValveSetting()
    {
        session.Dimensions().ApplyDimensions("Valve setting", {{5, 1.25f}, {101, 17.0f}, {5, 1.5f}});
    }

    MechanismModel m;
    RecordingSound sound;
    Session session{m, sound};
};

}  // namespace

TEST_F(DimensionEditorTest, AGroupOfThreeIsOneLevelThatOneUndoRestores)
{
    const float eccCrank = m.Frame.EccCrankLen, cylinder = m.Cyl.CylCentreX;
    TypeStroke(3.5f);
    QSignalSpy changes(&session, &Session::changed);
    ApplyValveSetting();
    ASSERT_EQ(changes.count(), 1);
    EXPECT_TRUE(changes[0][0].value<Changes>() & Change::UndoStore);
    EXPECT_EQ(m.Frame.EccCrankLen, 1.5f);
    EXPECT_EQ(m.Cyl.CylCentreX, 17.0f);
    EXPECT_EQ(m.Undo.Depth(), 2);
    EXPECT_TRUE(session.controls().undoEnabled);
    EXPECT_EQ(DiagramUndoLine(m).trimmed(), "2- Valve setting: 3 dimensions");

    session.Dimensions().Undo();
    EXPECT_EQ(m.Frame.EccCrankLen, eccCrank);
    EXPECT_EQ(m.Cyl.CylCentreX, cylinder);
    EXPECT_EQ(m.Frame.Stroke, 3.5f);  // the level below is the single edit, kept
    EXPECT_EQ(DiagramUndoLine(m).trimmed(), "1- Stroke  3.500 to  3.000");
    session.Dimensions().Undo();
    EXPECT_EQ(m.Frame.Stroke, 3.0f);
    EXPECT_FALSE(session.controls().undoEnabled);
}

TEST_F(DimensionEditorTest, TwentyLevelsHoldAGroupAsOne)
{
    for (int i = 1; i <= 20; ++i) TypeStroke(3.0f + i / 100.0f);
    ApplyValveSetting();
    EXPECT_EQ(m.Undo.Depth(), 20);
    for (int i = 0; i < 20; ++i) session.Dimensions().Undo();
    // The group and 19 edits undone: the oldest edit dropped out and stays made.
    EXPECT_FLOAT_EQ(m.Frame.Stroke, 3.01f);  // the slot re-sync may touch the last bits
    EXPECT_EQ(m.Undo.Depth(), 0);
    EXPECT_FALSE(session.controls().undoEnabled);
}

// Each display option reads the flag it switches, and its switch reports a display change.
#include <QSignalSpy>
#include <gtest/gtest.h>

#include "RecordingSound.h"
#include "ui/session/Session.h"

using namespace zeph;

TEST(DisplayOptions, EachSwitchFlipsWhatItReadsAndBack)
{
    for (int i = 0; i <= static_cast<int>(DisplayOption::FastTimer); ++i) {
        const auto option = static_cast<DisplayOption>(i);
        MechanismModel m;
        RecordingSound sound;
        Session session(m, sound);
        const MechanismModel before = m;
        const bool on = session.Display().IsOn(option);
        QSignalSpy changes(&session, &Session::changed);
        session.Display().Toggle(option);
        EXPECT_NE(session.Display().IsOn(option), on) << i;
        ASSERT_EQ(changes.count(), 1) << i;
        EXPECT_TRUE(changes[0][0].value<Changes>() & Change::Display) << i;
        session.Display().Toggle(option);
        EXPECT_EQ(session.Display().IsOn(option), on) << i;
        EXPECT_EQ(m.LineWidth, before.LineWidth) << i;
        EXPECT_EQ(m.SteamDisplayOn, before.SteamDisplayOn) << i;
    }
}

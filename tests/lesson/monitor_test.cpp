#include "support/shell_fixture.h"

class Monitor : public ShellTest {
protected:
    Monitor() { PersonName = "Zoe"; }

    // A monitor for a user who has used the program `used` times before.
    void open(int plan, int used) {
        if (used > 0)
            put("Zoe", "Used", QString::number(used));
        mon = new LessonMonitor(nullptr, plan);
        if (used == 0) {
            script.answer("Zoe", "Welcome!  You are a new user.", IDOK);
            script.answer("Select Mode", "Advanced mode?", IDYES);
        }
        mon->SetupWindow();
    }

    void closeActivity() { activities.last()->close(); }

    void prompt(const char* name, int id = IDOK) {
        const QString t = "Time to do the %1, press \"OK\" to continue, or \"cancel\" to skip them";
        script.answer("Lesson Prompt", t.arg(name), id);
    }

    TestActivityFactory activities;
};

TEST_F(Monitor, CancelAtThePromptStopsTheSequenceAndAManualStartDoesNotMoveItOn) {
    prompt("Drills");
    open(0, 5);
    closeActivity();
    prompt("Exercises", IDCANCEL);
    mon->EvTimer(1);
    EXPECT_TRUE(mon->currentActivity == -1 && !mon->activityDone[1] && !mon->timerActive(1));
    // Only the drill window was opened, and it was deleted when it closed.
    EXPECT_TRUE(activities.opened.size() == 1 && activities.opened[0] == nullptr);
    // A manual start now does not move the lesson on.
    mon->sendCommand(104);
    closeActivity();
    EXPECT_TRUE(mon->activityDone[4] && mon->currentActivity == -1);
    EXPECT_FALSE(mon->timerActive(1) || mon->timerActive(2));
}

TEST_F(Monitor, ThePressedRunningActivityOnlySaysSo) {
    open(4, 5);
    mon->sendCommand(101);
    ASSERT_EQ(activities.opened.size(), 1u);
    script.answer("SkimSprinter", "You are already doing the Exercises", IDOK);
    mon->sendCommand(101);
    EXPECT_TRUE(activities.opened.size() == 1 && activities.last()->isVisible());
}

TEST_F(Monitor, SwitchingActivitiesTicksTheRowOfTheOneThatClosed) {
    open(4, 5);
    const struct {
        int button;
        const char* running;
        int ticked;
    } steps[] = {{104, "Second Practice Reading", 3},
                 {102, "Speed Test", 4},
                 {103, "First Practice Reading", 2}};
    mon->sendCommand(103);
    for (const auto& s : steps) {
        std::fill(std::begin(mon->activityDone), std::end(mon->activityDone), false);
        script.answer("Quit?", QStringLiteral("Are you sure you want to quit the %1").arg(s.running),
                      IDYES);
        mon->sendCommand(s.button);
        for (int row = 0; row < 5; ++row)
            EXPECT_EQ(mon->activityDone[row], row == s.ticked) << s.running << " row " << row;
    }
}

// The quick lesson's walk to its end is ReadingLesson's, with the real windows.
TEST_F(Monitor, QuitAsksOnlyInAnUnfinishedLessonAndSumsUpTheDay) {
    put("Zoe", "TotalMinutes", "87");
    prompt("Drills", IDCANCEL);
    open(2, 5);
    for (int minute = 0; minute < 3; ++minute)
        mon->EvTimer(203);
    EXPECT_EQ(mon->minutesLabel()->text(), "3 min");
    script.answer("Quit?", "not finished everything in the lesson, are you sure you want", IDNO);
    mon->sendCommand(3);
    EXPECT_TRUE(terminated.statuses.empty());
    script.answer("Quit?", "not finished everything", IDYES);
    script.answer("SkimSprinter", "You have used SkimSprinter for 3 minutes today.  Total time is "
                  "  1.50 hours.  You have used SkimSprinter 6 times.  See you soon for more practice!", IDOK);
    mon->sendCommand(3);
    EXPECT_EQ(terminated.statuses, std::vector<int>{0});
    EXPECT_EQ(iniInt("Zoe", "TotalMinutes"), 90);
}

#include "reading/reading_fixture.h"

#include "reading/speed_result.h"

#include <QAction>

#include <cmath>

using SpeedTest = ReadingWindowTest;

TEST(SpeedResult, StartAndStopOnOneTickGiveNoInfiniteSpeedToSave) {
    EXPECT_TRUE(std::isfinite(readingSpeed(32, 0).wordsPerMinute));
}

// A list that takes one more at 979 characters; a full one at 980.
TEST_F(SpeedTest, ThousandCharactersInAMinuteAre200WordsPerMinuteAndTheScoreListFills) {
    for (int length : {979, 980}) {
        SCOPED_TRACE(length);
        const QString stored = QString("215.35 ").repeated(140).left(length - 1) + "7";
        put("Ann", "SpeedTestScores", stored);
        sounds.played.clear();
        open(true);
        timeAMinute(length == 980);
        EXPECT_EQ(rawSetting(state, "SpeedTestScores"), length == 979 ? stored + " 200.00" : stored);
        EXPECT_EQ(window->windowTitle(), "SkimSprinter Speed Test - [finished]");
        EXPECT_TRUE(sounds.played.count("sound/sttmon.wav") == 1 && sounds.played.last() == "sound/sttmoff.wav");
    }
}

TEST_F(SpeedTest, PauseAndResumeAddTheTimedStretches) {
    open(false);
    window->EvKeyUp(Qt::Key_Space, true); // the auto-repeat of a held space bar does nothing
    EXPECT_EQ(window->State, 0);
    window->Command(CM_TIMERSTART);
    EXPECT_EQ(window->windowTitle(), "SkimSprinter Practice Reading - [timing]");
    // Paused and resumed with the end already on the page, the end of the text
    // still ends the timing with a speed.
    readToTheEnd();
    clock.now = 21000; // 20 s timed
    window->Command(CM_TIMERPAUSE);
    EXPECT_TRUE(enabled(CM_TIMERSTART) && !enabled(CM_TIMERPAUSE) && !enabled(CM_TIMERSTOP));
    window->Command(CM_TIMERSTOP); // greyed: does nothing, asks nothing
    clock.now = 500000; // a long pause, not counted
    space();            // resumes the timer without reloading
    EXPECT_EQ(window->Box->TextLength(), 1000);
    clock.now = 540000; // 40 s more
    script.answer("Speed Test Time", "Your speed is 200.00 words per minute", IDOK)
        .answer("Save Results?", "save this time", IDYES)
        .answer("Results", "previous scores", IDNO);
    for (int i = 0; i < 2000 && window->isVisible(); ++i)
        window->EvKeyDown(Qt::Key_Down, true);
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(rawSetting(state, "SpeedTestScores"), " 200.00");
}

TEST_F(SpeedTest, SpeedTestNumberMovesOnAndWraps) {
    // Before the test (none: no value yet), the text read, and the value after.
    const std::tuple<const char*, char, int> cases[] = {
        {nullptr, 'a', 2}, {"2", 'b', 1}, {"0", 'a', 2}, {"99999", 'a', 2},
    };
    for (const auto& [stored, textRead, after] : cases) {
        SCOPED_TRACE(stored ? stored : "none");
        WritePrivateProfileString("Ann", "SpeedTestNumber", stored, ProfileName);
        open(true);
        space();
        EXPECT_EQ(window->Box->DisplayText.at(0), QChar(textRead));
        EXPECT_EQ(iniInt("Ann", "SpeedTestNumber"), after);
        // Quitting abandons the test; the number has moved on all the same.
        script.answer("Exit Speed test", "You have aborted this timing.", IDOK);
        window->Command(CM_TIMERQUIT);
        EXPECT_FALSE(window->isVisible());
    }
}

TEST_F(SpeedTest, StoppingEarlyAsksAndYesClosesWithoutASpeed) {
    reading("st_bas/st1.dat", readingText(6000, 'a'));
    open(true);
    script.answer("SkimSprinter", "finished reading the instructions. Press the space bar", IDOK);
    window->FinishedScrolling();
    space();
    // No to the question keeps the timing, as the reading window's file test shows.
    script.answer("Quit speed test?", "not finished this timing.  Do you want to abort", IDYES);
    window->Command(CM_TIMERSTOP);
    EXPECT_TRUE(!window->isVisible() && rawSetting(state, "SpeedTestScores") == "<none>");
}

TEST_F(SpeedTest, UseTextFileAsksAgainAtTheStartWhenTheDialogWasCancelled) {
    const QString mine = ownFile("mine.txt", "My own words.\n");
    open(false, -2);
    script.answer("Choose a text file to read", "", IDCANCEL);
    window->EvTimer(0);
    EXPECT_TRUE(window->Box->DisplayText.startsWith("line 0"));
    script.answer("Choose a text file to read", "", IDCANCEL);
    space();
    EXPECT_EQ(window->State, 0);
    script.then(choose(mine));
    space();
    EXPECT_TRUE(window->State == 2 && window->Box->DisplayText.startsWith("My own words."));
}

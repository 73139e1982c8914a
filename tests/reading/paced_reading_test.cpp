#include "reading_fixture.h"

#include "reading/paced_session.h"
#include "reading/pacerdialog.h"

#include <QApplication>
#include <QSpinBox>

class PacedReading : public ReadingWindowTest {
protected:
    PacedReading() {
        // 40 lines of 50 characters with their line feeds: 2,000 characters.
        QByteArray text;
        for (int i = 0; i < 40; ++i)
            text += QByteArray(49, char('a' + i % 26)) + '\n';
        reading("pr_bas/p12.dat", text);
        put("Ann", "SpeedTestScroll", "0"); // 16 steps a line
    }
    void startPacing(int target, int readingNumber = 12) {
        open(false, readingNumber);
        script.then([target](QWidget& w) {
            qobject_cast<PacerDialog*>(&w)->targetBox()->setValue(target);
            return ModalScript::press(w, 1);
        });
        window->Command(CM_PACEDREADING);
        ASSERT_TRUE(script.finished());
    }
    // Ticks every tickMs while pacing, `ms` at most; the time taken.
    unsigned tick(unsigned ms, int tickMs = 5) {
        const unsigned start = clock.now;
        while (window->pacing() && clock.now - start < ms) {
            clock.now += tickMs;
            window->pacedSession()->pacer().tick();
        }
        return clock.now - start;
    }
    QString caption() const { return window->windowTitle(); }
};

TEST_F(PacedReading, ScrollsTheReadingOnTheClockAndEndsWithItsFigures) {
    startPacing(300);
    EXPECT_EQ(caption(), "SkimSprinter Practice Reading - [paced 300 wpm]");
    EXPECT_FALSE(enabled(CM_TIMERSTART));
    EXPECT_TRUE(enabled(CM_TIMERSTOP));
    // Half way through the schedule the page is half way through the text.
    tick(40000);
    EXPECT_NEAR(window->Box->StartChar, 1000, 50);
    // The text ends after 2,000 characters and the empty line before the end line.
    script.answer("Paced Reading",
                  "Words read: 400\nTime paced: 1:20\nAverage speed: 300.00 words per minute\n"
                  "Target at the end: 300 words per minute",
                  IDOK);
    const unsigned paced = 40000 + tick(1000000);
    EXPECT_NEAR(paced, 80040, 125); // one step is 125 ms
    EXPECT_TRUE(script.finished());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(lesson.completed, std::vector<int>{2});
    // Nothing is stored but the dialog's values.
    EXPECT_EQ(ini("Ann", "SpeedTestScores"), "<none>");
    EXPECT_EQ(ini("Ann", "PacerSpeed"), "300");
}

TEST_F(PacedReading, KeysSteerThePaceAndPausesAddNothing) {
    startPacing(60);
    struct Press {
        int key;
        const char* caption;
    };
    // The floor of 50, then up; other keys change nothing.
    const Press presses[] = {{Qt::Key_Down, "[paced 50 wpm]"}, {Qt::Key_Left, "[paced 50 wpm]"},
                             {Qt::Key_Right, "[paced 60 wpm]"}, {Qt::Key_Up, "[paced 70 wpm]"},
                             {Qt::Key_A, "[paced 70 wpm]"},     {Qt::Key_Space, "[paced, paused]"}};
    for (const Press& p : presses) {
        window->EvKeyDown(p.key, false);
        window->EvKeyUp(p.key, false);
        EXPECT_EQ(caption(), QString("SkimSprinter Practice Reading - ") + p.caption);
    }
    // Ten seconds paused move nothing.
    const int before = window->Box->StepCount;
    tick(10000, 10000);
    EXPECT_TRUE(window->Box->StepCount == before && window->Box->StartChar == -1);
    window->EvKeyDown(Qt::Key_Space, false);
    EXPECT_EQ(caption(), "SkimSprinter Practice Reading - [paced 70 wpm]");
    // 6 s at 70 wpm are 35 characters: the first line (50) is not done.
    tick(6000, 6000);
    EXPECT_EQ(window->Box->StartChar, -1) << "still on the first line";
    EXPECT_EQ(window->Box->StepCount, 11); // 35 of 50 characters in steps of 3.125
    script.answer("Paced Reading", "Words read: 7\nTime paced: 0:06", IDOK);
    window->EvKeyDown(Qt::Key_Escape, false);
    EXPECT_TRUE(script.finished() && !window->isVisible());
}

TEST_F(PacedReading, BadTextsAndChangesWhilePacingEndSensibly) {
    QByteArray longLine(10000, 'x');
    for (int i = 7; i < longLine.size(); i += 8)
        longLine[i] = ' ';
    reading("pr_bas/p13.dat", "");
    reading("pr_bas/p14.dat", "\n\n\n   \n\n");
    reading("pr_bas/p15.dat", longLine + "\n");
    struct Case {
        int reading;
        const char* message;
        unsigned mostMs;
    };
    const Case cases[] = {
        {13, "Words read: 0\nTime paced: 0:00", 10}, // empty: ends at once
        {14, "\nTime paced: 0:00", 100},             // blank lines pass in a blink
        // One line of 10,001 characters at 1500 wpm: 80 s.
        {15, "Words read: 2000\nTime paced: 1:20", 81000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reading);
        startPacing(1500, c.reading);
        script.answer("Paced Reading", c.message, IDOK);
        EXPECT_LE(tick(2000000, 10), c.mostMs);
        EXPECT_TRUE(script.finished() && !window->pacing());
    }
}

TEST_F(PacedReading, ANewFontSizeOrSmoothnessKeepsThePaceAndOtherTextsOrQuitEndIt) {
    startPacing(300);
    for (int i = 0; i < 3000; ++i) { // 15 s: 375 characters
        clock.now += 5;
        window->pacedSession()->pacer().tick();
        if (i == 1000) window->Command(CM_FONTLARGER);
        if (i == 1500) {
            window->resize(window->width(), window->height() + 37);
            QApplication::processEvents();
        }
        if (i == 2000) window->Command(CM_SCROLLCOURSE);
    }
    // The page snapped back to a line start and was scrolled on again to the pace.
    EXPECT_NEAR(window->Box->StartChar, 375, 50);
    // A full redraw (a paint request) snaps to the line start and is scrolled on at once.
    const int steps = window->Box->StepCount, top = window->Box->StartChar;
    ASSERT_GT(steps, 0);
    window->EvTimer(1);
    EXPECT_EQ(window->Box->StepCount, steps);
    EXPECT_EQ(window->Box->StartChar, top);
    EXPECT_EQ(caption(), "SkimSprinter Practice Reading - [paced 300 wpm]");

    // Another text: the paced run is given up without a message.
    const QString own = ownFile("mine.txt", "My own words.\n");
    script.then(choose(own));
    window->Command(CM_TEXTFILE);
    EXPECT_TRUE(script.finished() && !window->pacing());
    // The new text starts as any chosen text does, by hand.
    EXPECT_TRUE(window->Box->DisplayText.startsWith("My own words.\n"));
    EXPECT_EQ(caption(), "SkimSprinter Practice Reading [started]");

    // Quit while pacing closes without a message; the reading still counts.
    startPacing(300);
    window->Command(CM_TIMERQUIT);
    EXPECT_FALSE(window->isVisible() || window->pacing());
    EXPECT_EQ(lesson.completed.back(), 2);
}

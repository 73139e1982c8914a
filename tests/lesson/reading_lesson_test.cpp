#include "reading/reading_fixture.h"

// The readings of a structured lesson in the program's own windows.
class ReadingLesson : public ReadingWindowTest {
protected:
    ReadingLesson() {
        reading("pr_bas.dat", "Bees\n11\nBridges\n12\n");
        reading("pr_bas/p12.dat", "Bridges stand up.\n");
        put("Ann", "Used", "5");
    }
    // The lesson prompt, then OK to the least-read reading the list offers; the window's
    // caption names it.
    void next(const char* activity, bool list = true) {
        script.answer("Lesson Prompt", QStringLiteral("Time to do the %1, press").arg(activity), IDOK);
        if (list) script.then([](QWidget& w) { return ModalScript::press(w, IDOK); });
        mon->EvTimer(1);
    }
    SpeedTestWindow* readingWindow() const {
        return qobject_cast<SpeedTestWindow*>(mon->activityWindow);
    }
};

TEST_F(ReadingLesson, QuickPlanRunsBothReadingsAndTheSpeedTestThenOffersToLeave) {
    script.answer("Lesson Prompt", "Time to do the Drills", IDOK);
    mon = new LessonMonitor(nullptr, 0);
    mon->SetupWindow();
    // The drills are done, and the exercise window reports as it closes.
    delete mon->activityWindow;
    mon->activityDone[0] = true;
    mon->Completed(1);

    next("First Practice Reading");
    QPointer<SpeedTestWindow> first = readingWindow();
    ASSERT_TRUE(first && first->windowTitle() == "Practice Reading (  0   Bees)");
    EXPECT_EQ(first->ReadingNumber, 11);
    first->EvTimer(0);
    first->EvKeyUp(Qt::Key_Space, false); // start without the timer
    EXPECT_TRUE(first->Box->DisplayText.startsWith("ppp"));
    first->EvKeyUp(Qt::Key_Space, false); // stop: closes without a word
    EXPECT_TRUE(mon->activityDone[2]);

    next("Second Practice Reading");
    EXPECT_EQ(first, nullptr);
    ASSERT_TRUE(readingWindow() && readingWindow()->windowTitle() == "Practice Reading (  0   Bridges)");
    readingWindow()->close(); // the close box counts as done too
    EXPECT_TRUE(mon->activityDone[3]);

    next("Speed Test", false);
    ASSERT_TRUE(readingWindow() && readingWindow()->windowTitle() == "SkimSprinter Speed Test");
    readingWindow()->close(); // timed and stored in the speed test's own tests
    EXPECT_TRUE(mon->LessonFinished());

    // Staying on makes the rest unstructured.
    script.answer("Exit now?", "You have finished the Lesson, do you want to leave now?", IDNO);
    mon->EvTimer(1);
    EXPECT_TRUE(mon->lessonPlan == 4 && mon->currentActivity == -1 && terminated.statuses.empty());
}

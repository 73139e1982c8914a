#include "reading/reading_fixture.h"
#include "support/reading_data.h"

#include "lesson/lessonmonitor.h"
#include "platform/message_box.h"
#include "platform/profile.h"
#include "reading/lstdialog.h"
#include "reading/scr.h"
#include "reading/speedtestwindow.h"
#include "shell/globals.h"

#include <QListWidget>

// The readings of a structured lesson in the program's own windows.
class ReadingLesson : public ReadingTest {
protected:
    ReadingLesson() {
        PersonName = "Zoe";
        reading("pr_bas.dat", "Bees\n11\nBridges\n12\n");
        reading("pr_bas/p11.dat", "Bees make honey.\n");
        reading("pr_bas/p12.dat", "Bridges stand up.\n");
        reading("st_bas/st1.dat", readingText(968, 's'));
        reading("instr.dat", "Speed test instructions\n");
        reading("instr_pr.dat", "Practice instructions\n");
        WritePrivateProfileString("Zoe", "Used", "5", ProfileName);
        WritePrivateProfileString("Zoe", "LevelAdvanced", "0", ProfileName);
    }
    ~ReadingLesson() override {
        delete mon;
        mon = nullptr;
    }
    // The lesson prompt, then the reading list offering `line` first.
    static void next(ModalScript& s, const char* activity, const char* line = nullptr) {
        s.answer("Lesson Prompt", QStringLiteral("Time to do the %1, press").arg(activity), IDOK);
        if (line)
            s.then([line](QWidget& w) {
                auto* list = qobject_cast<LstDialog*>(&w);
                EXPECT_TRUE(list && list->list()->currentItem()->text() == line) << line;
                return ModalScript::press(w, IDOK);
            });
    }
    SpeedTestWindow* readingWindow() const {
        return qobject_cast<SpeedTestWindow*>(mon->activityWindow);
    }

    FakeClock clock;
};

TEST_F(ReadingLesson, QuickPlanRunsBothReadingsAndTheSpeedTestThenOffersToLeave) {
    ModalScript script;
    script.answer("Lesson Prompt", "Time to do the Drills", IDOK);
    mon = new LessonMonitor(nullptr, 0);
    mon->SetupWindow();
    // The drills are done, and the exercise window reports as it closes.
    delete mon->activityWindow;
    mon->activityDone[0] = true;
    mon->Completed(1);

    next(script, "First Practice Reading", "  0   Bees");
    mon->EvTimer(1);
    QPointer<SpeedTestWindow> first = readingWindow();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->windowTitle(), "Practice Reading (  0   Bees)");
    EXPECT_EQ(first->name(), "Readings");
    EXPECT_EQ(first->ReadingNumber, 11);
    first->EvTimer(0);
    first->EvKeyUp(Qt::Key_Space, false); // start without the timer
    EXPECT_TRUE(first->Box->DisplayText.startsWith("Bees make honey."));
    first->EvKeyUp(Qt::Key_Space, false); // stop: closes without a word
    EXPECT_TRUE(mon->activityDone[2]);

    next(script, "Second Practice Reading", "  0   Bridges");
    mon->EvTimer(1);
    EXPECT_EQ(first, nullptr);
    ASSERT_NE(readingWindow(), nullptr);
    EXPECT_EQ(readingWindow()->windowTitle(), "Practice Reading (  0   Bridges)");
    readingWindow()->close(); // the close box counts as done too
    EXPECT_TRUE(mon->activityDone[3]);

    next(script, "Speed Test");
    mon->EvTimer(1);
    SpeedTestWindow* test = readingWindow();
    ASSERT_NE(test, nullptr);
    EXPECT_EQ(test->windowTitle(), "SkimSprinter Speed Test");
    EXPECT_EQ(test->name(), "SpeedTest");
    EXPECT_TRUE(test->SpeedTest && test->ReadingNumber == -1);
    test->EvTimer(0);
    clock.now = 5000;
    test->EvKeyUp(Qt::Key_Space, false);
    for (int i = 0; i < 2000 && !test->NearEnd; ++i)
        test->EvKeyDown(Qt::Key_Down, i > 0);
    clock.now = 65000;
    script.answer("Speed Test Time", "Your speed is 200.00 words per minute", IDOK);
    script.answer("Save Results?", "save this time", IDYES);
    script.answer("Results", "previous scores", IDNO);
    test->EvKeyUp(Qt::Key_Space, false);
    EXPECT_TRUE(mon->LessonFinished());

    script.answer("Exit now?", "You have finished the Lesson, do you want to leave now?", IDNO);
    mon->EvTimer(1);
    EXPECT_EQ(mon->lessonPlan, 4);
    EXPECT_EQ(ini("Zoe", "SpeedTestScores"), "200.00");
    EXPECT_EQ(ini("Zoe", "ReadingsDoneBasic"), "1 1");
}

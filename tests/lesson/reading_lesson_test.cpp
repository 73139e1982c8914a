#include "support/shell_fixture.h"

#include "lesson/lessonmonitor.h"
#include "platform/locations.h"
#include "platform/message_box.h"
#include "platform/profile.h"
#include "reading/lstdialog.h"
#include "reading/scr.h"
#include "reading/speedtestwindow.h"
#include "shell/globals.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>

// The readings of a structured lesson in the program's own windows: the list, the
// practice-reading windows and the speed test.
class ReadingLesson : public ShellTest {
protected:
    ReadingLesson() {
        PersonName = "Zoe";
        Locations::setDataDirOverride(data.path());
        write("pr_bas.dat", "Bees\n11\nBridges\n12\n");
        write("pr_bas/p11.dat", "Bees make honey.\n");
        write("pr_bas/p12.dat", "Bridges stand up.\n");
        // With the end line, 968 + 32 = 1000 characters.
        write("st_bas/st1.dat", (QByteArray(47, 's') + '\n').repeated(20) + QByteArray(7, 's') + '\n');
        write("instr.dat", "Speed test instructions\n");
        write("instr_pr.dat", "Practice instructions\n");
        WritePrivateProfileString("Zoe", "Used", "5", ProfileName);
        WritePrivateProfileString("Zoe", "LevelAdvanced", "0", ProfileName);
    }
    ~ReadingLesson() override {
        delete mon;
        mon = nullptr;
        Locations::setDataDirOverride({});
    }
    void write(const QString& name, const QByteArray& content) {
        QDir().mkpath(QFileInfo(data.path() + "/" + name).path());
        QFile f(data.path() + "/" + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    static void prompt(ModalScript& s, const char* name) {
        s.answer("Lesson Prompt", QStringLiteral("Time to do the %1, press").arg(name), IDOK);
    }
    static void list(ModalScript& s, const char* expectedLine) {
        s.then([expectedLine](QWidget& w) {
            EXPECT_EQ(w.windowTitle(), "Choose Practice Reading");
            auto* dialog = qobject_cast<LstDialog*>(&w);
            EXPECT_NE(dialog, nullptr);
            if (dialog && dialog->list()->currentItem()) {
                EXPECT_EQ(dialog->list()->currentItem()->text(), expectedLine);
            }
            return ModalScript::press(w, IDOK);
        });
    }
    SpeedTestWindow* reading() const { return qobject_cast<SpeedTestWindow*>(mon->activityWindow); }

    QTemporaryDir data;
    FakeClock clock;
};

TEST_F(ReadingLesson, QuickPlanRunsBothReadingsAndTheSpeedTestThenOffersToLeave) {
    ModalScript script;
    script.answer("Lesson Prompt", "Time to do the Drills", IDOK);
    mon = new LessonMonitor(nullptr, 0);
    mon->SetupWindow();
    // The drills and the exercises are done; the exercise window reports as it closes.
    delete mon->activityWindow;
    mon->activityDone[0] = true;
    mon->currentActivity = 1;
    mon->Completed(1);

    prompt(script, "First Practice Reading");
    list(script, "  0   Bees");
    mon->EvTimer(1);
    ASSERT_NE(reading(), nullptr);
    QPointer<SpeedTestWindow> first = reading();
    EXPECT_EQ(first->windowTitle(), "Practice Reading (  0   Bees)");
    EXPECT_EQ(first->name(), "Readings");
    EXPECT_EQ(first->ReadingNumber, 11);
    EXPECT_FALSE(first->SpeedTest);
    first->EvTimer(0);
    first->EvKeyUp(Qt::Key_Space, false); // start without the timer
    EXPECT_TRUE(first->Box->DisplayText.startsWith("Bees make honey."));
    first->EvKeyUp(Qt::Key_Space, false); // stop: closes quietly
    EXPECT_TRUE(mon->activityDone[2]);
    EXPECT_EQ(mon->currentActivity, 3);

    // The least-read reading is offered next.
    prompt(script, "Second Practice Reading");
    list(script, "  0   Bridges");
    mon->EvTimer(1);
    EXPECT_EQ(first, nullptr);
    ASSERT_NE(reading(), nullptr);
    EXPECT_EQ(reading()->windowTitle(), "Practice Reading (  0   Bridges)");
    EXPECT_EQ(reading()->ReadingNumber, 12);
    reading()->close(); // the close box counts as done too
    EXPECT_TRUE(mon->activityDone[3]);
    EXPECT_FALSE(mon->activityDone[4]);

    prompt(script, "Speed Test");
    mon->EvTimer(1);
    ASSERT_NE(reading(), nullptr);
    SpeedTestWindow* test = reading();
    EXPECT_EQ(test->windowTitle(), "SkimSprinter Speed Test");
    EXPECT_EQ(test->name(), "SpeedTest");
    EXPECT_EQ(test->ReadingNumber, -1);
    EXPECT_TRUE(test->SpeedTest);
    test->EvTimer(0);
    clock.now = 5000;
    test->EvKeyUp(Qt::Key_Space, false);
    for (int i = 0; i < 2000 && !test->NearEnd; ++i)
        test->EvKeyDown(Qt::Key_Down, i > 0);
    clock.now = 65000;
    script.answer("Speed Test Time",
                  "Your speed is 200.00 words per minute  (16.67 characters per second)", IDOK);
    script.answer("Save Results?", "save this time", IDYES);
    script.answer("Results", "previous scores", IDNO);
    test->EvKeyUp(Qt::Key_Space, false);
    EXPECT_TRUE(mon->LessonFinished());

    script.answer("Exit now?", "You have finished the Lesson, do you want to leave now?", IDNO);
    mon->EvTimer(1);
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(mon->lessonPlan, 4);
    EXPECT_EQ(ini("Zoe", "SpeedTestScores"), "200.00");
    EXPECT_EQ(ini("Zoe", "ReadingsDoneBasic"), "1 1");
    EXPECT_TRUE(terminated.statuses.empty());
}

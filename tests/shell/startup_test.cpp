#include "support/shell_fixture.h"

#include "lesson/lessonmonitor.h"
#include "platform/message_box.h"
#include "platform/locations.h"
#include "platform/modal.h"
#include "platform/profile.h"
#include "shell/blockwindow.h"
#include "shell/firstwindow.h"
#include "shell/globals.h"
#include "shell/monwindow.h"
#include "shell/tdotsapp.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>

namespace {

const char* const kWelcomeNew = "Welcome!  You are a new user.";

// The prompts of a start up to the lesson plan: the name, the welcome, the plan.
void scriptOpening(ModalScript& script, const QString& offered, const QString& typed, int planId) {
    script.then([offered, typed](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Enter your first name");
        auto* edit = w.findChild<QLineEdit*>();
        EXPECT_EQ(edit->text(), offered);
        if (!typed.isNull())
            edit->setText(typed);
        return ModalScript::press(w, IDOK);
    });
    script.answer("Welcome to SkimSprinter", "", IDOK);
    script.then([planId](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Select a lesson plan");
        return ModalScript::press(w, planId);
    });
}

} // namespace

class Startup : public ShellTest {
protected:
    void start() {
        app.InitMainWindow();
        app.CreateWindows();
    }
    TDotsApp app;
    TestActivityFactory activities;
};

TEST_F(Startup, FirstRunOnTheMachine) {
    {
        ModalScript script;
        scriptOpening(script, "Unnamed", QString(), 100);
        script.answer("Unnamed", kWelcomeNew, IDOK);
        script.answer("Select Mode", "Do you want to run SkimSprinter in Advanced mode?", IDNO);
        start();
    }
    EXPECT_EQ(ini("AllUsers", "LastUserName"), "Unnamed");
    EXPECT_EQ(iniInt("Unnamed", "Used"), 1);
    EXPECT_EQ(iniInt("Unnamed", "LevelAdvanced"), 0);
    EXPECT_EQ(PersonName, "Unnamed");
    ASSERT_NE(mon, nullptr);
    EXPECT_EQ(mon->lessonPlan, 4);
    EXPECT_EQ(mon->currentActivity, -1);
    EXPECT_TRUE(activities.opened.empty());
    EXPECT_EQ(mon->modeLabel()->text(), "Basic mode");
    EXPECT_EQ(mon->minutesLabel()->text(), "0 min");
    EXPECT_TRUE(mon->timerActive(203));
    // The start sound, the plan button, then the mode question's No.
    EXPECT_EQ(sounds.played,
              (QStringList{"sound/start.wav", "sound/right.wav", "sound/wrong.wav"}));
    // The window tree.
    ASSERT_NE(firstwin, nullptr);
    EXPECT_EQ(firstwin->windowTitle(), "SkimSprinter V2.0");
    EXPECT_EQ(firstwin->workspace()->windowTitle(), "SkimSprinter V2.0 Workspace");
    EXPECT_EQ(firstwin->workspace()->geometry(), QRect(0, 0, 1024, 768));
    EXPECT_EQ(firstwin->workspace()->lessonPlan(), 4);
    EXPECT_EQ(mywin->windowTitle(), "SkimSprinter V2.0 Lesson Plan");
    EXPECT_EQ(mywin->pos(), QPoint(10, 84));
    EXPECT_TRUE(mywin->isVisible());
    // Showing the monitor where it opens by default is not a place the user chose.
    EXPECT_EQ(ini("Unnamed", "MonitorWindowScreenX").toStdString(), "<none>");
    mywin->move(200, 150);
    EXPECT_EQ(iniInt("Unnamed", "MonitorWindowScreenX"), 200);
}

TEST_F(Startup, ReturningUserSwitchesSectionsAndIsOfferedNextTime) {
    WritePrivateProfileString("AllUsers", "LastUserName", "Hana", ProfileName);
    WritePrivateProfileString("Hana", "Used", "4", ProfileName);
    WritePrivateProfileString("Ivo", "Used", "2", ProfileName);
    WritePrivateProfileString("Ivo", "LevelAdvanced", "1", ProfileName);
    WritePrivateProfileString("Ivo", "MonitorWindowScreenX", "120", ProfileName);
    WritePrivateProfileString("Ivo", "MonitorWindowScreenY", "90", ProfileName);
    {
        ModalScript script;
        scriptOpening(script, "Hana", "ivo", 100); // sections ignore letter case
        start();
    }
    EXPECT_EQ(ini("AllUsers", "LastUserName"), "ivo");
    EXPECT_EQ(iniInt("Ivo", "Used"), 3);
    EXPECT_EQ(iniInt("Hana", "Used"), 4);
    EXPECT_EQ(mon->modeLabel()->text(), "Advanced mode");
    EXPECT_EQ(mywin->pos(), QPoint(120, 90));
}

TEST_F(Startup, CancelOnTheNameKeepsTheOfferedName) {
    WritePrivateProfileString("AllUsers", "LastUserName", "Jo", ProfileName);
    WritePrivateProfileString("Jo", "Used", "1", ProfileName);
    {
        ModalScript script;
        script.type("Enter your first name", "Somebody", IDCANCEL);
        script.answer("Welcome to SkimSprinter", "", IDOK);
        script.then([](QWidget& w) { return ModalScript::press(w, 100); });
        start();
    }
    EXPECT_EQ(PersonName, "Jo");
    EXPECT_EQ(iniInt("Jo", "Used"), 2);
}

TEST_F(Startup, MutedUserHearsNoStartSound) {
    WritePrivateProfileString("Kim", "Muted", "1", ProfileName);
    WritePrivateProfileString("Kim", "Used", "5", ProfileName);
    {
        ModalScript script;
        scriptOpening(script, "Unnamed", "Kim", 100);
        start();
    }
    // The gate is loaded for the user only with the monitor; the start sound asks the file itself.
    EXPECT_FALSE(sounds.played.contains("sound/start.wav"));
    EXPECT_FALSE(SoundOn);
    EXPECT_TRUE(mon->Mute());
}

TEST_F(Startup, NamesAreMadeSafeForTheSettingsFile) {
    struct Case {
        QString typed;
        std::string stored;
    } cases[] = {
        {"", "Unnamed"},
        {"   ", "Unnamed"},
        {"  Lea  ", "Lea"},
        {"Ma]x", "Max"},
        {"[Ned]", "Ned"},
        {"O=la", "Ola"},
        {"Pe\nter", "Peter"},
        {";Quin", "Quin"},
        {QString(200, 'r'), std::string(99, 'r')},
    };
    for (const Case& c : cases) {
        ModalScript script;
        scriptOpening(script, QString::fromStdString(PersonName), c.typed, 100);
        if (iniInt(c.stored.c_str(), "Used", 0) == 0) {
            script.answer(QString::fromStdString(c.stored), "You are a new user.", IDOK);
            script.answer("Select Mode", "", IDYES);
        }
        TDotsApp one;
        one.InitMainWindow();
        one.CreateWindows();
        EXPECT_EQ(PersonName, c.stored) << c.typed.toStdString();
        EXPECT_EQ(ini("AllUsers", "LastUserName").toStdString(), c.stored);
        EXPECT_GE(iniInt(c.stored.c_str(), "Used"), 1);
        closeAllTopLevels();
    }
}

TEST_F(Startup, ClosingThePlanChooserGivesNoStructuredLessons) {
    WritePrivateProfileString("Una", "Used", "3", ProfileName);
    {
        ModalScript script;
        scriptOpening(script, "Unnamed", "Una", IDCANCEL); // the close box
        start();
    }
    EXPECT_EQ(app.lessonPlan(), 4);
    EXPECT_EQ(mon->NumbDrills(), 400);
    EXPECT_TRUE(activities.opened.empty());
}

TEST_F(Startup, StructuredPlanOpensWithTheDrillsPrompt) {
    WritePrivateProfileString("Val", "Used", "1", ProfileName);
    {
        ModalScript script;
        scriptOpening(script, "Unnamed", "Val", 101); // Quick
        script.answer("Lesson Prompt",
                      "Time to do the Drills, press \"OK\" to continue, or \"cancel\" to skip them.",
                      IDOK);
        script.answer("SkimSprinter", "You must then type out what was flashed", IDOK);
        start();
    }
    EXPECT_EQ(mon->NumbDrills(), 60);
    ASSERT_EQ(activities.opened.size(), 1u);
    EXPECT_EQ(activities.last()->activity, 0);
    EXPECT_EQ(activities.last()->windowTitle(), "SkimSprinter Drills");
    EXPECT_EQ(activities.last()->parentWidget(), mon);
    EXPECT_EQ(mon->currentActivity, 0);
    EXPECT_TRUE(sounds.played.contains("sound/next.wav"));
}

TEST_F(Startup, CancelAtTheModeQuestionEndsTheRunWithStatusZero) {
    {
        ModalScript script;
        scriptOpening(script, "Unnamed", "Wes", 101);
        script.answer("Wes", kWelcomeNew, IDOK);
        script.answer("Select Mode", "Advanced mode?", IDCANCEL);
        start();
    }
    EXPECT_EQ(terminated.statuses, std::vector<int>{0});
    // Nothing after the question ran: no use counted, no drills started.
    EXPECT_EQ(iniInt("Wes", "Used"), -12345);
    EXPECT_TRUE(activities.opened.empty());
}

TEST_F(Startup, GarbageSettingsFileStillStarts) {
    state.writeIni(QByteArray("\x00\xff\xfe[AllUsers\nLastUserName\n=[]]\r\r\n\x01\x02", 24) +
                   QByteArray(5000, '\x7f'));
    {
        ModalScript script;
        scriptOpening(script, "Unnamed", QString(), 100);
        script.answer("Unnamed", kWelcomeNew, IDOK);
        script.answer("Select Mode", "", IDYES);
        start();
    }
    EXPECT_EQ(iniInt("Unnamed", "Used"), 1);
    EXPECT_EQ(iniInt("Unnamed", "LevelAdvanced"), 1);
    EXPECT_TRUE(terminated.statuses.empty());
}

TEST_F(Startup, AnIncompleteDataTreeEndsTheRunBeforeTheNamePrompt) {
    QTemporaryDir empty;
    Locations::setDataDirOverride(empty.path());
    {
        ModalScript script;
        script.then([&](QWidget& w) {
            EXPECT_EQ(w.windowTitle(), "SkimSprinter cannot start");
            const QString text = ModalScript::textOf(w);
            EXPECT_TRUE(text.contains(empty.path())) << text.toStdString();
            EXPECT_TRUE(text.contains("pr_bas.dat") && text.contains("help/contents.html"));
            EXPECT_EQ(qobject_cast<QMessageBox*>(&w)->icon(), QMessageBox::Critical);
            return ModalScript::press(w, IDOK);
        });
        app.InitMainWindow();
        EXPECT_TRUE(script.finished());
    }
    Locations::setDataDirOverride({});
    EXPECT_EQ(terminated.statuses, std::vector<int>{1});
    EXPECT_EQ(firstwin, nullptr);
    EXPECT_EQ(ini("AllUsers", "LastUserName"), "<none>");
}

TEST(StartupProcess, WithoutADisplayThePlainMessageAndStatusOne) {
    const QString program = QStringLiteral(SKIM_TEST_HELPER_DIR "/skim_program");
    const struct {
        QStringList args;
        const char* display;
        int status;
    } cases[] = {
        {{}, nullptr, 1},
        {{"-platform"}, nullptr, 1}, // a platform switch without a platform
        {{}, "", 1},
    };
    for (const auto& c : cases) {
        QProcess run;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(name);
        if (c.display)
            env.insert("DISPLAY", c.display);
        run.setProcessEnvironment(env);
        run.start(program, c.args);
        ASSERT_TRUE(run.waitForFinished(20000));
        EXPECT_EQ(run.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(run.exitCode(), c.status);
        EXPECT_TRUE(run.readAllStandardError().contains("needs a graphical desktop session"));
    }
}

#include "support/shell_fixture.h"

#include "drill/myframewindow.h"
#include "drill/myzwindow.h"
#include "drill/score.h"
#include "lesson/lessonmonitor.h"
#include "platform/locations.h"
#include "platform/message_box.h"
#include "platform/profile.h"
#include "shell/globals.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTemporaryDir>

namespace {

// A small data tree: word lists 1..6 and sentence lists 1..60 (basic) with
// known records, so each flash is predictable.
void writeList(const QString& root, const QString& name, const QStringList& records) {
    QDir().mkpath(QFileInfo(root + "/" + name).path());
    QFile f(root + "/" + name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    for (const QString& r : records)
        f.write(r.toLatin1());
}

QString sentenceOf(int n, char fill) {
    QString s;
    while (s.size() < n)
        s += QString(4, QChar(fill)) + ' ';
    s.truncate(n);
    if (s.endsWith(' '))
        s[n - 1] = QChar(fill);
    return s;
}

} // namespace

class Drill : public ShellTest {
protected:
    Drill() {
        Locations::setDataDirOverride(data.path());
        for (int n = 1; n <= 6; ++n)
            writeList(data.path(), QString("word_bas/w%1.dat").arg(n),
                      {QString(n, 'a'), QString(n, 'B'), QString(n, 'c')});
        for (int n = 1; n <= 60; ++n)
            writeList(data.path(), QString("sent_bas/w%1.dat").arg(n),
                      {sentenceOf(n, 'x'), sentenceOf(n, 'y')});
        PersonName = "Ann";
        WritePrivateProfileString("Ann", "Used", "9", ProfileName);
        WritePrivateProfileString("Ann", "LevelAdvanced", "0", ProfileName);
        score.resetToStart();
    }
    ~Drill() override {
        delete window;
        delete mon;
        mon = nullptr;
        Locations::setDataDirOverride({});
        score.resetToStart();
    }

    void open(int plan = 4) {
        ModalScript monitorStart;
        if (plan != 4)
            monitorStart.answer("Lesson Prompt", "Time to do the Drills", IDCANCEL);
        mon = new LessonMonitor(nullptr, plan);
        mon->SetupWindow();
        Client = new MyZWindow;
        window = new MyFrameWindow(mon, "SkimSprinter Drills");
        Word = window;
        window->Create();
        window->show();
    }

    // Runs one drill through its timers; the answers must be scripted first.
    void flash() {
        ASSERT_TRUE(window->timerActive(4));
        window->EvTimer(4);
        ASSERT_TRUE(window->timerActive(5));
        window->EvTimer(5);
        ASSERT_TRUE(window->timerActive(1));
        window->EvTimer(1);
    }

    // One drill answered with `typed` (Must Spell) and nothing else asked.
    void flashAndType(ModalScript& script, const QString& typed, int pressed = IDOK) {
        script.type("Type out the flash text:", typed, pressed);
        flash();
    }

    int pixelsOf(QColor colour) {
        const QImage& canvas = window->flashArea()->canvas();
        int n = 0;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                if (canvas.pixelColor(x, y) == colour)
                    ++n;
        return n;
    }

    QTemporaryDir data;
    FakeRandom random;
    FakeClock clock;
    TestActivityFactory activities;
    QPointer<MyFrameWindow> window;
};

TEST_F(Drill, OneDrillShowsBlueThenRedCrossHairsThenTheTextThenAsks) {
    open();
    EXPECT_EQ(window->windowTitle(), "SkimSprinter Drills");
    EXPECT_EQ(window->levelTextLabel()->text(), "Level=2 (letters).");
    random.longs = {0};
    window->Command(48);
    EXPECT_TRUE(window->drillRunning);
    EXPECT_FALSE(window->menuBar()->actions()[0]->isEnabled());
    EXPECT_EQ(window->displayText, "aa");
    EXPECT_GT(pixelsOf(QColor(0, 0, 255)), 0);
    EXPECT_EQ(pixelsOf(QColor(255, 0, 0)), 0);
    window->EvTimer(4);
    EXPECT_GT(pixelsOf(QColor(255, 0, 0)), 0);
    window->EvTimer(5);
    EXPECT_GT(pixelsOf(QColor(0, 0, 0)), 0);
    ModalScript script;
    script.then([this](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Type out the flash text:");
        // The flash area is blank while the user answers.
        EXPECT_EQ(pixelsOf(QColor(0, 0, 0)), 0);
        auto* edit = w.findChild<QLineEdit*>();
        EXPECT_EQ(edit->maxLength(), 2);
        edit->setText("AA");
        return ModalScript::press(w, IDOK);
    });
    window->EvTimer(1);
    EXPECT_TRUE(sounds.played.contains("sound/right.wav"));
    EXPECT_TRUE(window->timerActive(4)); // the next drill is on its way
    EXPECT_EQ(sounds.count("sound/menu.wav"), 1);
}

TEST_F(Drill, SixRightAnswersRaiseTheLevelByThreeAndOfferTheGraph) {
    open();
    random.longs = {0};
    random.ints = {0};
    window->Command(48);
    ModalScript script;
    for (int i = 0; i < 5; ++i)
        flashAndType(script, "aa");
    EXPECT_EQ(window->targetNo, 2);
    script.type("Type out the flash text:", "aa", IDOK);
    script.answer("Well done!", "You went UP by 3 level(s).  Click on OK to continue the drills.",
                  IDOK);
    script.answer("Your Progress graph", "SkimSprinter is going to display a graph", IDOK);
    script.answer("SkimSprinter", "Press \"OK\" to continue the exercises", IDOK);
    flash();
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(window->targetNo, 5);
    EXPECT_EQ(iniInt("Ann", "OtherTargetNo"), 5);
    EXPECT_EQ(window->levelTextLabel()->text(), "Level=5 (letters).");
    EXPECT_TRUE(sounds.played.contains("sound/lvup3.wav"));
    EXPECT_TRUE(window->graphOpen);
    // A reset shows the gauge in the middle: basic image 4.
    EXPECT_EQ(window->gaugeImage(), 4);

    // The next flash is five characters; cancelling ends the series.
    EXPECT_EQ(window->displayText, "aaaaa");
    script.type("Type out the flash text:", "", IDCANCEL);
    window->EvTimer(4);
    window->EvTimer(5);
    window->EvTimer(1);
    EXPECT_FALSE(window->drillRunning);
    EXPECT_TRUE(window->menuBar()->actions()[0]->isEnabled());

    // Closing appends the level to the list and reports to the monitor.
    window->close();
    // Stored with its leading space; readers skip it.
    EXPECT_TRUE(state.readIni().contains("DrillScores= 5"));
    EXPECT_TRUE(mon->activityDone[0]);
}

TEST_F(Drill, WrongAnswerShowsTheFlashAndCancelThereEndsTheSeries) {
    open();
    random.longs = {3}; // the second record: "BB"
    window->Command(48);
    EXPECT_EQ(window->displayText, "BB");
    ModalScript script;
    script.type("Type out the flash text:", "b", IDOK);
    script.answer("Actually, it was...", "BB", IDOK);
    flash();
    EXPECT_TRUE(window->drillRunning);
    EXPECT_EQ(score.Tries(), 1);
    script.type("Type out the flash text:", "bx", IDOK);
    script.answer("Actually, it was...", "BB", IDCANCEL);
    flash();
    EXPECT_FALSE(window->drillRunning);
    EXPECT_EQ(sounds.count("sound/wrong.wav"), 2);
}

TEST_F(Drill, SelfReportWhenMustSpellIsOff) {
    WritePrivateProfileString("Ann", "OtherLevel", "2", ProfileName);
    open();
    random.longs = {0};
    window->Command(48);
    ModalScript script;
    script.answer("Ready?", "Click on \"Yes\" or press the \"Y\" key to display text.", IDNO);
    script.answer("The flashed text was ...",
                  "\"aa\".  Did you get it right? (Press the \"Y\" key for yes, \"N\" key for no)",
                  IDYES);
    window->EvTimer(4);
    window->EvTimer(5);
    window->EvTimer(1);
    EXPECT_EQ(score.Tries(), 1);
    EXPECT_TRUE(window->drillRunning);
    script.answer("Ready?", "", IDCANCEL);
    window->EvTimer(4);
    window->EvTimer(5);
    window->EvTimer(1);
    EXPECT_FALSE(window->drillRunning);
    EXPECT_EQ(score.Tries(), 0); // the end of a series resets the marks
    EXPECT_EQ(help.topics.size(), 0u);
}

TEST_F(Drill, LevelAboveTheBasicListsIsLoweredWithBothMessages) {
    WritePrivateProfileString("Ann", "OtherTargetNo", "70", ProfileName);
    open();
    ModalScript script;
    script.answer("Level Limit", "reached the level limit of the basic exercises", IDOK);
    script.answer("Level Limit", "Try decreasing the time delay", IDOK);
    random.longs = {0};
    random.ints = {32767}; // never the word list's turn (there is none at 60)
    window->Command(48);
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(window->targetNo, 60);
    EXPECT_EQ(window->displayText.size(), 60);
    EXPECT_EQ(window->displayText, sentenceOf(60, 'x'));
}

TEST_F(Drill, MissingListsEndTheProgramWithStatusOne) {
    QDir(data.path() + "/sent_bas").removeRecursively();
    open();
    ModalScript script;
    script.answer("Level Limit", "", IDOK);
    script.answer("Level Limit", "", IDOK);
    script.answer("sent_bas/w1.dat", "cannot read sentence file", IDOK);
    window->Command(48);
    EXPECT_EQ(terminated.statuses, std::vector<int>{1});
    EXPECT_FALSE(window->timerActive(4));
}

TEST_F(Drill, LevelCommandsNeverGoBelowTwoAndSetLevelTakesOne) {
    open();
    window->Command(5); // +10
    EXPECT_EQ(window->targetNo, 12);
    EXPECT_EQ(iniInt("Ann", "OtherTargetNo"), 12);
    window->Command(9); // -10
    EXPECT_EQ(window->targetNo, 2);
    window->Command(6);
    EXPECT_EQ(window->targetNo, 2);
    ModalScript script;
    script.then([](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Enter Level");
        w.findChild<QLineEdit*>()->setText("1");
        return ModalScript::press(w, IDOK);
    });
    window->Command(46);
    EXPECT_EQ(window->targetNo, 1);
    EXPECT_EQ(window->levelTextLabel()->text(), "One letter.");
}

TEST_F(Drill, WithAutoLevelOffTheDisplayStaysButTheLevelIsSaved) {
    open();
    window->Command(25);
    EXPECT_EQ(iniInt("Ann", "OtherAutoLevel"), 0);
    EXPECT_FALSE(window->menuItem(25)->isChecked());
    window->Command(3); // +2
    EXPECT_EQ(iniInt("Ann", "OtherTargetNo"), 4);
    EXPECT_EQ(window->levelTextLabel()->text(), "Level=2 (letters).");
}

TEST_F(Drill, SpeedPresetsAndTheCustomSwitch) {
    open();
    EXPECT_TRUE(window->menuItem(13)->isChecked()); // 25 ms
    window->Command(10);
    EXPECT_EQ(window->displayMs, 60);
    EXPECT_EQ(iniInt("Ann", "TimesDisplayTimeMs"), 60);
    EXPECT_TRUE(window->menuItem(10)->isChecked());
    EXPECT_FALSE(window->menuItem(13)->isChecked());

    ModalScript script;
    script.then([](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Enter delay time");
        w.findChild<QLineEdit*>()->setText("15");
        return ModalScript::press(w, IDOK);
    });
    script.answer("Warning", "Some monitors and video cards cannot display", IDOK);
    window->Command(14);
    EXPECT_EQ(window->displayMs, 15);
    EXPECT_EQ(window->menuItem(14)->text(), "C&ustom (15 ms)");
    EXPECT_TRUE(window->menuItem(14)->isChecked());
    EXPECT_EQ(iniInt("Ann", "TimesDisplayTimeMs"), 15);

    script.answer("Custom time removed", "The delay time has reverted back to 25 mS", IDOK);
    window->Command(14);
    EXPECT_EQ(window->displayMs, 25);
    EXPECT_EQ(window->menuItem(14)->text(), "C&ustom");
    EXPECT_EQ(iniInt("Ann", "TimesDisplayTimeMs"), 25);
}

TEST_F(Drill, OptionTogglesKeepOtherBits) {
    WritePrivateProfileString("Ann", "OtherLevel", "4099", ProfileName); // 4096 + 3
    open();
    window->Command(15);
    EXPECT_EQ(iniInt("Ann", "OtherLevel"), 4098);
    window->Command(51);
    EXPECT_EQ(iniInt("Ann", "OtherLevel"), 4098 + 256);
    EXPECT_TRUE(window->menuItem(51)->isChecked());
    window->Command(39);
    EXPECT_EQ(ini("Ann", "Muted"), "1");
    EXPECT_TRUE(window->menuItem(39)->isChecked());
    window->Command(24);
    EXPECT_EQ(iniInt("Ann", "OtherBitBlit"), 1);
}

TEST_F(Drill, PageAndFontCommands) {
    WritePrivateProfileString("Ann", "SizeLineCharWidth", "11", ProfileName);
    WritePrivateProfileString("Ann", "SizesFontHeight", "9", ProfileName);
    open();
    window->Command(44);
    EXPECT_EQ(window->lineCharWidth, 10);
    EXPECT_EQ(iniInt("Ann", "SizeLineCharWidth"), 10);
    ModalScript script;
    script.answer("Minimum Page Width", "You have reached the minimum page width of 10 characters",
                  IDOK);
    window->Command(44);
    EXPECT_EQ(window->lineCharWidth, 10);
    EXPECT_EQ(iniInt("Ann", "SizeLineCharWidth"), 10);

    window->Command(42);
    EXPECT_EQ(iniInt("Ann", "SizesFontHeight"), 8);
    WritePrivateProfileString("Ann", "SizesFontHeight", "25", ProfileName);
    window->Command(41);
    EXPECT_EQ(iniInt("Ann", "SizesFontHeight"), 27);
}

TEST_F(Drill, TheDayIsDoneAfterThePlansDrillCount) {
    open(0);
    random.longs = {0};
    for (int i = 0; i < 59; ++i)
        score.wrong();
    score.Reset();
    window->Command(48);
    ModalScript script;
    script.type("Type out the flash text:", "zz", IDOK);
    script.answer("Actually, it was...", "aa", IDOK);
    script.answer("Exercises done",
                  "Well done, you have finished your drills for today.  Do you want to leave the "
                  "drills?",
                  IDYES);
    flash();
    EXPECT_TRUE(script.finished());
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(mon->activityDone[0]);
    const qsizetype next = sounds.played.lastIndexOf("sound/next.wav");
    ASSERT_GE(next, 0);
    EXPECT_TRUE(sounds.sync[size_t(next)]); // played to its end before the question
    EXPECT_EQ(score.FinishTries(), 0);
}

TEST_F(Drill, ScoreFilesAreAppendedAtEveryClose) {
    clock.date = QDate(2000, 1, 1);
    WritePrivateProfileString("Ann", "DrillScores", "4 5", ProfileName);
    open();
    window->Command(2); // +1: the score recorded no change in this run
    window->close();
    delete window;
    // No level change in this run: the list is left alone.
    EXPECT_EQ(ini("Ann", "DrillScores"), "4 5");
    open();
    window->close();
    delete window;
    QFile sco(state.dataHome() + "/skimsprinter/dot_sco.dat");
    ASSERT_TRUE(sco.open(QIODevice::ReadOnly));
    EXPECT_EQ(sco.readAll(), "JulDay 2451545, Max Number 3\nJulDay 2451545, Max Number 3\n");
    QFile sc2(state.dataHome() + "/skimsprinter/dot_sc2.dat");
    ASSERT_TRUE(sc2.open(QIODevice::ReadOnly));
    EXPECT_EQ(sc2.readAll(), "2451545\t3\n2451545\t3\n");
}

TEST_F(Drill, TheDrillListStopsGrowingAtAThousandCharacters) {
    // A level change in this run, so closing appends.
    for (int i = 0; i < 6; ++i)
        score.right();
    int change = 0, amount = 0;
    QString text;
    score.ShowScore(2, change, amount, text);
    ASSERT_EQ(change, 2);

    const QString full999 = "1" + QString(" 1").repeated(499);
    ASSERT_EQ(full999.size(), 999);
    WritePrivateProfileString("Ann", "DrillScores", full999.toLatin1().constData(), ProfileName);
    open();
    window->close();
    delete window;
    EXPECT_EQ(ini("Ann", "DrillScores"), full999 + " 2");

    ModalScript script;
    script.answer("SkimSprinter",
                  "Cannot save drill results (too many to save), log  in next time and using a "
                  "different profile name",
                  IDOK);
    open();
    window->close();
    delete window;
    EXPECT_EQ(ini("Ann", "DrillScores"), full999 + " 2");
}

TEST_F(Drill, HandEditedValuesAreBroughtIntoRange) {
    struct Case {
        const char* key;
        const char* value;
        int MyFrameWindow::*field;
        int expected;
    } cases[] = {
        {"OtherTargetNo", "0", &MyFrameWindow::targetNo, 2},
        {"OtherTargetNo", "-5", &MyFrameWindow::targetNo, 2},
        {"OtherTargetNo", "100000", &MyFrameWindow::targetNo, 1000},
        {"TimesDisplayTimeMs", "0", &MyFrameWindow::displayMs, 25},
        {"TimesDisplayTimeMs", "99999", &MyFrameWindow::displayMs, 1000},
        {"SizeLineCharWidth", "3", &MyFrameWindow::lineCharWidth, 20},
    };
    for (const Case& c : cases) {
        WritePrivateProfileString("Ann", c.key, c.value, ProfileName);
        open();
        EXPECT_EQ((*window).*(c.field), c.expected) << c.key << "=" << c.value;
        delete window;
        delete mon;
        mon = nullptr;
        WritePrivateProfileString("Ann", c.key, "", ProfileName);
    }
}

TEST_F(Drill, BrokenListFilesFlashNothingButNeverHang) {
    // An empty list and one cut in the middle of its only record.
    writeList(data.path(), "word_bas/w2.dat", {});
    writeList(data.path(), "word_bas/w3.dat", {"ab"});
    WritePrivateProfileString("Ann", "SizesFontHeight", "0", ProfileName);
    open();
    random.longs = {12345};
    window->Command(48);
    EXPECT_EQ(window->displayText, "");
    EXPECT_GE(window->flashFont.pixelSize(), 4); // a font height of 0 is not used as it is
    ModalScript script;
    script.type("Type out the flash text:", "", IDCANCEL);
    flash();
    window->Command(2); // level 3: the truncated list
    window->Command(48);
    EXPECT_EQ(window->displayText, "");
    script.type("Type out the flash text:", "", IDCANCEL);
    flash();
    EXPECT_FALSE(window->drillRunning);
    EXPECT_TRUE(terminated.statuses.empty());
}

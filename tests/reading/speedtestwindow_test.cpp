#include "support/shell_fixture.h"

#include "platform/locations.h"
#include "platform/message_box.h"
#include "platform/profile.h"
#include "reading/scr.h"
#include "reading/speedtestwindow.h"
#include "shell/globals.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>

namespace {

// A text of exactly `length` characters in lines of 40, ending with a line feed.
QByteArray textOf(int length, char fill) {
    QByteArray text;
    while (text.size() < length) {
        const int line = std::min<int>(40, length - int(text.size()));
        text += QByteArray(line - 1, fill) + '\n';
    }
    return text;
}

const char* const kSpeed200 =
    "Your speed is 200.00 words per minute  (16.67 characters per second)";

} // namespace

class SpeedTest : public ShellTest {
protected:
    SpeedTest() {
        PersonName = "Ann";
        Locations::setDataDirOverride(data.path());
        write("instr.dat", "Speed test instructions\nRead at your usual pace.\n");
        write("instr_pr.dat", "Practice instructions\n");
        // With the end line, 968 + 32 = 1000 characters.
        write("st_bas/st1.dat", textOf(968, 'a'));
        write("st_bas/st2.dat", textOf(968, 'b'));
        write("pr_bas/p11.dat", textOf(968, 'p'));
        write("pr_bas/p12.dat", textOf(4000, 'q'));
        WritePrivateProfileString("Ann", "LevelAdvanced", "0", ProfileName);
        WritePrivateProfileString("Ann", "Other", "kept", ProfileName);
    }
    ~SpeedTest() override {
        delete window;
        Locations::setDataDirOverride({});
    }

    void write(const QString& name, const QByteArray& content) {
        QDir().mkpath(QFileInfo(data.path() + "/" + name).path());
        QFile f(data.path() + "/" + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }

    void open(bool speedTest, int reading = -1) {
        window = speedTest ? new SpeedTestWindow(nullptr, "SkimSprinter Speed Test", "SpeedTest", -1,
                                                 true)
                           : new SpeedTestWindow(nullptr, "Practice Reading (  0   Bees)",
                                                 "Readings", reading, false);
        window->Create();
        window->show();
        window->EvTimer(0);
    }
    void space() { window->EvKeyUp(Qt::Key_Space, false); }
    // Holds the down arrow until the end line is on the page.
    void scrollToEnd() {
        for (int i = 0; i < 2000 && !window->NearEnd; ++i)
            window->EvKeyDown(Qt::Key_Down, i > 0);
        ASSERT_TRUE(window->NearEnd);
    }
    bool enabled(int id) const { return window->menuItem(id) && window->menuItem(id)->isEnabled(); }
    // The value as the file holds it, leading space included.
    QString raw(const char* key) const {
        for (const QByteArray& l : state.readIni().split('\n'))
            if (l.startsWith(QByteArray(key) + '='))
                return QString::fromLatin1(l.mid(int(qstrlen(key)) + 1)).remove('\r');
        return "<none>";
    }
    static void results(ModalScript& s, int save, int look = IDNO) {
        s.answer("Speed Test Time", kSpeed200, IDOK);
        s.answer("Save Results?", "Do you want to save this time (did the test go smoothly)?", save);
        s.answer("Results", "Do you want to look at your previous scores?", look);
    }

    QTemporaryDir data;
    FakeClock clock;
    SpeedTestWindow* window = nullptr;
};

TEST_F(SpeedTest, ThousandCharactersInAMinuteAre200WordsPerMinute) {
    open(true);
    EXPECT_TRUE(window->Box->DisplayText.startsWith("Speed test instructions"));
    clock.now = 1000;
    space();
    EXPECT_EQ(window->windowTitle(), "SkimSprinter Speed Test - [timing]");
    EXPECT_EQ(window->Box->TextLength(), 1000);
    EXPECT_TRUE(window->Box->DisplayText.endsWith("\n*** PRESS THE SPACE BAR NOW ***"));
    EXPECT_EQ(iniInt("Ann", "SpeedTestNumber"), 2);
    EXPECT_TRUE(sounds.played.contains("sound/sttmon.wav"));
    EXPECT_FALSE(enabled(CM_TIMERSTART));
    EXPECT_TRUE(enabled(CM_TIMERPAUSE));
    EXPECT_TRUE(enabled(CM_TIMERSTOP));

    scrollToEnd();
    clock.now = 61000;
    ModalScript script;
    results(script, IDYES);
    space();
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(raw("SpeedTestScores"), " 200.00");
    EXPECT_EQ(ini("Ann", "Other"), "kept");
    EXPECT_EQ(window->windowTitle(), "SkimSprinter Speed Test - [finished]");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(sounds.played.last(), "sound/sttmoff.wav");
}

TEST_F(SpeedTest, PauseAndResumeAddTheTimedStretches) {
    open(false, 11);
    clock.now = 1000;
    window->Command(CM_TIMERSTART);
    EXPECT_EQ(window->windowTitle(), "SkimSprinter Practice Reading - [timing]");
    EXPECT_TRUE(window->Box->DisplayText.startsWith("ppp"));
    clock.now = 21000; // 20 s timed
    window->Command(CM_TIMERPAUSE);
    EXPECT_EQ(window->windowTitle(), "SkimSprinter Practice Reading - [paused]");
    EXPECT_TRUE(enabled(CM_TIMERSTART));
    EXPECT_FALSE(enabled(CM_TIMERPAUSE));
    EXPECT_FALSE(enabled(CM_TIMERSTOP));
    clock.now = 500000; // a long pause, not counted
    space();            // resumes the timer without reloading
    EXPECT_EQ(window->windowTitle(), "SkimSprinter Practice Reading - [timing]");
    EXPECT_EQ(window->Box->TextLength(), 1000);
    scrollToEnd();
    clock.now = 540000; // 40 s more
    ModalScript script;
    results(script, IDYES);
    window->Command(CM_TIMERSTOP);
    EXPECT_EQ(raw("SpeedTestScores"), " 200.00");
    EXPECT_EQ(window->windowTitle(), "SkimSprinter Practice Reading - [finished]");
}

TEST_F(SpeedTest, SpeedTestNumberMovesOnAndWraps) {
    struct Case {
        const char* stored; // nullptr: no value yet
        char textRead;
        int storedAfter;
    };
    const Case cases[] = {
        {nullptr, 'a', 2}, {"1", 'a', 2}, {"2", 'b', 1},
        {"0", 'a', 2},     {"-3", 'a', 2}, {"99999", 'a', 2},
    };
    for (const Case& c : cases) {
        WritePrivateProfileString("Ann", "SpeedTestNumber", c.stored, ProfileName);
        open(true);
        space();
        EXPECT_EQ(window->Box->DisplayText.at(0), QChar(c.textRead)) << (c.stored ? c.stored : "none");
        EXPECT_EQ(iniInt("Ann", "SpeedTestNumber"), c.storedAfter) << (c.stored ? c.stored : "none");
        // Quitting abandons the test; the number has moved on all the same.
        ModalScript script;
        script.answer("Exit Speed test", "You have aborted this timing.", IDOK);
        window->Command(CM_TIMERQUIT);
        EXPECT_FALSE(window->isVisible());
        delete window;
        window = nullptr;
    }
    EXPECT_EQ(ini("Ann", "Other"), "kept");
}

TEST_F(SpeedTest, ScoreListTakesOneMoreAt979AndNoneAt980) {
    for (int length : {979, 980}) {
        const QString stored = QString("215.35 ").repeated(140).left(length - 1) + "7";
        WritePrivateProfileString("Ann", "SpeedTestScores", stored.toLatin1(), ProfileName);
        open(true);
        clock.now = 1000;
        space();
        scrollToEnd();
        clock.now = 61000;
        ModalScript script;
        script.answer("Speed Test Time", kSpeed200, IDOK);
        script.answer("Save Results?", "save this time", IDYES);
        if (length == 980)
            script.answer("SkimSprinter",
                          "Future scores will not be recorded as so many speed tests have been "
                          "done.  Change Your user name and start again.",
                          IDOK);
        script.answer("Results", "previous scores", IDNO);
        space();
        EXPECT_TRUE(script.finished());
        EXPECT_EQ(raw("SpeedTestScores"), length == 979 ? stored + " 200.00" : stored) << length;
        EXPECT_EQ(ini("Ann", "Other"), "kept");
        delete window;
        window = nullptr;
    }
}

TEST_F(SpeedTest, StoppingEarlyAsksAndYesClosesWithoutASpeed) {
    write("st_bas/st1.dat", textOf(6000, 'a'));
    open(true);
    space();
    ModalScript script;
    script.answer("Quit speed test?",
                  "You have not finished this timing.  Do you want to abort this speed test?", IDNO);
    window->Command(CM_TIMERSTOP);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->State, 1);
    script.answer("Quit speed test?", "abort this speed test?", IDYES);
    window->Command(CM_TIMERSTOP);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(raw("SpeedTestScores"), "<none>");
}

TEST_F(SpeedTest, UntimedPracticeEndsQuietlyAndHeldSpaceIsOnePress) {
    open(false, 11);
    EXPECT_TRUE(window->Box->DisplayText.startsWith("Practice instructions"));
    window->EvKeyUp(Qt::Key_Space, true); // auto-repeat of a held key
    EXPECT_EQ(window->State, 0);
    space();
    EXPECT_EQ(window->State, 2);
    EXPECT_EQ(window->windowTitle(), "SkimSprinter Practice Reading [started]");
    EXPECT_FALSE(enabled(CM_TIMERPAUSE));
    EXPECT_FALSE(enabled(CM_TIMERSTART));
    EXPECT_TRUE(enabled(CM_TIMERSTOP));
    space(); // no dialog expected
    EXPECT_FALSE(window->isVisible());
}

TEST_F(SpeedTest, EndOfTheInstructionsAndHelpTopics) {
    open(true);
    ModalScript script;
    script.answer("SkimSprinter",
                  "You have finished reading the instructions. Press the space bar to start.", IDOK);
    window->FinishedScrolling();
    window->Command(CM_CONTENTS);
    delete window;
    window = nullptr;
    open(false, 11);
    window->Command(CM_CONTENTS);
    EXPECT_EQ(help.topics, (std::vector<int>{26, 29}));
}

TEST_F(SpeedTest, OwnFileInASpeedTestIsTimedAndKeepsTheTestNumber) {
    WritePrivateProfileString("Ann", "SpeedTestNumber", "2", ProfileName);
    const QString own = data.path() + "/mine.txt";
    write("mine.txt", textOf(968, 'm'));
    open(true);
    ModalScript script;
    script.then([own](QWidget& w) {
        auto* dialog = qobject_cast<QFileDialog*>(&w);
        EXPECT_NE(dialog, nullptr);
        if (dialog)
            dialog->selectFile(own);
        return ModalScript::press(w, 1);
    });
    window->Command(CM_TEXTFILE);
    EXPECT_EQ(window->windowTitle(), "Text File (" + own + ")");
    EXPECT_EQ(window->State, 0); // shown, waiting for the timed start
    clock.now = 1000;
    space();
    EXPECT_TRUE(window->Box->DisplayText.startsWith("mmm"));
    EXPECT_EQ(window->Box->TextLength(), 1000);
    scrollToEnd();
    clock.now = 61000;
    results(script, IDYES);
    space();
    EXPECT_EQ(raw("SpeedTestScores"), " 200.00");
    EXPECT_EQ(iniInt("Ann", "SpeedTestNumber"), 2);
}

#include "reading_fixture.h"

#include "lesson/lessonmonitor.h"
#include "platform/profile.h"
#include "reading/readingpage.h"
#include "reading/scr.h"
#include "reading/testwindow.h"

#include <QAction>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QtTest/QTest>

namespace {

// The smallest reading window: shows one file first and counts the subclass hooks.
class ProbeWindow : public TestWindow {
public:
    ProbeWindow(bool speedTest, int reading, QString first)
        : TestWindow(nullptr, "Probe", speedTest ? "SpeedTest" : "Readings", reading, speedTest),
          first_(std::move(first)) {}
    void SetupWindow() override {
        Box = new ScrollTextBox(1);
        TestWindow::SetupWindow();
    }
    void LoadInitial() override { Box->load(first_); }
    void FinishedScrolling() override {}
    void CMStartGo() override {
        ++startGo;
        SetLoadFile();
        Box->load(LoadFile);
    }
    bool TerminateTiming() override { return allowTerminate; }
    void PostDraw() override { ++postDraws; }
    int startGo = 0, postDraws = 0;
    bool allowTerminate = true;

private:
    QString first_;
};

// Answers the file dialog with a path.
ModalScript::Step chooseFile(const QString& path) {
    return [path](QWidget& w) {
        auto* dialog = qobject_cast<QFileDialog*>(&w);
        EXPECT_EQ(w.windowTitle(), "Choose a text file to read");
        if (!dialog) return 0;
        EXPECT_EQ(dialog->nameFilters().value(0), "Text Files (*.txt)");
        dialog->selectFile(path);
        return 1;
    };
}

} // namespace

class ReadingWindow : public ReadingTest {
protected:
    std::unique_ptr<ProbeWindow> open(bool speedTest, int readingNumber = -1, bool load = true) {
        first_ = reading("first.dat", lines(80));
        auto w = std::make_unique<ProbeWindow>(speedTest, readingNumber, first_);
        w->Create();
        w->show();
        if (load) w->EvTimer(0);
        return w;
    }
    QString first_;
};

TEST_F(ReadingWindow, SpeedMenuHasEveryItemAndTheSpeedTestLosesTwo) {
    // Command ids in menu order, 0 for a separator, -1 at the end of each popup.
    const std::vector<int> practice = {124, 121, 122, 120, 0, 119, 0, 112, -1, 118, 117, 0, 111,
                                       -1, 116, 115, 114, 113, 0, 127, 0, 110, -1, 125, 128, 129,
                                       0, 126, -1, 133, 130, -1};
    for (bool speed : {false, true}) {
        auto w = open(speed, -1, false);
        std::vector<int> shown;
        for (QAction* popup : w->Menu->actions()) {
            for (QAction* a : popup->menu()->actions()) {
                int id = 0;
                for (int i = 110; i <= 133 && !a->isSeparator() && !id; ++i)
                    id = w->menuItem(i) == a ? i : 0;
                shown.push_back(id);
            }
            shown.push_back(-1);
        }
        std::vector<int> want = practice;
        if (speed) std::erase_if(want, [](int id) { return id == 124 || id == 125; });
        EXPECT_EQ(shown, want);
        EXPECT_FALSE(w->menuItem(CM_TIMERPAUSE)->isEnabled() || w->menuItem(CM_TIMERSTOP)->isEnabled());
    }
}

TEST_F(ReadingWindow, SetUpPlaysTheSoundReadsTheSettingsAndStartsTheTimers) {
    struct Case {
        const char *scroll, *font;
        int check, steps, fontSize;
    };
    const Case cases[] = {
        {"0", "16", 116, 16, 16}, {"3", "12", 113, 2, 12},
        // Values the window cannot use: four steps, nothing checked, the default font.
        {"7", "0", 0, 4, 14}, {"-1", "-5", 0, 4, 14}, {"99", "500", 0, 4, 14},
    };
    put("Ann", "OtherTargetNo", "33");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.scroll) + " / " + c.font);
        put("Ann", "SpeedTestScroll", c.scroll);
        put("Ann", "SpeedTestFontSize", c.font);
        sounds.played.clear();
        auto w = open(false, -1, false);
        EXPECT_EQ(sounds.played, QStringList{"sound/ststart.wav"});
        EXPECT_EQ(w->Box->StepsPerLine, c.steps);
        for (int id = 113; id <= 116; ++id)
            EXPECT_EQ(w->menuItem(id)->isChecked(), id == c.check) << id;
        EXPECT_EQ(w->Box->FontSize, c.fontSize);
        EXPECT_EQ(iniInt("Ann", "OtherTargetNo"), 33) << "other settings are kept";
        EXPECT_EQ(hwin, w.get());
        EXPECT_TRUE(w->timerActive(0) && w->timerActive(2));
    }
    EXPECT_EQ(TestWindow::progressRect(30, 500, false), QRect(30, 6, 440, 12));
}

TEST_F(ReadingWindow, KeysScrollPaintsRedrawLaterAndTheHintGoesAway) {
    auto w = open(false);
    QCoreApplication::processEvents();
    w->EvTimer(1);
    w->Command(CM_SCROLLMEDIUM);
    QTest::keyClick(w.get(), Qt::Key_Space);
    EXPECT_EQ(w->Box->StepCount, 0);
    EXPECT_TRUE(w->timerActive(2));
    QTest::keyClick(w.get(), Qt::Key_Down);
    EXPECT_FALSE(w->timerActive(2));
    // A held key: auto-repeated presses scroll on; Alt belongs to the menu.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(w.get(), &repeat);
    QCoreApplication::sendEvent(w.get(), &repeat);
    QTest::keyClick(w.get(), Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(w->Box->StepCount, 3);
    QTest::keyClick(w.get(), Qt::Key_A);
    EXPECT_EQ(w->Box->Display.topleftcharno, 6) << "four steps made a line";
    // The progress bar moving on is no paint request that would snap the page back.
    QTest::keyClick(w.get(), Qt::Key_Down);
    QCoreApplication::processEvents();
    EXPECT_EQ(w->Progress->value(), 6);
    EXPECT_FALSE(w->timerActive(1));
    // Paint requests redraw the page 50 ms later, not while a step presents it.
    PaintLock = 1;
    w->Paint();
    EXPECT_FALSE(w->timerActive(1));
    PaintLock = 0;
    w->Paint();
    EXPECT_TRUE(w->timerActive(1));
    w->EvTimer(1);
    EXPECT_EQ(w->Box->StepCount, 0) << "the redraw snaps to the whole line";
    EXPECT_EQ(w->postDraws, 2);

    script.answer("Hint", "Press the down arrow on the keyboard to make this window scroll down.",
                  IDOK);
    w->EvTimer(2);
}

TEST_F(ReadingWindow, ResizingKeepsTheWidthToTheTextAndRemembersTheHeight) {
    auto w = open(true);
    const int width = w->width();
    w->resize(width + 150, 420);
    QTRY_COMPARE(w->height(), 420);
    EXPECT_EQ(w->width(), width);
    EXPECT_EQ(w->page()->width(), w->Box->TextWidth + 2 * w->Box->Offset);
    EXPECT_EQ(iniInt("Ann", "SpeedTestScreenHeight"), w->frameGeometry().height());
    EXPECT_EQ(w->Box->TextHeight, w->page()->height() - 2 * w->Box->Offset);
    EXPECT_EQ(iniInt("Ann", "ReadingsScreenHeight"), -12345);
    w.reset();
    auto again = open(true);
    EXPECT_EQ(again->frameGeometry().height(), iniInt("Ann", "SpeedTestScreenHeight"));
}

TEST_F(ReadingWindow, MenuCommandsDoWhatTheySay) {
    auto w = open(false);
    const std::pair<int, int> topics[] = {{112, 37}, {111, 38}, {110, 39},
                                          {126, 40}, {133, 29}, {130, 2}};
    for (auto [id, topic] : topics) {
        help.topics.clear();
        w->Command(id);
        EXPECT_EQ(help.topics, std::vector<int>{topic}) << id;
    }
    const std::pair<int, const char*> smooth[] = {{116, "0"}, {115, "1"}, {114, "2"}, {113, "3"}};
    for (auto [id, value] : smooth) {
        w->Command(id);
        EXPECT_EQ(ini("Ann", "SpeedTestScroll"), value);
        for (int other = 113; other <= 116; ++other)
            EXPECT_EQ(w->menuItem(other)->isChecked(), other == id);
    }
    w->Command(CM_FONTLARGER);
    EXPECT_EQ(w->Box->FontSize, 16);
    // The enable fields grey the commands, and a greyed command does nothing.
    w->StartGoEnable = 0;
    w->StopEnable = 1;
    w->EvCommandEnable();
    EXPECT_FALSE(w->menuItem(CM_STARTGO)->isEnabled());
    EXPECT_TRUE(w->menuItem(CM_TIMERSTOP)->isEnabled());
    w->Command(CM_STARTGO);
    EXPECT_EQ(w->startGo, 0);
    script
        .answer("How to scroll",
                "To make this window scroll you must press the down arrow on the keyboard.", IDOK)
        .answer("No speed tests recorded.", "You have not yet done any speed tests", IDOK);
    w->Command(CM_SCROLLNOW);
    w->Command(CM_SPEEDRESULTS);
}

TEST_F(ReadingWindow, AChosenTextFileOrListedReadingIsWhatGetsRead) {
    const QString mine = ownFile("mine.txt", "My own words.\n");
    TestActivityFactory list;
    reading("pr_bas/p3.dat", "Reading three.\n");
    auto w = open(false, 4);
    script.then(chooseFile(mine)).then([](QWidget&) { return 0; });
    w->Command(CM_TEXTFILE);
    EXPECT_EQ(w->ReadingNumber, -1);
    EXPECT_EQ(w->windowTitle(), "Text File (" + mine + ")");
    EXPECT_EQ(w->startGo, 1);
    EXPECT_EQ(w->Box->DisplayText, "My own words.\n");
    w->Command(CM_TEXTFILE); // cancelled: nothing changes
    EXPECT_EQ(w->startGo, 1);
    w->allowTerminate = false; // a timing the user keeps: no dialog at all
    w->Command(CM_TEXTFILE);
    w->allowTerminate = true;
    w->startGo = 0;
    list.readingAnswer = 1000;
    w->Command(CM_PRACTICEREADINGS);
    EXPECT_EQ(w->startGo, 0);
    list.readingAnswer = 3;
    list.readingLine = "  3   Reading three";
    w->Command(CM_PRACTICEREADINGS);
    EXPECT_EQ(list.listCaptions, QStringList({"Choose another reading", "Choose another reading"}));
    EXPECT_EQ(w->windowTitle(), "Practice Reading (  3   Reading three)");
    EXPECT_EQ(w->Box->DisplayText, "Reading three.\n");
    // "Use Text File" in the list asks for the file.
    list.readingAnswer = -2;
    script.then(chooseFile(mine));
    w->Command(CM_PRACTICEREADINGS);
    EXPECT_EQ(w->Box->DisplayText, "My own words.\n");
}

TEST_F(ReadingWindow, FileNamesFollowTheModeAndClosingTellsTheMonitorOnce) {
    mon = new LessonMonitor(nullptr, 4);
    struct Case {
        bool speed, advanced;
        int reading;
        const char* number;
        QString file;
    };
    const Case cases[] = {
        {true, false, -1, "3", "st_bas/st3.dat"},  {true, true, -1, "3", "st_adv/st3.dat"},
        {true, false, -1, "-3", "st_bas/st1.dat"}, {true, false, -1, "0", "st_bas/st1.dat"},
        {false, false, 0, "3", "pr_bas/p0.dat"},   {false, true, 7, "3", "pr_adv/p7.dat"},
        {false, true, -1, "3", "unchanged"},
    };
    for (const Case& c : cases) {
        put("Ann", "SpeedTestNumber", c.number);
        mon->advanced = c.advanced ? 1 : 0;
        ProbeWindow w(c.speed, c.reading, first_);
        w.LoadFile = "unchanged";
        w.SetLoadFile();
        EXPECT_EQ(w.LoadFile, c.file);
    }
    for (bool speed : {false, true}) {
        auto w = open(speed, -1, false);
        const int activity = speed ? 4 : 2;
        w->close();
        EXPECT_TRUE(mon->activityDone[activity]);
        mon->activityDone[activity] = false;
        w->close();
        EXPECT_FALSE(mon->activityDone[activity]) << "reported once";
    }
    delete mon;
    mon = nullptr;
}

#include "reading_fixture.h"

#include "lesson/lessonmonitor.h"
#include "platform/profile.h"
#include "reading/readingpage.h"
#include "reading/scr.h"
#include "reading/testwindow.h"

#include <QAction>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QtTest/QTest>

namespace {

// The smallest reading window: shows one file first and records what the
// subclass hooks are asked to do.
class ProbeWindow : public TestWindow {
public:
    ProbeWindow(bool speedTest, int reading, QString first)
        : TestWindow(nullptr, "Probe", speedTest ? "SpeedTest" : "Readings", reading, speedTest),
          first_(std::move(first)) {}
    void SetupWindow() override {
        Box = new ScrollTextBox(1);
        TestWindow::SetupWindow();
    }
    void LoadInitial() override {
        ++initialLoads;
        Box->load(first_);
    }
    void FinishedScrolling() override { ++finished; }
    void CMStartGo() override {
        ++startGo;
        SetLoadFile();
        Box->load(LoadFile);
    }
    bool TerminateTiming() override { return allowTerminate; }
    void PostDraw() override { ++postDraws; }

    int initialLoads = 0, finished = 0, startGo = 0, postDraws = 0;
    bool allowTerminate = true;

private:
    QString first_;
};

// Menu items as "text id" with "grey" when greyed; "-" for a separator.
QStringList menuItems(QMenuBar* bar, int popup) {
    QStringList out;
    QMenu* menu = bar->actions().at(popup)->menu();
    for (QAction* a : menu->actions())
        out << (a->isSeparator() ? QStringLiteral("-")
                                 : a->text() + (a->isEnabled() ? "" : " grey"));
    return out;
}

// Answers the file dialog with a path.
ModalScript::Step chooseFile(const QString& path) {
    return [path](QWidget& w) {
        auto* dialog = qobject_cast<QFileDialog*>(&w);
        EXPECT_NE(dialog, nullptr);
        EXPECT_EQ(w.windowTitle(), "Choose a text file to read");
        if (!dialog)
            return 0;
        EXPECT_EQ(dialog->nameFilters().value(0), "Text Files (*.txt)");
        dialog->selectFile(path);
        return 1;
    };
}

} // namespace

class ReadingWindow : public ReadingTest {
protected:
    ProbeWindow* open(bool speedTest, int reading = -1) {
        reading_ = this->reading("first.dat", lines(80));
        auto* w = new ProbeWindow(speedTest, reading, reading_);
        w->Create();
        w->show();
        return w;
    }
    QString reading_;
};

TEST_F(ReadingWindow, SpeedMenuHasEveryItemAndTheSpeedTestLosesTwo) {
    const QStringList popups = {"&Timer", "&Font", "&Scrolling", "&View", "&Help"};
    const std::vector<QStringList> practice = {
        {"S&tart (no timer)", "&Start (timer)", "&Pause grey", "S&top grey", "-", "&Quit", "-",
         "&Help..."},
        {"&Larger", "&Smaller", "-", "&Help..."},
        {"&Smoothest (slowest)", "&Smooth (slow)", "S&emi-smooth", "&Course (faster)", "-",
         "Scroll &Now", "-", "&Help..."},
        {"&Practice Readings...", "&Text File...", "&Speed Test Results...", "-", "&Help..."},
        {"&Contents...", "&About..."},
    };
    std::unique_ptr<ProbeWindow> w(open(false));
    ASSERT_EQ(w->Menu->actions().size(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(w->Menu->actions().at(i)->text(), popups[i]);
        EXPECT_EQ(menuItems(w->Menu, i), practice[i]);
    }
    const std::pair<int, const char*> ids[] = {
        {124, "S&tart (no timer)"}, {121, "&Start (timer)"}, {122, "&Pause"}, {120, "S&top"},
        {119, "&Quit"}, {112, "&Help..."}, {118, "&Larger"}, {117, "&Smaller"}, {111, "&Help..."},
        {116, "&Smoothest (slowest)"}, {115, "&Smooth (slow)"}, {114, "S&emi-smooth"},
        {113, "&Course (faster)"}, {127, "Scroll &Now"}, {110, "&Help..."},
        {125, "&Practice Readings..."}, {128, "&Text File..."}, {129, "&Speed Test Results..."},
        {126, "&Help..."}, {133, "&Contents..."}, {130, "&About..."}};
    for (auto [id, text] : ids) {
        ASSERT_NE(w->menuItem(id), nullptr) << id;
        EXPECT_EQ(w->menuItem(id)->text(), text);
    }
    // Smooth (the default setting) carries the only check mark.
    EXPECT_TRUE(w->menuItem(115)->isChecked());
    EXPECT_FALSE(w->menuItem(116)->isChecked());

    std::unique_ptr<ProbeWindow> speed(open(true));
    EXPECT_EQ(speed->menuItem(124), nullptr);
    EXPECT_EQ(speed->menuItem(125), nullptr);
    EXPECT_EQ(menuItems(speed->Menu, 0).first(), "&Start (timer)");
    EXPECT_EQ(menuItems(speed->Menu, 3).first(), "&Text File...");
    EXPECT_EQ(speed->PracticeEnable, 0);
}

TEST_F(ReadingWindow, SetUpPlaysTheSoundReadsTheSettingsAndStartsTheTimers) {
    struct Case {
        const char* scroll;
        const char* font;
        int check, steps, fontSize;
    };
    const Case cases[] = {
        {"0", "16", 116, 16, 16}, {"1", "14", 115, 8, 14}, {"2", "20", 114, 4, 20},
        {"3", "12", 113, 2, 12},
        // Values the window cannot use: no check mark and four steps; the default font.
        {"7", "0", 0, 4, 14}, {"-1", "-5", 0, 4, 14}, {"99", "500", 0, 4, 14},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.scroll) + " / " + c.font);
        WritePrivateProfileString("Ann", "SpeedTestScroll", c.scroll, ProfileName);
        WritePrivateProfileString("Ann", "SpeedTestFontSize", c.font, ProfileName);
        WritePrivateProfileString("Ann", "OtherTargetNo", "33", ProfileName);
        sounds.played.clear();
        std::unique_ptr<ProbeWindow> w(open(false));
        EXPECT_EQ(sounds.played, QStringList{"sound/ststart.wav"});
        EXPECT_EQ(w->ScrollCheck, c.check);
        EXPECT_EQ(w->Box->StepsPerLine, c.steps);
        for (int id = 113; id <= 116; ++id)
            EXPECT_EQ(w->menuItem(id)->isChecked(), id == c.check) << id;
        EXPECT_EQ(w->Box->FontSize, c.fontSize);
        EXPECT_EQ(iniInt("Ann", "OtherTargetNo"), 33) << "other settings are kept";
        EXPECT_EQ(hwin, w.get());
        EXPECT_EQ(win, static_cast<ReadingHost*>(w.get()));
        EXPECT_TRUE(w->timerActive(0));
        EXPECT_TRUE(w->timerActive(2));
    }
    EXPECT_EQ(TestWindow::progressRect(16, 500, true), QRect(16, 3, 468, 9));
    EXPECT_EQ(TestWindow::progressRect(30, 500, false), QRect(30, 6, 440, 12));
}

TEST_F(ReadingWindow, TheFirstTextComes50msAfterOpeningAfterTheFileDialogWhenAsked) {
    std::unique_ptr<ProbeWindow> w(open(false));
    w->EvTimer(0);
    EXPECT_EQ(w->initialLoads, 1);
    EXPECT_EQ(w->Box->DisplayText, QString::fromLatin1(lines(80)));
    EXPECT_EQ(w->Progress->geometry(),
              TestWindow::progressRect(w->Box->Offset, w->page()->width(), false));
    EXPECT_EQ(w->page()->width(), w->Box->TextWidth + 2 * w->Box->Offset);

    const QString mine = ownFile("mine.txt", "My own words.\n");
    std::unique_ptr<ProbeWindow> ask(open(false, -2));
    ModalScript script;
    script.then(chooseFile(mine));
    ask->EvTimer(0);
    EXPECT_EQ(ask->LoadFile, mine);
    EXPECT_EQ(ask->windowTitle(), "Text File (" + mine + ")");
    EXPECT_EQ(ask->startGo, 0) << "the file is read when the reading starts";
    EXPECT_EQ(ask->initialLoads, 1);
    ask->SetLoadFile();
    EXPECT_EQ(ask->LoadFile, mine);
}

TEST_F(ReadingWindow, KeysScrollAndTheHintGoesAwayButNotForTheSpaceBar) {
    std::unique_ptr<ProbeWindow> w(open(false));
    w->EvTimer(0);
    w->Command(CM_SCROLLMEDIUM);
    QTest::keyClick(w.get(), Qt::Key_Space);
    EXPECT_EQ(w->Box->StepCount, 0);
    EXPECT_TRUE(w->timerActive(2));
    QTest::keyClick(w.get(), Qt::Key_Down);
    EXPECT_EQ(w->Box->StepCount, 1);
    EXPECT_FALSE(w->timerActive(2));
    // A held key: the auto-repeated presses scroll on; Alt is the menu's.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(w.get(), &repeat);
    QCoreApplication::sendEvent(w.get(), &repeat);
    QTest::keyClick(w.get(), Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(w->Box->StepCount, 3);
    QTest::keyClick(w.get(), Qt::Key_A);
    EXPECT_EQ(w->Box->StepCount, 0);
    EXPECT_EQ(w->Box->Display.topleftcharno, 6) << "four steps made a line";
    // The progress bar moving on is not a paint request that would snap the page back.
    QCoreApplication::processEvents();
    w->EvTimer(1);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(w.get(), Qt::Key_Down);
    QCoreApplication::processEvents();
    EXPECT_EQ(w->Progress->value(), 13);
    EXPECT_FALSE(w->timerActive(1));

    std::unique_ptr<ProbeWindow> hinted(open(false));
    ModalScript script;
    script.answer("Hint", "Press the down arrow on the keyboard to make this window scroll down.",
                  IDOK);
    hinted->EvTimer(2);
}

TEST_F(ReadingWindow, PaintRequestsRedrawThePageLaterUnlessAScrollIsPresenting) {
    std::unique_ptr<ProbeWindow> w(open(false));
    w->EvTimer(0);
    w->EvTimer(1);
    const int draws = w->postDraws;
    PaintLock = 1;
    w->Paint();
    EXPECT_FALSE(w->timerActive(1));
    PaintLock = 0;
    w->Paint();
    EXPECT_TRUE(w->timerActive(1));
    // The redraw snaps a half-scrolled line back to the whole line.
    w->Box->LineUp();
    w->EvTimer(1);
    EXPECT_EQ(w->Box->StepCount, 0);
    EXPECT_EQ(w->postDraws, draws + 1);
    EXPECT_FALSE(w->timerActive(1));
    // The box's own presents are not paint requests.
    w->Box->TextAllRedraw(nullptr, 0);
    EXPECT_FALSE(w->timerActive(1));
}

TEST_F(ReadingWindow, ResizingKeepsTheWidthToTheTextAndRemembersTheHeight) {
    std::unique_ptr<ProbeWindow> w(open(true));
    w->EvTimer(0);
    const int width = w->width();
    w->resize(width + 150, 420);
    QTRY_COMPARE(w->height(), 420);
    EXPECT_EQ(w->width(), width);
    EXPECT_EQ(iniInt("Ann", "SpeedTestScreenHeight"),
              w->frameGeometry().height());
    EXPECT_EQ(w->Box->TextHeight, w->page()->height() - 2 * w->Box->Offset);
    EXPECT_EQ(w->Progress->geometry(),
              TestWindow::progressRect(w->Box->Offset, w->page()->width(), false));
    EXPECT_EQ(iniInt("Ann", "ReadingsScreenHeight"), -12345);
    // The next window opens at the remembered size.
    w.reset();
    std::unique_ptr<ProbeWindow> again(open(true));
    EXPECT_EQ(again->height(), 420);
    EXPECT_EQ(again->frameGeometry().height(), iniInt("Ann", "SpeedTestScreenHeight"));
}

TEST_F(ReadingWindow, MenuCommandsDoWhatTheySay) {
    std::unique_ptr<ProbeWindow> w(open(false));
    w->EvTimer(0);
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
        EXPECT_EQ(w->ScrollCheck, id);
        for (int other = 113; other <= 116; ++other)
            EXPECT_EQ(w->menuItem(other)->isChecked(), other == id);
    }
    w->Command(CM_FONTLARGER);
    EXPECT_EQ(w->Box->FontSize, 16);
    w->Command(CM_FONTSMALLER);
    EXPECT_EQ(w->Box->FontSize, 14);
    ModalScript script;
    script.answer("How to scroll",
                  "To make this window scroll you must press the down arrow on the keyboard.",
                  IDOK)
        .answer("No speed tests recorded.", "You have not yet done any speed tests", IDOK);
    w->Command(CM_SCROLLNOW);
    w->Command(CM_SPEEDRESULTS);
}

TEST_F(ReadingWindow, CommandsFollowTheirEnableFields) {
    reading("pr_bas/p2.dat", "Two.\n");
    std::unique_ptr<ProbeWindow> w(open(false, 2));
    w->EvTimer(0);
    const int fields[] = {121, 120, 122, 124, 125};
    int* enables[] = {&w->StartTimerEnable, &w->StopEnable, &w->PauseEnable, &w->StartGoEnable,
                      &w->PracticeEnable};
    for (int i = 0; i < 5; ++i) {
        for (int on : {0, 1}) {
            *enables[i] = on;
            w->EvCommandEnable();
            EXPECT_EQ(w->menuItem(fields[i])->isEnabled(), on == 1) << fields[i];
        }
    }
    w->StartGoEnable = 0;
    w->Command(CM_STARTGO);
    EXPECT_EQ(w->startGo, 0);
    w->StartGoEnable = 1;
    w->Command(CM_STARTGO);
    EXPECT_EQ(w->startGo, 1);
}

TEST_F(ReadingWindow, AChosenTextFileIsWhatGetsReadInEveryKindOfWindow) {
    const QString mine = ownFile("mine.txt", "My own words.\nSecond line.\n");
    for (bool speed : {false, true}) {
        SCOPED_TRACE(speed ? "speed test" : "practice reading");
        std::unique_ptr<ProbeWindow> w(open(speed, speed ? -1 : 4));
        w->EvTimer(0);
        ModalScript script;
        script.then(chooseFile(mine)).then([](QWidget&) { return 0; });
        w->Command(CM_TEXTFILE);
        EXPECT_EQ(w->ReadingNumber, -1);
        EXPECT_EQ(w->windowTitle(), "Text File (" + mine + ")");
        EXPECT_EQ(w->startGo, 1);
        EXPECT_EQ(w->Box->DisplayText, "My own words.\nSecond line.\n");
        // Cancelling the dialog changes nothing.
        w->Command(CM_TEXTFILE);
        EXPECT_EQ(w->startGo, 1);
        EXPECT_EQ(w->LoadFile, mine);
        // A timing the user keeps is not interrupted: no dialog at all.
        w->allowTerminate = false;
        w->Command(CM_TEXTFILE);
    }
}

TEST_F(ReadingWindow, AnotherReadingComesFromTheReadingList) {
    TestActivityFactory list;
    reading("pr_bas/p3.dat", "Reading three.\n");
    std::unique_ptr<ProbeWindow> w(open(false, 1));
    w->EvTimer(0);
    list.readingAnswer = 1000;
    w->Command(CM_PRACTICEREADINGS);
    EXPECT_EQ(w->startGo, 0);
    EXPECT_EQ(w->ReadingNumber, 1);
    list.readingAnswer = 3;
    list.readingLine = "  3   Reading three";
    w->Command(CM_PRACTICEREADINGS);
    EXPECT_EQ(list.listCaptions, QStringList({"Choose another reading", "Choose another reading"}));
    EXPECT_EQ(w->ReadingNumber, 3);
    EXPECT_EQ(w->windowTitle(), "Practice Reading (  3   Reading three)");
    EXPECT_EQ(w->Box->DisplayText, "Reading three.\n");
    // "Use Text File" in the list asks for the file.
    const QString mine = ownFile("m.txt", "Mine.\n");
    list.readingAnswer = -2;
    ModalScript script;
    script.then(chooseFile(mine));
    w->Command(CM_PRACTICEREADINGS);
    EXPECT_EQ(w->Box->DisplayText, "Mine.\n");
    EXPECT_EQ(w->ReadingNumber, -1);
}

TEST_F(ReadingWindow, LoadFileNamesFollowTheModeAndTheNumbers) {
    mon = new LessonMonitor(nullptr, 4);
    struct Case {
        bool speed, advanced;
        int reading;
        const char* number;
        QString file;
    };
    const Case cases[] = {
        {true, false, -1, "3", "st_bas/st3.dat"},
        {true, true, -1, "3", "st_adv/st3.dat"},
        {true, false, -1, "-3", "st_bas/st1.dat"},
        {true, false, -1, "0", "st_bas/st1.dat"},
        {false, false, 0, "3", "pr_bas/p0.dat"},
        {false, true, 7, "3", "pr_adv/p7.dat"},
        {false, true, -1, "3", "unchanged"},
    };
    for (const Case& c : cases) {
        WritePrivateProfileString("Ann", "SpeedTestNumber", c.number, ProfileName);
        mon->advanced = c.advanced ? 1 : 0;
        ProbeWindow w(c.speed, c.reading, reading_);
        w.LoadFile = "unchanged";
        w.SetLoadFile();
        EXPECT_EQ(w.LoadFile, c.file);
    }
    delete mon;
    mon = nullptr;
}

TEST_F(ReadingWindow, ClosingTellsTheMonitorOnce) {
    mon = new LessonMonitor(nullptr, 4);
    for (bool speed : {false, true}) {
        std::unique_ptr<ProbeWindow> w(open(speed));
        const int activity = speed ? 4 : 2;
        EXPECT_FALSE(mon->activityDone[activity]);
        w->close();
        EXPECT_TRUE(mon->activityDone[activity]);
        mon->activityDone[activity] = false;
        w->close();
        EXPECT_FALSE(mon->activityDone[activity]) << "reported once";
    }
    delete mon;
    mon = nullptr;
}

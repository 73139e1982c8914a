#include "support/shell_fixture.h"

#include "drill/myframewindow.h"
#include "drill/myzwindow.h"
#include "drill/score.h"
#include "graph/graphc.h"
#include "graph/graphwc.h"
#include "platform/locations.h"

#include <QAction>
#include <QDir>
#include <QMenuBar>

#include <utility>

namespace {

void writeList(const QString& root, const QString& name, const QStringList& records) {
    ASSERT_FALSE(writeFile(root + "/" + name, records.join("").toLatin1()).isEmpty());
}

// n characters of four-letter words.
QString sentenceOf(int n, char fill) {
    QString s = (QString(4, QChar(fill)) + ' ').repeated(n / 5 + 1).left(n);
    if (s.endsWith(' ')) s[n - 1] = QChar(fill);
    return s;
}

const QColor kBlack(0, 0, 0), kBlue(0, 0, 255), kRed(255, 0, 0);

} // namespace

// A small basic data tree with known records (words 1..6, sentences 1..60), so each
// flash is predictable.
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
        put("Ann", "Used", "9");
        put("Ann", "LevelAdvanced", "0");
        score.resetToStart();
    }
    ~Drill() override {
        delete window;
        delete std::exchange(mon, nullptr);
        Locations::setDataDirOverride({});
        score.resetToStart();
    }

    // A new drill window (the monitor of an earlier one stays).
    void open(int plan = 4) {
        delete window;
        ModalScript monitorStart;
        if (plan != 4) monitorStart.answer("Lesson Prompt", "Time to do the Drills", IDCANCEL);
        if (!mon) {
            mon = new LessonMonitor(nullptr, plan);
            mon->SetupWindow();
        }
        Client = new MyZWindow;
        window = new MyFrameWindow(mon, mon, "SkimSprinter Drills");
        Word = window;
        window->Create();
        window->show();
    }

    // Runs one drill through its timers; the answers must be scripted first.
    void flash() {
        for (int id : {4, 5, 1}) {
            ASSERT_TRUE(window->timerActive(id)) << id;
            window->EvTimer(id);
        }
    }
    // Starts a series and cancels it at the first question.
    void flashAndCancel() {
        window->Command(48);
        script.type("Type out the flash text:", "", IDCANCEL);
        flash();
    }

    // Marks answers and lets a speed command evaluate them, as an answer would.
    void evaluate(int rights, int wrongs) {
        for (int i = 0; i < rights + wrongs; ++i)
            i < rights ? score.right() : score.wrong();
        window->Command(13);
    }

    int pixelsOf(QColor colour) const {
        const QImage& canvas = window->flashArea()->canvas();
        int n = 0;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                n += canvas.pixelColor(x, y) == colour;
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
    EXPECT_FALSE(window->drillCountLabel()->isVisible()) << "no count without a structured lesson";
    random.longs = {0};
    window->Command(48);
    EXPECT_FALSE(window->menuBar()->actions()[0]->isEnabled());
    EXPECT_EQ(window->displayText, "aa");
    EXPECT_TRUE(pixelsOf(kBlue) > 0 && pixelsOf(kRed) == 0);
    window->EvTimer(4);
    EXPECT_GT(pixelsOf(kRed), 0);
    window->EvTimer(5);
    EXPECT_GT(pixelsOf(kBlack), 0);
    script.then([this](QWidget& w) {
        EXPECT_EQ(pixelsOf(kBlack), 0); // blank while the user answers
        EXPECT_EQ(w.findChild<QLineEdit*>()->maxLength(), 2);
        w.findChild<QLineEdit*>()->setText("AA");
        return ModalScript::press(w, IDOK);
    });
    window->EvTimer(1);
    EXPECT_TRUE(window->timerActive(4)); // the next drill is on its way
    // A wrong answer shows the flash; Cancel there ends the series.
    script.type("Type out the flash text:", "a", IDOK);
    script.answer("Actually, it was...", "aa", IDCANCEL);
    flash();
    EXPECT_FALSE(window->drillRunning);
    EXPECT_TRUE(window->menuBar()->actions()[0]->isEnabled());
    EXPECT_EQ(score.Tries(), 0); // the end of a series resets the marks
}

TEST_F(Drill, RisesOfferTheGraphOnceAndRefreshIt) {
    open();
    script.answer("Well done!", "You went UP by 3 level(s).", IDOK);
    script.answer("Your Progress graph", "SkimSprinter is going to display a graph", IDOK);
    script.answer("SkimSprinter", "Press \"OK\" to continue the exercises", IDOK);
    evaluate(6, 0);
    ASSERT_TRUE(script.finished());
    EXPECT_EQ(iniInt("Ann", "OtherTargetNo"), 5);
    EXPECT_EQ(sounds.played.last(), "sound/lvup3.wav");
    QPointer<GraphC> graph = window->drillGraph;
    ASSERT_TRUE(graph && graph->isVisible());
    // The next rise asks nothing more and refreshes the open graph; 49 opens no second one.
    script.answer("Well done!", "", IDOK);
    evaluate(6, 0);
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(graph->drawing()->values().size(), 2);
    window->Command(49);
    EXPECT_EQ(window->drillGraph, graph.data());
}

TEST_F(Drill, LevelAboveTheListsIsLoweredAndMissingListsEndTheRun) {
    put("Ann", "OtherTargetNo", "70");
    open();
    script.answer("Level Limit", "reached the level limit of the basic exercises", IDOK);
    script.answer("Level Limit", "Try decreasing the time delay", IDOK);
    random.ints = {32767};
    flashAndCancel();
    EXPECT_TRUE(window->targetNo == 60 && window->displayText.size() == 60);

    QDir(data.path() + "/sent_bas").removeRecursively();
    script.answer("Level Limit", "", IDOK).answer("Level Limit", "", IDOK);
    script.answer("sent_bas/w1.dat", "cannot read sentence file", IDOK);
    window->Command(48);
    EXPECT_EQ(terminated.statuses, std::vector<int>{1});
    EXPECT_FALSE(window->timerActive(4));
}

TEST_F(Drill, MenuCommandsChangeAndStoreTheirSettings) {
    put("Ann", "OtherLevel", "4099"); // 4096 + 3: other bits are kept
    put("Ann", "SizeLineCharWidth", "11");
    open();
    for (auto [command, key, stored] : {std::tuple{15, "OtherLevel", 4098}, {44, "SizeLineCharWidth", 10},
                                        {25, "OtherAutoLevel", 0}}) {
        window->Command(command);
        EXPECT_EQ(iniInt("Ann", key), stored) << command;
    }
    script.answer("Minimum Page Width", "minimum page width of 10 characters", IDOK);
    window->Command(44);
    EXPECT_EQ(window->lineCharWidth, 10);
    script.type("Enter delay time", "15", IDOK);
    script.answer("Warning", "Some monitors and video cards cannot display", IDOK);
    window->Command(14);
    EXPECT_EQ(window->menuItem(14)->text(), "C&ustom (15 ms)");
    EXPECT_EQ(iniInt("Ann", "TimesDisplayTimeMs"), 15);
    script.type("Enter Level", "1", IDOK);
    window->Command(46);
    EXPECT_EQ(window->levelTextLabel()->text(), "Level=2 (letters)."); // auto level is off
    EXPECT_EQ(iniInt("Ann", "OtherTargetNo"), 1);
}

TEST_F(Drill, TheDayIsDoneAfterThePlansDrillCount) {
    open(0);
    QLabel* count = window->drillCountLabel();
    EXPECT_TRUE(count->isVisible() && count->text() == "0 of 60") << count->text().toStdString();
    random.longs = {0};
    for (int i = 0; i < 59; ++i)
        score.wrong();
    score.Reset();
    window->Command(48);
    EXPECT_EQ(count->text(), "59 of 60");
    script.type("Type out the flash text:", "zz", IDOK);
    script.answer("Actually, it was...", "aa", IDOK);
    script.then([count](QWidget& w) {
        EXPECT_EQ(count->text(), "60 of 60");
        EXPECT_EQ(w.windowTitle(), "Exercises done");
        return ModalScript::press(w, IDYES);
    });
    flash();
    EXPECT_TRUE(script.finished() && !window->isVisible() && mon->activityDone[0]);
    const qsizetype next = sounds.played.lastIndexOf("sound/next.wav");
    ASSERT_GE(next, 0);
    EXPECT_TRUE(sounds.sync[size_t(next)]); // played to its end before the question
}

TEST_F(Drill, TheLevelListGrowsOnlyAfterAChangeAndStopsAtAThousandCharacters) {
    open();
    window->close();
    EXPECT_EQ(ini("Ann", "DrillScores"), "<none>"); // no level change in this run
    for (int i = 0; i < 6; ++i)
        score.right();
    int change = 0, amount = 0;
    QString text;
    score.ShowScore(2, change, amount, text); // a level change in this run
    const QString full999 = "1" + QString(" 1").repeated(499);
    put("Ann", "DrillScores", full999);
    open();
    window->close();
    EXPECT_EQ(ini("Ann", "DrillScores"), full999 + " 2");
    script.answer("SkimSprinter", "Cannot save drill results (too many to save), log  in next "
                                  "time and using a different profile name", IDOK);
    open();
    window->close();
    EXPECT_EQ(ini("Ann", "DrillScores"), full999 + " 2");
}

TEST_F(Drill, HandEditedValuesAndBrokenListsAreSurvived) {
    for (auto [key, value, field, expected] :
         {std::tuple{"OtherTargetNo", "-5", &MyFrameWindow::targetNo, 2},
          {"OtherTargetNo", "100000", &MyFrameWindow::targetNo, 1000},
          {"TimesDisplayTimeMs", "0", &MyFrameWindow::displayMs, 25},
          {"SizeLineCharWidth", "3", &MyFrameWindow::lineCharWidth, 20}}) {
        put("Ann", key, value);
        open();
        EXPECT_EQ((*window).*field, expected) << key << "=" << value;
        put("Ann", key, "");
    }
    writeList(data.path(), "word_bas/w2.dat", {});     // empty
    writeList(data.path(), "word_bas/w3.dat", {"ab"}); // cut in its only record
    put("Ann", "SizesFontHeight", "0");
    open();
    random.longs = {12345};
    for (int level : {2, 3}) {
        flashAndCancel();
        EXPECT_EQ(window->displayText, "") << level;
        window->Command(2);
    }
    EXPECT_GE(window->flashFont.pixelSize(), 4); // a font height of 0 is not used as it is
    EXPECT_TRUE(terminated.statuses.empty());
}

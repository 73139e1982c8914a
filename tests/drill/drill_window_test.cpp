#include "support/shell_fixture.h"

#include "drill/mydialog.h"
#include "drill/myframewindow.h"
#include "drill/myzwindow.h"
#include "drill/score.h"
#include "graph/graphc.h"
#include "graph/graphwc.h"
#include "lesson/lessonmonitor.h"
#include "platform/art.h"
#include "platform/locations.h"
#include "platform/message_box.h"
#include "platform/profile.h"
#include "shell/globals.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTemporaryDir>

namespace {

void writeList(const QString& root, const QString& name, const QStringList& records) {
    QDir().mkpath(QFileInfo(root + "/" + name).path());
    QFile f(root + "/" + name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    for (const QString& r : records)
        f.write(r.toLatin1());
}

// n characters of four-letter words.
QString sentenceOf(int n, char fill) {
    QString s;
    while (s.size() < n)
        s += QString(4, QChar(fill)) + ' ';
    s.truncate(n);
    if (s.endsWith(' '))
        s[n - 1] = QChar(fill);
    return s;
}

const QColor kBlack(0, 0, 0), kBlue(0, 0, 255), kRed(255, 0, 0), kGrey(192, 192, 192);

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
        if (!mon) {
            mon = new LessonMonitor(nullptr, plan);
            mon->SetupWindow();
        }
        Client = new MyZWindow;
        window = new MyFrameWindow(mon, "SkimSprinter Drills");
        Word = window;
        window->Create();
        window->show();
    }
    void reopen() {
        delete window;
        open();
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

    // Marks answers and lets a speed command evaluate them, as an answer would.
    void evaluate(int rights, int wrongs) {
        for (int i = 0; i < rights; ++i)
            score.right();
        for (int i = 0; i < wrongs; ++i)
            score.wrong();
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
    QRect boxOf(QColor colour) const {
        const QImage& canvas = window->flashArea()->canvas();
        QRect box;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                if (canvas.pixelColor(x, y) == colour)
                    box |= QRect(x, y, 1, 1);
        return box;
    }

    QTemporaryDir data;
    FakeRandom random;
    FakeClock clock;
    TestActivityFactory activities;
    QPointer<MyFrameWindow> window;
};

TEST_F(Drill, OneDrillShowsBlueThenRedCrossHairsThenTheTextThenAsks) {
    open();
    EXPECT_EQ(window->levelTextLabel()->text(), "Level=2 (letters).");
    random.longs = {0};
    window->Command(48);
    EXPECT_FALSE(window->menuBar()->actions()[0]->isEnabled());
    EXPECT_EQ(window->displayText, "aa");
    EXPECT_GT(pixelsOf(kBlue), 0);
    EXPECT_EQ(pixelsOf(kRed), 0);
    window->EvTimer(4);
    EXPECT_GT(pixelsOf(kRed), 0);
    window->EvTimer(5);
    EXPECT_GT(pixelsOf(kBlack), 0);
    ModalScript script;
    script.then([this](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Type out the flash text:");
        EXPECT_EQ(pixelsOf(kBlack), 0); // blank while the user answers
        auto* edit = w.findChild<QLineEdit*>();
        EXPECT_EQ(edit->maxLength(), 2);
        edit->setText("AA");
        return ModalScript::press(w, IDOK);
    });
    window->EvTimer(1);
    EXPECT_TRUE(sounds.played.contains("sound/right.wav"));
    EXPECT_TRUE(window->timerActive(4)); // the next drill is on its way
    EXPECT_EQ(sounds.count("sound/menu.wav"), 1);

    // A wrong answer shows the flash; Cancel there ends the series.
    script.type("Type out the flash text:", "a", IDOK);
    script.answer("Actually, it was...", "aa", IDCANCEL);
    flash();
    EXPECT_FALSE(window->drillRunning);
    EXPECT_TRUE(window->menuBar()->actions()[0]->isEnabled());
    EXPECT_EQ(score.Tries(), 0); // the end of a series resets the marks
}

TEST_F(Drill, ShadowsAndOffScreenDrawing) {
    WritePrivateProfileString("Ann", "OtherTargetNo", "20", ProfileName);
    WritePrivateProfileString("Ann", "OtherLevel", "259", ProfileName); // shadows on
    std::pair<int, QRect> text[2];
    for (int bitBlit : {0, 1}) {
        WritePrivateProfileString("Ann", "OtherBitBlit", bitBlit ? "1" : "0", ProfileName);
        open();
        random.longs = {0};
        random.ints = {32767};
        window->Command(48);
        // Grey bars where the lines will be, until the second preparation.
        EXPECT_GT(pixelsOf(kGrey), 0);
        window->EvTimer(4);
        EXPECT_EQ(pixelsOf(kGrey), 0);
        EXPECT_EQ(pixelsOf(kBlue), 0);
        window->EvTimer(5);
        text[bitBlit] = {pixelsOf(kBlack), boxOf(kBlack)};
        ModalScript script;
        script.type("Type out the flash text:", "", IDCANCEL);
        window->EvTimer(1);
        delete window;
    }
    // Drawn off screen and copied in one piece, the text looks the same.
    EXPECT_GT(text[0].first, 0);
    EXPECT_EQ(text[0], text[1]);
}

TEST_F(Drill, MultiLineTextIsCentredLineUnderLine) {
    WritePrivateProfileString("Ann", "OtherTargetNo", "60", ProfileName);
    open();
    random.longs = {0};
    random.ints = {32767};
    window->Command(48);
    ASSERT_EQ(window->displayText, sentenceOf(60, 'x'));
    const int lines = int(window->lineBreaks.size()) - 1;
    EXPECT_GE(lines, 3); // 20 characters a line
    window->EvTimer(4);
    window->EvTimer(5);
    const QRect text = boxOf(kBlack);
    const int width = window->flashArea()->canvas().width();
    EXPECT_LE(std::abs(text.left() - (width - 1 - text.right())), 8) << text.left();
    // The first line one line height down, each next one a line height lower.
    EXPECT_GE(text.top(), window->lineHeight);
    EXPECT_LE(text.bottom(), window->lineHeight * (lines + 1));
    EXPECT_GT(text.height(), window->lineHeight * (lines - 1));
    ModalScript script;
    script.type("Type out the flash text:", "", IDCANCEL);
    window->EvTimer(1);
}

TEST_F(Drill, VarietyFlashesShorterTextsAndKeepsTheLevel) {
    WritePrivateProfileString("Ann", "OtherTargetNo", "12", ProfileName);
    open();
    window->Command(27);
    EXPECT_TRUE(window->menuItem(27)->isChecked());
    const struct {
        int random;
        int length;
    } cases[] = {{0, 1}, {32767, 12}, {16384, 11}};
    for (const auto& c : cases) {
        random.ints = {c.random};
        random.longs = {0};
        window->Command(48);
        EXPECT_EQ(window->displayText.size(), c.length) << c.random;
        EXPECT_EQ(window->targetNo, 12);
        ModalScript script;
        script.type("Type out the flash text:", "", IDCANCEL);
        flash();
    }
}

TEST_F(Drill, RisesOfferTheGraphOnceAndRefreshIt) {
    open();
    random.ints = {0};
    ModalScript script;
    script.answer("Well done!", "You went UP by 3 level(s).", IDOK);
    script.answer("Your Progress graph", "SkimSprinter is going to display a graph", IDOK);
    script.answer("SkimSprinter", "Press \"OK\" to continue the exercises", IDOK);
    evaluate(6, 0);
    ASSERT_TRUE(script.finished());
    EXPECT_EQ(window->targetNo, 5);
    EXPECT_EQ(iniInt("Ann", "OtherTargetNo"), 5);
    EXPECT_EQ(window->levelTextLabel()->text(), "Level=5 (letters).");
    EXPECT_TRUE(sounds.played.contains("sound/lvup3.wav"));
    QPointer<GraphC> graph = window->drillGraph;
    ASSERT_FALSE(graph.isNull());
    EXPECT_TRUE(graph->isVisible());
    EXPECT_EQ(graph->drawing()->values().size(), 1);

    // The next rise asks nothing more and refreshes the open graph.
    script.answer("Well done!", "", IDOK);
    evaluate(6, 0);
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(window->drillGraph, graph.data());
    EXPECT_EQ(graph->drawing()->values().size(), 2);
    // Command 49 opens no second graph while it is open.
    window->Command(49);
    EXPECT_EQ(window->drillGraph, graph.data());

    // In a new window, a graph opened by hand means no offer either.
    reopen();
    EXPECT_TRUE(graph.isNull()); // it went with its window
    window->Command(49);
    ASSERT_NE(window->drillGraph, nullptr);
    EXPECT_EQ(window->drillGraph->drawing()->values().size(), 2);
    script.answer("Well done!", "", IDOK);
    evaluate(6, 0);
    EXPECT_TRUE(script.finished());
}

TEST_F(Drill, FallsAreAnnouncedWithTheirPictureAndSound) {
    WritePrivateProfileString("Ann", "OtherTargetNo", "5", ProfileName);
    const struct {
        int random;
        const char* picture;
    } cases[] = {{0, "DO_1"}, {32767, "DO_2"}};
    for (const auto& c : cases) {
        open();
        random.ints = {c.random};
        ModalScript script;
        script.then([&](QWidget& w) {
            auto& d = dynamic_cast<MyDialog&>(w);
            EXPECT_EQ(d.windowTitle(), "Bad Luck!");
            EXPECT_EQ(d.bitmapName(), c.picture);
            EXPECT_TRUE(d.text().contains("DOWN by 3"));
            return ModalScript::press(w, IDOK);
        });
        evaluate(0, 7);
        EXPECT_TRUE(script.finished());
        EXPECT_EQ(window->targetNo, 2);
        EXPECT_EQ(iniInt("Ann", "OtherTargetNo"), 2);
        EXPECT_EQ(sounds.count("sound/lvdown3.wav"), 1);
        sounds.played.clear();
        WritePrivateProfileString("Ann", "OtherTargetNo", "5", ProfileName);
        delete window;
        score.resetToStart();
    }
}

TEST_F(Drill, PastDrillsGraphOnlyWithStoredLevels) {
    open();
    ModalScript script;
    script.answer("No earlier drills recorded.", "", IDOK);
    window->Command(50);
    ASSERT_TRUE(script.finished());
    WritePrivateProfileString("Ann", "DrillScores", "4 5 7", ProfileName);
    script.then([](QWidget& w) {
        auto& graph = dynamic_cast<GraphC&>(w);
        EXPECT_EQ(graph.positionName(), "DrillPastGraph");
        EXPECT_EQ(graph.drawing()->values().size(), 3);
        return 0;
    });
    window->Command(50);
    EXPECT_TRUE(script.finished());
}

TEST_F(Drill, TitleScreenAndItsSoundOnTheFirstPaintOfTheRun) {
    open();
    const QImage& canvas = window->flashArea()->canvas();
    const QImage title = Art::image("TITLE", canvas.size());
    const QPoint mid(canvas.width() / 2, canvas.height() / 2);
    EXPECT_EQ(canvas.pixel(mid), title.pixel(mid));
    EXPECT_EQ(sounds.count("sound/green.wav"), 1);
    reopen(); // a later window's first paint is silent
    EXPECT_EQ(sounds.count("sound/green.wav"), 1);
    // The end of a series shows it again, with the sound.
    random.longs = {0};
    window->Command(48);
    ModalScript script;
    script.type("Type out the flash text:", "", IDCANCEL);
    flash();
    EXPECT_EQ(sounds.count("sound/green.wav"), 2);
}

TEST_F(Drill, UserResizeFitsTheFontAndIsRemembered) {
    open(); // the stored font height is the default, 20
    window->resize(window->width() + 200, window->height() + 150);
    QCoreApplication::processEvents();
    EXPECT_GT(window->flashFont.pixelSize(), 20);
    EXPECT_EQ(iniInt("Ann", "SizesFontHeight"), window->flashFont.pixelSize());
    EXPECT_GT(iniInt("Ann", "SizesScreenHeight"), 144);
    EXPECT_GT(iniInt("Ann", "SizesScreenWidth"), 298);
    EXPECT_EQ(sounds.count("sound/green.wav"), 1); // redrawn without a sound
}

TEST_F(Drill, PositionIsRememberedAndAPlaceOffEveryScreenIsNotUsed) {
    open();
    const QPoint byDefault = window->pos();
    // Showing where it was put is not a move of the user's.
    EXPECT_EQ(iniInt("Ann", "SizesScreenX"), -12345);
    window->move(300, 200);
    EXPECT_EQ(iniInt("Ann", "SizesScreenX"), 300);
    EXPECT_EQ(iniInt("Ann", "SizesScreenY"), 200);
    reopen();
    EXPECT_EQ(window->pos(), QPoint(300, 200));
    WritePrivateProfileString("Ann", "SizesScreenY", "31073", ProfileName);
    reopen();
    EXPECT_EQ(window->pos(), byDefault);
}

TEST_F(Drill, LevelAboveTheListsIsLoweredAndMissingListsEndTheRun) {
    WritePrivateProfileString("Ann", "OtherTargetNo", "70", ProfileName);
    open();
    ModalScript script;
    script.answer("Level Limit", "reached the level limit of the basic exercises", IDOK);
    script.answer("Level Limit", "Try decreasing the time delay", IDOK);
    random.longs = {0};
    random.ints = {32767};
    window->Command(48);
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(window->targetNo, 60);
    EXPECT_EQ(window->displayText, sentenceOf(60, 'x'));
    script.type("Type out the flash text:", "", IDCANCEL);
    flash();

    QDir(data.path() + "/sent_bas").removeRecursively();
    script.answer("Level Limit", "", IDOK);
    script.answer("Level Limit", "", IDOK);
    script.answer("sent_bas/w1.dat", "cannot read sentence file", IDOK);
    window->Command(48);
    EXPECT_EQ(terminated.statuses, std::vector<int>{1});
    EXPECT_FALSE(window->timerActive(4));
}

TEST_F(Drill, MenuCommandsChangeAndStoreTheirSettings) {
    WritePrivateProfileString("Ann", "OtherLevel", "4099", ProfileName); // 4096 + 3
    WritePrivateProfileString("Ann", "SizeLineCharWidth", "11", ProfileName);
    open();
    const struct {
        int command;
        const char* key;
        int stored;
    } cases[] = {
        {5, "OtherTargetNo", 12},  {9, "OtherTargetNo", 2},      {6, "OtherTargetNo", 2},
        {10, "TimesDisplayTimeMs", 60}, {15, "OtherLevel", 4098}, {51, "OtherLevel", 4098 + 256},
        {24, "OtherBitBlit", 1},   {27, "OtherLevelVariety", 1}, {44, "SizeLineCharWidth", 10},
        {25, "OtherAutoLevel", 0}, {3, "OtherTargetNo", 4},
    };
    for (const auto& c : cases) {
        window->Command(c.command);
        EXPECT_EQ(iniInt("Ann", c.key), c.stored) << c.command;
    }
    EXPECT_TRUE(window->menuItem(10)->isChecked());
    EXPECT_FALSE(window->menuItem(13)->isChecked());
    EXPECT_TRUE(window->menuItem(51)->isChecked());
    // With the automatic level off the display stays as it was.
    EXPECT_EQ(window->levelTextLabel()->text(), "Level=2 (letters).");
    window->Command(39);
    EXPECT_EQ(ini("Ann", "Muted"), "1");
    EXPECT_TRUE(window->menuItem(39)->isChecked());

    ModalScript script;
    script.answer("Minimum Page Width", "minimum page width of 10 characters", IDOK);
    window->Command(44);
    EXPECT_EQ(window->lineCharWidth, 10);
    script.type("Enter delay time", "15", IDOK);
    script.answer("Warning", "Some monitors and video cards cannot display", IDOK);
    window->Command(14);
    EXPECT_EQ(window->menuItem(14)->text(), "C&ustom (15 ms)");
    EXPECT_EQ(iniInt("Ann", "TimesDisplayTimeMs"), 15);
    script.answer("Custom time removed", "The delay time has reverted back to 25 mS", IDOK);
    window->Command(14);
    EXPECT_EQ(window->menuItem(14)->text(), "C&ustom");
    EXPECT_EQ(iniInt("Ann", "TimesDisplayTimeMs"), 25);
    script.type("Enter Level", "1", IDOK);
    window->Command(46);
    EXPECT_EQ(window->targetNo, 1);
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
    script.answer("Exercises done", "Well done, you have finished your drills for today.", IDYES);
    flash();
    EXPECT_TRUE(script.finished());
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(mon->activityDone[0]);
    const qsizetype next = sounds.played.lastIndexOf("sound/next.wav");
    ASSERT_GE(next, 0);
    EXPECT_TRUE(sounds.sync[size_t(next)]); // played to its end before the question
}

TEST_F(Drill, EachCloseRecordsOnceAndTheListStopsAtAThousandCharacters) {
    clock.date = QDate(2000, 1, 1);
    WritePrivateProfileString("Ann", "DrillScores", "4 5", ProfileName);
    open();
    window->close();
    window->close(); // a second close of the closed window records nothing more
    EXPECT_EQ(ini("Ann", "DrillScores"), "4 5"); // no level change in this run
    QFile sc2(state.dataHome() + "/skimsprinter/dot_sc2.dat");
    ASSERT_TRUE(sc2.open(QIODevice::ReadOnly));
    EXPECT_EQ(sc2.readAll(), "2451545\t2\n");

    for (int i = 0; i < 6; ++i)
        score.right();
    int change = 0, amount = 0;
    QString text;
    score.ShowScore(2, change, amount, text);
    const QString full999 = "1" + QString(" 1").repeated(499);
    WritePrivateProfileString("Ann", "DrillScores", full999.toLatin1().constData(), ProfileName);
    reopen();
    window->close();
    EXPECT_EQ(ini("Ann", "DrillScores"), full999 + " 2");
    ModalScript script;
    script.answer("SkimSprinter", "Cannot save drill results (too many to save), log  in next "
                                  "time and using a different profile name", IDOK);
    reopen();
    window->close();
    EXPECT_EQ(ini("Ann", "DrillScores"), full999 + " 2");
}

TEST_F(Drill, HandEditedValuesAreBroughtIntoRange) {
    const struct {
        const char *key, *value;
        int MyFrameWindow::*field;
        int expected;
    } cases[] = {
        {"OtherTargetNo", "-5", &MyFrameWindow::targetNo, 2},
        {"OtherTargetNo", "100000", &MyFrameWindow::targetNo, 1000},
        {"TimesDisplayTimeMs", "0", &MyFrameWindow::displayMs, 25},
        {"TimesDisplayTimeMs", "99999", &MyFrameWindow::displayMs, 1000},
        {"SizeLineCharWidth", "3", &MyFrameWindow::lineCharWidth, 20},
    };
    for (const auto& c : cases) {
        WritePrivateProfileString("Ann", c.key, c.value, ProfileName);
        reopen();
        EXPECT_EQ((*window).*(c.field), c.expected) << c.key << "=" << c.value;
        WritePrivateProfileString("Ann", c.key, "", ProfileName);
    }
}

TEST_F(Drill, BrokenListFilesFlashNothingButNeverHang) {
    writeList(data.path(), "word_bas/w2.dat", {});     // empty
    writeList(data.path(), "word_bas/w3.dat", {"ab"}); // cut in its only record
    WritePrivateProfileString("Ann", "SizesFontHeight", "0", ProfileName);
    open();
    random.longs = {12345};
    ModalScript script;
    for (int level : {2, 3}) {
        window->Command(48);
        EXPECT_EQ(window->displayText, "") << level;
        script.type("Type out the flash text:", "", IDCANCEL);
        flash();
        window->Command(2);
    }
    EXPECT_GE(window->flashFont.pixelSize(), 4); // a font height of 0 is not used as it is
    EXPECT_FALSE(window->drillRunning);
    EXPECT_TRUE(terminated.statuses.empty());
}

#include "reading/reading_fixture.h"

#include "exercise/edx.h"
#include "exercise/exercisewindow.h"
#include "reading/paced_session.h"
#include "reading/pacerdialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSlider>
#include <QSpinBox>

namespace {

const QString kLine1 = QStringLiteral("The morning train left the station a little after seven."),
              kLine2 = QStringLiteral("It was full of people going to work in the city."),
              kLine4 = QStringLiteral("Nobody spoke much.");
// A longer reading, each line its own words.
const QStringList kWalk = {
    QStringLiteral("We walked along the river before the sun was up."),
    QStringLiteral("The water was still and grey under a thin mist."),
    QStringLiteral("A heron stood on one leg near the far bank."),
    QStringLiteral("It did not move when the first boat went past."),
    QStringLiteral("Further on, the path turned away into the woods."),
    QStringLiteral("Birds called from the trees on every side of us."),
    QStringLiteral("We stopped for bread and cheese by an old gate."),
    QStringLiteral("Our feet were sore, but nobody wanted to stop."),
};
const QRgb kGrey = qRgb(128, 128, 128);

} // namespace

class Exercise : public ReadingTest {
protected:
    Exercise() {
        reading("pr_bas/p1.dat", (kLine1 + "\n" + kLine2 + "\n\n" + kLine4 + "\n").toLatin1());
        reading("pr_bas.dat", "The Morning Train\n1\n");
        put("Ann", "Used", "9");
        put("Ann", "LevelAdvanced", "0");
        mon = new LessonMonitor(nullptr, 4); // deleted with the other windows
        mon->SetupWindow();
    }
    void open(bool load = true, int readingNumber = 1) {
        delete window;
        window = new ExerciseWindow(mon, mon, "SkimSprinter Exercises", readingNumber);
        window->Create();
        window->show();
        if (load) window->EvTimer(0);
    }
    // Events 100 ms apart unless `sameMoment`, as X11 sends a repeat's pair.
    void key(QEvent::Type type, int k, bool repeat, bool sameMoment = false) {
        QKeyEvent e(type, k, Qt::NoModifier, QString(), repeat);
        e.setTimestamp(sameMoment ? moment : moment += 100);
        QApplication::sendEvent(window, &e);
    }
    void press(int k = Qt::Key_Return, bool repeat = false, bool sameMoment = false) {
        key(QEvent::KeyPress, k, repeat, sameMoment);
    }
    // A release counts once no press follows at the same moment; tests need not wait.
    void release(int k = Qt::Key_Return, bool repeat = false, bool settle = true) {
        key(QEvent::KeyRelease, k, repeat);
        if (settle) window->settleRelease();
    }
    // Presses until the line is finished (`andRelease`: and moves on).
    void finishLine(bool andRelease = true) {
        for (press(); !box()->lineFinished; press())
            release();
        if (andRelease) release();
    }
    // Presses and lets go until the window closes; counts the lines with groups to reveal.
    int pressUntilClosed(int most) {
        int withGroups = 0;
        for (int presses = 0; window->isVisible() && presses < most; ++presses) {
            withGroups += box()->nextGroup == 0 && box()->groupCount > 0;
            press();
            release();
        }
        return withGroups;
    }
    ExerciseBox* box() const { return window->box(); }
    QStringList finishedLines() const {
        QStringList done;
        for (int i = 0; i < box()->Display.TopLinesDone(); ++i)
            done << box()->Display.TopLine(i);
        return done;
    }
    int pageHeight() const { return window->canvas().height() - 2 * box()->Margin - 2 * box()->Offset; }
    // The colour of a bar clear of the gaps drawn over it: at its first word.
    QRgb at(const QRect& bar) { return window->canvas().pixel(bar.left() + 2, bar.center().y()); }
    QRect firstBar(const QString& line, int y) {
        return box()->shadowsOf(line, box()->Offset + box()->Margin, y).bars.front();
    }

    QPointer<ExerciseWindow> window;
    quint64 moment = 1000;
};

TEST_F(Exercise, TheSliderStartsAtTheStoredDivisionAndNothingLoadedIsInert) {
    const std::pair<const char*, int> cases[] = {{nullptr, 17}, {"7", 14}, {"abc", 20}, {"99", 1}};
    for (const auto& [stored, position] : cases) {
        WritePrivateProfileString("Ann", "ExerciseDivision", stored, ProfileName);
        open(false);
        EXPECT_EQ(window->shadowSlider()->value(), position) << (stored ? stored : "none");
        EXPECT_EQ(box()->division, 21 - position);
    }
    window->shadowSlider()->setValue(15); // a click on the groove: stored at once
    EXPECT_EQ(ini("Ann", "ExerciseDivision"), "6");
    // With nothing loaded keys and pacing do nothing.
    pressUntilClosed(1);
    window->Command(CM_PACEDREVEAL); // no dialog
    EXPECT_TRUE(window->isVisible() && !mon->activityDone[1] && !window->pacing());
}

// The current line drawn as shadows in the middle; each press reveals one group.
TEST_F(Exercise, EachPressRevealsOneGroupTheReleaseAfterTheLastMovesOnAndTheEndCloses) {
    open();
    QTest::qWait(150); // the window's first exposure redraws the page
    ASSERT_EQ(box()->lineText, kLine1);
    const int h = box()->LineHeight, y = box()->popY;
    EXPECT_EQ(y, box()->Offset + box()->Margin + pageHeight() / h / 2 * h);
    const Shadows::Line line = box()->shadowsOf(kLine1, box()->Offset + box()->Margin, y);
    const int n = box()->groupCount;
    ASSERT_GE(n, 3);
    ASSERT_EQ(line.bars.size(), size_t(n));
    for (const QRect& bar : line.bars)
        EXPECT_EQ(at(bar), kGrey);
    // The next line has its shadows below.
    EXPECT_EQ(at(firstBar(kLine2, y + h)), kGrey);
    const QRect bar = line.bars.front();

    press();
    EXPECT_EQ(box()->nextGroup, 1);
    EXPECT_NE(at(bar), kGrey); // words on white now
    // A held key: X11 repeats it as release/press pairs, marked as repeats or
    // not; then the press at the release's moment tells.
    for (bool marked : {true, true, false, false}) {
        release(Qt::Key_Return, marked, marked);
        press(Qt::Key_Return, marked, !marked);
    }
    EXPECT_EQ(box()->nextGroup, 1);
    // A second key while the first is held does nothing, pressed or released.
    press(Qt::Key_A);
    release(Qt::Key_A);
    EXPECT_EQ(box()->nextGroup, 1);
    // The window loses the keyboard while the key is down and the release goes elsewhere:
    // the key is forgotten, so the next press reveals.
    QWidget elsewhere;
    elsewhere.show();
    const auto leaveAndComeBack = [&] {
        elsewhere.activateWindow();
        QTRY_VERIFY(elsewhere.isActiveWindow());
        window->activateWindow();
        QTRY_VERIFY(window->isActiveWindow());
    };
    leaveAndComeBack();
    press();
    EXPECT_EQ(box()->nextGroup, 2);
    for (int k = 2; k < n; ++k) {
        release();
        press();
    }
    EXPECT_TRUE(box()->nextGroup == n && box()->lineFinished);
    // Lost again while held after the last group: the line stays until a release here.
    leaveAndComeBack();
    press();
    EXPECT_EQ(box()->lineText, kLine1);
    release(Qt::Key_Return, false, false);
    EXPECT_EQ(box()->lineText, kLine1); // a release counts once no press follows at once
    QTRY_COMPARE(box()->lineText, kLine2);
    EXPECT_TRUE(!box()->lineFinished && box()->nextGroup == 0 && box()->popY == y);
    EXPECT_EQ(finishedLines(), QStringList{kLine1});
    EXPECT_EQ(at(firstBar(kLine2, y)), kGrey); // exactly one line moved

    // An empty line is complete at the first press; the last line closes the window.
    finishLine();
    EXPECT_EQ(box()->groupCount, 0);
    press();
    EXPECT_TRUE(box()->lineFinished);
    release();
    EXPECT_EQ(box()->lineText, kLine4);
    EXPECT_FALSE(mon->activityDone[1]);
    finishLine();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(mon->activityDone[1]);
}

// A resize while the key is down, a few lines into the reading, at the start, in the
// middle and at the end of a line: the page keeps its place and what it shows, and a
// finished line stays finished until the release moves on by exactly one line.
TEST_F(Exercise, ARedrawWhileTheKeyIsDownKeepsThePlaceAndThePage) {
    reading("pr_bas/p1.dat", kWalk.join('\n').toLatin1() + '\n');
    const struct {
        const char* where;
        int division, presses; // 0: every group of the line
    } cases[] = {{"start", 4, 1}, {"end", 4, 0}, {"end, one group", 1, 1}};
    for (const auto& c : cases) {
        put("Ann", "ExerciseDivision", QString::number(c.division));
        open();
        finishLine();
        finishLine();
        ASSERT_EQ(box()->lineText, kWalk[2]) << c.where;
        const QImage hidden = window->canvas().copy();
        c.presses ? press() : finishLine(false);
        const bool finished = box()->lineFinished;
        ASSERT_EQ(finished, c.presses == 0 || c.division == 1) << c.where;
        const QImage held = window->canvas().copy();

        // One pixel taller, or shorter when that would move the middle line, and the redraw: a
        // line not finished starts again hidden, a finished one stays in words.
        const int h = box()->LineHeight, page = pageHeight();
        window->resize(window->width(), window->height() + ((page + 1) / h == page / h ? 1 : -1));
        QApplication::processEvents();
        window->EvTimer(1);
        EXPECT_EQ(std::tuple(box()->lineText, box()->nextGroup, box()->lineFinished),
                  std::tuple(kWalk[2], finished ? box()->groupCount : 0, finished)) << c.where;
        // The finished lines, the middle line and three below it stay where they were.
        const QRect kept = QRect(0, 0, held.width(), box()->popY + 4 * h) & held.rect();
        EXPECT_EQ(window->canvas().copy(kept), (finished ? held : hidden).copy(kept)) << c.where;

        release();
        const int current = finished ? 3 : 2;
        EXPECT_EQ(box()->lineText, kWalk[current]) << c.where;
        EXPECT_EQ(finishedLines(), kWalk.mid(0, current)) << c.where;
    }
}

// Odd readings: every one can be read to its end, which closes the window.
TEST_F(Exercise, OddReadingsRunToTheirEnd) {
    const QByteArray words = QByteArray("quick brown foxes ").repeated(34);
    const QString own =
        ownFile("own.txt", "Caf\xc3\xa9 au lait,\tth\xc3\xa9 vert.\n" + words + "\n");
    const struct {
        const char* name;
        QByteArray text;
        int division, lines; // lines with something to reveal
    } cases[] = {
        {"a 150-letter word", "a " + QByteArray(150, 'w') + " b\n", 4, 1},
        {"empty", "", 4, 0},
        {"a leading empty line", "\n" + kLine1.toLatin1() + "\n" + kLine2.toLatin1() + "\n", 4, 2},
        {"own text file", "", 4, 3}, // its long line wrapped: 3 or more
    };
    for (const auto& c : cases) {
        const bool ownFile = QByteArray(c.name) == "own text file";
        reading("pr_bas/p1.dat", c.text);
        put("Ann", "ExerciseDivision", QString::number(c.division));
        mon->activityDone[1] = false;
        open(false, ownFile ? -2 : 1);
        if (ownFile) script.then(choose(own));
        window->EvTimer(0);
        const int withGroups = pressUntilClosed(500);
        EXPECT_TRUE(!window->isVisible() && mon->activityDone[1]) << c.name;
        EXPECT_TRUE(ownFile ? withGroups >= c.lines : withGroups == c.lines) << c.name;
    }
}

// Paced reveal: the groups show by the clock, the line moves on after its last.
TEST_F(Exercise, PacedRevealShowsTheGroupsByTheClock) {
    FakeClock clock;
    open();
    script.then([](QWidget& w) {
        qobject_cast<PacerDialog*>(&w)->targetBox()->setValue(300); // 25 characters a second
        return ModalScript::press(w, 1);
    });
    window->Command(CM_PACEDREVEAL);
    ASSERT_TRUE(script.finished());
    EXPECT_EQ(window->windowTitle(), "SkimSprinter Exercises - [paced 300 wpm]");
    // Where each group of the first line ends, in characters.
    std::vector<int> ends;
    for (const QString& g : box()->groups)
        ends.push_back((ends.empty() ? 0 : ends.back()) + int(g.size()));
    ASSERT_GT(ends.size(), 1u);
    auto& pacer = window->pacedSession()->pacer();
    for (int ms = 40; box()->lineText == kLine1; ms += 40) {
        clock.now += 40;
        pacer.tick();
        if (box()->lineText != kLine1) break;
        // Shown: every group whose characters the pace has covered, no more.
        const double covered = ms * 0.025;
        int shown = 0;
        for (int end : ends)
            if (end <= covered + 1e-9) shown = end;
        ASSERT_EQ(box()->revealedChars(), shown) << "at " << ms << " ms";
    }
    // The line scrolled at once after its last group; the next one starts hidden.
    EXPECT_EQ(box()->lineText, kLine2);
    EXPECT_EQ(finishedLines(), QStringList{kLine1});
    // Keys steer, they do not reveal.
    press(Qt::Key_Up);
    release(Qt::Key_Up);
    EXPECT_EQ(window->windowTitle(), "SkimSprinter Exercises - [paced 310 wpm]");
    EXPECT_EQ(box()->revealedChars(), 0);

    script.answer("Paced Reveal", "Words read:", IDOK);
    press(Qt::Key_Escape);
    EXPECT_TRUE(script.finished());
    EXPECT_FALSE(window->pacing());
    EXPECT_TRUE(window->isVisible());
}

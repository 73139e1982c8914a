#include "support/shell_fixture.h"

#include "exercise/edx.h"
#include "exercise/exercisewindow.h"
#include "lesson/lessonmonitor.h"
#include "platform/locations.h"
#include "platform/message_box.h"
#include "platform/profile.h"
#include "reading/lstdialog.h"
#include "reading/readingpage.h"
#include "reading/speedtestwindow.h"
#include "shell/globals.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPointer>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kLine1 = QStringLiteral("The morning train left the station a little after seven.");
const QString kLine2 = QStringLiteral("It was full of people going to work in the city.");
const QString kLine4 = QStringLiteral("Nobody spoke much.");
const QRgb kGrey = qRgb(128, 128, 128);
const QRgb kLightGrey = qRgb(192, 192, 192);

} // namespace

class Exercise : public ShellTest {
protected:
    Exercise() {
        Locations::setDataDirOverride(data.path());
        QDir().mkpath(data.path() + "/pr_bas");
        writeReading((kLine1 + "\n" + kLine2 + "\n\n" + kLine4 + "\n").toLatin1());
        writeReading("The Morning Train\n1\n", "/pr_bas.dat");
        PersonName = "Ann";
        WritePrivateProfileString("Ann", "Used", "9", ProfileName);
        WritePrivateProfileString("Ann", "LevelAdvanced", "0", ProfileName);
        mon = new LessonMonitor(nullptr, 4);
        mon->SetupWindow();
    }
    void writeReading(const QByteArray& text, const char* name = "/pr_bas/p1.dat") {
        QFile f(data.path() + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }
    ~Exercise() override {
        delete window;
        delete mon;
        mon = nullptr;
        Locations::setDataDirOverride({});
    }

    void open(bool load = true) {
        delete window;
        window = new ExerciseWindow(mon, "SkimSprinter Exercises", 1);
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
    // Reveals the rest of the current line and lets go.
    void finishLine() {
        while (!box()->lineFinished) {
            press();
            if (!box()->lineFinished) release();
        }
        release();
    }
    ExerciseBox* box() const { return window->box(); }
    QRgb at(QPoint p) { return window->canvas().pixel(p); }
    // Share of a rectangle's pixels that are shadow grey.
    double greyShare(const QRect& r) {
        int grey = 0;
        for (int x = r.left(); x <= r.right(); ++x)
            for (int y = r.top(); y <= r.bottom(); ++y)
                grey += at(QPoint(x, y)) == kGrey;
        return double(grey) / (r.width() * r.height());
    }
    // A point of a bar clear of the gaps drawn over it: its first word.
    QPoint inBar(const QRect& r) { return QPoint(r.left() + 2, r.center().y()); }

    QTemporaryDir data;
    QPointer<ExerciseWindow> window;
    quint64 moment = 1000;
};

TEST_F(Exercise, SetUpWithoutTimerMenuAndTheSliderAtTheStoredDivision) {
    const struct {
        const char* stored;
        int position;
    } cases[] = {{nullptr, 17}, {"7", 14}, {"0", 20}, {"-3", 20}, {"99", 1}, {"abc", 20}};
    for (const auto& c : cases) {
        WritePrivateProfileString("Ann", "ExerciseDivision", c.stored, ProfileName);
        open(false);
        QSlider* slider = window->shadowSlider();
        ASSERT_NE(slider, nullptr);
        EXPECT_EQ(slider->value(), c.position) << (c.stored ? c.stored : "none");
        EXPECT_EQ(box()->division, 21 - c.position);
    }
    QSlider* slider = window->shadowSlider();
    EXPECT_EQ(QList<int>({slider->minimum(), slider->maximum(), slider->tickInterval(),
                          slider->pageStep()}),
              QList<int>({1, 20, 1, 1}));
    EXPECT_EQ(window->Menu->actions().first()->text(), "&Font");
    EXPECT_EQ(ExerciseWindow::sliderRect(QSize(500, 300), 16), QRect(16, 286, 468, 11));
    EXPECT_EQ(window->shadowSlider()->geometry(),
              ExerciseWindow::sliderRect(window->page()->size(), box()->Offset));
    window->CMContents();
    EXPECT_EQ(help.topics, std::vector<int>{47});

    // With nothing loaded a resize moves the slider and leaves the rest alone.
    window->resize(window->width(), window->height() + 40);
    QApplication::processEvents();
    EXPECT_EQ(window->shadowSlider()->geometry(),
              ExerciseWindow::sliderRect(window->page()->size(), box()->Offset));
    EXPECT_EQ(iniInt("Ann", "ExerciseScreenHeight"), -12345);
    // and keys do nothing: there is nothing to reveal, and the exercise is not over.
    press();
    release();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(mon->activityDone[1]);
}

TEST_F(Exercise, CurrentLineDrawnAsShadowsInTheMiddle) {
    open();
    ASSERT_EQ(box()->lineText, kLine1);
    const int a = box()->Offset + box()->Margin;
    const int h = box()->LineHeight;
    const int middle = (window->canvas().height() - 2 * box()->Margin - 2 * box()->Offset) / h / 2;
    EXPECT_EQ(box()->popY, a + middle * h);
    const Shadows::Line line = box()->shadowsOf(kLine1, a, box()->popY);
    ASSERT_EQ(line.bars.size(), size_t(box()->groupCount));
    for (const QRect& bar : line.bars) {
        EXPECT_EQ(at(inBar(bar)), kGrey);
        EXPECT_EQ(at(QPoint(bar.center().x(), bar.top() - 1)), qRgb(255, 255, 255));
        EXPECT_EQ(at(QPoint(bar.center().x(), bar.bottom() + 1)), qRgb(255, 255, 255));
    }
    for (const QRect& gap : line.gaps)
        EXPECT_EQ(at(gap.center()), kLightGrey);
    // The next line has its shadows below; nothing above the middle yet.
    EXPECT_EQ(at(inBar(box()->shadowsOf(kLine2, a, box()->popY + h).bars.front())), kGrey);
    EXPECT_EQ(at(QPoint(line.bars.front().center().x(), box()->popY - h / 2)), qRgb(255, 255, 255));
}

TEST_F(Exercise, EachPressRevealsOneGroupAndTheReleaseAfterTheLastMovesOn) {
    open();
    QTest::qWait(150); // the window's first exposure redraws the page
    const int n = box()->groupCount;
    ASSERT_GE(n, 3);
    const int y = box()->popY;
    const int a = box()->Offset + box()->Margin;
    const QRect firstBar = box()->shadowsOf(kLine1, a, y).bars.front();

    EXPECT_GT(greyShare(firstBar), 0.6);
    press();
    EXPECT_EQ(box()->nextGroup, 1);
    EXPECT_LT(greyShare(firstBar), 0.1); // words on white now
    // and they stay while the window idles: repainting its controls is no exposure.
    QTest::qWait(200);
    EXPECT_EQ(box()->nextGroup, 1);
    // A held key: X11 repeats it as release/press pairs marked as repeats.
    for (int i = 0; i < 3; ++i) {
        release(Qt::Key_Return, true);
        press(Qt::Key_Return, true);
    }
    EXPECT_EQ(box()->nextGroup, 1);
    // The same pair not marked as a repeat: the press at the release's moment tells.
    for (int i = 0; i < 3; ++i) {
        release(Qt::Key_Return, false, false);
        press(Qt::Key_Return, false, true);
    }
    EXPECT_EQ(box()->nextGroup, 1);
    EXPECT_EQ(window->keyHeld, Qt::Key_Return);
    // A second key while the first is held does nothing, pressed or released.
    press(Qt::Key_A);
    release(Qt::Key_A);
    EXPECT_EQ(box()->nextGroup, 1);
    release();
    EXPECT_EQ(box()->lineText, kLine1);

    for (int k = 1; k < n; ++k) {
        release();
        press();
    }
    EXPECT_EQ(box()->nextGroup, n);
    EXPECT_TRUE(box()->lineFinished);
    EXPECT_EQ(box()->lineText, kLine1); // held after the last group: not yet moved
    release(Qt::Key_Return, false, false);
    EXPECT_EQ(box()->lineText, kLine1); // a release counts once no press follows at once
    QTRY_COMPARE(box()->lineText, kLine2);
    EXPECT_FALSE(box()->lineFinished);
    EXPECT_EQ(box()->nextGroup, 0);
    EXPECT_EQ(box()->popY, y);
    EXPECT_EQ(box()->Display.TopLinesDone(), 1);
    EXPECT_EQ(box()->Display.topleftcharno, kLine1.size());
    // Exactly one line moved: the finished line is in words just above the middle.
    EXPECT_EQ(at(inBar(box()->shadowsOf(kLine2, a, y).bars.front())), kGrey);
    bool ink = false;
    for (int x = firstBar.left(); x <= firstBar.right(); ++x)
        for (int row = y - box()->LineHeight; row < y; ++row)
            ink = ink || qGray(at(QPoint(x, row))) < 100;
    EXPECT_TRUE(ink);
}

TEST_F(Exercise, EndOfTheReadingClosesTheWindowAndReportsTheExercise) {
    open();
    finishLine();
    finishLine();
    // An empty line is complete at the first press.
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

TEST_F(Exercise, SliderActsWhenAMoveEnds) {
    open();
    press();
    release();
    ASSERT_EQ(box()->nextGroup, 1);
    QSlider* slider = window->shadowSlider();
    slider->setValue(20); // a click on the groove: the move ends at once
    EXPECT_EQ(ini("Ann", "ExerciseDivision"), "1");
    EXPECT_EQ(box()->division, 1);
    EXPECT_EQ(box()->groupCount, 1);
    EXPECT_EQ(box()->nextGroup, 0); // the line starts again hidden
    EXPECT_EQ(box()->lineText, kLine1);

    slider->setSliderDown(true);
    slider->setValue(15);
    EXPECT_EQ(ini("Ann", "ExerciseDivision"), "1");
    slider->setSliderDown(false);
    EXPECT_EQ(ini("Ann", "ExerciseDivision"), "6");
    EXPECT_EQ(box()->division, 6);

    open();
    EXPECT_EQ(window->shadowSlider()->value(), 15);
}

// Odd readings: every one can be read to its end, which closes the window.
TEST_F(Exercise, OddReadingsRunToTheirEnd) {
    const QByteArray words = QByteArray("quick brown foxes ").repeated(34);
    const QByteArray ownPath = (data.path() + "/own.txt").toUtf8();
    QFile own(ownPath);
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.write("Caf\xc3\xa9 au lait,\tth\xc3\xa9 vert.\n" + words + "\n");
    own.close();
    const struct {
        const char* name;
        QByteArray text;
        int division;
        int lines; // lines with something to reveal
    } cases[] = {
        {"600 characters", words.left(600) + "\nend\n", 20, 2},
        {"a 150-letter word", "a " + QByteArray(150, 'w') + " b\n", 4, 1},
        {"60 separators", "left" + QByteArray(60, ' ') + "right\t\t\tmore\n", 10, 1},
        {"empty", "", 4, 0},
        {"no line feed", "one two three four five six seven", 4, 1},
        {"own text file", "", 4, 3}, // its long line wrapped to the screen: 3 or more
    };
    for (const auto& c : cases) {
        writeReading(c.text);
        WritePrivateProfileString("Ann", "ExerciseDivision", std::to_string(c.division).c_str(),
                                  ProfileName);
        mon->activityDone[1] = false;
        const bool ownFile = QByteArray(c.name) == "own text file";
        delete window;
        window = new ExerciseWindow(mon, "SkimSprinter Exercises", ownFile ? -2 : 1);
        window->Create();
        window->show();
        ModalScript script;
        if (ownFile)
            script.then([&](QWidget& w) {
                qobject_cast<QFileDialog*>(&w)->selectFile(QString::fromUtf8(ownPath));
                return int(QDialog::Accepted);
            });
        window->EvTimer(0);
        EXPECT_TRUE(script.finished()) << c.name;
        int withGroups = 0;
        for (int presses = 0; window->isVisible() && presses < 500; ++presses) {
            withGroups += box()->nextGroup == 0 && box()->groupCount > 0;
            press();
            release();
        }
        EXPECT_FALSE(window->isVisible()) << c.name;
        EXPECT_TRUE(mon->activityDone[1]) << c.name;
        if (ownFile)
            EXPECT_GE(withGroups, c.lines) << c.name;
        else
            EXPECT_EQ(withGroups, c.lines) << c.name;
    }
}

// A Quick lesson in the program's own windows, the exercise read to its end.
TEST_F(Exercise, QuickLessonRunsEveryActivityToTheLastQuestion) {
    delete mon;
    ModalScript script;
    auto prompt = [&](const char* name, bool list) {
        script.answer("Lesson Prompt", QStringLiteral("Time to do the %1, press").arg(name), IDOK);
        if (list)
            script.then([](QWidget& w) {
                EXPECT_NE(qobject_cast<LstDialog*>(&w), nullptr);
                return ModalScript::press(w, IDOK);
            });
    };
    prompt("Drills", false);
    mon = new LessonMonitor(nullptr, 0);
    mon->SetupWindow();
    ASSERT_NE(mon->activityWindow, nullptr);
    mon->activityWindow->close();

    prompt("Exercises", true);
    mon->EvTimer(1);
    window = qobject_cast<ExerciseWindow*>(mon->activityWindow);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "SkimSprinter Exercises");
    window->EvTimer(0);
    for (int presses = 0; window->isVisible() && presses < 100; ++presses) {
        press();
        release();
    }
    EXPECT_TRUE(mon->activityDone[1]);

    for (const char* reading :
         {"First Practice Reading", "Second Practice Reading", "Speed Test"}) {
        prompt(reading, QByteArray(reading) != "Speed Test");
        mon->EvTimer(1);
        auto* readingWindow = qobject_cast<SpeedTestWindow*>(mon->activityWindow);
        ASSERT_NE(readingWindow, nullptr) << reading;
        readingWindow->close();
    }
    EXPECT_TRUE(mon->LessonFinished());
    script.answer("Exit now?", "You have finished the Lesson, do you want to leave now?", IDNO);
    mon->EvTimer(1);
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(mon->lessonPlan, 4);
}

// A reading that begins with an empty line loses no line, on screen or in a redraw.
TEST_F(Exercise, LeadingEmptyLineKeepsTheOrderOfLines) {
    writeReading("\n" + kLine1.toLatin1() + "\n" + kLine2.toLatin1() + "\n");
    open();
    QStringList current{box()->lineText};
    for (int i = 0; i < 2; ++i) {
        finishLine();
        current << box()->lineText;
        box()->TextAllRedraw(nullptr, 0);
        EXPECT_EQ(box()->lineText.toStdString(), current.back().toStdString());
    }
    EXPECT_EQ(current, (QStringList{"", kLine1, kLine2}));
}

#include "reading_fixture.h"

#include "reading/readingpage.h"
#include "reading/testwindow.h"

#include <QAction>
#include <QProgressBar>

// What every reading window does, seen in the program's own reading window.
using ReadingWindow = ReadingWindowTest;

TEST_F(ReadingWindow, SetUpPlaysTheSoundReadsTheSettingsAndStartsTheTimers) {
    // Values the window cannot use give four steps, nothing checked and the default font.
    const struct {
        const char *scroll, *font;
        int check, steps, fontSize;
    } cases[] = {{"0", "16", 116, 16, 16}, {"3", "12", 113, 2, 12}, {"7", "500", 0, 4, 14}};
    put("Ann", "OtherTargetNo", "33");
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.scroll) + " / " + c.font);
        put("Ann", "SpeedTestScroll", c.scroll);
        put("Ann", "SpeedTestFontSize", c.font);
        sounds.played.clear();
        open(false, 11, false);
        EXPECT_EQ(sounds.played, QStringList{"sound/ststart.wav"});
        EXPECT_EQ(window->Box->StepsPerLine, c.steps);
        for (int id = 113; id <= 116; ++id)
            EXPECT_EQ(window->menuItem(id)->isChecked(), id == c.check) << id;
        EXPECT_EQ(window->Box->FontSize, c.fontSize);
        EXPECT_EQ(iniInt("Ann", "OtherTargetNo"), 33) << "other settings are kept";
        EXPECT_TRUE(window->timerActive(0) && window->timerActive(2));
        EXPECT_FALSE(enabled(CM_TIMERPAUSE) || enabled(CM_TIMERSTOP));
    }
    // The speed test has no start without timing, reading list or pacer.
    open(true, -1, false);
    for (int id : {CM_STARTGO, CM_PRACTICEREADINGS, CM_PACEDREADING, CM_PACEDREVEAL})
        EXPECT_FALSE(window->menuItem(id)) << id;
    window->Command(CM_PACEDREADING); // no dialog
}

TEST_F(ReadingWindow, KeysScrollPaintsRedrawLaterAndTheHintGoesAway) {
    open(false);
    QCoreApplication::processEvents();
    window->EvTimer(1);
    window->Command(CM_SCROLLMEDIUM);
    EXPECT_EQ(ini("Ann", "SpeedTestScroll"), "2"); // its place in the menu, stored at once
    QTest::keyPress(window, Qt::Key_Space);
    EXPECT_TRUE(window->Box->StepCount == 0 && window->timerActive(2));
    QTest::keyClick(window, Qt::Key_Down);
    EXPECT_FALSE(window->timerActive(2));
    // A held key: auto-repeated presses scroll on; Alt belongs to the menu.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(window, &repeat);
    QCoreApplication::sendEvent(window, &repeat);
    QTest::keyClick(window, Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(window->Box->StepCount, 3);
    QTest::keyClick(window, Qt::Key_A);
    EXPECT_EQ(window->Box->Display.topleftcharno, 6) << "four steps made a line";
    // The progress bar moving on is no paint request that would snap the page back.
    QTest::keyClick(window, Qt::Key_Down);
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->Progress->value() == 6 && !window->timerActive(1));
    // Paint requests redraw the page 50 ms later, not while a step presents it.
    PaintLock = 1;
    window->Paint();
    EXPECT_FALSE(window->timerActive(1));
    PaintLock = 0;
    window->Paint();
    EXPECT_TRUE(window->timerActive(1));
    window->EvTimer(1);
    EXPECT_EQ(window->Box->StepCount, 0) << "the redraw snaps to the whole line";
    script.answer("Hint", "Press the down arrow on the keyboard to make this window scroll down.",
                  IDOK);
    window->EvTimer(2);
}

TEST_F(ReadingWindow, ResizingKeepsTheWidthToTheTextAndRemembersTheHeight) {
    open(true);
    const int width = window->width();
    // A storm of resizes writes nothing until it has settled, then the last height.
    const QByteArray before = state.readIni();
    for (int h = 220; h <= 420; ++h) {
        window->resize(width + 150, h);
        QCoreApplication::processEvents();
    }
    QTRY_COMPARE(window->height(), 420);
    EXPECT_TRUE(window->width() == width && state.readIni() == before);
    QTRY_COMPARE(iniInt("Ann", "SpeedTestScreenHeight"), window->frameGeometry().height());
    EXPECT_EQ(window->Box->TextHeight, window->page()->height() - 2 * window->Box->Offset);
    open(true);
    EXPECT_EQ(window->frameGeometry().height(), iniInt("Ann", "SpeedTestScreenHeight"));
}

TEST_F(ReadingWindow, FileNamesFollowTheModeAndTheTestNumber) {
    const std::tuple<bool, int, const char*, QString> cases[] = {
        {true, -1, "-3", "st_adv/st1.dat"}, {false, 7, "3", "pr_adv/p7.dat"}};
    lesson.advanced = true;
    for (const auto& [speed, number, stored, file] : cases) {
        put("Ann", "SpeedTestNumber", stored);
        SpeedTestWindow w(nullptr, &lesson, "", "", number, speed);
        w.SetLoadFile();
        EXPECT_EQ(w.LoadFile, file);
    }
}

TEST_F(ReadingWindow, ARefusedFileChangesNothingAChosenOneOrAListedReadingIsRead) {
    const QString bad = ownFile("bad.txt", QByteArray("bin\0ary", 7));
    const QString good = ownFile("texts/good.txt", "Good words.\n");
    reading("pr_bas.dat", "Reading three\n3\n");
    reading("pr_bas/p3.dat", "Reading three.\n");
    open(false);
    const QString caption = window->windowTitle();
    const QImage page = window->canvas().copy();
    script.then(choose(bad, QDir::homePath()))
        .answer("Could not read file", "is not a plain text file", IDOK);
    window->Command(CM_TEXTFILE);
    EXPECT_TRUE(script.finished()) << "one message";
    EXPECT_TRUE(window->windowTitle() == caption && window->canvas() == page);
    EXPECT_TRUE(window->State == 0 && !window->textFileChosen());
    EXPECT_EQ(ini("Ann", "TextFileFolder"), "<none>");

    // A timing the user keeps: no file dialog at all.
    window->Command(CM_TIMERSTART);
    script.answer("Quit speed test?", "abort this speed test?", IDNO);
    window->Command(CM_TEXTFILE);
    EXPECT_EQ(window->State, 1);
    script.answer("Quit speed test?", "abort this speed test?", IDYES).then(choose(good, QDir::homePath()));
    window->Command(CM_TEXTFILE);
    EXPECT_EQ(window->windowTitle(), "SkimSprinter Practice Reading [started]");
    EXPECT_TRUE(window->ReadingNumber == -1 && window->Box->DisplayText.startsWith("Good words.\n"));
    script.then(choose(good, QFileInfo(good).absolutePath()));
    window->Command(CM_TEXTFILE);
    EXPECT_TRUE(script.finished());
    // A reading chosen from the window's list.
    script.answer("Choose another reading", "", IDOK);
    window->Command(CM_PRACTICEREADINGS);
    EXPECT_TRUE(window->Box->DisplayText.startsWith("Reading three.\n"));
}

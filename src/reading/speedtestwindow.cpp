#include "reading/speedtestwindow.h"
#include "reading/reading_list.h"

#include "graph/graphc.h"
#include "graph/stored_results.h"
#include "lesson/lesson.h"
#include "platform/clock.h"
#include "platform/help.h"
#include "platform/locations.h"
#include "platform/message_box.h"
#include "reading/comprehension.h"
#include "reading/comprehensiondialog.h"
#include "reading/question_file.h"
#include "reading/paced_session.h"
#include "reading/pacerdialog.h"
#include "reading/reading_pace.h"
#include "reading/scr.h"
#include "reading/speed_result.h"
#include "shell/globals.h"
#include "shell/settings.h"
#include "shell/sounds.h"

#include <QCloseEvent>
#include <QFile>
#include <QKeySequence>

#include <cstdio>

const char* const SpeedTestWindow::kEndLine = "\n*** PRESS THE SPACE BAR NOW ***";

namespace {

bool dataFileExists(const QString& name) {
    QFile f(Locations::dataPath(name));
    return f.open(QIODevice::ReadOnly);
}

} // namespace

SpeedTestWindow::SpeedTestWindow(QWidget* parent, Lesson* lesson, const QString& title,
                                 const QString& name, int readingNumber, bool speedTest)
    : TestWindow(parent, lesson, title, name, readingNumber, speedTest) {
    commands.add(CM_TIMERSTART, [this] { CMTimerStart(); });
    commands.add(CM_TIMERPAUSE, [this] { CMTimerPause(); });
    commands.add(CM_TIMERSTOP, [this] { CMTimerStop(); });
    commands.add(CM_TIMERQUIT, [this] { CMTimerQuit(); });
    commands.add(CM_STARTGO, [this] { CMStartGo(); });
    commands.add(CM_PACEDREADING, [this] { CMPacedReading(); });
}

SpeedTestWindow::~SpeedTestWindow() {
    // Before the box goes with the base window.
    paced_.reset();
    pace_.reset();
}

void SpeedTestWindow::SetupWindow() {
    Box = new ScrollTextBox(1);
    pace_ = std::make_unique<ReadingPace>(*Box);
    paced_ = std::make_unique<PacedSession>(*this, *pace_,
                                            QStringLiteral("SkimSprinter Practice Reading"),
                                            QStringLiteral("Paced Reading"));
    paced_->onEnded = [this] { pacedReadingEnded(); };
    TestWindow::SetupWindow();
    removeMenuItem(CM_PACEDREVEAL);
    // A test measures; only practice readings are paced.
    if (SpeedTest)
        removeMenuItem(CM_PACEDREADING);
    else
        setMenuShortcut(CM_PACEDREADING, QKeySequence(Qt::CTRL | Qt::Key_P));
}

bool SpeedTestWindow::pacing() const {
    return paced_ && paced_->active();
}

void SpeedTestWindow::CMPacedReading() {
    if (SpeedTest || pacing()) return;
    int target = 0, raise = 0;
    if (!PacerDialog::ask(this, target, raise)) return;
    // From the top, as a timed start: a running reading ends first.
    if (!TerminateTiming() || !readingChosen()) return;
    loadReading();
    stopTimer(2);
    playSound("sound/sttmon.wav");
    StartGoEnable = 0;
    StartTimerEnable = 0;
    PauseEnable = 0;
    StopEnable = 1;
    EvCommandEnable();
    paced_->start(target, raise);
}

void SpeedTestWindow::pacedReadingEnded() {
    playSound("sound/sttmoff.wav");
    setCaption("SkimSprinter Practice Reading - [finished]", "");
    // It counts as read, as any practice reading does when it closes.
    close();
}

void SpeedTestWindow::PostDraw() {
    // A full redraw put the page back to a line start: scroll on to the pace now.
    if (pacing()) paced_->pacer().tick();
}

void SpeedTestWindow::EvKeyDown(int key, bool autoRepeat) {
    if (pacing()) {
        stopTimer(2);
        paced_->key(key, autoRepeat);
        return;
    }
    TestWindow::EvKeyDown(key, autoRepeat);
}

void SpeedTestWindow::LoadInitial() {
    Box->load(SpeedTest ? QStringLiteral("instr.dat") : QStringLiteral("instr_pr.dat"));
}

void SpeedTestWindow::setCaption(const char* practice, const char* speedTest) {
    setWindowTitle(QString::fromLatin1(SpeedTest ? speedTest : practice));
}

void SpeedTestWindow::loadReading() {
    const bool ownFile = textFileChosen();
    if (SpeedTest && !ownFile) {
        // A number that names no text (hand-edited, or the texts changed) starts again at 1.
        const int number = Settings::userInt("SpeedTestNumber", 1);
        if (number < 1 || !dataFileExists(speedTestFileName(advanced(), number)))
            Settings::writeUserInt("SpeedTestNumber", 1);
    }
    // Leaves a file the user chose in place.
    SetLoadFile();
    // Only a new text puts its end off the page again; a resumed timing keeps it.
    NearEnd = false;
    questionFile_.clear();
    if (loadChosenText()) {
        Box->addto(QString::fromLatin1(kEndLine));
        Box->TextAllRedraw(nullptr, 0);
        // Only the numbered texts have questions.
        if (SpeedTest && !ownFile) questionFile_ = questionFileName(LoadFile);
    }
    readingLoaded_ = true;
    if (SpeedTest && !ownFile) advanceSpeedTestNumber();
}

void SpeedTestWindow::advanceSpeedTestNumber() {
    const int next = SpeedTestNumber + 1;
    Settings::writeUserInt("SpeedTestNumber", next);
    LoadFile = speedTestFileName(advanced(), next);
    if (!dataFileExists(LoadFile)) Settings::writeUserInt("SpeedTestNumber", 1);
}

bool SpeedTestWindow::readingChosen() {
    // Opened for the user's own file, with the file dialog cancelled: ask again now.
    if (ReadingNumber == -2 && LoadFile.isEmpty()) CMTextFile();
    return !(ReadingNumber == -2 && LoadFile.isEmpty());
}

void SpeedTestWindow::CMTimerStart() {
    if (State != 0 || !readingChosen()) return;
    Timed = 1;
    if (!readingLoaded_) loadReading();
    playSound("sound/sttmon.wav");
    State = 1;
    StartTick = timeGetTime();
    StartGoEnable = 0;
    StartTimerEnable = 0;
    PauseEnable = 1;
    StopEnable = 1;
    EvCommandEnable();
    setCaption("SkimSprinter Practice Reading - [timing]", "SkimSprinter Speed Test - [timing]");
}

void SpeedTestWindow::CMStartGo() {
    if (SpeedTest) {
        // A speed-test window gets here only after the user chose a file of their own:
        // it is shown, and the next start times it from its top.
        readingLoaded_ = false;
        return;
    }
    if (!readingChosen()) return;
    if (!readingLoaded_) loadReading();
    State = 2;
    PauseEnable = 0;
    StartTimerEnable = 0;
    StartGoEnable = 0;
    StopEnable = 1;
    EvCommandEnable();
    setWindowTitle(QStringLiteral("SkimSprinter Practice Reading [started]"));
}

void SpeedTestWindow::CMTimerPause() {
    if (State != 1) return;
    State = 0;
    playSound("sound/sttmoff.wav");
    setCaption("SkimSprinter Practice Reading - [paused]", "SkimSprinter Speed Test - [paused]");
    Accumulated += timeGetTime() - StartTick;
    StartTimerEnable = 1;
    PauseEnable = 0;
    StopEnable = 0;
    EvCommandEnable();
}

bool SpeedTestWindow::TerminateTiming() {
    // Another text while pacing: the paced run is given up without its message.
    if (pacing()) paced_->abandon();
    if (!NearEnd && Timed) {
        const int answer = MessageBox(
            this,
            QStringLiteral(
                "You have not finished this timing.  Do you want to abort this speed test?"),
            QStringLiteral("Quit speed test?"), MB_YESNO);
        if (answer != IDYES) return false;
        Timed = 0;
        if (ReadingNumber == -2) ReadingNumber = -1;
    }
    StartGoEnable = 1;
    StartTimerEnable = 1;
    PauseEnable = 0;
    StopEnable = 0;
    EvCommandEnable();
    Accumulated = 0;
    readingLoaded_ = false;
    State = 0;
    return true;
}

void SpeedTestWindow::CMTimerStop() {
    if (pacing()) {
        paced_->end();
        return;
    }
    const unsigned kept = Accumulated;
    const int state = State;
    if (!TerminateTiming()) return;
    playSound("sound/sttmoff.wav");
    setCaption("SkimSprinter Practice Reading - [finished]",
               "SkimSprinter Speed Test - [finished]");
    // A paused timing has nothing running since its pause.
    const unsigned now = state == 1 ? timeGetTime() : StartTick;
    const ReadingSpeed speed =
        readingSpeed(Box->TextLength(), timedMilliseconds(now, StartTick, kept));
    if (Timed) {
        MessageBox(this, speedMessage(speed), QStringLiteral("Speed Test Time"), MB_OK);
        const QString comprehension = checkComprehension(speed.wordsPerMinute);
        if (MessageBox(this,
                       QStringLiteral("Do you want to save this time (did the test go smoothly)?"),
                       QStringLiteral("Save Results?"), MB_YESNO) == IDYES) {
            QString scores = Settings::userString("SpeedTestScores", "", kScoreListBuffer);
            // As much of the comprehension list as the graph reads.
            QString entries =
                Settings::userString("SpeedTestComprehension", "", kMaxStoredListChars + 1);
            if (appendResult(scores, entries, speed.wordsPerMinute, comprehension)) {
                Settings::writeUserString("SpeedTestScores", scores);
                Settings::writeUserString("SpeedTestComprehension", entries);
            } else {
                MessageBox(this,
                           QStringLiteral("Future scores will not be recorded as so many speed "
                                          "tests have been done.  Change Your user name and start "
                                          "again."),
                           QString(), MB_OK);
            }
        }
        if (MessageBox(this, QStringLiteral("Do you want to look at your previous scores?"),
                       QStringLiteral("Results"), MB_YESNO) == IDYES &&
            STOK(this))
            runStoredGraph(this, QStringLiteral("SpeedTestScores"), QStringLiteral("SpeedGraph"));
    }
    close();
}

QString SpeedTestWindow::checkComprehension(float wordsPerMinute) {
    if (!SpeedTest) return practiceEntry();
    if (questionFile_.isEmpty()) return noCheckEntry();
    const QuestionFile file = readQuestionFile(questionFile_);
    if (!file.ok()) {
        // A broken file costs this test its check, not the run.
        std::fprintf(stderr, "SkimSprinter: %s\n",
                     qPrintable(questionFileProblem(Locations::dataPath(questionFile_), file)));
        return noCheckEntry();
    }
    const std::optional<std::vector<int>> answers = askQuestions(this, file.questions);
    if (!answers) return noCheckEntry();
    MessageBox(this, comprehensionMessage(file.questions, *answers, wordsPerMinute),
               QStringLiteral("Comprehension"), MB_OK);
    return percentEntry(scoreAnswers(file.questions, *answers));
}

void SpeedTestWindow::CMTimerQuit() {
    close();
}

void SpeedTestWindow::closeEvent(QCloseEvent* event) {
    // Quit or a close while pacing gives the run up quietly.
    if (pacing()) paced_->abandon();
    if (State == 1) {
        State = 0;
        MessageBox(this, QStringLiteral("You have aborted this timing."),
                   QStringLiteral("Exit Speed test"), MB_OK | MB_ICONEXCLAMATION);
    }
    TestWindow::closeEvent(event);
}

void SpeedTestWindow::FinishedScrolling() {
    if (pacing())
        paced_->end();
    else if (State != 0)
        CMTimerStop();
    else
        MessageBox(this,
                   QStringLiteral(
                       "You have finished reading the instructions. Press the space bar to start."),
                   QString(), MB_OK);
}

void SpeedTestWindow::CMContents() {
    WinHelpTopic(helpfile, ReadingNumber < 0 ? 26 : 29);
}

void SpeedTestWindow::EvKeyUp(int key, bool autoRepeat) {
    // A held space bar is one press and one release; while pacing it pauses on its press.
    if (key != Qt::Key_Space || autoRepeat || pacing()) return;
    if (State != 0)
        CMTimerStop();
    else if (SpeedTest || Timed)
        // A paused timed reading resumes its timer.
        CMTimerStart();
    else
        CMStartGo();
}

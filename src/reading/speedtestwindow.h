#pragma once

#include "reading/testwindow.h"

#include <memory>

class PacedSession;
class ReadingPace;

// The reading window of practice readings and speed tests: shows the instructions,
// loads the reading at the first start, times the reading on the millisecond clock
// (with pauses), and at the end reports the speed, asks the questions of a numbered
// test, offers to save the speed in "SpeedTestScores" (and the comprehension beside it
// in "SpeedTestComprehension") and closes. Speed tests go through the numbered test texts.
class SpeedTestWindow : public TestWindow {
    Q_OBJECT
public:
    SpeedTestWindow(QWidget* parent, Lesson* lesson, const QString& title, const QString& name,
                    int readingNumber, bool speedTest);
    ~SpeedTestWindow() override;

    void SetupWindow() override;
    void LoadInitial() override;
    bool TerminateTiming() override;
    void CMStartGo() override;
    void FinishedScrolling() override;
    void CMContents() override;
    void EvKeyDown(int key, bool autoRepeat) override;
    void PostDraw() override;
    void EvKeyUp(int key, bool autoRepeat) override;

    void CMTimerStart();
    void CMTimerPause();
    void CMTimerStop();
    void CMTimerQuit();
    // Asks for a target and scrolls the reading from its top at that pace.
    void CMPacedReading();
    bool pacing() const;
    PacedSession* pacedSession() const { return paced_.get(); }

    // The line every reading ends with, counted in its length.
    static const char* const kEndLine;

    // 0 idle (not started, or paused), 1 timing, 2 started without the timer.
    int State = 0;
    int Timed = 0;
    unsigned StartTick = 0;
    unsigned Accumulated = 0;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // False when there is still no file for a window opened for the user's own file.
    bool readingChosen();
    // Puts the reading on the page for its first start, with the end line.
    void loadReading();
    // Moves "SpeedTestNumber" on, back to 1 when there is no next text.
    void advanceSpeedTestNumber();
    void setCaption(const char* practice, const char* speedTest);
    // Asks the questions of the text just timed and tells the result; what the comprehension
    // list gets for this reading.
    QString checkComprehension(float wordsPerMinute);

    void pacedReadingEnded();

    // The reading (not the instructions) is on the page for this run.
    bool readingLoaded_ = false;
    // The questions of the numbered text on the page; empty for any other text.
    QString questionFile_;
    std::unique_ptr<ReadingPace> pace_;
    std::unique_ptr<PacedSession> paced_;
};

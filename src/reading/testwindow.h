#pragma once

#include "platform/commands.h"
#include "reading/own_reading.h"
#include "reading/readinghost.h"
#include "shell/swindow.h"

#include <QMap>

class QAction;
class QKeySequence;
class QMenuBar;
class QProgressBar;
class QTimer;
class ReadingPage;
class Lesson;
class ScrollTextBox;

// Command ids of the "SPEED" menu.
enum ReadingCommand : int {
    CM_SCROLLHELP = 110,
    CM_FONTHELP = 111,
    CM_TIMERHELP = 112,
    CM_SCROLLCOURSE = 113,
    CM_SCROLLMEDIUM = 114,
    CM_SCROLLSMOOTH = 115,
    CM_SCROLLVERYSMOOTH = 116,
    CM_FONTSMALLER = 117,
    CM_FONTLARGER = 118,
    CM_TIMERQUIT = 119,
    CM_TIMERSTOP = 120,
    CM_TIMERSTART = 121,
    CM_TIMERPAUSE = 122,
    CM_STARTGO = 124,
    CM_PRACTICEREADINGS = 125,
    CM_VIEWHELP = 126,
    CM_SCROLLNOW = 127,
    CM_TEXTFILE = 128,
    CM_SPEEDRESULTS = 129,
    CM_ABOUT = 130,
    CM_CONTENTS = 133,
    // Ours, beyond the described menu.
    CM_PACEDREADING = 200,
    CM_PACEDREVEAL = 201,
    CM_PASTETEXT = 202,
};

// The frame window a reading scrolls in: the text box, the progress bar above the
// page, the "SPEED" menu, font and smoothness settings, the scrolling hint, and
// the choice of another reading or of the user's own text file. Subclasses create
// Box before this set-up runs and supply LoadInitial and FinishedScrolling.
class TestWindow : public SWindow, public ReadingHost {
    Q_OBJECT
public:
    // title: caption; name: the remembered-position name and prefix of its height key.
    // lesson: the lesson the window reports to and takes the mode from; may be null.
    TestWindow(QWidget* parent, Lesson* lesson, const QString& title, const QString& name,
               int readingNumber, bool speedTest);
    ~TestWindow() override;

    void SetupWindow() override;

    // What the text box calls.
    void SetProgress(int value) override;
    void SetProgressMax(int max) override;
    void EnableTimerStop() override { NearEnd = true; }
    void TextLoaded() override {}
    void FinishedScrolling() override = 0;
    bool padText() const override { return PadText != 0; }
    QImage& canvas() override;
    void present(const QRect& rect) override;
    int outerWidthFor(int clientWidth) const override;
    void setOuterWidth(int outerWidth) override;

    // Keys as the window gets them (Qt key codes); a held key repeats presses.
    virtual void EvKeyDown(int key, bool autoRepeat);
    virtual void EvKeyUp(int /*key*/, bool /*autoRepeat*/) {}
    // A paint request of the window system.
    virtual void Paint();
    virtual void CMContents();
    // The close query: tells the lesson monitor the activity is done.
    virtual bool CanClose();
    virtual void LoadInitial() = 0;
    // Ends any timing before another text is loaded; false keeps the current one.
    virtual bool TerminateTiming() { return true; }
    virtual void CMStartGo() {}
    // After every full redraw of the page.
    virtual void PostDraw() {}

    // Every menu command goes through here; a command the menu shows grey does nothing.
    void Command(int id);
    void EvTimer(int id);
    void EvSize();
    // Greys and checks the menu items from the enable fields.
    void EvCommandEnable();

    void CMFontLarger();
    void CMFontSmaller();
    void CMScrollVerySmooth();
    void CMScrollSmooth();
    void CMScrollMedium();
    void CMScrollCourse();
    void CMScrollNow();
    void CMTextFile();
    // View | Paste Text: the clipboard's text read as an own text.
    void CMPasteText();
    void CMPracticeReadings();
    void ViewSpeedTestResults();
    void SetLoadFile();

    // What the menu lets the user send now.
    bool commandEnabled(int id) const;
    // True once the user's own text (a file, a chapter, pasted text) replaced the numbered text.
    bool textFileChosen() const { return own_.chosen(); }
    const OwnReading& ownReading() const { return own_; }
    QAction* menuItem(int id) const { return menu_.value(id, nullptr); }
    bool timerActive(int id) const;
    ReadingPage* page() const { return page_; }
    QString name() const { return positionName(); }
    Lesson* lesson() const { return lesson_; }
    // The mode of the lesson (basic without one).
    bool advanced() const;

    // The progress bar's place for an offset and a width (client width on a
    // resize, window width at set-up, where the bar is a little taller).
    static QRect progressRect(int offset, int width, bool atSetup);

    CommandTable commands;

    QProgressBar* Progress = nullptr;
    bool SpeedTest;
    bool NearEnd = false;
    ScrollTextBox* Box = nullptr;
    int PracticeEnable = 1;
    int StartTimerEnable = 1;
    int StopEnable = 0;
    int PauseEnable = 0;
    int StartGoEnable = 1;
    int ScrollCheck = 0;
    QMenuBar* Menu = nullptr;
    int SpeedTestNumber = 1;
    int ReadingNumber;
    QString LoadFile;
    int PadText = 0;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void startTimer(int id, int ms);
    void stopTimer(int id);
    void setCheckedItem(int id);
    void removeMenuItem(int id);
    // Gives a menu item a key of its own; the menu shows it beside the text.
    void setMenuShortcut(int id, const QKeySequence& keys);
    // Loads the text to read: the own text chosen, else LoadFile. A practice reading or an
    // exercise offers to go on where the user stopped in an own text. False when nothing
    // could be read.
    bool loadChosenText();

private:
    void placeProgress();
    void setSmoothness(int id, int setting);
    // The file dialog; false when nothing was chosen.
    bool chooseTextFile();
    // Reads an own text in place of the reading from now on.
    void useOwnText(OwnText text);
    // Keeps where the user is in the own text shown, for the next time it is opened.
    void rememberPlace();

    Lesson* lesson_;
    ReadingPage* page_;
    QMap<int, QAction*> menu_;
    QTimer* timers_[3] = {nullptr, nullptr, nullptr};
    QSize outerSize_;
    bool shownOnce_ = false;
    bool setUp_ = false;
    bool reported_ = false;
    OwnReading own_;
};

#pragma once

#include "platform/commands.h"
#include "shell/settled_settings.h"

#include <QImage>
#include <QMainWindow>
#include <QMap>

class QAction;
class QLabel;
class QTimer;
class Lesson;
class MyZWindow;
class GraphC;

// The drill window: the flash area, the chain of one-shot timers that makes one
// drill, the level, speed and option settings, the menus, the level display and
// the announcements. The text side (choice, layout, drawing, the question) is
// supplied by MyFrameWindow.
class Base : public QMainWindow {
    Q_OBJECT
public:
    // lesson: the lesson the drills run in (mode, sound, answers wanted); may be null.
    Base(QWidget* parent, Lesson* lesson, const QString& caption, MyZWindow* client);
    ~Base() override;

    // Runs the set-up once; call before the first show.
    void Create();
    virtual void SetupWindow();

    // The text side.
    virtual void UnDrawItem(int) {}
    virtual void UnDrawItems() = 0;
    virtual int question() = 0;
    virtual void DrawIt(int length) = 0;
    virtual void ReCheckDerivedMenus() = 0;
    virtual void ReSize(int mode, QSize* size = nullptr) = 0;
    virtual void CalculateLineBreaks() = 0;
    virtual void DrawShadows() = 0;

    // Every menu command: the menu sound, then the handler.
    void Command(int id);
    void EvTimer(int id);

    // The drill cycle.
    void Drills();
    void PrepareDrill();
    void GettingClose();
    void DrawItems2();
    void FinishOff();
    void ExercisesFinish();
    void CalculateNextTargetNo();
    void CrossHairs(int second);
    void GreenScreenDraw(bool fromPaint, bool noSound);
    void ShowScore();
    void SaveTarget();
    void ReCheckMenu();
    void Clear();
    void ClearDraw();
    void DrawToScreen();
    void ClearDCs(bool first);

    // Level, speed and option commands.
    void PlusN(int n);
    void MinusN(int n);
    void CustomLevel();
    void SetSpeed(int ms);
    void Custom();
    void CMAutoLevel();
    void CMLevelVariety();
    void L1();
    void L8();
    void ScreenUpdate();
    void sl();
    static void toggle(int& word, int bit) { word = (word & bit) ? (word & ~bit) : (word | bit); }

    // Graphs, help and closing.
    void CMDrillResults();
    void CMPastDrillResults();
    void DrillsGraphClosed();
    void CMQuit();
    bool CanClose();

    QAction* menuItem(int id) const { return menu_.value(id, nullptr); }
    bool timerActive(int id) const;
    QLabel* levelTextLabel() const { return levelText_; }
    // "12 of 60": the answers given of those a structured lesson asks for.
    QLabel* drillCountLabel() const { return drillCount_; }
    int gaugeImage() const { return gaugeImage_; }
    MyZWindow* flashArea() const { return client_; }

    CommandTable commands;

    int displayMs = 25;
    int preparationMs = 500;
    int autoLevel = 1;
    int levelVariety = 0;
    int drillRunning = 0;
    GraphC* drillGraph = nullptr;
    bool graphOffered = false;
    bool graphOpen = false;
    int windowX = -1;
    int windowY = -1;
    int minFlashWidth = 298;
    int options = 3;
    int bitBlit = 0;
    int targetNo = 2;
    int nextTargetNo = 2;
    int sizing = 0;
    int sizeEventsToSkip = 2;
    int lineCharWidth = 20;

    // When the text was last shown and blanked (monotonic ms), for timing checks.
    qint64 shownAt = 0;
    qint64 blankedAt = 0;

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void EvMove();
    void EvSize(bool minimized, QSize size);
    void setGauge(int image);
    void showDrillCount();
    // The gauge image of a position: the advanced strip starts at image 9.
    void showGaugePosition(int position);
    void setMenusEnabled(bool enabled);
    void setChecked(int id, bool on);
    void startTimer(int id, int ms);

    Lesson* lesson_;
    MyZWindow* client_;
    QImage backBuffer_;
    QImage blankBitmap_;
    QImage titleImage_;
    QSize lastOwnSize_;
    // The window's place and size, written when a drag has settled.
    SettledSettings settled_;

private:
    QLabel* levelGauge_;
    QLabel* levelText_;
    QLabel* drillCount_;
    QMap<int, QAction*> menu_;
    QTimer* timer1_;
    QTimer* timer4_;
    QTimer* timer5_;
    int gaugeImage_ = 5;
    bool created_ = false;
    bool shownOnce_ = false;
    bool closed_ = false;
};

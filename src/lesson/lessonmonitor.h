#pragma once

#include "lesson/lesson.h"
#include "platform/template_dialog.h"

#include <QPixmap>
#include <QPointer>

class QCheckBox;
class QLabel;
class QTimer;

// The control centre of a run: lists the five activities, starts their windows,
// walks a structured lesson through them, counts the minutes, holds the mode
// and the mute switch, and ends the program.
class LessonMonitor : public TemplateDialog, public Lesson {
    Q_OBJECT
public:
    LessonMonitor(QWidget* parent, int lessonPlan);
    ~LessonMonitor() override;

    void SetupWindow();

    // Called by the activity windows from their close query.
    void Completed(int activity) override;
    int NumbDrills() const override;
    bool CountsDrills() const override;
    bool Advanced() const override { return advanced != 0; }
    void SetAdvanced(bool advancedMode) override;
    void AdvancedToggle() { SetAdvanced(!Advanced()); }
    bool Mute() const override;
    void MuteToggle() override;
    bool LessonFinished() const;

    bool CheckChange(int activity);
    void CMDrill();
    void CMExercise();
    void CMPReading1() { Reading(2); }
    void CMPReading2() { Reading(3); }
    void CMSpeedTest();
    void CMBDrill();
    void CMBExercise();
    void CMBPReading1();
    void CMBPReading2();
    void CMBSpeedTest();
    void CMGraphDrill();
    void CMGraphSpeed();
    void CMModeToggle();
    void CMHelp();
    void CMCancel();
    void EvTimer(int id);

    // The activity names of the messages, by index.
    static const char* const txt[5];
    static constexpr int drillTargets[5] = {60, 150, 200, 350, 400};

    bool activityDone[5] = {false, false, false, false, false};
    bool autoPrompt = false;
    int minutesUsed = 0;
    int currentActivity = -1;
    int advanced = 2;
    int lessonPlan;
    int timesUsed = 0;
    bool manualStart = false;
    QPointer<QWidget> activityWindow;

    QLabel* nameLabel() const { return nameLabel_; }
    QLabel* minutesLabel() const { return minutesLabel_; }
    QLabel* modeLabel() const { return modeLabel_; }
    bool timerActive(int id) const;

    // Paint layout: where the marker, done and not-done icons go in row i.
    static QPoint markerPos(int row) { return {17, 22 + 40 * row - 3}; }
    static QPoint markPos(int row) { return {57, 22 + 40 * row - 2}; }

    // Escape does not close the monitor.
    void reject() override {}

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Reading(int activity);
    void startActivityWindow(int activity, int readingNumber, const QString& caption);
    void introMessage(int number);
    void notInThisVersion(int activity);
    void endActivityWindow();
    void deleteActivityWindow();
    void repaintRows() { update(); }

    QLabel* nameLabel_;
    QLabel* minutesLabel_;
    QLabel* modeLabel_;
    QCheckBox* modeToggle_;
    QTimer* minuteTimer_;
    QTimer* nextTimer_;
    QTimer* deleteTimer_;
    QPixmap pointer_, check_, ball_;
};

#pragma once

#include <QString>

class LessonMonitor;
class QWidget;

// Builds the activity windows the lesson monitor opens, and runs the reading
// list before a reading. Tests install their own; the program's is set up at start.
class ActivityFactory {
public:
    virtual ~ActivityFactory() = default;
    // The reading list: the chosen reading's number, -2 for the user's own text
    // file, 1000 for cancel. chosenLine receives the list line of the reading.
    virtual int chooseReading(LessonMonitor* monitor, QString& chosenLine,
                              const QString& caption) = 0;
    // The window of an activity (0 drills .. 4 speed test), parented to the
    // monitor and not yet shown, or nullptr when this build has no such window.
    virtual QWidget* createActivity(int activity, LessonMonitor* monitor, int readingNumber,
                                    const QString& caption) = 0;
    // False when this build has no window for the activity, so nothing is asked before saying so.
    virtual bool provides(int /*activity*/) const { return true; }
};

// The factory in use; never null.
ActivityFactory& activityFactory();
// Replaces it (not owned); nullptr restores the program's own.
void setActivityFactory(ActivityFactory* factory);

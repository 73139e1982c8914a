#pragma once

#include "reading/pace_schedule.h"

#include <QObject>

#include <functional>
#include <optional>

class QTimer;

// What a pacer moves: a reading's page or the exercise's word groups.
class PacedText {
public:
    virtual ~PacedText() = default;
    // Characters moved past so far; it drops back when the page snaps back to the
    // start of a line, and the pacer then takes those steps again.
    virtual double pacedChars() const = 0;
    // Characters the next step covers (more than 0).
    virtual double nextStepChars() const = 0;
    virtual void takeStep() = 0;
    // Nothing is left to show: the run is over.
    virtual bool atEnd() const = 0;
};

// Drives a paced text by the clock seam: at each tick it takes every step whose
// due time has come, so a late tick catches up and no step is skipped. Paused
// time is not paced time. A precise single-shot timer is set for the next due step.
class Pacer : public QObject {
    Q_OBJECT
public:
    explicit Pacer(PacedText& text, QObject* parent = nullptr);
    ~Pacer() override;

    void start(int targetWpm, int raisePerMinute);
    // Ends the run; nothing more moves.
    void stop();
    void setPaused(bool paused);
    // From now on; false when the target was already at its limit.
    bool changeTarget(int delta);
    // Takes the steps that are due now; the timer calls it, tests call it too.
    void tick();

    bool running() const { return schedule_.has_value(); }
    bool paused() const { return paused_; }
    // Paced milliseconds so far (pauses left out).
    double pacedMs() const;
    int target() const;

    // After a tick that reached the end of the text; the run has stopped.
    std::function<void()> onFinished;
    // When the target shown should change (a raise at a minute, a key).
    std::function<void()> onTargetChanged;

private:
    void scheduleNext();

    PacedText& text_;
    QTimer* timer_;
    std::optional<PaceSchedule> schedule_;
    bool paused_ = false;
    unsigned resumedAt_ = 0;
    double pacedBefore_ = 0.0;
    int shownTarget_ = 0;
};

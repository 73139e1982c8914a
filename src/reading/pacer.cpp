#include "reading/pacer.h"

#include "platform/clock.h"

#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

// A tick at least this often, so a raise shows in the caption even during a long step.
constexpr double kLongestWaitMs = 250.0;
// A tick that takes this many steps leaves the rest to the next one, so the window
// stays responsive while a late pacer catches up.
constexpr int kMostStepsPerTick = 4096;

} // namespace

Pacer::Pacer(PacedText& text, QObject* parent) : QObject(parent), text_(text) {
    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
    timer_->setTimerType(Qt::PreciseTimer);
    connect(timer_, &QTimer::timeout, this, [this] { tick(); });
}

Pacer::~Pacer() = default;

void Pacer::start(int targetWpm, int raisePerMinute) {
    schedule_.emplace(targetWpm, raisePerMinute);
    paused_ = false;
    pacedBefore_ = 0.0;
    resumedAt_ = timeGetTime();
    shownTarget_ = schedule_->targetAt(0.0);
    scheduleNext();
}

void Pacer::stop() {
    if (schedule_) {
        pacedBefore_ = pacedMs();
        shownTarget_ = schedule_->targetAt(pacedBefore_);
    }
    paused_ = false;
    schedule_.reset();
    timer_->stop();
}

double Pacer::pacedMs() const {
    if (!schedule_ || paused_) return pacedBefore_;
    // Unsigned, so a clock that wrapped still gives the stretch.
    return pacedBefore_ + double(timeGetTime() - resumedAt_);
}

int Pacer::target() const {
    return schedule_ ? schedule_->targetAt(pacedMs()) : shownTarget_;
}

void Pacer::setPaused(bool paused) {
    if (!schedule_ || paused == paused_) return;
    if (paused) {
        pacedBefore_ = pacedMs();
        paused_ = true;
        timer_->stop();
    } else {
        paused_ = false;
        resumedAt_ = timeGetTime();
        scheduleNext();
    }
}

bool Pacer::changeTarget(int delta) {
    if (!schedule_) return false;
    // Steps already due belong to the old target.
    tick();
    if (!schedule_ || !schedule_->changeTarget(pacedMs(), delta)) return false;
    shownTarget_ = target();
    scheduleNext();
    return true;
}

void Pacer::tick() {
    if (!schedule_ || paused_) return;
    const double now = pacedMs();
    double lastChars = 0.0;
    for (int taken = 0; taken < kMostStepsPerTick; ++taken) {
        const double before = text_.pacedChars();
        // A step that moved nothing would never end the run.
        const bool stuck = taken > 0 && !(before > lastChars);
        if (text_.atEnd() || stuck) {
            stop();
            if (onFinished) onFinished();
            return;
        }
        // A microsecond of slack: a step due on the tick's millisecond is due.
        if (schedule_->dueAt(before + text_.nextStepChars()) > now + 1e-3) break;
        text_.takeStep();
        lastChars = before;
    }
    if (target() != shownTarget_) {
        shownTarget_ = target();
        if (onTargetChanged) onTargetChanged();
    }
    scheduleNext();
}

void Pacer::scheduleNext() {
    if (!schedule_ || paused_) return;
    const double due = schedule_->dueAt(text_.pacedChars() + text_.nextStepChars());
    const double wait = std::clamp(due - pacedMs(), 0.0, kLongestWaitMs);
    timer_->start(static_cast<int>(std::ceil(wait)));
}

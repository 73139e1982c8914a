#include "reading/pace_schedule.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kMinuteMs = 60000.0;

// Characters per paced millisecond at a target: five characters a word.
double charsPerMs(int wpm) {
    return wpm * 5.0 / kMinuteMs;
}

// Full minutes of paced time before t.
long long fullMinutes(double pacedMs) {
    return static_cast<long long>(std::floor(std::max(0.0, pacedMs) / kMinuteMs));
}

double minuteEnd(double pacedMs) {
    return (std::floor(pacedMs / kMinuteMs) + 1.0) * kMinuteMs;
}

} // namespace

PaceSchedule::PaceSchedule(int targetWpm, int raisePerMinute)
    : raise_(std::clamp(raisePerMinute, 0, kPaceMaxRaise)) {
    changes_.push_back({0.0, 0.0, std::clamp(targetWpm, kPaceMinWpm, kPaceMaxWpm)});
}

int PaceSchedule::targetOf(int level, double pacedMs) const {
    const long long target = level + raise_ * fullMinutes(pacedMs);
    return static_cast<int>(std::clamp<long long>(target, kPaceMinWpm, kPaceMaxWpm));
}

const PaceSchedule::Change& PaceSchedule::changeAt(double pacedMs) const {
    auto it = std::upper_bound(changes_.begin(), changes_.end(), pacedMs,
                               [](double t, const Change& c) { return t < c.at; });
    if (it != changes_.begin()) --it;
    return *it;
}

int PaceSchedule::targetAt(double pacedMs) const {
    return targetOf(changeAt(pacedMs).level, pacedMs);
}

bool PaceSchedule::changeTarget(double pacedMs, int delta) {
    pacedMs = std::max(pacedMs, changes_.back().at);
    const int now = targetAt(pacedMs);
    const int wanted = std::clamp(now + delta, kPaceMinWpm, kPaceMaxWpm);
    if (wanted == now) return false;
    // The level is what the target would be without the raises so far.
    changes_.push_back(
        {pacedMs, charsAt(pacedMs), static_cast<int>(wanted - raise_ * fullMinutes(pacedMs))});
    return true;
}

double PaceSchedule::charsAt(double pacedMs) const {
    const Change& change = changeAt(pacedMs);
    double pos = change.at;
    double chars = change.chars;
    while (pos < pacedMs) {
        const double end = std::min(pacedMs, minuteEnd(pos));
        chars += charsPerMs(targetOf(change.level, pos)) * (end - pos);
        pos = end;
    }
    return chars;
}

double PaceSchedule::dueAt(double chars) const {
    // The last change made before the pace reached `chars`.
    size_t i = changes_.size() - 1;
    while (i > 0 && changes_[i].chars > chars)
        --i;
    double pos = changes_[i].at;
    double covered = changes_[i].chars;
    for (;;) {
        const double nextChange =
            i + 1 < changes_.size() ? changes_[i + 1].at : std::numeric_limits<double>::infinity();
        const double end = std::min(minuteEnd(pos), nextChange);
        const double rate = charsPerMs(targetOf(changes_[i].level, pos));
        const double need = chars - covered;
        if (need <= rate * (end - pos)) return pos + std::max(0.0, need) / rate;
        covered += rate * (end - pos);
        pos = end;
        if (end == nextChange) ++i;
    }
}

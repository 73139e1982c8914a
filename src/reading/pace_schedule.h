#pragma once

#include <vector>

// The pacer's limits: the dialog's range, the floor the keys stop at and the
// ceiling a raise stops at.
constexpr int kPaceMinWpm = 50;
constexpr int kPaceMaxWpm = 1500;
constexpr int kPaceMaxRaise = 50;

// When a paced text should have covered a number of characters, in paced
// milliseconds (pauses are not paced time; the driver leaves them out). A word is
// five characters. The target holds between changes, every full minute of paced
// time adds the raise, and a change of the target counts from the moment it is made.
class PaceSchedule {
public:
    PaceSchedule(int targetWpm, int raisePerMinute);

    // The target in force at paced time t.
    int targetAt(double pacedMs) const;
    // Changes the target by delta from paced time t on (t no earlier than the last
    // change), kept within the limits. False when nothing changed.
    bool changeTarget(double pacedMs, int delta);
    // Characters the pace has covered by paced time t.
    double charsAt(double pacedMs) const;
    // The paced time at which the pace has covered `chars` characters.
    double dueAt(double chars) const;

private:
    // From `at` on the target is `level` plus the raises of the minutes passed.
    struct Change {
        double at;
        double chars;
        int level;
    };
    int targetOf(int level, double pacedMs) const;
    // The last change made at or before t.
    const Change& changeAt(double pacedMs) const;

    int raise_;
    std::vector<Change> changes_;
};

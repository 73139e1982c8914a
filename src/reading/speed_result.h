#pragma once

#include <QString>

// The arithmetic of a timed reading and the rule of the stored score list, apart
// from the window.

struct ReadingSpeed {
    float wordsPerMinute;
    float charactersPerSecond;
};

// Stored score lists stop growing at this length.
constexpr int kScoreListLimit = 980;
// Buffer the stored list is read with.
constexpr int kScoreListBuffer = 1000;

// Milliseconds timed: the stretch since the last start or resume plus the stretches
// before it. Unsigned arithmetic, so a clock that wrapped between start and stop
// still gives the stretch.
unsigned timedMilliseconds(unsigned now, unsigned startTick, unsigned accumulated);

// A word counts as five characters. Both figures are single precision. A reading
// timed at 0 ms counts as 1 ms, so the figures stay finite.
ReadingSpeed readingSpeed(int characters, unsigned milliseconds);

// "Your speed is ... words per minute  (... characters per second)".
QString speedMessage(const ReadingSpeed& speed);

// Appends " %4.2f" of the speed to a stored list shorter than kScoreListLimit;
// false, leaving it alone, when the list is full.
bool appendScore(QString& stored, float wordsPerMinute);

// Saves a result in both lists, which stay entry for entry alike: the speed goes to the score
// list as appendScore does, the entry (a whole per cent, "-" or "p") to the comprehension list.
// The comprehension list is first given as many entries as the score list has: "-" for each
// older score without one, and a longer list is cut. False, changing neither, when the score
// list is full.
bool appendResult(QString& scores, QString& comprehension, float wordsPerMinute,
                  const QString& entry);

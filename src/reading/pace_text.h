#pragma once

#include <QString>

#include <vector>

// What the pacer shows and takes, apart from the windows.

// The dialog's first target: the last saved speed-test speed plus a tenth,
// rounded to 10 and kept in range; 250 without a saved speed.
int pacerDefaultSpeed(const std::vector<float>& savedSpeeds);
// Stored values the dialog cannot show become the nearest it can: the speed a
// multiple of 10 in range, the raise in range.
int clampPacerSpeed(int wpm);
int clampPacerRaise(int raise);

// "<prefix> - [paced 270 wpm]", or "<prefix> - [paced, paused]".
QString pacedCaption(const QString& prefix, int target, bool paused);

// The end message: words moved past (five characters a word), the paced time,
// the average speed and the target at the end.
QString pacedSummary(double chars, double pacedMs, int target);

// What a key does while pacing.
enum class PaceKey { None, Faster, Slower, PauseResume, End };
PaceKey paceKeyFor(int qtKey);
// How much Faster and Slower change the target.
constexpr int kPaceKeyStep = 10;

#include "reading/pace_text.h"
#include "reading/pace_schedule.h"

#include <Qt>

#include <algorithm>
#include <cmath>

int clampPacerSpeed(int wpm) {
    const int rounded = static_cast<int>(std::lround(std::clamp(wpm, -100000, 100000) / 10.0)) * 10;
    return std::clamp(rounded, kPaceMinWpm, kPaceMaxWpm);
}

int clampPacerRaise(int raise) {
    return std::clamp(raise, 0, kPaceMaxRaise);
}

int pacerDefaultSpeed(const std::vector<float>& savedSpeeds) {
    // An unreadable entry reads as 0: no speed to go on.
    if (savedSpeeds.empty() || !(savedSpeeds.back() > 0.0f)) return 250;
    const double faster = std::min(double(savedSpeeds.back()) * 1.1, 100000.0);
    return clampPacerSpeed(static_cast<int>(std::lround(faster)));
}

QString pacedCaption(const QString& prefix, int target, bool paused) {
    if (paused) return prefix + QStringLiteral(" - [paced, paused]");
    return prefix + QStringLiteral(" - [paced %1 wpm]").arg(target);
}

QString pacedSummary(double chars, double pacedMs, int target) {
    const double words = chars / 5.0;
    const long long seconds = std::llround(std::max(0.0, pacedMs) / 1000.0);
    const double minutes = pacedMs / 60000.0;
    // No word or no second paced (an empty text, a stop at once) has no speed: the line left
    // over in a few milliseconds would otherwise read as hundreds of words per minute.
    const double average =
        std::llround(words) > 0 && seconds > 0 ? words / minutes : 0.0;
    return QStringLiteral("Words read: %1\nTime paced: %2:%3\nAverage speed: %4 words per "
                          "minute\nTarget at the end: %5 words per minute")
        .arg(std::llround(words))
        .arg(seconds / 60)
        .arg(seconds % 60, 2, 10, QLatin1Char('0'))
        .arg(QString::asprintf("%4.2f", average))
        .arg(target);
}

PaceKey paceKeyFor(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Up:
    case Qt::Key_Right:
        return PaceKey::Faster;
    case Qt::Key_Down:
    case Qt::Key_Left:
        return PaceKey::Slower;
    case Qt::Key_Space:
        return PaceKey::PauseResume;
    case Qt::Key_Escape:
        return PaceKey::End;
    default:
        return PaceKey::None;
    }
}

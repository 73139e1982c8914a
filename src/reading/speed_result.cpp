#include "reading/speed_result.h"

#include "graph/stored_results.h"

unsigned timedMilliseconds(unsigned now, unsigned startTick, unsigned accumulated) {
    return now - startTick + accumulated;
}

ReadingSpeed readingSpeed(int characters, unsigned milliseconds) {
    const float seconds = float(milliseconds == 0 ? 1u : milliseconds) * 0.001f;
    const float wpm = float((characters * 0.2 / seconds) * 60);
    return {wpm, wpm * 5 / 60};
}

QString speedMessage(const ReadingSpeed& speed) {
    return QString::asprintf("Your speed is %4.2f words per minute  (%4.2f characters per second)",
                             double(speed.wordsPerMinute), double(speed.charactersPerSecond));
}

bool appendScore(QString& stored, float wordsPerMinute) {
    if (stored.size() >= kScoreListLimit) return false;
    stored += QString::asprintf(" %4.2f", double(wordsPerMinute));
    return true;
}

bool appendResult(QString& scores, QString& comprehension, float wordsPerMinute,
                  const QString& entry) {
    const qsizetype count = storedPieces(scores).size();
    if (!appendScore(scores, wordsPerMinute)) return false;
    QStringList entries = storedPieces(comprehension).mid(0, count);
    while (entries.size() < count)
        entries << QString::fromLatin1(kNoCheckMark);
    entries << entry;
    comprehension = QLatin1Char(' ') + entries.join(QLatin1Char(' '));
    return true;
}

#pragma once

#include "graph/stored_results.h"
#include "reading/question_file.h"

#include <QString>

#include <vector>

// The outcome of the questions after a speed test, apart from the dialog.

// The share of right answers the reader should reach; below it they are told to slow down.
constexpr int kComprehensionAim = 70;

struct ComprehensionScore {
    int correct = 0;
    int total = 0;
    // Whole per cent, halves rounded up.
    int percent() const;
    bool belowAim() const { return correct * 100 < kComprehensionAim * total; }
};

// answers[i] is the option chosen for question i.
ComprehensionScore scoreAnswers(const std::vector<Question>& questions,
                                const std::vector<int>& answers);

// Words per minute times the share answered right.
double effectiveSpeed(float wordsPerMinute, const ComprehensionScore& score);

// The result message: the score, the effective speed, every question answered wrongly with
// its right option, and the advice when the score is below the aim.
QString comprehensionMessage(const std::vector<Question>& questions,
                             const std::vector<int>& answers, float wordsPerMinute);

// What the comprehension list stores beside a saved speed.
inline QString percentEntry(const ComprehensionScore& score) {
    return QString::number(score.percent());
}
inline QString noCheckEntry() {
    return QString::fromLatin1(kNoCheckMark);
}
inline QString practiceEntry() {
    return QString::fromLatin1(kPracticeMark);
}

#pragma once

#include <QString>

#include <optional>

// Turns the drills' right and wrong answers into level changes, keeps the level after each
// change for the graph of the current drills, counts answers toward the lesson's drill target
// and appends the closing level to the score logs.
class Score {
public:
    // Changes one program run can record.
    static constexpr int kHistorySize = 400;
    // Mark values in the ring.
    static constexpr signed char kWrong = 0;
    static constexpr signed char kNeutral = 1;
    static constexpr signed char kRight = 2;
    // Change codes of ShowScore.
    static constexpr int kNoChange = 0;
    static constexpr int kFall = 1;
    static constexpr int kRise = 2;

    Score();

    // Forgets the last answers (all neutral) and restarts the answer count of this level.
    void Reset();
    void wrong();
    void right();

    // Decides, at the given level, whether the level changes. changeCode: 0 none, 1 fall,
    // 2 rise; amount: the step the answer count since the last change earns (1 to 3); text: the
    // announcement on a change, else empty. On a change the marks and the answer count restart
    // and the new level is recorded.
    void ShowScore(int level, int& changeCode, int& amount, QString& text);

    // Position of the level gauge, 0 to 12.
    int Level() const;

    int LevelsChangedVal() const { return changes; }
    int FinishTries() const { return finishTries; }
    void FinishTriesZero() { finishTries = 0; }
    int Tries() const { return tries; }
    // The level after each recorded change, oldest first; LevelsChangedVal() entries are valid.
    const int* LevelHistory() const { return levelHistory; }

    // Appends the day and the level to both score logs.
    void SaveScore(int level);

    // The "DrillScores" list with one more level, or nothing once the old value is too long to
    // grow (more than 999 characters).
    static std::optional<QString> appendDrillScore(const QString& oldValue, int level);

    // Back to the state at program start (tests and a fresh run).
    void resetToStart();

private:
    int markSum() const;
    float share() const;
    int amountForTries() const;

    signed char marks[20];
    int markCount;
    int markIndex;
    int tries;
    long allTries;
    int finishTries;
    int changes;
    int levelHistory[kHistorySize];
};

// The one score of the run, shared by every drill window opened in it.
extern Score score;

#include "drill/score.h"

#include "support/seams.h"
#include "support/temp_state.h"

#include "platform/locations.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <vector>

namespace {

const char* const kUp3 = "You went UP by 3 level(s).  Click on OK to continue the drills.";

// What one evaluation did to the drill's level.
struct Step {
    int code;
    int amount;
    QString text;
};

// Answers once, then evaluates and applies the change to `level` as the drill window does.
Step answer(Score& s, bool right, int& level) {
    if (right)
        s.right();
    else
        s.wrong();
    Step step{};
    s.ShowScore(level, step.code, step.amount, step.text);
    if (step.code == Score::kRise)
        level += step.amount;
    else if (step.code == Score::kFall)
        level -= step.amount;
    return step;
}

// A score whose marks sum to `sum` after a reset, without any evaluation in between.
void markSum(Score& s, int sum) {
    s.Reset();
    for (int i = sum; i < 10; ++i)
        s.wrong();
    for (int i = 10; i < sum; ++i)
        s.right();
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

TEST(ScoreLevels, RightAnswersRiseAtTheSixthByThreeAndAgainSixLater) {
    Score s;
    int level = 10;
    std::vector<int> risesAt;
    for (int n = 1; n <= 12; ++n) {
        const Step step = answer(s, true, level);
        EXPECT_NE(step.code, Score::kFall);
        if (step.code == Score::kRise) {
            risesAt.push_back(n);
            EXPECT_EQ(step.amount, 3);
            EXPECT_EQ(step.text.toStdString(), kUp3);
            EXPECT_EQ(s.Tries(), 0);
            EXPECT_EQ(s.Level(), 4) << "the gauge shows a fresh start after the change";
        } else {
            EXPECT_TRUE(step.text.isEmpty());
        }
    }
    // Five rights (sum 15) are not enough; the rise needs sum 16 again after the change.
    EXPECT_EQ(risesAt, (std::vector<int>{6, 12}));
    EXPECT_EQ(level, 16);
}

TEST(ScoreLevels, FallWaitsUntilTheStepNoLongerGoesBelowTwo) {
    Score s;
    int level = 4;
    for (int n = 1; n <= 10; ++n) {
        const Step step = answer(s, false, level);
        EXPECT_EQ(step.code, Score::kNoChange) << "answer " << n;
        EXPECT_EQ(step.amount, 3) << "answer " << n;
    }
    // Nothing was reset by the refused falls.
    EXPECT_EQ(s.Tries(), 10);
    EXPECT_EQ(s.LevelsChangedVal(), 0);

    const Step eleventh = answer(s, false, level);
    EXPECT_EQ(eleventh.code, Score::kFall);
    EXPECT_EQ(eleventh.amount, 2);
    EXPECT_EQ(eleventh.text.toStdString(),
              "You went DOWN by 2 level(s).  Click on OK to continue the drills.");
    EXPECT_EQ(level, 2);
    EXPECT_EQ(s.Tries(), 0);
    EXPECT_EQ(s.LevelHistory()[0], 2);
}

TEST(ScoreLevels, SevenWrongAnswersLowerLevelFiveByThreeButSixDoNot) {
    Score s;
    int level = 5;
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(answer(s, false, level).code, Score::kNoChange) << "sum " << 10 - n;
    const Step seventh = answer(s, false, level);
    EXPECT_EQ(seventh.code, Score::kFall);
    EXPECT_EQ(seventh.amount, 3);
    EXPECT_EQ(level, 2);
}

TEST(ScoreLevels, LevelTwoNeverFallsAndAlternatingAnswersNeverChange) {
    Score s;
    int level = 2;
    for (int n = 1; n <= 40; ++n)
        EXPECT_EQ(answer(s, false, level).code, Score::kNoChange) << "answer " << n;
    EXPECT_EQ(level, 2);
    EXPECT_EQ(s.LevelsChangedVal(), 0);

    Score t;
    level = 12;
    for (int n = 1; n <= 60; ++n)
        EXPECT_EQ(answer(t, n % 2 == 1, level).code, Score::kNoChange) << "answer " << n;
    EXPECT_EQ(level, 12);
    EXPECT_EQ(t.Level(), 4); // sum back at 10 after every pair
    EXPECT_EQ(t.Tries(), 60);
}

TEST(ScoreLevels, StepShrinksWithTheAnswersSinceTheLastChange) {
    struct Case {
        int tries;
        int amount;
    } cases[] = {{10, 3}, {11, 2}, {15, 2}, {16, 1}};
    for (const Case& c : cases) {
        // Rise: the last ten answers are two wrong and eight right (sum 16).
        Score up;
        for (int i = 0; i < c.tries - 8; ++i)
            up.wrong();
        for (int i = 0; i < 8; ++i)
            up.right();
        ASSERT_EQ(up.Tries(), c.tries);
        int code = -1, amount = 0;
        QString text;
        up.ShowScore(20, code, amount, text);
        EXPECT_EQ(code, Score::kRise) << c.tries;
        EXPECT_EQ(amount, c.amount) << c.tries;
        EXPECT_EQ(up.LevelHistory()[0], 20 + c.amount) << c.tries;
        EXPECT_TRUE(text.startsWith(QString::asprintf("You went UP by %i level(s).", c.amount)));

        // Fall: the last ten answers are all wrong.
        Score down;
        for (int i = 0; i < c.tries - 10; ++i)
            down.right();
        for (int i = 0; i < 10; ++i)
            down.wrong();
        down.ShowScore(20, code, amount, text);
        EXPECT_EQ(code, Score::kFall) << c.tries;
        EXPECT_EQ(amount, c.amount) << c.tries;
        EXPECT_EQ(down.LevelHistory()[0], 20 - c.amount) << c.tries;
    }
}

TEST(ScoreGauge, PositionForEverySumOfMarks) {
    const int expected[21] = {0, 0, 0, 0, 0, 0, 1, 2, 3, 3, 4, 5, 6, 6, 7, 8, 9, 9, 10, 11, 12};
    Score s;
    EXPECT_EQ(s.Level(), 4);
    for (int sum = 0; sum <= 20; ++sum) {
        markSum(s, sum);
        EXPECT_EQ(s.Level(), expected[sum]) << "sum " << sum;
    }
    s.Reset();
    EXPECT_EQ(s.Level(), 4);
}

TEST(ScoreGauge, EvaluationAtTheBordersOfTheBand) {
    // Sum 4 stays (no fall even at a high level), 3 falls; 15 stays, 16 rises.
    struct Case {
        int sum;
        int code;
    } cases[] = {
        {3, Score::kFall}, {4, Score::kNoChange}, {15, Score::kNoChange}, {16, Score::kRise}};
    for (const Case& c : cases) {
        Score s;
        markSum(s, c.sum);
        int code = -1, amount = 0;
        QString text;
        s.ShowScore(30, code, amount, text);
        EXPECT_EQ(code, c.code) << "sum " << c.sum;
    }
}

TEST(ScoreHistory, RecordsEveryLevelUpToFourHundredChangesThenStops) {
    Score s;
    int level = 10;
    for (int i = 0; i < 6; ++i)
        answer(s, true, level); // up to 13
    for (int i = 0; i < 7; ++i)
        answer(s, false, level); // down to 10
    ASSERT_EQ(s.LevelsChangedVal(), 2);
    EXPECT_EQ(s.LevelHistory()[0], 13);
    EXPECT_EQ(s.LevelHistory()[1], 10);

    for (int change = 3; change <= 450; ++change) {
        int code = 0;
        for (int i = 0; i < 6; ++i)
            code = answer(s, true, level).code;
        ASSERT_EQ(code, Score::kRise) << "change " << change;
    }
    // The level keeps rising after the history is full; only the recording stops.
    EXPECT_EQ(level, 10 + 448 * 3);
    EXPECT_EQ(s.LevelsChangedVal(), Score::kHistorySize);
    EXPECT_EQ(s.LevelHistory()[2], 13);
    EXPECT_EQ(s.LevelHistory()[399], 10 + 398 * 3);
}

TEST(ScoreCounts, FinishTriesSurviveResetsAndChangesUntilZeroed) {
    Score s;
    int level = 10;
    for (int i = 0; i < 6; ++i)
        answer(s, true, level); // a change resets the tries
    s.wrong();
    s.Reset(); // so does the end of a series
    s.right();
    EXPECT_EQ(s.Tries(), 1);
    EXPECT_EQ(s.FinishTries(), 8);
    s.FinishTriesZero();
    EXPECT_EQ(s.FinishTries(), 0);
    EXPECT_EQ(s.Tries(), 1);
    s.wrong();
    EXPECT_EQ(s.FinishTries(), 1);
    EXPECT_EQ(s.LevelsChangedVal(), 1);
}

TEST(ScoreCounts, TheRunWideScoreStartsOverForEachTest) {
    int level = 10;
    for (int i = 0; i < 6; ++i)
        answer(score, true, level);
    score.wrong();
    ASSERT_EQ(score.LevelsChangedVal(), 1);
    score.resetToStart();
    EXPECT_EQ(score.LevelsChangedVal(), 0);
    EXPECT_EQ(score.Tries(), 0);
    EXPECT_EQ(score.FinishTries(), 0);
    EXPECT_EQ(score.Level(), 4);
    // The marks are neutral again: five rights are still short of a rise.
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(answer(score, true, level).code, Score::kNoChange);
    score.resetToStart();
}

TEST(ScoreFiles, EachClosingAppendsTheDayAndLevelToBothLogs) {
    TempState state;
    FakeClock clock;
    clock.date = QDate(2000, 1, 1);
    Score s;
    const QString dir = Locations::scoreDir();
    ASSERT_FALSE(QDir(dir).exists());
    s.SaveScore(23);
    clock.date = QDate(2000, 1, 2);
    s.SaveScore(7);
    EXPECT_EQ(readFile(dir + "/dot_sco.dat"),
              "JulDay 2451545, Max Number 23\nJulDay 2451546, Max Number 7\n");
    EXPECT_EQ(readFile(dir + "/dot_sc2.dat"), "2451545\t23\n2451546\t7\n");
}

TEST(ScoreFiles, ALogThatCannotBeOpenedIsSkipped) {
    TempState state;
    FakeClock clock;
    clock.date = QDate(2026, 3, 15);
    const QString dir = Locations::scoreDir();
    // A directory in the place of the first log.
    ASSERT_TRUE(QDir().mkpath(dir + "/dot_sco.dat"));
    Score s;
    s.SaveScore(12);
    EXPECT_EQ(readFile(dir + "/dot_sc2.dat"),
              QByteArray::number(qint64(QDate(2026, 3, 15).toJulianDay())) + "\t12\n");
}

TEST(ScoreDrillScores, ItemsAreAppendedUntilTheListPasses999Characters) {
    EXPECT_EQ(Score::appendDrillScore(QString(), 12), QString(" 12"));
    EXPECT_EQ(Score::appendDrillScore(" 12 15", 19), QString(" 12 15 19"));

    QString full;
    while (full.size() < 999)
        full += " 10";
    ASSERT_EQ(full.size(), 999);
    const std::optional<QString> grown = Score::appendDrillScore(full, 7);
    ASSERT_TRUE(grown.has_value());
    EXPECT_EQ(grown->size(), 1001);
    EXPECT_TRUE(grown->endsWith(" 10 7"));

    EXPECT_FALSE(Score::appendDrillScore(full + "0", 7).has_value());
}

#include "drill/score.h"

#include "support/seams.h"
#include "support/temp_state.h"

#include "platform/locations.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <utility>

namespace {

// Answers once, then evaluates and applies the change to `level` as the drill window does;
// returns the signed change.
int answer(Score& s, bool right, int& level) {
    right ? s.right() : s.wrong();
    int code = 0, amount = 0;
    QString text;
    s.ShowScore(level, code, amount, text);
    if (code == Score::kNoChange) {
        EXPECT_TRUE(text.isEmpty());
        return 0;
    }
    const int change = code == Score::kRise ? amount : -amount;
    EXPECT_EQ(text, QString("You went %1 by %2 level(s).  Click on OK to continue the drills.")
                        .arg(change > 0 ? "UP" : "DOWN")
                        .arg(amount));
    EXPECT_EQ(s.Tries(), 0);
    EXPECT_EQ(s.Level(), 4) << "the gauge shows a fresh start after a change";
    level += change;
    return change;
}

} // namespace

TEST(Score, LevelChangesFollowTheLastTenAnswers) {
    const struct {
        int level;
        QString answers;                          // r right, w wrong
        std::vector<std::pair<int, int>> changes; // answer number, signed step
    } cases[] = {
        // Five rights (sum 15) are not enough; the rise needs sum 16 again after a change.
        {10, QString("r").repeated(12), {{6, 3}, {12, 3}}},
        // Six wrongs (sum 4) stay; the seventh falls.
        {5, QString("w").repeated(7), {{7, -3}}},
        // A fall waits until its step no longer goes below 2.
        {4, QString("w").repeated(11), {{11, -2}}},
        {12, QString("rw").repeated(30), {}},
        // The step shrinks with the answers since the last change: 3 up to ten, 2 up to 15.
        {20, "wwwrrrrrrrr", {{11, 2}}},
        {20, QString("rw").repeated(5) + "rrrrrrrr", {{16, 1}}},
    };
    for (const auto& c : cases) {
        Score s;
        int level = c.level;
        std::vector<std::pair<int, int>> seen;
        for (int n = 1; n <= c.answers.size(); ++n)
            if (const int change = answer(s, c.answers[n - 1] == 'r', level)) {
                seen.emplace_back(n, change);
                EXPECT_EQ(s.LevelHistory()[seen.size() - 1], level) << "the history records it";
            }
        EXPECT_EQ(seen, c.changes) << c.level << " " << c.answers.toStdString();
        EXPECT_EQ(s.LevelsChangedVal(), int(c.changes.size()));
    }
}

TEST(Score, ClosingsAppendTheDayAndLevelToTheLogThatCanBeOpened) {
    TempState state;
    FakeClock clock;
    clock.date = QDate(2000, 1, 1);
    Score s;
    const QString dir = Locations::scoreDir();
    s.SaveScore(23);
    QFile::remove(dir + "/dot_sco.dat");
    ASSERT_TRUE(QDir().mkpath(dir + "/dot_sco.dat")); // a directory in its place
    s.SaveScore(7);
    EXPECT_EQ(readFile(dir + "/dot_sc2.dat"), "2451545\t23\n2451545\t7\n");
}

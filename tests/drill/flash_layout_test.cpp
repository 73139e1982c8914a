#include "drill/flash_layout.h"

#include <QSize>

#include <gtest/gtest.h>

#include <map>
#include <vector>

using namespace FlashLayout;

TEST(FlashLayout, VarietyLengthsFollowTheLevel) {
    // Level 2: two characters, one only when rand() gave 0.
    EXPECT_EQ(varietyLength(2, 0), 1);
    EXPECT_EQ(varietyLength(2, 32767), 2);
    // Level 10 over every rand() value: never 2, 3 with 2 %, 9 with 14 %, 10 with the 44 %
    // the shorter lengths leave.
    std::map<int, int> counts;
    for (int r = 0; r <= 32767; ++r)
        ++counts[varietyLength(10, r)];
    EXPECT_EQ(counts.begin()->first, 1);
    EXPECT_EQ(counts.rbegin()->first, 10);
    EXPECT_EQ(counts[2], 0);
    for (auto [length, share] : {std::pair{3, 0.02}, {9, 0.14}, {10, 0.44}})
        EXPECT_NEAR(counts[length] / 32768.0, share, 0.001) << length;
    EXPECT_TRUE(flip(0.5f, 16383));
    EXPECT_FALSE(flip(0.5f, 16384));
}

TEST(FlashLayout, CrossHairsPointInFromEachEdgeTheRedOnesLonger) {
    const CrossHairs blue = crossHairs(300, 150, false), red = crossHairs(300, 150, true);
    EXPECT_EQ(blue.penWidth, 3);
    EXPECT_EQ(blue.colour, QColor(0, 0, 255));
    EXPECT_EQ(red.colour, QColor(255, 0, 0));
    // len = 0.05 * 150 = 7.5, and 1.4 times that: 10.5.
    const QLine lines[4] = {{0, 75, 7, 75}, {150, 150, 150, 142}, {300, 75, 292, 75},
                            {150, 0, 150, 7}};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(blue.lines[i], lines[i]) << i;
    EXPECT_EQ(red.lines[0], QLine(0, 75, 10, 75));
}

namespace {
// Every character 10 pixels wide, lines 12 high.
QSize monospace(const QString& s) { return QSize(10 * int(s.size()), 12); }
} // namespace

TEST(FlashLayout, LineBreaks) {
    const struct {
        const char* text;
        int page;
        std::vector<int> breaks;
        int maxWidth;
    } cases[] = {
        // The first space at or past the 100 px limit ends a line.
        {"aaaa bbbbbb cc dd", 20, {11, 16}, 120},
        // Past 1.2 times the limit with a short last word: back to the space before.
        {"aaaaaaaa bbbbbbb c", 20, {8, 17}, 90},
        // A word longer than the page ends at the next space, or at the end.
        {"abcdefghijklmnopqrstuvwxyz ok", 10, {26, 28}, 270},
        {"abcdefghijklmnopqrstuvwxyz", 10, {25}, 260},
        // The final word after a backward break still shows, on a line of its own.
        {"aaaa bbbbbbbbb", 20, {4, 13}, 90},
        {"cat", 20, {2}, 30},
        {"", 20, {}, 0},
    };
    for (const auto& c : cases) {
        const Lines lines = breakLines(c.text, c.page, 100, monospace);
        EXPECT_EQ(lines.breaks, c.breaks) << c.text;
        if (!c.breaks.empty())
            EXPECT_EQ(lines.maxLineWidth, c.maxWidth) << c.text;
    }
}

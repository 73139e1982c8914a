#include "drill/flash_layout.h"

#include <QSize>

#include <gtest/gtest.h>

#include <map>

using namespace FlashLayout;

TEST(FlashLayout, VarietyLengthsFollowTheLevel) {
    // Level 2: two characters, one only when rand() gave 0.
    EXPECT_EQ(varietyLength(2, 0), 1);
    EXPECT_EQ(varietyLength(2, 1), 2);
    EXPECT_EQ(varietyLength(2, 32767), 2);
    // Level 10 over every rand() value: 3 with 2 %, never 2, and 10 takes what the
    // lengths 3 to 9 (2 % to 14 %) leave: 44 %.
    std::map<int, int> counts;
    for (int r = 0; r <= 32767; ++r)
        ++counts[varietyLength(10, r)];
    EXPECT_EQ(counts[2], 0);
    EXPECT_EQ(counts[1], 1);
    EXPECT_NEAR(counts[3] / 32768.0, 0.02, 0.001);
    EXPECT_NEAR(counts[9] / 32768.0, 0.14, 0.001);
    EXPECT_NEAR(counts[10] / 32768.0, 0.44, 0.001);
    int total = 0;
    for (const auto& [length, n] : counts) {
        EXPECT_GE(length, 1);
        EXPECT_LE(length, 10);
        total += n;
    }
    EXPECT_EQ(total, 32768);
}

TEST(FlashLayout, FlipComparesTheFractionWithTheChance) {
    EXPECT_TRUE(flip(0.5f, 0));
    EXPECT_TRUE(flip(0.5f, 16383));
    EXPECT_FALSE(flip(0.5f, 16384));
    EXPECT_FALSE(flip(0.0f, 0));
    EXPECT_TRUE(flip(1.0f, 32766));
    EXPECT_FALSE(flip(1.0f, 32767));
}

TEST(FlashLayout, CrossHairsPointInFromEachEdge) {
    const CrossHairs blue = crossHairs(300, 150, false);
    EXPECT_EQ(blue.penWidth, 3);
    EXPECT_EQ(blue.colour, QColor(0, 0, 255));
    // len = 0.05 * 150 = 7.5
    EXPECT_EQ(blue.lines[0], QLine(0, 75, 7, 75));
    EXPECT_EQ(blue.lines[1], QLine(150, 150, 150, 142));
    EXPECT_EQ(blue.lines[2], QLine(300, 75, 292, 75));
    EXPECT_EQ(blue.lines[3], QLine(150, 0, 150, 7));
    // The red ones are 1.4 times as long: 10.5, so they cover the blue.
    const CrossHairs red = crossHairs(300, 150, true);
    EXPECT_EQ(red.colour, QColor(255, 0, 0));
    EXPECT_EQ(red.lines[0], QLine(0, 75, 10, 75));
    EXPECT_EQ(red.lines[3], QLine(150, 0, 150, 10));
    EXPECT_EQ(crossHairs(139, 100, false).penWidth, 1);
    EXPECT_EQ(crossHairs(140, 100, false).penWidth, 2);
}

TEST(FlashLayout, SizesAndSteps) {
    // 45 characters on a 20-character page: 45 / 20 = 2 lines, plus three.
    EXPECT_EQ(flashHeight(23, 45, 20), 5 * 23);
    EXPECT_EQ(flashHeight(23, 19, 20), 3 * 23);
    EXPECT_EQ(flashWidth(300, 298), 500);
    EXPECT_EQ(flashWidth(100, 298), 298);
    EXPECT_EQ(fittedFontHeight(200, 45, 20), 40);
    EXPECT_EQ(tenthStep(9), 1);
    EXPECT_EQ(tenthStep(25), 2);
    EXPECT_EQ(tenthStep(11), 1);
    EXPECT_EQ(tenthStep(20), 2);
    EXPECT_EQ(textLeft(300, 101), 100);
    EXPECT_EQ(textLeft(301, 100), 100);
}

namespace {
// Every character 10 pixels wide, lines 12 high.
QSize monospace(const QString& s) { return QSize(10 * int(s.size()), 12); }
} // namespace

TEST(FlashLayout, LinesBreakAtTheFirstSpacePastSeventyPercent) {
    // Limit 100 px = 10 characters.
    const Lines lines = breakLines("aaaa bbbbbb cc dd", 20, 100, monospace);
    // "aaaa bbbbbb " reaches 120 >= 100 at the space (index 11), not past 1.2 * limit.
    ASSERT_EQ(lines.breaks.size(), 2u);
    EXPECT_EQ(lines.breaks[0], 11);
    EXPECT_EQ(lines.breaks[1], 16);
    EXPECT_EQ(lines.maxLineWidth, 120);
    EXPECT_EQ(lines.lineHeight, 12);
}

TEST(FlashLayout, LongRunInsideAShortWordMovesTheBreakBack) {
    // "aaaaaaaa bbbbbbb " is 170 px at its second space: past 120, and the last
    // word is short, so the line ends at the first space and "bbbbbbb " begins the next.
    const Lines lines = breakLines("aaaaaaaa bbbbbbb c", 20, 100, monospace);
    ASSERT_GE(lines.breaks.size(), 2u);
    EXPECT_EQ(lines.breaks[0], 8);
    EXPECT_EQ(lines.breaks.back(), 17);
    EXPECT_EQ(lines.maxLineWidth, 90);
}

TEST(FlashLayout, AWordLongerThanThePageEndsAtTheNextSpaceOrTheEnd) {
    const Lines lines = breakLines("abcdefghijklmnopqrstuvwxyz ok", 10, 100, monospace);
    ASSERT_EQ(lines.breaks.size(), 2u);
    EXPECT_EQ(lines.breaks[0], 26);
    EXPECT_EQ(lines.breaks[1], 28);
    const Lines single = breakLines("abcdefghijklmnopqrstuvwxyz", 10, 100, monospace);
    ASSERT_EQ(single.breaks.size(), 1u);
    EXPECT_EQ(single.breaks[0], 25);
}

TEST(FlashLayout, TheFinalWordAfterABackwardBreakGetsItsOwnLine) {
    // The end comes 140 px into "aaaa bbbbbbbbb": the break moves back to the
    // space, and "bbbbbbbbb" still shows, as a last line of its own.
    const Lines lines = breakLines("aaaa bbbbbbbbb", 20, 100, monospace);
    ASSERT_EQ(lines.breaks.size(), 2u);
    EXPECT_EQ(lines.breaks[0], 4);
    EXPECT_EQ(lines.breaks[1], 13);
    EXPECT_EQ(lines.maxLineWidth, 90);
}

TEST(FlashLayout, ShortTextIsOneLine) {
    const Lines lines = breakLines("cat", 20, 100, monospace);
    ASSERT_EQ(lines.breaks.size(), 1u);
    EXPECT_EQ(lines.breaks[0], 2);
    EXPECT_EQ(lines.maxLineWidth, 30);
    EXPECT_TRUE(breakLines("", 20, 100, monospace).breaks.empty());
}

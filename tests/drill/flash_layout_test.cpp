#include "drill/flash_layout.h"

#include <QLineF>
#include <QSize>

#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <vector>

using namespace FlashLayout;

TEST(FlashLayout, VarietyMostlyFlashesTheFullLevelAndNeverMore) {
    EXPECT_EQ(varietyLength(2, 0), 1);
    std::map<int, int> counts;
    for (int r = 0; r <= 32767; ++r)
        ++counts[varietyLength(10, r)];
    EXPECT_EQ(counts.begin()->first, 1);
    EXPECT_EQ(counts.rbegin()->first, 10);
    EXPECT_NEAR(counts[10] / 32768.0, 0.44, 0.01);
}

TEST(FlashLayout, CrossHairsPointInFromTheMiddleOfEachEdgeTheRedOnesLonger) {
    const CrossHairs blue = crossHairs(300, 150, false), red = crossHairs(300, 150, true);
    const QPoint edges[4] = {{0, 75}, {150, 150}, {300, 75}, {150, 0}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(blue.lines[i].p1(), edges[i]) << i;
        EXPECT_EQ(red.lines[i].p1(), edges[i]) << i;
        const QPoint in = blue.lines[i].p2() - edges[i], toCentre = QPoint(150, 75) - edges[i];
        EXPECT_GT(QPoint::dotProduct(in, toCentre), 0) << i;
        EXPECT_GT(QLineF(red.lines[i]).length(), QLineF(blue.lines[i]).length()) << i;
    }
}

namespace {
// Every character 10 pixels wide, lines 12 high.
QSize monospace(const QString& s) { return QSize(10 * int(s.size()), 12); }
} // namespace

TEST(FlashLayout, LineBreaks) {
    const std::tuple<const char*, int, std::vector<int>, int> cases[] = {
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
    for (const auto& [text, page, breaks, maxWidth] : cases) {
        const Lines lines = breakLines(text, page, 100, monospace);
        EXPECT_EQ(lines.breaks, breaks) << text;
        if (!breaks.empty()) {
            EXPECT_EQ(lines.maxLineWidth, maxWidth) << text;
        }
    }
}

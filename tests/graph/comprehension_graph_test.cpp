// The speed-test graph's second series: each test's comprehension beside its speed.

#include "support/shell_fixture.h"

#include "graph/graph_layout.h"
#include "graph/graphc.h"
#include "graph/graphwc.h"
#include "graph/stored_results.h"

namespace {

// Per cents, -1 for none, -2 for a practice reading.
std::vector<int> codes(const std::vector<ComprehensionEntry>& list) {
    std::vector<int> out;
    for (const ComprehensionEntry& e : list)
        out.push_back(e.practice ? -2 : e.percent);
    return out;
}

int pixelsLike(const QImage& img, QRect area, QColor colour) {
    int n = 0;
    area &= img.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = img.pixel(x, y);
            n += std::abs(qRed(p) - colour.red()) + std::abs(qGreen(p) - colour.green()) +
                     std::abs(qBlue(p) - colour.blue()) <
                 40;
        }
    return n;
}

const QColor kOrange(230, 120, 0);
const QColor kPale(170, 200, 255);

} // namespace

TEST(ComprehensionList, OnlyWholePercentsAndPracticeMarksOfAStoredScoreCount) {
    const std::tuple<QString, int, std::vector<int>> cases[] = {
        {" 75 - p 100 0", 5, {75, -1, -2, 100, 0}},
        {"abc 101 -5 - 40 x", 6, {-1, -1, -1, -1, 40, -1}},
        {" 75 80 90 40", 2, {75, 80}}, // more entries than scores
        {" 75", 3, {75}},              // fewer: the rest have none
    };
    for (const auto& [text, scores, want] : cases)
        EXPECT_EQ(codes(readComprehensionList(text, scores)), want) << text.left(40).toStdString();
}

using ComprehensionGraph = ShellTest;

TEST_F(ComprehensionGraph, TheSpeedGraphShowsBothSeriesAndIsAsBeforeWithoutTheKey) {
    PersonName = "Zoe";
    put("Zoe", "SpeedTestScores", "200.00 150.00 180.00 220.00");
    put("Zoe", "SpeedTestComprehension", "75 - p 100 40");
    {
        GraphC g("SpeedTestScores", nullptr, "SpeedGraph");
        EXPECT_EQ(g.drawing()->wantedSize(), QSize(graphWidth(4) + kScaleBandWidth, 400));
        g.Create();
        g.show();
        const QImage img = g.drawing()->viewport()->grab().toImage();
        const GraphLayout layout = g.drawing()->currentLayout();
        ASSERT_EQ(layout.points.size(), 2u); // the fifth entry belongs to no score
        // 75 % three quarters up from the axis to the top margin, 100 % at the margin.
        const int axis = layout.scaleTicks.front().tick.y1(), top = layout.scaleTicks.back().tick.y1();
        EXPECT_NEAR(layout.points[0].y(), axis - 0.75 * (axis - top), 1);
        EXPECT_EQ(layout.points[1], QPoint(layout.bars[3].rect.center().x(), top));
        for (const QPoint& point : layout.points)
            EXPECT_GT(pixelsLike(img, QRect(point - QPoint(2, 2), QSize(5, 5)), kOrange), 15);
        EXPECT_GT(pixelsLike(img, layout.bars[2].rect.adjusted(3, 3, -3, -3), kPale), 100);
        const QRect plain = layout.bars[1].rect.adjusted(3, 3, -3, -3);
        EXPECT_GT(pixelsLike(img, plain, graphStyle("SpeedTestScores").barColour), 100);
        EXPECT_EQ(pixelsLike(img, plain, kPale), 0);
        EXPECT_GT(pixelsLike(img, layout.scaleBand, kOrange), 200); // the axis and its labels
    }
    put("Zoe", "SpeedTestComprehension", "");
    GraphC g("SpeedTestScores", nullptr, "SpeedGraph");
    EXPECT_EQ(g.drawing()->wantedSize(), QSize(graphWidth(4), 400));
    const GraphLayout layout = g.drawing()->currentLayout();
    EXPECT_TRUE(layout.points.empty() && layout.legend.empty() && layout.scaleBand.isNull());
}

// The speed-test graph's second series: each test's comprehension beside its speed.

#include "support/shell_fixture.h"

#include "graph/graph_layout.h"
#include "graph/graphc.h"
#include "graph/graphwc.h"
#include "graph/stored_results.h"

namespace {

using Entries = std::vector<ComprehensionEntry>;

// Per cents, -1 for none, -2 for a practice reading.
Entries entries(std::initializer_list<int> codes) {
    Entries out;
    for (int c : codes)
        out.push_back({c >= 0 ? c : -1, c == -2});
    return out;
}

std::vector<int> codes(const Entries& list) {
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
        {" 75.0 +5 P 1e2  050", 6, {-1, -1, -1, -1, -1, 50}},
        {" 75 80 90 40", 2, {75, 80}}, // more entries than scores
        {" 75", 3, {75}},              // fewer: the rest have none
        {QStringLiteral(" 60").repeated(700), 4, {60, 60, 60, 60}},
    };
    for (const auto& [text, scores, want] : cases)
        EXPECT_EQ(codes(readComprehensionList(text, scores)), want) << text.left(40).toStdString();
}

// Four speeds in a 350-pixel plot, 384 high: margin 35, axis at 349, tallest bar top at 33.
TEST(GraphLayout, ComprehensionPointsTheirScaleAndTheLegendLeaveTheBarsAsTheyWere) {
    const std::vector<float> speeds = {200, 150, 180, 220};
    const ValueRange range = valueRange(speeds);
    const PlotMetrics plain = plotMetrics(4, {350, 384}, range);
    const PlotMetrics withBand = plotMetrics(4, {350 + kScaleBandWidth, 384}, range, true);
    const GraphLayout before = layoutGraph(speeds, plain, 0);
    const LegendWidths widths{60, 95, 85};
    const GraphLayout g = layoutGraph(speeds, withBand, 0, entries({75, -1, -2, 100}), widths);

    ASSERT_EQ(g.bars.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(g.bars[i].rect, before.bars[i].rect);
        EXPECT_EQ(g.bars[i].valuePos, before.bars[i].valuePos);
        EXPECT_EQ(g.bars[i].practice, i == 2);
    }
    EXPECT_EQ(g.axes, before.axes);
    // 75 % three quarters up from the axis to the margin, 100 % at the margin; no point for the
    // test without a check or for the practice reading.
    ASSERT_EQ(g.points.size(), 2u);
    EXPECT_EQ(g.points[0], QPoint(g.bars[0].rect.center().x(), 349 - 236));
    EXPECT_EQ(g.points[1], QPoint(g.bars[3].rect.center().x(), 35));
    // The scale band right of the plot, its ticks level with those heights.
    EXPECT_EQ(g.scaleBand, QRect(350, 0, kScaleBandWidth, 384));
    ASSERT_EQ(g.scaleTicks.size(), 5u);
    EXPECT_EQ(g.scaleTicks.front().label, "0%");
    EXPECT_EQ(g.scaleTicks.front().tick.y1(), 349);
    EXPECT_EQ(g.scaleTicks[3].tick.y1(), g.points[0].y());
    EXPECT_EQ(g.scaleTicks.back().label, "100%");
    EXPECT_EQ(g.scaleTicks.back().tick.y1(), 35);
    for (const ScaleTick& t : g.scaleTicks)
        EXPECT_TRUE(g.scaleBand.contains(t.labelPos + QPoint(28, 10))) << t.label.toStdString();
    // The legend along the top, its items apart, above the value of the tallest bar.
    ASSERT_EQ(g.legend.size(), 3u);
    const int widthOf[] = {widths.speed, widths.comprehension, widths.practice};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(g.legend[i].kind, LegendKind(i));
        EXPECT_LT(g.legend[i].swatch.bottom(), g.bars[3].valuePos.y());
        if (i > 0) {
            EXPECT_GT(g.legend[i].swatch.left(), g.legend[i - 1].textPos.x() + widthOf[i - 1]);
        }
    }
    EXPECT_LT(g.legend[2].textPos.x() + widths.practice, g.scaleBand.right());

    // Without a per cent there is no point, scale or legend entry for them.
    const std::pair<Entries, std::vector<LegendKind>> others[] = {
        {entries({-1, -1, -1, -1}), {}},
        {entries({-1, -2}), {LegendKind::Speed, LegendKind::Practice}},
    };
    for (const auto& [list, legend] : others) {
        EXPECT_FALSE(hasComprehensionPoints(list));
        const GraphLayout o = layoutGraph(speeds, plain, 0, list, widths);
        EXPECT_TRUE(o.points.empty() && o.scaleBand.isNull() && o.scaleTicks.empty());
        std::vector<LegendKind> kinds;
        for (const LegendItem& item : o.legend)
            kinds.push_back(item.kind);
        EXPECT_EQ(kinds, legend);
    }
}

class ComprehensionGraph : public ShellTest {
protected:
    ComprehensionGraph() {
        PersonName = "Zoe";
        put("Zoe", "SpeedTestScores", "200.00 150.00 180.00 220.00");
    }
};

TEST_F(ComprehensionGraph, TheSpeedGraphShowsBothSeriesAndIsAsBeforeWithoutTheKey) {
    put("Zoe", "SpeedTestComprehension", "75 - p 100 40");
    {
        GraphC g("SpeedTestScores", nullptr, "SpeedGraph");
        EXPECT_EQ(g.drawing()->wantedSize(), QSize(graphWidth(4) + kScaleBandWidth, 400));
        g.Create();
        g.show();
        const QImage img = g.drawing()->viewport()->grab().toImage();
        const GraphLayout layout = g.drawing()->currentLayout();
        ASSERT_EQ(layout.points.size(), 2u); // the fifth entry belongs to no score
        for (const QPoint& point : layout.points)
            EXPECT_GT(pixelsLike(img, QRect(point - QPoint(2, 2), QSize(5, 5)), kOrange), 15);
        EXPECT_GT(pixelsLike(img, layout.bars[2].rect.adjusted(3, 3, -3, -3), kPale), 100);
        EXPECT_EQ(pixelsLike(img, layout.bars[1].rect.adjusted(3, 3, -3, -3), kPale), 0);
        EXPECT_GT(pixelsLike(img, layout.scaleBand, kOrange), 200); // the axis and its labels
    }
    put("Zoe", "SpeedTestComprehension", "");
    GraphC g("SpeedTestScores", nullptr, "SpeedGraph");
    EXPECT_EQ(g.drawing()->wantedSize(), QSize(graphWidth(4), 400));
    const GraphLayout layout = g.drawing()->currentLayout();
    EXPECT_TRUE(layout.points.empty() && layout.legend.empty() && layout.scaleBand.isNull());
}

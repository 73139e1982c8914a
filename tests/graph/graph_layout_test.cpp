#include "graph/graph_layout.h"

#include <gtest/gtest.h>

#include <cfloat>

namespace {

// The drawing window of up to five bars: 350 wide, 384 high under its scroll bar.
constexpr QSize kSmallClient(350, 384);

GraphLayout laidOut(const std::vector<float>& values, QSize client = kSmallClient,
                    int scrollX = 0) {
    return layoutGraph(values, plotMetrics(int(values.size()), client, valueRange(values)),
                       scrollX);
}

} // namespace

TEST(GraphLayout, WindowIsThirtyPixelsABarBetween350And600) {
    EXPECT_EQ(graphWidth(0), 350);
    EXPECT_EQ(graphWidth(1), 350);
    EXPECT_EQ(graphWidth(5), 350); // 270 would be too narrow
    EXPECT_EQ(graphWidth(8), 360);
    EXPECT_EQ(graphWidth(10), 420);
    EXPECT_EQ(graphWidth(16), 600);
    EXPECT_EQ(graphWidth(20), 600); // 720 scrolls instead
    EXPECT_EQ(graphWidth(400), 600);
    EXPECT_EQ(kGraphHeight, 400);
    EXPECT_EQ(graphScrollSteps(5), 14);
    EXPECT_EQ(graphScrollSteps(20), 44);
}

TEST(GraphLayout, RangeStartsAtZeroAndAMillionAndWidensWhenFlat) {
    // One value v: 0.75 v to 1.5 v, then the plot lowers its foot to 0.5025 v.
    const ValueRange one = valueRange({100.0f});
    EXPECT_DOUBLE_EQ(one.minValue, 75.0);
    EXPECT_DOUBLE_EQ(one.maxValue, 150.0);
    EXPECT_NEAR(plotMetrics(1, kSmallClient, one).bottomValue, 50.25, 1e-9);

    const ValueRange two = valueRange({10.0f, 40.0f});
    EXPECT_DOUBLE_EQ(two.minValue, 10.0);
    EXPECT_DOUBLE_EQ(two.maxValue, 40.0);
    EXPECT_NEAR(plotMetrics(2, kSmallClient, two).bottomValue, 10.0 - 0.33 * 30.0, 1e-9);

    // The largest never starts below 0, the smallest never above a million.
    const ValueRange negative = valueRange({-4.0f});
    EXPECT_DOUBLE_EQ(negative.maxValue, 0.0);
    EXPECT_DOUBLE_EQ(negative.minValue, -4.0);
    const ValueRange huge = valueRange({2e6f, 2e6f});
    EXPECT_DOUBLE_EQ(huge.maxValue, 2e6);
    EXPECT_DOUBLE_EQ(huge.minValue, 1e6);

    const ValueRange zeros = valueRange({0.0f, 0.0f});
    EXPECT_DOUBLE_EQ(zeros.maxValue, 0.0);
    EXPECT_DOUBLE_EQ(zeros.minValue, 0.0);
}

TEST(GraphLayout, MarginIsATenthOfTheWidthButAtLeast30) {
    const ValueRange r = valueRange({5.0f});
    EXPECT_EQ(plotMetrics(1, QSize(350, 384), r).margin, 35);
    EXPECT_EQ(plotMetrics(20, QSize(600, 384), r).margin, 60);
    EXPECT_EQ(plotMetrics(1, QSize(250, 384), r).margin, 30);
    EXPECT_EQ(plotMetrics(20, QSize(600, 384), r).plotWidth, 720);
    EXPECT_EQ(plotMetrics(20, QSize(600, 384), r).plotHeight, 384);
}

TEST(GraphLayout, AxesAndLabelsSitByTheMargin) {
    // m = 35, H = 384, P = 30 * 3 + 120 = 210.
    const GraphLayout g = laidOut({12, 15, 19});
    ASSERT_EQ(g.axes.size(), 3);
    EXPECT_EQ(g.axes[0], QPoint(105, 20));
    EXPECT_EQ(g.axes[1], QPoint(105, 349));
    EXPECT_EQ(g.axes[2], QPoint(190, 349));
    EXPECT_EQ(g.yLabelPos[0], QPoint(17, 128));
    EXPECT_EQ(g.yLabelPos[1], QPoint(17, 144));
    EXPECT_EQ(g.yLabelPos[2], QPoint(17, 160));
    EXPECT_EQ(g.xLabelPos, QPoint(70, 367));
}

TEST(GraphLayout, BarsStandOnTheAxisNumberedFromOneTallestReachingTheTop) {
    const GraphLayout g = laidOut({12, 15, 19});
    ASSERT_EQ(g.bars.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const GraphBar& b = g.bars[i];
        const int x = 30 * i + 3 * 35 + 2;
        EXPECT_EQ(b.rect.left(), x + 3) << i;
        EXPECT_EQ(b.rect.width(), 24) << i;
        EXPECT_EQ(b.rect.bottom() + 1, 349) << i; // down to the axis
        EXPECT_EQ(b.number, QString::number(i + 1));
        EXPECT_EQ(b.numberPos, QPoint(x + 3, 351));
        EXPECT_EQ(b.valuePos, QPoint(x, b.rect.top() - 16)) << i;
    }
    EXPECT_EQ(g.bars[0].value, "  12");
    EXPECT_EQ(g.bars[2].value, "  19");
    // The largest value's top is at m - 2.
    EXPECT_EQ(g.bars[2].rect.top(), 33);
    // The smallest keeps about a quarter of the 314 pixels between the margins:
    // 0.33 / 1.33 of them, 77.9, so its top is at trunc(347 - 77.9).
    EXPECT_EQ(g.bars[0].rect.top(), 269);
    // 15 lies 3/7 of the way from 12 to 19: 77.9 + 0.43 * 236.1 = 179.1 high.
    EXPECT_EQ(g.bars[1].rect.top(), 167);
    EXPECT_LT(g.bars[0].rect.height(), g.bars[1].rect.height());
}

TEST(GraphLayout, OneValueGivesOneBarOfThreeQuartersHeight) {
    const GraphLayout g = laidOut({40});
    ASSERT_EQ(g.bars.size(), 1u);
    EXPECT_EQ(g.bars[0].number, "1");
    EXPECT_EQ(g.bars[0].value, "  40");
    // (40 - 20.1) / (60 - 20.1) of 314 pixels: 156.6 high.
    EXPECT_EQ(g.bars[0].rect.top(), 190);
}

TEST(GraphLayout, ValuesPrintRoundedToWholeNumbersFourWide) {
    const GraphLayout g = laidOut({123.6f, 7.0f, 1234.4f, 215.35f});
    ASSERT_EQ(g.bars.size(), 4u);
    EXPECT_EQ(g.bars[0].value, " 124");
    EXPECT_EQ(g.bars[1].value, "   7");
    EXPECT_EQ(g.bars[2].value, "1234");
    EXPECT_EQ(g.bars[3].value, " 215");
}

TEST(GraphLayout, ScrollingMovesEverythingLeftBySixteenPixelSteps) {
    const std::vector<float> values(20, 9.0f);
    const GraphLayout still = laidOut(values, QSize(600, 384), 0);
    const GraphLayout moved = laidOut(values, QSize(600, 384), 3 * kGraphScrollStep);
    ASSERT_EQ(moved.bars.size(), 20u);
    EXPECT_EQ(moved.axes[0], still.axes[0] - QPoint(48, 0));
    EXPECT_EQ(moved.xLabelPos, still.xLabelPos - QPoint(48, 0));
    EXPECT_EQ(moved.yLabelPos[2], still.yLabelPos[2] - QPoint(48, 0));
    for (size_t i = 0; i < 20; ++i) {
        EXPECT_EQ(moved.bars[i].rect, still.bars[i].rect.translated(-48, 0));
        EXPECT_EQ(moved.bars[i].valuePos, still.bars[i].valuePos - QPoint(48, 0));
    }
    // The twentieth bar lies beyond the 600-pixel window until scrolled to.
    EXPECT_GT(still.bars[19].rect.right(), 600);
    const GraphLayout end = laidOut(values, QSize(600, 384), graphScrollSteps(20) * 16);
    EXPECT_LT(end.bars[19].rect.right(), 600);
}

TEST(GraphLayout, AllZeroValuesStayAtTheAxis) {
    const GraphLayout g = laidOut({0.0f, 0.0f, 0.0f});
    ASSERT_EQ(g.bars.size(), 3u);
    for (const GraphBar& b : g.bars) {
        EXPECT_EQ(b.rect.top(), 347);
        EXPECT_EQ(b.rect.bottom(), 348);
        EXPECT_EQ(b.value, "   0");
    }
}

TEST(GraphLayout, HugeAndNegativeValuesStayInsideThePlot) {
    const std::vector<std::vector<float>> lists = {
        {1e30f, 5.0f, 0.0f}, {FLT_MAX, -FLT_MAX, 1.0f}, {FLT_MAX}, {-FLT_MAX}, {-5.0f, -2.0f},
    };
    for (const auto& values : lists) {
        const GraphLayout g = laidOut(values);
        ASSERT_EQ(g.bars.size(), values.size());
        for (const GraphBar& b : g.bars) {
            EXPECT_GE(b.rect.top(), 33);
            EXPECT_LE(b.rect.bottom(), 348);
            EXPECT_FALSE(b.value.isEmpty());
        }
    }
    // The 1e30 bar is the tall one; 5 and 0 are side by side near the bottom.
    const GraphLayout g = laidOut({1e30f, 5.0f, 0.0f});
    EXPECT_EQ(g.bars[0].rect.top(), 33);
    EXPECT_EQ(g.bars[1].rect.top(), g.bars[2].rect.top());
    EXPECT_GT(g.bars[1].rect.top(), 260);
    // Negative values: 0 is the top, -5 the foot, lowered by a third of the span.
    const GraphLayout n = laidOut({-5.0f, -2.0f});
    EXPECT_GT(n.bars[1].rect.height(), n.bars[0].rect.height());
}

TEST(GraphLayout, NoValuesDrawsOnlyAxesAndLabels) {
    const GraphLayout g = laidOut({});
    EXPECT_TRUE(g.bars.empty());
    EXPECT_EQ(g.axes.size(), 3);
    EXPECT_EQ(g.axes[2], QPoint(120 - 35 + 15, 349));
}

TEST(GraphLayout, EachKindHasItsLabelsColourAndHelp) {
    const GraphStyle current = graphStyle("DrillCurrentScores");
    EXPECT_EQ(current.caption, "Drill Level Changes");
    EXPECT_EQ(current.yLabel1, "Level");
    EXPECT_EQ(current.yLabel2, "(letters)");
    EXPECT_EQ(current.yLabel3, "");
    EXPECT_EQ(current.xLabel, "Time (level changes)");
    EXPECT_EQ(current.barColour, QColor(0, 255, 0));
    EXPECT_EQ(current.helpTopic, 42);

    const GraphStyle history = graphStyle("DrillScores");
    EXPECT_EQ(history.caption, "Drill Level History (past performance)");
    EXPECT_EQ(history.yLabel2, "(letters)");
    EXPECT_EQ(history.yLabel3, "");
    EXPECT_EQ(history.xLabel, "Usage of SkimSprinter");
    EXPECT_EQ(history.barColour, QColor(255, 0, 0));
    EXPECT_EQ(history.helpTopic, 43);

    const GraphStyle speed = graphStyle("SpeedTestScores");
    EXPECT_EQ(speed.caption, "Speed Test Results");
    EXPECT_EQ(speed.yLabel1, "Words");
    EXPECT_EQ(speed.yLabel2, "Per");
    EXPECT_EQ(speed.yLabel3, "Minute");
    EXPECT_EQ(speed.xLabel, "Speed Test Number");
    EXPECT_EQ(speed.barColour, QColor(0, 0, 255));
    EXPECT_EQ(speed.helpTopic, 44);
}

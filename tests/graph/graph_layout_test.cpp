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

TEST(GraphLayout, RangeStartsAtZeroAndAMillionAndWidensWhenFlat) {
    const struct {
        std::vector<float> values;
        double min, max;
    } cases[] = {
        {{100.0f}, 75.0, 150.0}, // one value v: 0.75 v to 1.5 v
        {{-4.0f}, -4.0, 0.0}, // the largest never starts below 0
        {{2e6f, 2e6f}, 1e6, 2e6}, // the smallest never above a million
        {{0.0f, 0.0f}, 0.0, 0.0},
    };
    for (const auto& c : cases) {
        const ValueRange r = valueRange(c.values);
        EXPECT_DOUBLE_EQ(r.minValue, c.min) << c.values[0];
        EXPECT_DOUBLE_EQ(r.maxValue, c.max) << c.values[0];
    }
}

TEST(GraphLayout, BarsStandOnTheAxisNumberedFromOneTallestReachingTheTop) {
    const GraphLayout g = laidOut({12, 15, 19});
    ASSERT_EQ(g.bars.size(), 3u);
    EXPECT_EQ(g.axes[1], QPoint(105, 349)); // the corner of the axes, margin 35
    for (int i = 0; i < 3; ++i) {
        const GraphBar& b = g.bars[i];
        EXPECT_EQ(b.rect.left(), 30 * i + 110) << i;
        EXPECT_EQ(b.rect.width(), 24) << i;
        EXPECT_EQ(b.rect.bottom() + 1, 349) << i;
        EXPECT_EQ(b.number, QString::number(i + 1));
        EXPECT_EQ(b.valuePos.y(), b.rect.top() - 16) << i;
    }
    EXPECT_EQ(g.bars[2].rect.top(), 33); // the largest reaches the top margin
    // The smallest keeps about a quarter of the 314 pixels; 15 lies 3/7 of the way up.
    EXPECT_EQ(g.bars[0].rect.top(), 269);
    EXPECT_EQ(g.bars[1].rect.top(), 167);
    // One value alone: (40 - 20.1) / (60 - 20.1) of 314 pixels high.
    EXPECT_EQ(laidOut({40}).bars[0].rect.top(), 190);
    EXPECT_TRUE(laidOut({}).bars.empty());
}

TEST(GraphLayout, ValuesPrintRoundedToWholeNumbersFourWide) {
    const GraphLayout g = laidOut({123.6f, 7.0f, 1234.4f, 215.35f, 0.0f});
    QStringList printed;
    for (const GraphBar& b : g.bars)
        printed << b.value;
    EXPECT_EQ(printed, (QStringList{" 124", "   7", "1234", " 215", "   0"}));
}

TEST(GraphLayout, ZeroHugeAndNegativeValuesStayInsideThePlot) {
    const std::vector<std::vector<float>> lists = {
        {0.0f, 0.0f},       {1e30f, 5.0f, 0.0f}, {FLT_MAX, -FLT_MAX, 1.0f},
        {FLT_MAX},          {-FLT_MAX},          {-5.0f, -2.0f},
    };
    for (const auto& values : lists) {
        const GraphLayout g = laidOut(values);
        ASSERT_EQ(g.bars.size(), values.size());
        for (const GraphBar& b : g.bars) {
            EXPECT_GE(b.rect.top(), 33) << values[0];
            EXPECT_LE(b.rect.bottom(), 348) << values[0];
        }
    }
    // Negative values: the one nearer 0 is the taller bar.
    const GraphLayout n = laidOut({-5.0f, -2.0f});
    EXPECT_GT(n.bars[1].rect.height(), n.bars[0].rect.height());
}

#include "graph/graph_layout.h"
#include "graph/stored_results.h"
#include "platform/profile.h"
#include "shell/globals.h"
#include "support/temp_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>

using Floats = std::vector<float>;

TEST(GraphValues, StoredListsReadAsWrittenAndGarbageReadsAsZero) {
    const struct {
        const char* list;
        Floats values;
    } cases[] = {
        {" 12 15 19", {12, 15, 19}},           // as the drill window writes them
        {" 200.00 215.35", {200.0f, 215.35f}}, // as the speed test writes them
        {" 12 15 ", {12, 15}},                 // a trailing space adds no bar
        {" 12  15", {12, 0, 15}},
        {"abc 12abc inf nan -inf", {0, 12, 0, 0, 0}},
        {"1e999 -1e999", {FLT_MAX, -FLT_MAX}}, // kept within a float
    };
    for (const auto& c : cases)
        EXPECT_EQ(readValueList(c.list), c.values) << c.list;
    EXPECT_EQ(readValueList(QStringLiteral(" 7").repeated(450)).size(), 400u);

    TempState state;
    PersonName = "Zoe";
    WritePrivateProfileString("Max", "DrillScores", " 9 9 9", ProfileName);
    WritePrivateProfileString("Zoe", "DrillScores", " 4 6", ProfileName);
    EXPECT_EQ(storedValues("DrillScores"), (Floats{4, 6}));
    EXPECT_TRUE(storedValues("SpeedTestScores").empty());
    PersonName = "Unnamed";
}

// The drawing window of up to five bars: 350 wide, 384 high under its scroll bar; margin 35.
TEST(GraphLayout, BarsStandInOrderInsideThePlotTallerForLargerValues) {
    const std::vector<Floats> lists = {
        {12, 15, 19}, {40},          {123.6f, 7, 1234.4f, 215.35f, 0}, {0, 0},
        {-5, -2},     {1e30f, 5, 0}, {FLT_MAX, -FLT_MAX, 1},           {}};
    for (const Floats& values : lists) {
        SCOPED_TRACE(::testing::PrintToString(values));
        const ValueRange range = valueRange(values);
        const PlotMetrics metrics = plotMetrics(int(values.size()), {350, 384}, range);
        const GraphLayout g = layoutGraph(values, metrics, 0);
        ASSERT_EQ(g.bars.size(), values.size());
        for (size_t i = 0; i < values.size(); ++i) {
            const GraphBar& b = g.bars[i];
            EXPECT_GE(b.rect.top(), 33);
            EXPECT_EQ(b.rect.top() + b.rect.height(), 349); // on the axis
            EXPECT_EQ(b.number, QString::number(i + 1));
            if (std::abs(values[i]) < 1e6f)
                EXPECT_EQ(b.value, QString::asprintf("%4d", int(std::lround(values[i]))));
            if (i > 0) EXPECT_GT(b.rect.left(), g.bars[i - 1].rect.right());
            for (size_t j = 0; j < values.size(); ++j)
                if (values[i] > values[j])
                    EXPECT_GE(b.rect.height(), g.bars[j].rect.height()) << i << " " << j;
        }
        const auto [low, high] = std::minmax_element(values.begin(), values.end());
        if (values.empty() || *low == *high || *high <= 0) continue;
        // The largest reaches the top; the smallest keeps about a quarter of the height.
        EXPECT_EQ(g.bars[size_t(high - values.begin())].rect.top(), 33);
        const int lowest = g.bars[size_t(low - values.begin())].rect.height();
        if (*low >= 0 && *high < 1e6f) EXPECT_NEAR(lowest / 314.0, 0.25, 0.1) << lowest;
    }
}

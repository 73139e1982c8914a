#include "exercise/shadows.h"

#include <gtest/gtest.h>

using namespace Shadows;

namespace {

// Every character 10 px wide, a tab 30 px; text 20 px high (band 5 + 12).
Line shadows(QStringView line, int division) {
    std::vector<int> offsets{0};
    for (QChar c : line)
        offsets.push_back(offsets.back() + (c == u'\t' ? 30 : 10));
    return layout(line, 100, 50, division, 60, offsets, 20);
}

const QString kTrain = QStringLiteral("The morning train left the station a little after seven.");

QRect band(int x, int width) {
    return QRect(x, 55, width, 12);
}

} // namespace

TEST(Shadows, OneBarPerGroupAndGapsBetweenItsWords) {
    // The band spans the middle of the text height; 0.6 in single precision: 6.9999... gives 6.
    const Band b = Shadows::band(25);
    EXPECT_EQ(std::tuple(b.top, b.height, b.corner), std::tuple(6, 15, 9));
    // Groups begin at 11, 26 and 36; the separator at each break lies between two bars.
    const Line line = shadows(kTrain, 4);
    EXPECT_EQ(line.corner, 7);
    const std::vector<QRect> bars = {band(100, 110), band(220, 140), band(370, 90), band(470, 190)};
    EXPECT_EQ(line.bars, bars);
    const std::vector<QRect> gaps = {band(130, 10), band(270, 10), band(320, 10),
                                     band(440, 10), band(530, 10), band(590, 10)};
    EXPECT_EQ(line.gaps, gaps);

    // Division 1: one bar over the visible text, leading white space skipped.
    const Line whole = shadows("  " + kTrain + "  ", 1);
    EXPECT_EQ(whole.bars, std::vector<QRect>{band(120, 560)});
    EXPECT_EQ(whole.gaps.front(), band(150, 10));
    const Line blank = shadows(u" \t  \t", 4);
    EXPECT_TRUE(blank.bars.empty() && blank.gaps.empty());

    // A tab at a break moves the next bar on by a tab's width; a tab inside a
    // group leaves a gap a tab wide.
    QString tabbed = kTrain;
    tabbed[11] = u'\t';
    tabbed[17] = u'\t';
    const Line t = shadows(tabbed, 4);
    ASSERT_EQ(t.bars.size(), 4u);
    EXPECT_EQ(t.bars[1], band(240, 160));
    EXPECT_EQ(t.gaps[1], band(290, 30));
}

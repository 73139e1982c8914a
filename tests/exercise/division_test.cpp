#include "exercise/division.h"

#include <gtest/gtest.h>

using namespace Division;

namespace {

const QString kTrain = QStringLiteral("The morning train left the station a little after seven.");

struct Cut {
    int start = 0, end = 0;
    std::vector<int> breaks;
};

Cut divide(const QString& text, int division, int average, Search search = Search::Fast) {
    Cut cut{0, int(text.size()), {}};
    cut.breaks = DetermineWordGroups(text, cut.start, cut.end, division, average, search);
    return cut;
}

} // namespace

TEST(Division, LinesCutAsTheUserSeesThem) {
    const struct {
        QString text;
        int division, average, start, end;
        std::vector<int> breaks;
    } cases[] = {
        {kTrain, 4, 60, 0, 56, {11, 26, 36}},
        {kTrain, 1, 60, 0, 56, {}},
        // One slot, both cuts cost nothing: the first one searched wins.
        {kTrain, 2, 56, 0, 56, {26}},
        // Leading white space: intervals count from the first visible character;
        // a leading line feed is visible, trailing white space and line feeds are not.
        {"   " + kTrain, 4, 60, 3, 59, {14, 29, 39}},
        {QStringLiteral("\nabc"), 4, 60, 0, 4, {}},
        {QStringLiteral(" \t  "), 20, 10, 1, 0, {}}, // all white: start runs one past the end
        // Out-of-range divisions are clamped; an average of 0 counts as 1.
        {kTrain, 0, 60, 0, 56, {}},
        {kTrain, 99, 56, 0, 56, divide(kTrain, 20, 56).breaks},
        {kTrain, 4, 0, 0, 56, divide(kTrain, 4, 1).breaks},
        // Every candidate costs 1e8 or more: the search keeps none.
        {"a b " + QString(60000, u'x') + " c", 3, 60006, 0, 60006, {}},
    };
    for (const auto& c : cases)
        for (Search search : {Search::Fast, Search::Exhaustive}) {
            const Cut cut = divide(c.text, c.division, c.average, search);
            EXPECT_EQ(std::tuple(cut.start, cut.end, cut.breaks),
                      std::tuple(c.start, c.end, c.breaks))
                << c.text.left(60).toStdString() << " / " << c.division;
        }
    EXPECT_FALSE(divide(kTrain, 20, 56).breaks.empty());
}

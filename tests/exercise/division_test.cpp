#include "exercise/division.h"
#include "exercise/wordgroupsline.h"

#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <random>

using namespace Division;

namespace {

const QString kTrain = QStringLiteral("The morning train left the station a little after seven.");

struct Cut {
    int start;
    int end;
    std::vector<int> breaks;
};

Cut divide(const QString& text, int division, int average, Search search = Search::Fast) {
    Cut cut{0, int(text.size()), {}};
    cut.breaks = DetermineWordGroups(text, cut.start, cut.end, division, average, search);
    return cut;
}

} // namespace

TEST(Division, SeparatorsAndTrimming) {
    // The line feed is no separator, but trailing ones are trimmed.
    EXPECT_TRUE(AllWhite(u" \t "));
    EXPECT_FALSE(AllWhite(u" \n"));

    const struct {
        const char16_t* text;
        int start, end;
    } cases[] = {
        {u"", 0, 0},  {u"abc", 0, 3}, {u"  abc  ", 2, 5}, {u"abc \t\n", 0, 3}, {u"\nabc", 0, 4},
        {u"a", 0, 1}, {u"\n", 0, 0},  {u"   ", 1, 0}, // all white: the leading count runs one past
                                                      // the trimmed end
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        int start = 0;
        int end = int(text.size());
        EatHeadTailWhite(text, start, end);
        EXPECT_EQ(start, c.start) << text.toStdString();
        EXPECT_EQ(end, c.end) << text.toStdString();
    }
}

TEST(Division, IncrementRoundsTheGroupCountHalfUp) {
    EXPECT_EQ(CalculateIncrement(56, 4, 56), 14);  // average length: 4 groups
    EXPECT_EQ(CalculateIncrement(30, 4, 60), 10);  // u = 2.5: 3 groups
    EXPECT_EQ(CalculateIncrement(29, 4, 60), 15);  // u = 2.45: 2 groups
    EXPECT_EQ(CalculateIncrement(8, 4, 60), 8);    // u = 1.4: one group
    EXPECT_EQ(CalculateIncrement(56, 1, 60), 56);  // no division
    EXPECT_EQ(CalculateIncrement(120, 20, 60), 4); // 39 groups of 3.08
}

TEST(Division, CostIsASinglePrecisionVarianceOfTheNonZeroIntervals) {
    EXPECT_FLOAT_EQ(CalculateCost(std::vector<int>{11, 15, 10}), 14.0f / 3.0f);
    EXPECT_EQ(CalculateCost(std::vector<int>{0, 4, 0, 6}), 1.0f);
    EXPECT_EQ(CalculateCost(std::vector<int>{7}), 0.0f);
    // The same intervals in another order: the same variance, but the single
    // precision sums differ in the last bit.
    EXPECT_GT(CalculateCost(std::vector<int>{30, 19, 34}),
              CalculateCost(std::vector<int>{34, 19, 30}));
}

TEST(Division, SlotsOfferEachCutOnce) {
    // inc 5: slot 5 looks back over 4..1 (letters) and forward to the space at 7;
    // slot 10 finds 7 again looking back, so it only has the space at 12
    // forward; slot 15 finds 12 again and nothing forward, so it is dropped.
    const QString text = QStringLiteral("abcdefg hijk lmnopqrstu");
    const auto sp = FindSlots(text, 0, int(text.size()), 5);
    ASSERT_EQ(sp.size(), 2u);
    EXPECT_EQ(sp[0].before, -1);
    EXPECT_EQ(sp[0].after, 7);
    EXPECT_EQ(sp[1].before, -1);
    EXPECT_EQ(sp[1].after, 12);
}

TEST(Division, LinesCutAsTheUserSeesThem) {
    const struct {
        QString text;
        int division, average;
        int start, end;
        std::vector<int> breaks;
    } cases[] = {
        {kTrain, 4, 60, 0, 56, {11, 26, 36}},
        {kTrain, 1, 60, 0, 56, {}},
        {kTrain + QString(300, u' ') + "x", 1, 10, 0, 357, {}},
        // One slot, both cuts cost nothing (the last group is not costed): the
        // first one searched wins.
        {kTrain, 2, 56, 0, 56, {26}},
        // Leading white space: intervals count from the first visible character.
        {"   " + kTrain, 4, 60, 3, 59, {14, 29, 39}},
        // Trailing white space and a line feed do not count.
        {kTrain + " \t \n", 4, 60, 0, 56, {11, 26, 36}},
        // Short enough for one group.
        {QStringLiteral("to be or"), 4, 60, 0, 8, {}},
        {QString(), 4, 60, 0, 0, {}},
        {QStringLiteral(" \t  "), 20, 10, 1, 0, {}},
        // Out-of-range divisions are clamped; an average of 0 counts as 1.
        {kTrain, 0, 60, 0, 56, {}},
        {kTrain, -3, 60, 0, 56, {}},
        {kTrain, 99, 56, 0, 56, divide(kTrain, 20, 56).breaks},
        {kTrain, 4, 0, 0, 56, divide(kTrain, 4, 1).breaks},
        // Every candidate costs 1e8 or more: the search keeps none.
        {"a b " + QString(60000, u'x') + " c", 3, 60006, 0, 60006, {}},
        {"a b " + QString(600, u'x') + " c", 3, 606, 0, 606, {3, 604}},
    };
    for (const auto& c : cases) {
        for (Search search : {Search::Fast, Search::Exhaustive}) {
            const Cut cut = divide(c.text, c.division, c.average, search);
            EXPECT_EQ(cut.start, c.start) << c.text.left(60).toStdString();
            EXPECT_EQ(cut.end, c.end) << c.text.left(60).toStdString();
            EXPECT_EQ(cut.breaks, c.breaks) << c.text.left(60).toStdString() << " / " << c.division;
        }
    }
    EXPECT_FALSE(divide(kTrain, 20, 56).breaks.empty());
}

TEST(Division, GroupsKeepTheirWhiteSpace) {
    const QString text = QStringLiteral("  one two  three\tfour  ");
    const auto groups = CutIntoGroups(text, {5, 9, 16});
    ASSERT_EQ(groups.size(), 4u);
    EXPECT_EQ(groups[0], "  one");
    EXPECT_EQ(groups[1], " two");
    EXPECT_EQ(groups[2], "  three");
    EXPECT_EQ(groups[3], "\tfour  ");
    EXPECT_EQ(CutIntoGroups(text, {}), std::vector<QString>{text});
    EXPECT_TRUE(CutIntoGroups(QString(), {}).empty());
    EXPECT_EQ(CutIntoGroups(u"   ", {}).size(), 1u);
}

// The fast search against the full one on random lines of every shape.
TEST(Division, FastSearchMatchesTheFullSearchOnRandomLines) {
    std::mt19937 rng(20261206);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzTHE,.;:!?'\"-()");
    auto word = [&](int length) {
        QString w;
        while (w.size() < length)
            w += letters[pick(0, int(letters.size()) - 1)];
        return w;
    };
    // Mostly one space; tabs, runs of both, now and then 20 to 60 spaces.
    auto white = [&] {
        const int kind = pick(0, 19);
        QString run = kind < 13    ? " "
                      : kind < 15  ? "\t"
                      : kind == 19 ? QString(pick(20, 60), u' ')
                                   : "";
        for (int i = kind >= 15 && kind < 19 ? pick(2, 6) : 0; i > 0; --i)
            run += pick(0, 3) ? u' ' : u'\t';
        return run;
    };
    // Empty, all white, one long word, or words (some long) with white space
    // around, leading and trailing now and then.
    auto line = [&] {
        switch (pick(0, 49)) {
        case 0:
            return QString();
        case 1:
            return white() + white();
        case 2:
            return word(pick(30, 140));
        }
        QString text = pick(0, 5) ? QString() : white();
        for (const int target = pick(1, 130); text.size() < target;)
            text += word(pick(0, 9) ? pick(1, 9) : pick(10, 40)) + white();
        if (pick(0, 3)) text.chop(1);
        return text;
    };

    int compared = 0;
    int withManyChoices = 0;
    std::map<int, int> perDivision;
    while (compared < 10000) {
        const QString text = line();
        const int division = pick(1, 20);
        const int average = pick(10, 90);
        // Keep the full search affordable: at most 2^12 candidates.
        int start = 0;
        int end = int(text.size());
        EatHeadTailWhite(text, start, end);
        if (end - start > 0 && division > 1) {
            const int inc = CalculateIncrement(end - start, division, average);
            int both = 0;
            for (const auto& s : FindSlots(text, start, end - start, inc))
                both += s.before != -1 && s.after != -1;
            if (both > 12) continue;
            withManyChoices += both >= 8;
        }
        const Cut fast = divide(text, division, average, Search::Fast);
        const Cut full = divide(text, division, average, Search::Exhaustive);
        ASSERT_EQ(fast.breaks, full.breaks)
            << '"' << text.toStdString() << "\" division " << division << " average " << average;
        // The groups put back together are the line; later ones begin at a separator.
        const auto groups = CutIntoGroups(text, fast.breaks);
        EXPECT_EQ(groups.empty() ? QString()
                                 : std::accumulate(groups.begin(), groups.end(), QString()),
                  text);
        for (size_t g = 1; g < groups.size(); ++g)
            EXPECT_TRUE(IsSeparator(groups[g][0]));
        ++compared;
        ++perDivision[division];
    }
    EXPECT_GT(withManyChoices, 500);
    for (int d = 1; d <= 20; ++d)
        EXPECT_GT(perDivision[d], 200) << d;
}

TEST(WordGroupsTool, ReadsEscapedLinesAndReportsTheCuts) {
    auto run = [](const QString& line) {
        const auto request = WordGroupsLine::parse(line);
        return request ? WordGroupsLine::report(*request) : QStringLiteral("(rejected)");
    };
    EXPECT_EQ(run("4\t60\t" + kTrain), "0 56 : 11 26 36");
    EXPECT_EQ(run("1\t60\t" + kTrain), "0 56 :");
    EXPECT_EQ(run("4\t60\t  " + kTrain + "\\t"), "2 58 : 13 28 38");
    EXPECT_EQ(run("4\t60\t"), "0 0 :");
    EXPECT_EQ(run("4\t60"), "(rejected)");
    EXPECT_EQ(run("four\t60\tx"), "(rejected)");
    EXPECT_EQ(run("4\t6.5\tx"), "(rejected)");
    EXPECT_EQ(WordGroupsLine::unescape(u"a\\tb\\\\t\\n\\"), QStringLiteral("a\tb\\t\\n\\"));
}

#include "exercise/division.h"
#include "exercise/wordgroupsline.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>

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
        {kTrain + " \t \n", 4, 60, 0, 56, {11, 26, 36}},
        {QStringLiteral("\nabc"), 4, 60, 0, 4, {}},
        {QString(), 4, 60, 0, 0, {}},
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
        if (kind == 19) return QString(pick(20, 60), u' ');
        QString run = kind < 13 ? QStringLiteral(" ") : QStringLiteral("\t");
        for (int i = kind >= 15 ? pick(1, 5) : 0; i > 0; --i)
            run += pick(0, 3) ? u' ' : u'\t';
        return run;
    };
    // Empty, all white, one long word, or words (some long) with white space around.
    auto line = [&] {
        if (const int kind = pick(0, 49); kind < 3)
            return kind == 0 ? QString() : kind == 1 ? white() + white() : word(pick(30, 140));
        QString text = pick(0, 5) ? QString() : white();
        for (const int target = pick(1, 130); text.size() < target;)
            text += word(pick(0, 9) ? pick(1, 9) : pick(10, 40)) + white();
        if (pick(0, 3)) text.chop(1);
        return text;
    };

    int withManyChoices = 0;
    for (int compared = 0; compared < 10000;) {
        const QString text = line();
        const int division = pick(1, 20);
        const int average = pick(10, 90);
        // Keep the full search affordable: at most 2^12 candidates.
        int start = 0, end = int(text.size());
        EatHeadTailWhite(text, start, end);
        if (end - start > 0 && division > 1) {
            int both = 0;
            for (const auto& s : FindSlots(text, start, end - start,
                                           CalculateIncrement(end - start, division, average)))
                both += s.before != -1 && s.after != -1;
            if (both > 12) continue;
            withManyChoices += both >= 8;
        }
        const Cut fast = divide(text, division, average, Search::Fast);
        ASSERT_EQ(fast.breaks, divide(text, division, average, Search::Exhaustive).breaks)
            << '"' << text.toStdString() << "\" division " << division << " average " << average;
        // The groups put back together are the line; later ones begin at a separator.
        const auto groups = CutIntoGroups(text, fast.breaks);
        EXPECT_EQ(std::accumulate(groups.begin(), groups.end(), QString()), text);
        for (size_t g = 1; g < groups.size(); ++g)
            EXPECT_TRUE(IsSeparator(groups[g][0]));
        ++compared;
    }
    EXPECT_GT(withManyChoices, 400);
}

// The tool's whole input against what it writes: CR LF, LF and a lone CR each end a
// line, and a field that is not exactly a whole number is an error.
TEST(WordGroupsTool, ReadsLinesAndReportsTheCutsOrTheError) {
    using namespace std::literals;
    const auto bytes = [](std::string_view s) { return QByteArray(s.data(), qsizetype(s.size())); };
    const QByteArray train = kTrain.toLatin1();
    const auto error = [](int line) {
        return "word_groups: line " + std::to_string(line) +
               ": expected division<TAB>average<TAB>text\n";
    };
    const struct {
        QByteArray input;
        std::string out, err;
    } cases[] = {
        {"4\t60\t" + train + "\n1\t60\t" + train, "0 56 : 11 26 36\n0 56 :\n", ""},
        {"4\t60\t  " + train + "\\t\n4\t60\t\n", "2 58 : 13 28 38\n0 0 :\n", ""},
        {"1\t9\ta\r\n1\t9\tbc\r1\t9\td\r\r\n", "0 1 :\n0 2 :\n0 1 :\n", error(4)},
        {"four\t60\tx\n4\t6.5\tx\n", "", error(1) + error(2)},
        {bytes("4\0xyz\t60\tx\n"sv), "", error(1)},
    };
    for (const auto& c : cases) {
        const WordGroupsLine::Output output = WordGroupsLine::run(c.input);
        EXPECT_EQ(std::tuple(output.out, output.err, output.status),
                  std::tuple(c.out, c.err, c.err.empty() ? 0 : 1))
            << c.input.toStdString();
    }
    EXPECT_EQ(WordGroupsLine::unescape(u"a\\tb\\\\t\\n\\"), QStringLiteral("a\tb\\t\\n\\"));
}

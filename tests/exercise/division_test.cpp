#include "exercise/division.h"
#include "exercise/wordgroupsline.h"

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

// The question files, the score of a check and how results are stored, as rules.

#include "reading/comprehension.h"
#include "reading/question_file.h"
#include "reading/speed_result.h"

#include <gtest/gtest.h>

namespace {

const char* const kGood =
    "# comment\r\nWhat makes dough stretchy?\r\n- the sugar\r\n+ gluten\r\n-  the salt  \r\n"
    "- the air\r\n\r\n\r\nWhich comes last?\n- shaping\n- proving\n# a note between options\n"
    "- kneading\n+ baking";

} // namespace

TEST(QuestionFile, BlocksBecomeQuestionsAndEveryBrokenBlockIsNamedByItsLine) {
    const QuestionFile good = parseQuestions(QString::fromUtf8("\xEF\xBB\xBF") + kGood);
    ASSERT_TRUE(good.ok()) << good.error.toStdString();
    ASSERT_EQ(good.questions.size(), 2u);
    EXPECT_EQ(good.questions[0].text, "What makes dough stretchy?");
    EXPECT_EQ(good.questions[0].options, QStringList({"the sugar", "gluten", "the salt", "the air"}));
    EXPECT_EQ(std::pair(good.questions[0].correct, good.questions[1].correct), std::pair(1, 3));

    const QString block = "Q?\n- a\n- b\n- c\n+ d\n\n";
    const std::tuple<const char*, QString, int> bad[] = {
        {"empty file", "", 0},
        {"no +", block + "Q?\n- a\n- b\n- c\n- d\n", 7},
        {"two +", block + "Q?\n+ a\n- b\n+ c\n- d\n", 10},
        {"three options", block + "Q?\n- a\n+ b\n- c\n\nQ?\n", 7},
        {"empty option", "Q?\n- a\n+\n- c\n- d\n", 3},
        {"not an option", "Q?\n- a\n+ b\nc\n- d\n", 4},
    };
    for (const auto& [what, text, line] : bad) {
        const QuestionFile file = parseQuestions(text);
        EXPECT_FALSE(file.ok()) << what;
        EXPECT_TRUE(file.questions.empty()) << what; // never half a file
        EXPECT_EQ(file.errorLine, line) << what << ": " << file.error.toStdString();
    }
    QuestionFile twoPlus = parseQuestions(std::get<1>(bad[2]));
    EXPECT_EQ(questionFileProblem("/data/st_bas/st3.q", twoPlus).toStdString(),
              "/data/st_bas/st3.q:10: a second option marked \"+\"");
}

// The message itself is told through the speed test window in comprehension_test.
TEST(Comprehension, SeventyPerCentIsTheAim) {
    // 70 % is the aim itself: 7 of 10 gets no advice, 2 of 3 (67 %) does.
    EXPECT_FALSE((ComprehensionScore{7, 10}.belowAim()));
    EXPECT_TRUE((ComprehensionScore{2, 3}.belowAim()));
    EXPECT_EQ((ComprehensionScore{2, 3}.percent()), 67);
}

TEST(Comprehension, TheListStaysAlignedWithTheScores) {
    // Scores and comprehension list before, the entry, the comprehension list after. A full
    // score list refusing both is seen through the window in comprehension_test.
    const std::tuple<QString, QString, QString, QString> cases[] = {
        {"", "", "75", " 75"},
        {" 200.00 210.00", " 80", "p", " 80 - p"},
        {" 200.00", " 80 90 40 abc", "-", " 80 -"},         // longer than the scores: cut
        {" 200.00 210.00", "abc ", "75", " abc - 75"},      // a trailing space is no entry
        {" 200.00  210.00", " 60  70", "75", " 60  70 75"}, // an empty piece is one
    };
    for (const auto& [scoresBefore, before, entry, after] : cases) {
        QString scores = scoresBefore, list = before;
        ASSERT_TRUE(appendResult(scores, list, 200.0f, entry));
        EXPECT_EQ(scores, scoresBefore + " 200.00");
        EXPECT_EQ(list, after) << before.toStdString();
    }
}

#include "support/shell_fixture.h"

#include "graph/stored_results.h"
#include "platform/message_box.h"
#include "platform/profile.h"
#include "shell/globals.h"

#include <cfloat>

using Floats = std::vector<float>;

TEST(GraphValues, SpacesSeparateValuesAndLeadingOnesAreSkipped) {
    // As the drill window writes them: each item a space and a level.
    EXPECT_EQ(readValueList(" 12 15 19"), (Floats{12, 15, 19}));
    EXPECT_EQ(readValueList("   12 15"), (Floats{12, 15}));
    // As the speed test writes them.
    EXPECT_EQ(readValueList(" 200.00 215.35"), (Floats{200.0f, 215.35f}));
    EXPECT_EQ(readValueList("-3.5 +4 2e2 .5"), (Floats{-3.5f, 4.0f, 200.0f, 0.5f}));
    // A single trailing space ends the list without a further bar.
    EXPECT_EQ(readValueList(" 12 15 "), (Floats{12, 15}));
    EXPECT_TRUE(readValueList("").empty());
    EXPECT_TRUE(readValueList("     ").empty());
}

TEST(GraphValues, EmptyAndNonNumericPiecesReadAsZero) {
    // Two spaces leave an empty piece between them: a bar of 0.
    EXPECT_EQ(readValueList(" 12  15"), (Floats{12, 0, 15}));
    EXPECT_EQ(readValueList("12   15"), (Floats{12, 0, 0, 15}));
    EXPECT_EQ(readValueList("abc 7 x9"), (Floats{0, 7, 0}));
    // Only the number the piece starts with counts.
    EXPECT_EQ(readValueList("12abc 3,5 4e"), (Floats{12, 3, 4}));
    // Words a general number reader would take are not decimal numbers.
    EXPECT_EQ(readValueList("inf nan 0x10 -inf"), (Floats{0, 0, 0, 0}));
}

TEST(GraphValues, HugeNumbersAreKeptWithinAFloat) {
    const Floats v = readValueList("1e30 1e999 -1e999 1e-999");
    ASSERT_EQ(v.size(), 4u);
    EXPECT_FLOAT_EQ(v[0], 1e30f);
    EXPECT_EQ(v[1], FLT_MAX);
    EXPECT_EQ(v[2], -FLT_MAX);
    EXPECT_EQ(v[3], 0.0f);
}

TEST(GraphValues, APieceIsReadToNineteenCharacters) {
    // "1234567890123456789" and then the 20th character "9" is not read.
    const Floats v = readValueList("12345678901234567899 5");
    ASSERT_EQ(v.size(), 2u);
    EXPECT_FLOAT_EQ(v[0], 1234567890123456789.0f);
    EXPECT_EQ(v[1], 5.0f);
    EXPECT_EQ(readValueList("0000000000000000007.5"), (Floats{7.0f}));
}

TEST(GraphValues, AtMost400ValuesAreKept) {
    QString list;
    for (int i = 1; i <= 450; ++i)
        list += QStringLiteral(" %1").arg(i % 10);
    const Floats v = readValueList(list);
    ASSERT_EQ(v.size(), 400u);
    EXPECT_EQ(v[0], 1.0f);
    EXPECT_EQ(v[399], 0.0f); // the 400th item, 400 % 10
}

class GraphChecks : public ShellTest {
protected:
    GraphChecks() { PersonName = "Zoe"; }
};

TEST_F(GraphChecks, StoredListIsReadToItsFirst1999Characters) {
    // 99 pieces of 19 characters and one of 15, each with its space, end at 1995; the
    // last piece starts at 1996, so only "123" of "12345" is read.
    QString list;
    for (int i = 0; i < 99; ++i)
        list += QStringLiteral("0000000000000000001 ");
    list += QStringLiteral("000000000000002 12345");
    ASSERT_EQ(list.indexOf("12345"), 1996);
    WritePrivateProfileString("Zoe", "SpeedTestScores", list.toLatin1().constData(), ProfileName);
    const Floats v = storedValues("SpeedTestScores");
    ASSERT_EQ(v.size(), 101u);
    EXPECT_EQ(v[0], 1.0f);
    EXPECT_EQ(v[99], 2.0f);
    EXPECT_EQ(v[100], 123.0f);
}

TEST_F(GraphChecks, ValuesComeFromTheCurrentUsersKey) {
    WritePrivateProfileString("Zoe", "DrillScores", " 4 6", ProfileName);
    WritePrivateProfileString("Max", "DrillScores", " 9 9 9", ProfileName);
    EXPECT_EQ(storedValues("DrillScores"), (Floats{4, 6}));
    EXPECT_TRUE(storedValues("SpeedTestScores").empty());
    // A quoted value of blanks holds nothing.
    WritePrivateProfileString("Zoe", "DrillScores", "\"   \"", ProfileName);
    EXPECT_TRUE(storedValues("DrillScores").empty());
}

TEST_F(GraphChecks, EmptyListsAreRefusedWithAMessageNamingTheUser) {
    ModalScript script;
    script.answer("No earlier drills recorded.",
                  "You have not yet done any earlier drills under the name of Zoe.", IDOK);
    EXPECT_FALSE(DROK(nullptr));
    script.answer("No speed tests recorded.",
                  "You have not yet done any speed tests under the name of Zoe.", IDOK);
    EXPECT_FALSE(STOK(nullptr));
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(script.seen,
              (QStringList{"No earlier drills recorded.: You have not yet done any earlier drills "
                           "under the name of Zoe.",
                           "No speed tests recorded.: You have not yet done any speed tests under "
                           "the name of Zoe."}));
}

TEST_F(GraphChecks, ListsWithAnythingInThemPassSilently) {
    WritePrivateProfileString("Zoe", "DrillScores", " 12", ProfileName);
    WritePrivateProfileString("Zoe", "SpeedTestScores", " 200.00", ProfileName);
    ModalScript script; // any message fails the test
    EXPECT_TRUE(DROK(nullptr));
    EXPECT_TRUE(STOK(nullptr));
    // Another user's results do not count for Zoe.
    PersonName = "Ann";
    script.answer("No speed tests recorded.", "under the name of Ann.", IDOK);
    EXPECT_FALSE(STOK(nullptr));
}

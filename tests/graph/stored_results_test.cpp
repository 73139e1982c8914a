#include "support/shell_fixture.h"

#include "graph/stored_results.h"
#include "platform/message_box.h"
#include "platform/profile.h"
#include "shell/globals.h"

#include <cfloat>

using Floats = std::vector<float>;

TEST(GraphValues, ReadLikeTheListsAreWritten) {
    const struct {
        const char* list;
        Floats values;
    } cases[] = {
        {" 12 15 19", {12, 15, 19}}, // as the drill window writes them
        {"   12 15", {12, 15}},
        {" 200.00 215.35", {200.0f, 215.35f}}, // as the speed test writes them
        {"-3.5 +4 2e2 .5", {-3.5f, 4.0f, 200.0f, 0.5f}},
        {" 12 15 ", {12, 15}}, // a trailing space adds no bar
        {"     ", {}},
        {" 12  15", {12, 0, 15}}, // an empty piece between two spaces is a bar of 0
        {"abc 7 x9", {0, 7, 0}},
        {"12abc 3,5 4e", {12, 3, 4}}, // only the number a piece starts with counts
        {"inf nan 0x10 -inf", {0, 0, 0, 0}},
        {"1e999 -1e999 1e-999", {FLT_MAX, -FLT_MAX, 0}}, // kept within a float
        {"0000000000000000007.5", {7}},                // a piece is read to 19 characters
    };
    for (const auto& c : cases)
        EXPECT_EQ(readValueList(c.list), c.values) << c.list;
    QString many;
    for (int i = 1; i <= 450; ++i)
        many += QStringLiteral(" %1").arg(i % 10);
    EXPECT_EQ(readValueList(many).size(), 400u);
}

TEST(GraphValues, StoredListsAreTheCurrentUsersReadToTheirFirst1999Characters) {
    TempState state;
    PersonName = "Zoe";
    WritePrivateProfileString("Max", "DrillScores", " 9 9 9", ProfileName);
    WritePrivateProfileString("Zoe", "DrillScores", " 4 6", ProfileName);
    EXPECT_EQ(storedValues("DrillScores"), (Floats{4, 6}));
    EXPECT_TRUE(storedValues("SpeedTestScores").empty());
    // 99 pieces of 19 characters and one of 15 end at 1995: only "123" of "12345" is read.
    const QString list = QStringLiteral("0000000000000000001 ").repeated(99) +
                         QStringLiteral("000000000000002 12345");
    WritePrivateProfileString("Zoe", "SpeedTestScores", list.toLatin1().constData(), ProfileName);
    const Floats v = storedValues("SpeedTestScores");
    ASSERT_EQ(v.size(), 101u);
    EXPECT_EQ(v[100], 123.0f);
    PersonName = "Unnamed";
}

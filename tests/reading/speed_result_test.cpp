#include "reading/speed_result.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(SpeedResult, MessagesForTimedReadings) {
    struct Case {
        int characters;
        unsigned ms;
        const char* message;
    };
    const Case cases[] = {
        {1000, 60000, "Your speed is 200.00 words per minute  (16.67 characters per second)"},
        {1000, 30000, "Your speed is 400.00 words per minute  (33.33 characters per second)"},
        {2543, 97310, "Your speed is 313.60 words per minute  (26.13 characters per second)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(speedMessage(readingSpeed(c.characters, c.ms)).toStdString(), c.message)
            << c.characters << " in " << c.ms;
    // Start and stop on the same tick: counted as 1 ms, never an infinite speed to save.
    EXPECT_TRUE(std::isfinite(readingSpeed(32, 0).wordsPerMinute));
    EXPECT_EQ(readingSpeed(32, 0).wordsPerMinute, readingSpeed(32, 1).wordsPerMinute);
}

TEST(SpeedResult, TimedStretchesAddUpAcrossAClockWrap) {
    EXPECT_EQ(timedMilliseconds(61000, 1000, 0), 60000u);
    EXPECT_EQ(timedMilliseconds(50000, 40000, 20000), 30000u);
    EXPECT_EQ(timedMilliseconds(500, 0xFFFFFF00u, 0), 756u);
}

TEST(SpeedResult, ScoresAreAppendedUntilTheListReaches980Characters) {
    QString empty;
    EXPECT_TRUE(appendScore(empty, 200.0f));
    EXPECT_EQ(empty.toStdString(), " 200.00");
    EXPECT_TRUE(appendScore(empty, 215.354f));
    EXPECT_EQ(empty.toStdString(), " 200.00 215.35");
    EXPECT_TRUE(appendScore(empty, 7.5f));
    EXPECT_EQ(empty.toStdString(), " 200.00 215.35 7.50");

    QString almost(979, '1');
    EXPECT_TRUE(appendScore(almost, 200.0f));
    EXPECT_EQ(almost.size(), 986);
    QString full(980, '1');
    EXPECT_FALSE(appendScore(full, 200.0f));
    EXPECT_EQ(full, QString(980, '1'));
}

#include "reading/speed_result.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(SpeedResult, SpeedsOfTimedReadings) {
    const std::tuple<int, unsigned, const char*> cases[] = {
        {1000, 60000, "Your speed is 200.00 words per minute  (16.67 characters per second)"},
        {2543, 97310, "Your speed is 313.60 words per minute  (26.13 characters per second)"},
    };
    for (const auto& [characters, ms, message] : cases)
        EXPECT_EQ(speedMessage(readingSpeed(characters, ms)).toStdString(), message);
    // Start and stop on one tick: counted as 1 ms, never an infinite speed to save.
    EXPECT_TRUE(std::isfinite(readingSpeed(32, 0).wordsPerMinute));
    // Stretches add up, across a wrap of the millisecond clock too.
    EXPECT_EQ(timedMilliseconds(50000, 40000, 20000), 30000u);
    EXPECT_EQ(timedMilliseconds(500, 0xFFFFFF00u, 0), 756u);
}

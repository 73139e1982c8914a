#include "platform/locations.h"
#include "support/temp_state.h"

#include <gtest/gtest.h>

TEST(Locations, StateAndScoreDirsFollowXdgHomes) {
    TempState state;
    EXPECT_EQ(Locations::stateDir(), state.configHome() + "/skimsprinter");
    EXPECT_EQ(Locations::scoreDir(), state.dataHome() + "/skimsprinter");
}

TEST(Locations, OldStyleNamesResolveAgainstDataTree) {
    Locations::setDataDirOverride("/opt/data");
    EXPECT_EQ(Locations::dataPath("sound\\right.wav"), "/opt/data/sound/right.wav");
    EXPECT_EQ(Locations::dataPath("/abs/file.txt"), "/abs/file.txt");
    Locations::setDataDirOverride({});
}

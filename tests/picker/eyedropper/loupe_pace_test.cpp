// How often the loupe checks the pointer: quick while it moves and for a moment
// after, slower once it has rested, quick again at the first movement seen.
#include <gtest/gtest.h>

#include "loupe_pace.h"

namespace tintwell::testing {
namespace {

TEST(LoupePace, SlowsAfterARestAndFollowsAgainAtTheFirstMovement) {
    LoupePace pace;
    const ScreenPoint at{40, 30};
    EXPECT_EQ(pace.Saw(at, 1000), kFollowingFrameMs) << "the first sighting";
    EXPECT_EQ(pace.Saw(at, 1000 + kRestAfterMs - 1), kFollowingFrameMs) << "a pause, not a rest";
    EXPECT_EQ(pace.Saw(at, 1000 + kRestAfterMs), kRestingFrameMs);
    EXPECT_EQ(pace.Saw(at, 5000), kRestingFrameMs) << "a long rest stays slow";

    // One pixel is a movement, and the rest is counted from it.
    EXPECT_EQ(pace.Saw({41, 30}, 5010), kFollowingFrameMs);
    EXPECT_EQ(pace.periodMs(), kFollowingFrameMs);
    EXPECT_EQ(pace.Saw({41, 30}, 5010 + kRestAfterMs - 1), kFollowingFrameMs);
    EXPECT_EQ(pace.Saw({41, 31}, 5010 + kRestAfterMs + 100), kFollowingFrameMs);
    EXPECT_EQ(pace.Saw({41, 31}, 5010 + 2 * kRestAfterMs + 100), kRestingFrameMs);
}

TEST(LoupePace, HurryBringsQuickFramesBackAtRest) {
    LoupePace pace;
    const ScreenPoint at{1919, 1079};
    pace.Saw(at, 0);
    ASSERT_EQ(pace.Saw(at, kRestAfterMs), kRestingFrameMs);
    EXPECT_EQ(pace.Hurry(kRestAfterMs + 20), kFollowingFrameMs);
    EXPECT_EQ(pace.Saw(at, kRestAfterMs + 40), kFollowingFrameMs) << "the rest counts anew";
    EXPECT_EQ(pace.Saw(at, 2 * kRestAfterMs + 20), kRestingFrameMs);
}

}  // namespace
}  // namespace tintwell::testing

// When the loupe reads and draws: a resting pointer costs neither, a read like the
// last one is not drawn again, and a loupe that cannot show waits for the pointer or
// the monitors to change.
#include <gtest/gtest.h>

#include <vector>

#include "harness.h"
#include "loupe_refresh.h"
#include "monitor_layout.h"

namespace tintwell::testing {
namespace {

ScreenSquare ReadAt(ScreenPoint pointer) {
    ScreenSquare read = UnreadSquare(pointer, 5);
    for (size_t i = 0; i < read.cells.size(); ++i) {
        read.cells[i] = Rgb(0x12 + static_cast<int>(i), 0x34, 0x56);
    }
    return read;
}

const SampleStatus kLive{0, Rgb(0x12, 0x34, 0x56), FreezeState::Live};

TEST(LoupeRefresh, AtRestNeitherFramesNorLikeTicksReadOrDraw) {
    LoupeRefresh refresh;
    const ScreenPoint at{40, 30};
    EXPECT_TRUE(refresh.FrameReads(at, kLayout)) << "nothing shown yet";
    const ScreenSquare read = ReadAt(at);
    EXPECT_TRUE(refresh.Shows(read, kLive, kLayout));
    refresh.Drawn(read, kLive, kLayout);

    EXPECT_FALSE(refresh.FrameReads(at, kLayout));
    EXPECT_FALSE(refresh.Shows(ReadAt(at), kLive, kLayout)) << "the same pixels again";
    EXPECT_TRUE(refresh.FrameReads({41, 30}, kLayout));
    EXPECT_TRUE(refresh.FrameReads({40, 29}, kLayout));

    // Anything the loupe shows that changed is drawn, at the same place too.
    ScreenSquare hover = ReadAt(at);
    hover.cells.back() = Rgb(0x12, 0x34, 0x57);
    EXPECT_TRUE(refresh.Shows(hover, kLive, kLayout)) << "a corner pixel changed";
    EXPECT_TRUE(refresh.Shows(ReadAt({41, 30}), kLive, kLayout)) << "the pointer moved";
    const SampleStatus mean{1, Rgb(0x13, 0x34, 0x56), FreezeState::Live};
    EXPECT_TRUE(refresh.Shows(read, mean, kLayout)) << "another sample size";
    const SampleStatus frozen{0, kLive.sample, FreezeState::Frozen};
    EXPECT_TRUE(refresh.Shows(read, frozen, kLayout)) << "the caption says frozen";
    std::vector<MonitorArea> rescaled = kLayout;
    rescaled[0].dpi = 120;
    EXPECT_TRUE(refresh.Shows(read, kLive, rescaled));
    EXPECT_TRUE(refresh.FrameReads(at, rescaled));

    refresh.Forget();
    EXPECT_TRUE(refresh.FrameReads(at, kLayout));
    EXPECT_TRUE(refresh.Shows(read, kLive, kLayout));
}

TEST(LoupeRefresh, ALoupeThatCannotShowWaitsForThePointerOrTheMonitors) {
    LoupeRefresh refresh;
    const ScreenPoint at{1919, 1079};
    refresh.CannotShow(at, kLayout);
    EXPECT_FALSE(refresh.FrameReads(at, kLayout));
    ScreenSquare changed = ReadAt(at);
    EXPECT_FALSE(refresh.Shows(changed, kLive, kLayout)) << "a tick's read there";
    changed.cells[0] = Rgb(0x56, 0x34, 0x12);
    EXPECT_FALSE(refresh.Shows(changed, kLive, kLayout)) << "the screen changed, not the room";

    EXPECT_TRUE(refresh.FrameReads({1918, 1079}, kLayout));
    EXPECT_TRUE(refresh.Shows(ReadAt({1918, 1079}), kLive, kLayout));

    std::vector<MonitorArea> taskbarGone = kLayout;
    taskbarGone[0].work.bottom = 1080;
    EXPECT_TRUE(refresh.FrameReads(at, taskbarGone));
    EXPECT_TRUE(refresh.Shows(ReadAt(at), kLive, taskbarGone));
    const std::vector<MonitorArea> unplugged{kPrimary, kLeft};
    EXPECT_TRUE(refresh.FrameReads(at, unplugged));

    // Shown again once it could: from then on like any other shown loupe.
    refresh.Drawn(ReadAt({1918, 1079}), kLive, kLayout);
    EXPECT_FALSE(refresh.FrameReads({1918, 1079}, kLayout));
    EXPECT_TRUE(refresh.FrameReads(at, kLayout));
}

}  // namespace
}  // namespace tintwell::testing

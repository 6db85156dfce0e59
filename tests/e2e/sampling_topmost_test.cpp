// Screen sampling under the pointer (Check3) and keep-on-top (Check1).
#include <windows.h>

#include <gtest/gtest.h>

#include "sampling_fixture.h"
#include "screen_probe.h"
#include "user_input.h"

namespace e2e {
namespace {

using namespace tintwell::win32;

using SamplingTopmostTest = SamplingTest;

TEST_F(SamplingTopmostTest, ChannelModeSamplingFollowsThePointerUntilCleared) {
    ClickControl(kOption4);
    swatchWindow().SetColour(Rgb(0x12, 0x34, 0x56));
    ClickControl(kCheck3);
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return IsChecked(kCheck3); }));
    ASSERT_TRUE(MoveTo(swatchWindow().Centre()));
    EXPECT_TRUE(TextBecomes(L"#123456"));
    EXPECT_TRUE(MarkersAt(POINT{0x56 - 5, 250 - 0x34}, 256 - 0x12));
    EXPECT_TRUE(TablesShow(Rgb(0x12, 0x34, 0x56), 3, 0));

    swatchWindow().SetColour(Rgb(0x65, 0x43, 0x21));
    EXPECT_TRUE(TextBecomes(L"#654321")) << "every tick samples again";

    StopSampling();
    swatchWindow().SetColour(Rgb(0x0A, 0xB0, 0xC0));
    Pause(800);
    EXPECT_EQ(Text1(), L"#654321") << "cleared, the last sample stays";
}

TEST_F(SamplingTopmostTest, HueModeSamplingLocatesTheSampledColour) {
    const uint32_t orange = Rgb(255, 0x34, 0);
    ASSERT_TRUE(Sample(orange, DisplayText(oracle().GetColor(orange, 0, 255, 0, 0))));
    EXPECT_EQ(Text1(), L"#FF3400") << "a colour at full strength comes back unchanged";
    EXPECT_TRUE(MarkersAt(POINT{250, -5}, 247));
    EXPECT_TRUE(TablesShow(orange, 0, 0));
}

TEST_F(SamplingTopmostTest, KeepOnTopEntersAndLeavesTheTopmostBandInPlace) {
    RECT before{};
    GetWindowRect(form(), &before);
    auto topmost = [&] { return (GetWindowLongPtrW(form(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
    ASSERT_FALSE(topmost());

    ClickControl(kCheck1);
    EXPECT_TRUE(WaitUntil(kUpdateTimeoutMs, topmost));
    RECT after{};
    GetWindowRect(form(), &after);
    EXPECT_TRUE(EqualRect(&before, &after)) << "the window neither moves nor resizes";

    ClickControl(kCheck1);
    EXPECT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return !topmost(); }));
    GetWindowRect(form(), &after);
    EXPECT_TRUE(EqualRect(&before, &after));
}

}  // namespace
}  // namespace e2e

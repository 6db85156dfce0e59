// The H/R/G/B switches and web-safe snapping, on colours brought in by sampling.
#include <windows.h>

#include <gtest/gtest.h>

#include "sampling_fixture.h"
#include "screen_probe.h"
#include "user_input.h"

namespace e2e {
namespace {

using namespace tintwell::win32;

using ModesTest = SamplingTest;

const uint32_t kBrown = Rgb(200, 100, 50);

TEST_F(ModesTest, ChannelModesPlaceTheMarkersByTheChannels) {
    ClickControl(kOption4);
    ASSERT_TRUE(Sample(kBrown, L"#C86432"));
    EXPECT_TRUE(MarkersAt(POINT{45, 150}, 56)) << "R: blue across, green up, red in the strip";
    EXPECT_TRUE(SwatchBecomes(kBrown));
    EXPECT_TRUE(TablesShow(kBrown, 3, 0));

    ClickControl(kOption5);
    EXPECT_TRUE(MarkersAt(POINT{45, 50}, 156)) << "G: blue across, red up, green in the strip";
    EXPECT_TRUE(TablesShow(kBrown, 4, 0));
    ClickControl(kOption6);
    EXPECT_TRUE(MarkersAt(POINT{195, 150}, 206)) << "B: red across, green up, blue in the strip";
    EXPECT_TRUE(TablesShow(kBrown, 5, 0));
    EXPECT_EQ(Text1(), L"#C86432") << "switching channels keeps the colour";
}

TEST_F(ModesTest, FieldAndStripPicksInRedModeChangeTheColour) {
    ClickControl(kOption4);
    ASSERT_TRUE(Sample(kBrown, L"#C86432"));
    ClickStrip(0);
    EXPECT_TRUE(TextBecomes(L"#FF6432")) << "row 0 of the red strip is full red";
    EXPECT_TRUE(MarkersAt(POINT{45, 150}, 1));

    ASSERT_TRUE(Sample(kBrown, L"#C86432"));
    ClickField(10, 20);
    EXPECT_EQ(oracle().GetColor(kBrown, TableModeRed, 10, 20, 0), Rgb(200, 235, 10));
    EXPECT_TRUE(TextBecomes(L"#C8EB0A"));
    EXPECT_TRUE(MarkersAt(POINT{5, 15}, 56)) << "the picked colour becomes the current one";
}

TEST_F(ModesTest, BackToHueLocatesTheColour) {
    ClickControl(kOption4);
    ASSERT_TRUE(Sample(Rgb(200, 100, 100), L"#C86464"));
    ClickControl(kOption1);
    EXPECT_TRUE(TextBecomes(L"#C86375")) << "the field's colour at the located point";
    EXPECT_TRUE(MarkersAt(POINT{123, 50}, 9));
    EXPECT_TRUE(TablesShow(Rgb(255, 0, 45), 0, 0));

    ClickControl(kOption1);
    Pause(300);
    EXPECT_TRUE(MarkersAt(POINT{123, 50}, 9)) << "H again locates nothing anew";
    EXPECT_EQ(Text1(), L"#C86375");
}

TEST_F(ModesTest, HueColourCarriesOverIntoRedMode) {
    ClickStrip(40);
    ClickField(150, 90);
    const uint32_t hue = oracle().GetColor2(Rgb(255, 255, 255), 0, 40, 0);
    const uint32_t shown = oracle().GetColor(hue, 0, 150, 90, 0);
    ASSERT_TRUE(TextBecomes(DisplayText(shown)));

    ClickControl(kOption4);
    const int red = shown & 0xFF, green = (shown >> 8) & 0xFF, blue = (shown >> 16) & 0xFF;
    EXPECT_TRUE(MarkersAt(POINT{blue - 5, 250 - green}, 256 - red));
    EXPECT_TRUE(TextBecomes(DisplayText(shown)));
    EXPECT_TRUE(TablesShow(shown, 3, 0));
}

TEST_F(ModesTest, WebSafeSnapsTablesAndSwatchButNotTheMarkers) {
    ClickControl(kOption4);
    ASSERT_TRUE(Sample(kBrown, L"#C86432"));

    ClickControl(kCheck4);
    const uint32_t snapped = oracle().GetColor(kBrown, TableModeRed, 50, 155, 1);
    EXPECT_EQ(snapped, Rgb(204, 102, 51));
    EXPECT_TRUE(TextBecomes(DisplayText(snapped)));
    EXPECT_TRUE(MarkersAt(POINT{45, 150}, 56));
    EXPECT_TRUE(TablesShow(kBrown, 3, 1));
    EXPECT_TRUE(SwatchBecomes(snapped));

    ClickControl(kCheck4);
    EXPECT_TRUE(TextBecomes(L"#C86432")) << "clearing it shows the same channels unsnapped";
    EXPECT_TRUE(TablesShow(kBrown, 3, 0));
}

}  // namespace
}  // namespace e2e

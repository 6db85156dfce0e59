#include <gtest/gtest.h>

#include <vector>

#include "harness.h"
#include "picker_state.h"

namespace tintwell::testing {
namespace {

using Entries = std::vector<std::string>;

TEST(RefreshPicker, CallsInOrderWithTheirArgumentsInHueMode) {
    SpiedHarness h(SpyPath());
    h.spy.SetAnswer(Rgb(0x12, 0x34, 0x56));
    PickerState &s = h.state();
    s.red = 0x10;
    s.green = 0x20;
    s.blue = 0xF0;
    s.fieldX = 30;
    s.fieldY = 140;
    s.stripPos = 99;
    s.webSafe = 1;
    h.form.RefreshPicker();
    EXPECT_EQ(h.log.entries, (Entries{
                                 "Picture1_hDC",
                                 "DrawColorTable F02010 0 0 0 1",
                                 "Picture2_hDC",
                                 "DrawColorTable2 F02010 0 0 0 1",
                                 "Picture1_Refresh",
                                 "Picture2_Refresh",
                                 "set_Label1_Top 135",
                                 "set_Label1_Left 25",
                                 "set_Label2_Top 100",
                                 "GetColor F02010 0 30 140 1",
                                 "set_Shape1_FillColor 563412",
                                 "set_Text1_Text #123456",
                                 "set_Label1_ForeColor FFFFFF",
                             }));
    EXPECT_EQ(s.hexText, "563412");
    EXPECT_EQ(s.red, 0x10);
    EXPECT_EQ(s.fieldY, 140);
}

// Markers and the looked-up point follow the mode's axes.
TEST(RefreshPicker, MarkerPositionsAndLookupPointInEveryMode) {
    struct Case {
        int32_t mode;
        Entries markersAndLookup;
    };
    const Case cases[] = {
        {TableModeHue,
         {"set_Label1_Top 15", "set_Label1_Left 5", "set_Label2_Top 31",
          "GetColor 321E0A 0 10 20 0"}},
        {TableModeRed,
         {"set_Label1_Top 220", "set_Label1_Left 45", "set_Label2_Top 246",
          "GetColor 321E0A 3 50 225 0"}},
        {TableModeGreen,
         {"set_Label1_Top 240", "set_Label1_Left 45", "set_Label2_Top 226",
          "GetColor 321E0A 4 50 245 0"}},
        {TableModeBlue,
         {"set_Label1_Top 220", "set_Label1_Left 5", "set_Label2_Top 206",
          "GetColor 321E0A 5 10 225 0"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.mode);
        SpiedHarness h(SpyPath(), PickerState{c.mode, 10, 30, 50, "", 10, 20, 30, 0});
        h.form.RefreshPicker();
        const Entries got(h.log.entries.begin() + 6, h.log.entries.begin() + 10);
        EXPECT_EQ(got, c.markersAndLookup);
    }
}

ColorRef MarkerColourFor(int32_t mode, int32_t red, int32_t green, int32_t blue, int32_t fieldY) {
    SpiedHarness h(SpyPath(), PickerState{mode, red, green, blue, "", 0, fieldY, 0, 0});
    h.form.RefreshPicker();
    return h.controls.label1ForeColor;
}

TEST(RefreshPicker, MarkerColourThresholds) {
    EXPECT_EQ(MarkerColourFor(TableModeHue, 255, 0, 0, 0), kBlack);
    EXPECT_EQ(MarkerColourFor(TableModeHue, 255, 0, 0, 127), kBlack);
    EXPECT_EQ(MarkerColourFor(TableModeHue, 255, 0, 0, 128), kWhite);
    EXPECT_EQ(MarkerColourFor(TableModeHue, 255, 0, 0, 255), kWhite);
    for (int32_t mode : {TableModeRed, TableModeGreen, TableModeBlue}) {
        SCOPED_TRACE(mode);
        EXPECT_EQ(MarkerColourFor(mode, 255, 255, 255, 0), kBlack);
        EXPECT_EQ(MarkerColourFor(mode, 100, 100, 239, 0), kWhite);
        EXPECT_EQ(MarkerColourFor(mode, 100, 100, 240, 0), kBlack);
        EXPECT_EQ(MarkerColourFor(mode, 0, 0, 0, 0), kWhite);
        // The field row does not count outside hue mode.
        EXPECT_EQ(MarkerColourFor(mode, 100, 100, 240, 255), kBlack);
    }
}

TEST(RefreshPicker, HueModeAtTheOriginPutsMarkersInTheCornerAndBlack) {
    SpiedHarness h(SpyPath(), PickerState{TableModeHue, 255, 0, 0, "", 0, 0, 0, 0});
    h.controls.label2Left = 267.0f;
    h.form.RefreshPicker();
    EXPECT_EQ(h.controls.label1Left, -5.0f);
    EXPECT_EQ(h.controls.label1Top, -5.0f);
    EXPECT_EQ(h.controls.label2Top, 1.0f);
    EXPECT_EQ(h.controls.label2Left, 267.0f);
    EXPECT_EQ(h.controls.label1ForeColor, kBlack);
}

// With the real engine: text, swatch and hexText all show what the field shows.
TEST(RefreshPicker, ShowsTheEngineColourUnderTheMarker) {
    Harness h;
    h.state() = PickerState{TableModeHue, 200, 100, 50, "", 128, 64, 0, 0};
    h.form.RefreshPicker();
    EXPECT_EQ(h.controls.text1, u"#BF8E5F");  // (191, 142, 95)
    EXPECT_EQ(h.controls.shape1FillColor, Rgb(191, 142, 95));
    EXPECT_EQ(h.state().hexText, "5F8EBF");
    // The field really was drawn: its top-left pixel is white, the bottom row black.
    EXPECT_EQ(h.controls.picture1.pixels[0] & 0xFFFFFFu, 0xFFFFFFu);
    EXPECT_EQ(h.controls.picture1.pixels[255 * 256 + 100] & 0xFFFFFFu, 0u);

    h.state() = PickerState{TableModeHue, 255, 0, 0, "", 0, 255, 0, 0};
    h.form.RefreshPicker();
    EXPECT_EQ(h.controls.text1, u"#000000");
}

TEST(RefreshPicker, PointOutsideTheFieldStillRefreshes) {
    // No handler stores such a point, but a refresh must not depend on that: the
    // marker then sits past the edge and the shown colour is the edge's.
    Harness h;
    h.state() = PickerState{TableModeHue, 255, 0, 0, "", -3, 258, 0, 0};
    h.form.RefreshPicker();
    EXPECT_EQ(h.controls.label1Left, -8.0f);
    EXPECT_EQ(h.controls.label1Top, 253.0f);
    EXPECT_EQ(h.controls.text1, u"#000000");
    EXPECT_EQ(h.controls.label1ForeColor, kWhite);
}

}  // namespace
}  // namespace tintwell::testing

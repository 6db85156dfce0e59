#include <gtest/gtest.h>

#include "harness.h"
#include "picker_state.h"

namespace tintwell::testing {
namespace {

struct Located {
    int32_t red, green, blue, fieldX, fieldY, stripPos;
};

Located Locate(int32_t red, int32_t green, int32_t blue) {
    Harness h("never-loaded");
    h.state().hexText = HexTextRule(Rgb(red, green, blue));
    h.form.LocateColor();
    const PickerState &s = h.state();
    EXPECT_TRUE(h.log.entries.empty()) << "LocateColor shows nothing";
    return {s.red, s.green, s.blue, s.fieldX, s.fieldY, s.stripPos};
}

void ExpectLocated(const Located &got, const Located &want) {
    EXPECT_EQ(got.red, want.red);
    EXPECT_EQ(got.green, want.green);
    EXPECT_EQ(got.blue, want.blue);
    EXPECT_EQ(got.fieldX, want.fieldX);
    EXPECT_EQ(got.fieldY, want.fieldY);
    EXPECT_EQ(got.stripPos, want.stripPos);
}

TEST(LocateColor, WorkedExamplesIncludingTies) {
    struct Case {
        int32_t r, g, b;
        Located want;
    };
    const Case cases[] = {
        {255, 255, 255, {255, 0, 0, 0, 0, 0}},
        {0, 0, 0, {255, 0, 0, 0, 255, 0}},
        {128, 128, 128, {255, 0, 0, 0, 127, 0}},
        {255, 0, 0, {255, 0, 0, 255, 0, 0}},
        {255, 0, 255, {255, 0, 255, 255, 0, 44}},  // tie: green smallest, r <= b
        {0, 0, 255, {0, 0, 255, 255, 0, 86}},
        {0, 255, 255, {0, 255, 255, 255, 0, 128}},  // tie: red smallest, b <= g
        {0, 255, 0, {0, 255, 0, 255, 0, 169}},
        {255, 255, 0, {255, 255, 0, 255, 0, 212}},  // tie: blue smallest, g <= r
        {255, 128, 0, {255, 128, 0, 255, 0, 234}},
        {200, 100, 50, {255, 96, 0, 191, 55, 239}},
        {200, 100, 100, {255, 0, 45, 128, 55, 8}},
        {50, 100, 200, {0, 96, 255, 191, 55, 102}},
        {1, 0, 0, {255, 0, 0, 255, 254, 0}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::Message() << c.r << "," << c.g << "," << c.b);
        ExpectLocated(Locate(c.r, c.g, c.b), c.want);
    }
}

TEST(LocateColor, EveryGreyIsPureRedAtItsLevel) {
    for (int32_t level = 0; level < 256; ++level) {
        SCOPED_TRACE(level);
        ExpectLocated(Locate(level, level, level), {255, 0, 0, 0, 255 - level, 0});
    }
}

TEST(LocateColor, ReadsOnlyTheHexTextAndKeepsModeAndWebSafe) {
    Harness h("never-loaded");
    h.state().tableMode = kModeRed;
    h.state().webSafe = 1;
    h.state().red = 12;
    h.state().hexText = "0080FF";  // red 255, green 128, blue 0
    h.form.LocateColor();
    EXPECT_EQ(h.state().tableMode, kModeRed);
    EXPECT_EQ(h.state().webSafe, 1);
    EXPECT_EQ(h.state().hexText, "0080FF");
    EXPECT_EQ(h.state().stripPos, 234);
}

TEST(LocateColor, EveryColourGivesChannelsAndPositionsInsideTheTables) {
    for (int32_t r = 0; r < 256; r += 15) {
        for (int32_t g = 0; g < 256; g += 17) {
            for (int32_t b = 0; b < 256; b += 5) {
                const Located got = Locate(r, g, b);
                for (int32_t v :
                     {got.red, got.green, got.blue, got.fieldX, got.fieldY, got.stripPos}) {
                    ASSERT_GE(v, 0) << r << "," << g << "," << b;
                    ASSERT_LE(v, 255) << r << "," << g << "," << b;
                }
            }
        }
    }
}

TEST(LocateColor, MaxAndMiddleChannel) {
    EXPECT_EQ(Form::max(3, 7), 7);
    EXPECT_EQ(Form::max(7, 3), 7);
    EXPECT_EQ(Form::max(-1, -1), -1);
    EXPECT_EQ(Form::gc(200, 100, 50), 96);
    EXPECT_EQ(Form::gc(200, 100, 100), 45);
    EXPECT_EQ(Form::gc(255, 128, 128), 0);
    EXPECT_EQ(Form::gc(255, 255, 0), 255);
    EXPECT_EQ(Form::gc(1, 0, 0), 0);
    EXPECT_EQ(Form::gc(255, 254, 254), 0);
}

}  // namespace
}  // namespace tintwell::testing

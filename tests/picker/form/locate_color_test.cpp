#include <gtest/gtest.h>

#include "harness.h"
#include "locate_examples.h"
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
    for (const testsupport::LocateExample &c : testsupport::kLocateExamples) {
        SCOPED_TRACE(::testing::Message() << c.r << "," << c.g << "," << c.b);
        ExpectLocated(Locate(c.r, c.g, c.b),
                      {c.red, c.green, c.blue, c.fieldX, c.fieldY, c.stripPos});
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
    h.state().tableMode = TableModeRed;
    h.state().webSafe = 1;
    h.state().red = 12;
    h.state().hexText = "0080FF";  // red 255, green 128, blue 0
    h.form.LocateColor();
    EXPECT_EQ(h.state().tableMode, TableModeRed);
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

}  // namespace
}  // namespace tintwell::testing

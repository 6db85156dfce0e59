// The format texts against values worked out by hand from the CSS Color 4 rgb-to-hsl
// definitions (and its named colours), not by the code under test.
#include <gtest/gtest.h>

#include <string>

#include "colour_formats.h"
#include "harness.h"

namespace tintwell::testing {
namespace {

struct Worked {
    int red, green, blue;
    const char *hsl;
    const char *basic;
    const char *decimal;
};

const Worked kWorked[] = {
    // Black, white, the primaries and secondaries (a tie for the largest channel goes
    // to red, then green), greys.
    {0, 0, 0, "hsl(0, 0%, 0%)", "&H0&", "0"},
    {255, 255, 255, "hsl(0, 0%, 100%)", "&HFFFFFF&", "16777215"},
    {255, 0, 0, "hsl(0, 100%, 50%)", "&HFF&", "255"},
    {0, 255, 0, "hsl(120, 100%, 50%)", "&HFF00&", "65280"},
    {0, 0, 255, "hsl(240, 100%, 50%)", "&HFF0000&", "16711680"},
    {255, 255, 0, "hsl(60, 100%, 50%)", "&HFFFF&", "65535"},
    {0, 255, 255, "hsl(180, 100%, 50%)", "&HFFFF00&", "16776960"},
    {255, 0, 255, "hsl(300, 100%, 50%)", "&HFF00FF&", "16711935"},
    {128, 128, 128, "hsl(0, 0%, 50%)", "&H808080&", "8421504"},
    {192, 192, 192, "hsl(0, 0%, 75%)", "&HC0C0C0&", "12632256"},
    // rebeccapurple, which CSS defines as hsl(270, 50%, 40%).
    {0x66, 0x33, 0x99, "hsl(270, 50%, 40%)", "&H993366&", "10040166"},
    // Hues next to 0 and 360: 359.29 stays, 359.53 and 359.76 are a full turn, and
    // 0.5 and 359.5 exactly go up.
    {255, 0, 3, "hsl(359, 100%, 50%)", "&H300FF&", "196863"},
    {255, 0, 2, "hsl(0, 100%, 50%)", "&H200FF&", "131327"},
    {255, 0, 1, "hsl(0, 100%, 50%)", "&H100FF&", "65791"},
    {255, 1, 0, "hsl(0, 100%, 50%)", "&H1FF&", "511"},
    {120, 1, 0, "hsl(1, 100%, 24%)", "&H178&", "376"},
    {120, 0, 1, "hsl(0, 100%, 24%)", "&H10078&", "65656"},
    // Saturation exactly 2.5 % and 12.5 %, on both sides of lightness 50 %.
    {41, 40, 39, "hsl(30, 3%, 16%)", "&H272829&", "2566185"},
    {216, 215, 214, "hsl(30, 3%, 84%)", "&HD6D7D8&", "14079960"},
    {9, 8, 7, "hsl(30, 13%, 3%)", "&H70809&", "460809"},
    // Lightness 4.51 % and 5.49 % (never exactly a half with 8-bit channels).
    {12, 11, 11, "hsl(0, 4%, 5%)", "&HB0B0C&", "723724"},
    {14, 14, 14, "hsl(0, 0%, 5%)", "&HE0E0E&", "921102"},
    // Leading zero bytes in the COLORREF.
    {1, 0, 0, "hsl(0, 100%, 0%)", "&H1&", "1"},
    {0, 1, 0, "hsl(120, 100%, 0%)", "&H100&", "256"},
    {0, 0, 1, "hsl(240, 100%, 0%)", "&H10000&", "65536"},
    {10, 11, 12, "hsl(210, 9%, 4%)", "&HC0B0A&", "789258"},
};

TEST(ColourFormats, HslBasicLiteralAndDecimalMatchTheWorkedValues) {
    for (const Worked &w : kWorked) {
        const auto texts = ColourFormatTexts(Rgb(w.red, w.green, w.blue));
        SCOPED_TRACE(texts[0]);
        EXPECT_EQ(texts[4], w.hsl);
        EXPECT_EQ(texts[6], w.basic);
        EXPECT_EQ(texts[7], w.decimal);
    }
}

TEST(ColourFormats, EveryFormatOfOneColourInMenuOrder) {
    const auto texts = ColourFormatTexts(Rgb(0x1A, 0x2B, 0x3C));
    const std::string expected[] = {
        "#1A2B3C",  "1A2B3C",    "rgb(26, 43, 60)", "26, 43, 60", "hsl(210, 40%, 17%)",
        "0x1A2B3C", "&H3C2B1A&", "3943194"};
    for (size_t i = 0; i < kColourFormatCount; ++i) EXPECT_EQ(texts[i], expected[i]) << i;

    const auto small = ColourFormatTexts(Rgb(0x00, 0x05, 0x0A));
    EXPECT_EQ(small[0], "#00050A");
    EXPECT_EQ(small[1], "00050A");
    EXPECT_EQ(small[2], "rgb(0, 5, 10)");
    EXPECT_EQ(small[5], "0x00050A");
    EXPECT_EQ(ColourFormatTexts(0xFF3C2B1Au), texts) << "a high byte is no part of the colour";
}

TEST(ColourFormats, DisplayTextsBackToColours) {
    EXPECT_EQ(ColourOfDisplayText(u"#1A2B3C"), Rgb(0x1A, 0x2B, 0x3C));
    EXPECT_EQ(ColourOfDisplayText(u"#1a2b3c"), Rgb(0x1A, 0x2B, 0x3C));
    EXPECT_FALSE(ColourOfDisplayText(u"1A2B3C"));
    EXPECT_FALSE(ColourOfDisplayText(u"#1A2B3"));
    EXPECT_FALSE(ColourOfDisplayText(u"#1A2B3C0"));
    EXPECT_FALSE(ColourOfDisplayText(u"#1G2B3C"));
    EXPECT_FALSE(ColourOfDisplayText(u""));
}

}  // namespace
}  // namespace tintwell::testing

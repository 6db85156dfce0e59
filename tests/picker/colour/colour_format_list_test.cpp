// The fifteen formats: the seven new ones against values published elsewhere (the
// CSS colour examples this program was asked for, color.js's conversion tests for
// OKLab, OKLCH and LCH, CSS's own hwb() and named colours), the eight old ones
// against the copy menu's own writer, and the number rules every decimal follows.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "colour_bytes.h"
#include "colour_format_list.h"
#include "colour_formats.h"
#include "decimal_text.h"

namespace tintwell::testing {
namespace {

std::string Text(uint32_t rrggbb, ColourFormat format) {
    return ColourFormatText(ColourOfRrggbb(rrggbb), format);
}

TEST(ColourFormatList, SevenNewFormatsOfOneColour) {
    const auto texts = AllColourFormatTexts(ColourOfRrggbb(0x1A2B3C));
    EXPECT_EQ(texts[8], "hsv(210, 57%, 24%)");
    EXPECT_EQ(texts[9], "hwb(210 10% 76%)");
    EXPECT_EQ(texts[10], "cmyk(57%, 28%, 0%, 76%)");
    EXPECT_EQ(texts[11], "lab(16.68 -2.85 -13.25)");
    EXPECT_EQ(texts[12], "lch(16.68 13.55 257.85)");
    EXPECT_EQ(texts[13], "oklab(0.2826 -0.0137 -0.03633)");
    EXPECT_EQ(texts[14], "oklch(0.2826 0.03883 249.34)");
    EXPECT_EQ(AllColourFormatTexts(0xFF3C2B1Au), texts) << "a high byte is no part of the colour";
}

// color.js's values to six places (test/conversions.js), rounded as the formats
// round them.
TEST(ColourFormatList, OklabOklchAndLchAgainstPublishedValues) {
    const struct {
        uint32_t rgb;
        ColourFormat format;
        const char *text;
    } cases[] = {
        {0xFF5733, ColourFormat::Lab, "lab(61.03 63.55 55.96)"},
        {0xFF5733, ColourFormat::Oklch, "oklch(0.6804 0.21001 33.69)"},
        {0xFF0000, ColourFormat::Oklab, "oklab(0.628 0.22486 0.12585)"},
        {0xFF0000, ColourFormat::Lch, "lch(54.29 106.84 40.86)"},
        {0xFF0000, ColourFormat::Oklch, "oklch(0.628 0.25768 29.23)"},
        {0x00FF00, ColourFormat::Oklab, "oklab(0.8664 -0.23389 0.1795)"},
        {0x00FF00, ColourFormat::Oklch, "oklch(0.8664 0.29483 142.5)"},
        {0x0000FF, ColourFormat::Oklab, "oklab(0.452 -0.03246 -0.31153)"},
        {0x0000FF, ColourFormat::Oklch, "oklch(0.452 0.31321 264.05)"},
        {0x00FFFF, ColourFormat::Oklab, "oklab(0.9054 -0.14944 -0.0394)"},
        {0xFF00FF, ColourFormat::Oklab, "oklab(0.7017 0.27457 -0.16916)"},
        {0xFFFF00, ColourFormat::Oklab, "oklab(0.968 -0.07137 0.19857)"},
        {0x708090, ColourFormat::Lch, "lch(52.7 11.23 253)"},     // slategray
        {0xFFEFD5, ColourFormat::Lch, "lch(95.23 14.89 80.19)"},  // papayawhip
    };
    for (const auto &c : cases) EXPECT_EQ(Text(c.rgb, c.format), c.text) << std::hex << c.rgb;
}

TEST(ColourFormatList, WhiteBlackAndGreysHaveNoHue) {
    EXPECT_EQ(Text(0x808080, ColourFormat::Lch), "lch(53.59 0 none)");
    EXPECT_EQ(Text(0x808080, ColourFormat::Oklch), "oklch(0.5999 0 none)");
    EXPECT_EQ(Text(0x808080, ColourFormat::Lab), "lab(53.59 0 0)");
    EXPECT_EQ(Text(0xFFFFFF, ColourFormat::Lch), "lch(100 0 none)");
    EXPECT_EQ(Text(0xFFFFFF, ColourFormat::Oklab), "oklab(1 0 0)");
    EXPECT_EQ(Text(0xFFFFFF, ColourFormat::Oklch), "oklch(1 0 none)");
    EXPECT_EQ(Text(0x000000, ColourFormat::Lab), "lab(0 0 0)");
    EXPECT_EQ(Text(0x000000, ColourFormat::Oklch), "oklch(0 0 none)");
    // The smallest chroma a channel step gives still has its hue.
    EXPECT_EQ(Text(0x010000, ColourFormat::Oklch).find("none"), std::string::npos);
}

// CSS Color 4's hwb() of rgb(60% 20% 20%) is hwb(0 20% 40%); cmyk's black has all of
// its ink in K.
TEST(ColourFormatList, WholeNumberSpacesAtTheirEnds) {
    EXPECT_EQ(Text(0x993333, ColourFormat::Hwb), "hwb(0 20% 40%)");
    EXPECT_EQ(Text(0x000000, ColourFormat::Hwb), "hwb(0 0% 100%)");
    EXPECT_EQ(Text(0xFFFFFF, ColourFormat::Hwb), "hwb(0 100% 0%)");
    EXPECT_EQ(Text(0x000000, ColourFormat::Cmyk), "cmyk(0%, 0%, 0%, 100%)");
    EXPECT_EQ(Text(0xFFFFFF, ColourFormat::Cmyk), "cmyk(0%, 0%, 0%, 0%)");
    EXPECT_EQ(Text(0xFF0000, ColourFormat::Cmyk), "cmyk(0%, 100%, 100%, 0%)");
    EXPECT_EQ(Text(0x123456, ColourFormat::Cmyk), "cmyk(79%, 40%, 0%, 66%)");
    EXPECT_EQ(Text(0x000000, ColourFormat::Hsv), "hsv(0, 0%, 0%)");
    EXPECT_EQ(Text(0x00FF00, ColourFormat::Hsv), "hsv(120, 100%, 100%)");
    // Hue 359.76 is a full turn, and a saturation of 2.5 % exactly goes up, as in hsl().
    EXPECT_EQ(Text(0xFF0001, ColourFormat::Hsv), "hsv(0, 100%, 100%)");
    EXPECT_EQ(Text(0x282727, ColourFormat::Hsv), "hsv(0, 3%, 16%)");
}

// The eight the copy menu has always written, from its own writer, for every value
// of every channel and for colours spread over the rest.
TEST(ColourFormatList, TheMenusEightAreItsOwnTexts) {
    std::vector<ColorRef> colours;
    for (int32_t v = 0; v < 256; ++v) {
        colours.push_back(ColourOfBytes(v, 0, 0));
        colours.push_back(ColourOfBytes(0, v, 0));
        colours.push_back(ColourOfBytes(0, 0, v));
        colours.push_back(ColourOfBytes(v, 255 - v, v * 37 % 256));
    }
    for (uint32_t i = 0; i < 20000; ++i) colours.push_back((i * 2654435761u) >> 8);
    for (ColorRef colour : colours) {
        const auto menu = ColourFormatTexts(colour);
        const auto all = AllColourFormatTexts(colour);
        for (size_t i = 0; i < kColourFormatCount; ++i) ASSERT_EQ(all[i], menu[i]) << i;
    }
}

TEST(ColourFormatList, TableNamesEveryFormatOnceWithAKeyThatFindsIt) {
    std::set<std::string> names;
    std::set<std::string> keys;
    for (size_t i = 0; i < kAllColourFormatCount; ++i) {
        const ColourFormatInfo &info = ColourFormatTable()[i];
        EXPECT_EQ(static_cast<size_t>(info.format), i);
        EXPECT_EQ(&InfoOf(info.format), &info);
        EXPECT_TRUE(names.insert(info.displayName).second) << info.displayName;
        EXPECT_TRUE(keys.insert(info.key).second) << info.key;
        EXPECT_EQ(ColourFormatOfKey(info.key), info.format);
    }
    EXPECT_STREQ(InfoOf(ColourFormat::Oklch).displayName, "oklch()");
    EXPECT_STREQ(InfoOf(ColourFormat::Hwb).displayName, "hwb()");
    EXPECT_FALSE(ColourFormatOfKey("HSV"));
    EXPECT_FALSE(ColourFormatOfKey(""));
}

std::string Decimal(double value, int decimals, Zeros zeros) {
    std::string text;
    AppendDecimal(text, value, decimals, zeros);
    return text;
}

TEST(DecimalText, HalvesGoAwayFromZeroOnTheExactBinaryValue) {
    EXPECT_EQ(ScaledRounded(0.125, 2), 13);  // exactly a half
    EXPECT_EQ(ScaledRounded(-0.125, 2), -13);
    EXPECT_EQ(ScaledRounded(2.5, 0), 3);
    EXPECT_EQ(ScaledRounded(-2.5, 0), -3);
    EXPECT_EQ(ScaledRounded(2.675, 2), 267);  // the double lies below 2.675
    EXPECT_EQ(ScaledRounded(1.005, 2), 100);  // and so does 1.005
    EXPECT_EQ(ScaledRounded(0.4999999999999999, 0), 0);
}

TEST(DecimalText, TrailingZerosPointAndSign) {
    EXPECT_EQ(Decimal(0.5, 2, Zeros::Trim), "0.5");
    EXPECT_EQ(Decimal(3.001, 2, Zeros::Trim), "3");
    EXPECT_EQ(Decimal(3.001, 2, Zeros::Keep), "3.00");
    EXPECT_EQ(Decimal(-0.004, 2, Zeros::Trim), "0");
    EXPECT_EQ(Decimal(-0.004, 2, Zeros::Keep), "0.00");
    EXPECT_EQ(Decimal(-0.006, 2, Zeros::Trim), "-0.01");
    EXPECT_EQ(Decimal(-13.2475, 2, Zeros::Trim), "-13.25");
    EXPECT_EQ(Decimal(0.0137, 5, Zeros::Trim), "0.0137");
    EXPECT_EQ(Decimal(123.456, 0, Zeros::Keep), "123");
    EXPECT_EQ(Decimal(std::nan(""), 3, Zeros::Keep), "0.000");
}

}  // namespace
}  // namespace tintwell::testing

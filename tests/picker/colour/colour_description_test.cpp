#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "colour_description.h"
#include "harness.h"

namespace tintwell::testing {
namespace {

constexpr ColorRef kWhite = 0xFFFFFF;
constexpr ColorRef kBlack = 0x000000;

// Ratios worked out by hand from the W3C formulas; #777777 and #595959 sit just
// past a displayed boundary, so a rounded-to-nearest digit would show the next one.
TEST(Contrast, KnownPairsWithTheirLevelsAndDigitsCutDown) {
    struct Case {
        ColorRef colour;
        ColorRef against;
        double ratio;
        const char *shown;
        ContrastLevel level;
    };
    const Case cases[] = {
        {Rgb(0x77, 0x77, 0x77), kWhite, 4.4781, "4.4", ContrastLevel::AaLarge},
        {Rgb(0x76, 0x76, 0x76), kWhite, 4.5422, "4.5", ContrastLevel::Aa},
        {kBlack, kWhite, 21.0, "21.0", ContrastLevel::Aaa},
        {Rgb(0x59, 0x59, 0x59), kWhite, 7.0047, "7.0", ContrastLevel::Aaa},
        {Rgb(0x59, 0x59, 0x59), kBlack, 2.9980, "2.9", ContrastLevel::None},
        {Rgb(0x12, 0x34, 0x56), Rgb(0x12, 0x34, 0x56), 1.0, "1.0", ContrastLevel::None},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.shown);
        EXPECT_NEAR(ContrastRatio(c.colour, c.against), c.ratio, 5e-5);
        EXPECT_DOUBLE_EQ(ContrastRatio(c.colour, c.against), ContrastRatio(c.against, c.colour));
        EXPECT_EQ(RatioText(ContrastBillionths(c.colour, c.against)), c.shown);
        EXPECT_EQ(LevelOf(ContrastBillionths(c.colour, c.against)), c.level);
    }
}

TEST(Contrast, LevelsAndDigitsAtTheBoundaries) {
    EXPECT_EQ(LevelOf(4'499'999'999), ContrastLevel::AaLarge);
    EXPECT_EQ(RatioText(4'499'999'999), "4.4");
    EXPECT_EQ(LevelOf(4'500'000'000), ContrastLevel::Aa);
    EXPECT_EQ(RatioText(4'500'000'000), "4.5");
    EXPECT_EQ(LevelOf(6'999'999'999), ContrastLevel::Aa);
    EXPECT_EQ(LevelOf(7'000'000'000), ContrastLevel::Aaa);
    EXPECT_EQ(LevelOf(2'999'999'999), ContrastLevel::None);
    EXPECT_EQ(LevelOf(3'000'000'000), ContrastLevel::AaLarge);
    EXPECT_EQ(RatioText(10'099'999'999), "10.0");
}

// 10/255 lies below the 0.04045 threshold and takes the straight segment; 11/255
// lies above it and takes the power curve.
TEST(Contrast, LuminanceUsesTheLinearSegmentBelowTheThreshold) {
    EXPECT_NEAR(RelativeLuminance(Rgb(10, 0, 0)), 0.2126 * (10.0 / 255.0) / 12.92, 1e-12);
    EXPECT_NEAR(RelativeLuminance(Rgb(0, 0, 11)), 0.0722 * 0.003346535763899161,
                1e-12);  // ((11/255 + 0.055) / 1.055)^2.4
    EXPECT_DOUBLE_EQ(RelativeLuminance(kWhite), 1.0);
}

// Pairs from Sharma, Wu and Dalal's published test data for CIEDE2000, chosen to
// cover the hue-wrap and neutral branches.
TEST(NearestName, Ciede2000MatchesThePublishedTestData) {
    struct Pair {
        CieLab first;
        CieLab second;
        double difference;
    };
    const Pair pairs[] = {
        {{50.0, 2.6772, -79.7751}, {50.0, 0.0, -82.7485}, 2.0425},
        {{50.0, 0.0, 0.0}, {50.0, -1.0, 2.0}, 2.3669},
        {{50.0, 2.5, 0.0}, {73.0, 25.0, -18.0}, 27.1492},
        {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
        {{50.0, 2.49, -0.001}, {50.0, -2.49, 0.0009}, 7.1792},
    };
    for (const Pair &p : pairs) {
        EXPECT_NEAR(Ciede2000(p.first, p.second), p.difference, 1e-4);
        EXPECT_NEAR(Ciede2000(p.second, p.first), p.difference, 1e-4);
    }
}

TEST(NearestName, LabOfTheWhitePointAndBlack) {
    const CieLab white = LabOf(kWhite);
    EXPECT_NEAR(white.l, 100.0, 1e-4);
    EXPECT_NEAR(white.a, 0.0, 1e-3);
    EXPECT_NEAR(white.b, 0.0, 1e-3);
    EXPECT_NEAR(LabOf(kBlack).l, 0.0, 1e-9);
    // sRGB red, as colour references list it (D65).
    const CieLab red = LabOf(Rgb(255, 0, 0));
    EXPECT_NEAR(red.l, 53.24, 0.01);
    EXPECT_NEAR(red.a, 80.09, 0.01);
    EXPECT_NEAR(red.b, 67.20, 0.01);
}

TEST(NearestName, ExactColoursAndNearOnes) {
    struct Case {
        ColorRef colour;
        const char *name;
        bool exact;
    };
    const Case cases[] = {
        {Rgb(0x2F, 0x4F, 0x4F), "darkslategray", true},
        {Rgb(0x66, 0x33, 0x99), "rebeccapurple", true},
        {Rgb(0xFF, 0x7F, 0x50), "coral", true},
        // Synonyms: the first alphabetically.
        {Rgb(0x00, 0xFF, 0xFF), "aqua", true},
        {Rgb(0x80, 0x80, 0x80), "gray", true},
        {Rgb(0xFF, 0x00, 0x01), "red", false},
        {Rgb(0x01, 0x01, 0x01), "black", false},
        {Rgb(0x66, 0x33, 0x98), "rebeccapurple", false},
        {Rgb(0x2E, 0x8B, 0x58), "seagreen", false},
    };
    for (const Case &c : cases) {
        const NearestName nearest = NearestCssName(c.colour);
        EXPECT_STREQ(nearest.name, c.name);
        EXPECT_EQ(nearest.difference == 0.0, c.exact) << c.name;
        if (!c.exact) {
            EXPECT_LT(nearest.difference, 2.0) << c.name;
        }
    }
}

TEST(ColourLines, NameContrastAndThePreviousColour) {
    EXPECT_EQ(ColourDescriptionLines(kWhite, std::nullopt),
              (std::vector<std::string>{"色名: white", "白 1.0:1 — · 黒 21.0:1 AAA"}));
    // #777777 is 9 levels of grey from gray: a difference of lightness alone, 3.51.
    EXPECT_EQ(ColourDescriptionLines(Rgb(0x77, 0x77, 0x77), kWhite),
              (std::vector<std::string>{"近い色名: gray (ΔE 3.5)", "白 4.4:1 AA 大 · 黒 4.6:1 AA",
                                        "#FFFFFF と 4.4:1 AA 大"}));
}

}  // namespace
}  // namespace tintwell::testing

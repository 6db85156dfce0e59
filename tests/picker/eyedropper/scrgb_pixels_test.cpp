// Reading an HDR or wide-colour desktop back into the colours programs drew: halves,
// the sRGB curve, and every 8-bit colour at every SDR white level from 80 to 480 nits,
// composed as the compositor holds it and read back through the frame converter.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "scrgb_composer.h"
#include "scrgb_pixels.h"

namespace tintwell::testing {
namespace {

using testsupport::ComposedHalf;
using testsupport::HalfNearest;

// 80 to 480 nits in steps of 40, in thousandths of 80 nits.
std::vector<uint32_t> WhiteLevels() {
    std::vector<uint32_t> levels;
    for (uint32_t nits = 80; nits <= 480; nits += 40) levels.push_back(nits * 1000 / 80);
    return levels;
}

TEST(Halves, DecodeExactlyAndTheNearestHalfOfEachIsItself) {
    EXPECT_EQ(DoubleFromHalf(0x3C00), 1.0);
    EXPECT_EQ(DoubleFromHalf(0xC000), -2.0);
    EXPECT_EQ(DoubleFromHalf(0x7BFF), 65504.0);
    EXPECT_EQ(DoubleFromHalf(0x0001), std::ldexp(1.0, -24));
    EXPECT_EQ(DoubleFromHalf(0x03FF), std::ldexp(1023.0, -24));
    EXPECT_EQ(DoubleFromHalf(0x0400), std::ldexp(1.0, -14));
    EXPECT_EQ(DoubleFromHalf(0x3555), 0.333251953125);
    EXPECT_TRUE(std::isinf(DoubleFromHalf(0xFC00)) && DoubleFromHalf(0xFC00) < 0);
    EXPECT_TRUE(std::isnan(DoubleFromHalf(0x7E00)));
    EXPECT_TRUE(std::signbit(DoubleFromHalf(0x8000)));
    int wrong = 0;
    for (uint32_t bits = 0; bits < 0x10000; ++bits) {
        const auto half = static_cast<uint16_t>(bits);
        if ((half & 0x7C00) == 0x7C00 && (half & 0x3FF) != 0) continue;  // NaN
        if (HalfNearest(DoubleFromHalf(half)) != half) ++wrong;
    }
    EXPECT_EQ(wrong, 0);
}

TEST(Halves, RoundToTheNearestAndTiesToEven) {
    int wrong = 0;
    // Between each positive finite half and the next: the midpoint goes to the even
    // one, anything off it to the nearer.
    for (uint16_t half = 0; half < 0x7BFF; ++half) {
        const double low = DoubleFromHalf(half);
        const double high = DoubleFromHalf(static_cast<uint16_t>(half + 1));
        const double middle = (low + high) / 2;
        const uint16_t even = (half & 1) == 0 ? half : static_cast<uint16_t>(half + 1);
        if (HalfNearest(middle) != even) ++wrong;
        if (HalfNearest(std::nextafter(middle, 0.0)) != half) ++wrong;
        if (HalfNearest(std::nextafter(middle, 1e9)) != half + 1) ++wrong;
        if (HalfNearest(-middle) != (even | 0x8000)) ++wrong;
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(HalfNearest(65519.99), 0x7BFF);
    EXPECT_EQ(HalfNearest(65520.0), 0x7C00);
    EXPECT_EQ(HalfNearest(1e300), 0x7C00);
    EXPECT_EQ(HalfNearest(std::ldexp(1.0, -26)), 0x0000) << "a quarter step rounds to zero";
}

TEST(SrgbCurve, IsThePiecewiseCurveNotAPower) {
    EXPECT_NEAR(SrgbEncode(0.5), 0.735356983052449, 1e-12);
    EXPECT_NEAR(SrgbEncode(0.002), 0.02584, 1e-12);
    EXPECT_NEAR(SrgbEncode(0.0031308), 0.040449936, 1e-12);
    EXPECT_DOUBLE_EQ(SrgbEncode(1.0), 1.0);
    EXPECT_EQ(SrgbEncode(0.0), 0.0);
}

TEST(ScRgbReading, EveryLevelAtEveryWhiteLevelReadsBackAsItself) {
    for (uint32_t white : WhiteLevels()) {
        const ScRgbConverter converter(white);
        for (int level = 0; level < 256; ++level) {
            const uint16_t half = ComposedHalf(static_cast<uint8_t>(level), white);
            ASSERT_EQ(converter.Level(half), level) << white << " " << level;
            ASSERT_FALSE(converter.Clamped(half)) << white << " " << level;
        }
    }
}

// All 16,777,216 colours at every white level through the frame converter: per white
// level 256 frames of 256 x 256 (one red level each, green across, blue down), so that
// every colour is a real pixel read as a frame is read.
TEST(ScRgbReading, EveryColourAtEveryWhiteLevelReadsBackThroughWholeFrames) {
    std::vector<ScRgbPixel> frame(256 * 256);
    std::vector<BitmapPixel> read(256 * 256);
    std::vector<uint8_t> clamped(256 * 256);
    for (uint32_t white : WhiteLevels()) {
        std::array<uint16_t, 256> composed{};
        for (int level = 0; level < 256; ++level) {
            composed[level] = ComposedHalf(static_cast<uint8_t>(level), white);
        }
        const ScRgbConverter converter(white);
        size_t wrong = 0;
        bool anyClamped = false;
        for (uint32_t red = 0; red < 256; ++red) {
            for (uint32_t blue = 0; blue < 256; ++blue) {
                for (uint32_t green = 0; green < 256; ++green) {
                    frame[blue * 256 + green] =
                        ScRgbPixel{composed[red], composed[green], composed[blue], 0x3C00};
                }
            }
            anyClamped = converter.ConvertRows(frame.data(), 256, 256, 256, read.data(), 256,
                                               clamped.data()) ||
                         anyClamped;
            for (uint32_t blue = 0; blue < 256; ++blue) {
                for (uint32_t green = 0; green < 256; ++green) {
                    if (read[blue * 256 + green] != ((red << 16) | (green << 8) | blue)) ++wrong;
                }
            }
        }
        EXPECT_EQ(wrong, 0u) << white;
        EXPECT_FALSE(anyClamped) << white;
    }
}

TEST(ScRgbReading, BeyondSdrWhiteOrOutsideSrgbIsClampedAndFlagged) {
    const uint32_t white = 3000;  // 240 nits: SDR white is 3.0
    const ScRgbConverter converter(white);
    const uint16_t atWhite = HalfNearest(3.0);
    const uint16_t brighter = HalfNearest(3.3);
    const uint16_t negative = HalfNearest(-0.01);
    const uint16_t hairBelowZero = HalfNearest(-0.00001);
    EXPECT_EQ(converter.Level(atWhite), 255);
    EXPECT_FALSE(converter.Clamped(atWhite));
    EXPECT_EQ(converter.Level(brighter), 255);
    EXPECT_TRUE(converter.Clamped(brighter));
    EXPECT_EQ(converter.Level(negative), 0);
    EXPECT_TRUE(converter.Clamped(negative));
    EXPECT_EQ(converter.Level(hairBelowZero), 0);
    EXPECT_FALSE(converter.Clamped(hairBelowZero)) << "no level changed by the clamp";
    EXPECT_TRUE(converter.Clamped(uint16_t{0x7C00}));
    EXPECT_EQ(converter.Level(uint16_t{0x7C00}), 255);
    EXPECT_TRUE(converter.Clamped(uint16_t{0x7E00})) << "NaN";
    EXPECT_EQ(converter.Level(uint16_t{0x7E00}), 0);

    // In a frame, only the pixel beyond is flagged, and its other channels are read.
    const uint16_t mid = ComposedHalf(0x34, white);
    const ScRgbPixel row[3] = {
        {mid, mid, mid, 0}, {brighter, mid, ComposedHalf(0x56, white), 0}, {mid, mid, mid, 0}};
    BitmapPixel out[3] = {};
    uint8_t flags[3] = {9, 9, 9};
    EXPECT_TRUE(converter.ConvertRows(row, 3, 3, 1, out, 3, flags));
    EXPECT_EQ(out[1], 0xFF3456u);
    EXPECT_EQ(out[0], 0x343434u);
    EXPECT_EQ(flags[0], 0);
    EXPECT_EQ(flags[1], 1);
    EXPECT_EQ(flags[2], 0);
    EXPECT_FALSE(converter.ConvertRows(row, 3, 1, 1, out, 3, nullptr));
}

TEST(ScRgbReading, AWhiteLevelOfNothingCountsAsEightyNits) {
    const ScRgbConverter converter(0);
    EXPECT_EQ(converter.sdrWhite(), kPlainSdrWhite);
    EXPECT_EQ(converter.Level(ComposedHalf(0x80, kPlainSdrWhite)), 0x80);
}

}  // namespace
}  // namespace tintwell::testing

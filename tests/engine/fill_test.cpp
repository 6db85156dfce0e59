// The fast fills against the plain per-pixel reference, byte for byte.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "reference_tables.h"
#include "sample_colours.h"
#include "table_fill.h"
#include "table_rules.h"

namespace dyeplate {
namespace {

using Buffer = std::vector<uint8_t>;

// Byte offset of the point (x, y) of the picture in the bottom-up buffer.
constexpr int PixelOffset(int x, int y) {
    return (255 - y) * kRowBytes + 3 * x;
}

// Reports the first differing point instead of 196,608 byte mismatches.
::testing::AssertionResult SameTable(const Buffer &got, const Buffer &want) {
    for (int i = 0; i < kTableBytes; ++i) {
        if (got[i] != want[i]) {
            const int row = i / kRowBytes, x = (i % kRowBytes) / 3;
            return ::testing::AssertionFailure()
                   << "first difference at x=" << x << " y=" << 255 - row << " byte " << i % 3
                   << ": " << int(got[i]) << " instead of " << int(want[i]);
        }
    }
    return ::testing::AssertionSuccess();
}

TEST(FieldFill, MatchesThePerPixelRuleForEveryModeAndFlag) {
    Buffer got(kTableBytes), want(kTableBytes);
    for (uint32_t colour : SampleColours()) {
        for (int mode = 0; mode <= 5; ++mode) {
            for (int webSafe : {0, 1, 7}) {
                std::memset(got.data(), 0xA5, got.size());
                FillFieldTable(got.data(), colour, mode, webSafe);
                reference::FillField(want.data(), colour, mode, webSafe);
                ASSERT_TRUE(SameTable(got, want)) << std::hex << "colour 0x" << colour << std::dec
                                                  << " mode " << mode << " webSafe " << webSafe;
            }
        }
    }
}

TEST(FieldFill, EveryCornerValueInEachChannelPosition) {
    // Corners (v, 255, 0) and rotations, plus the unchanged two-smallest bases (v, 0, 0):
    // every corner value passes through the computed-channel path of each byte lane.
    Buffer got(kTableBytes), want(kTableBytes);
    for (int v = 0; v < 256; v += 3) {
        for (uint32_t colour : {Colour(v, 255, 0), Colour(0, v, 255), Colour(255, 0, v),
                                Colour(v, 0, 0), Colour(v, v, 255)}) {
            FillFieldTable(got.data(), colour, 0, 0);
            reference::FillField(want.data(), colour, 0, 0);
            ASSERT_TRUE(SameTable(got, want)) << std::hex << "colour 0x" << colour;
        }
    }
}

TEST(StripFill, MatchesThePerLineRuleForEveryModeAndFlag) {
    Buffer got(kTableBytes), want(kTableBytes);
    for (uint32_t colour : SampleColours()) {
        for (int mode = 0; mode <= 5; ++mode) {
            for (int webSafe : {0, 1, -3}) {
                std::memset(got.data(), 0x5A, got.size());
                FillStripTable(got.data(), colour, mode, webSafe);
                reference::FillStrip(want.data(), colour, mode, webSafe);
                ASSERT_TRUE(SameTable(got, want))
                    << std::hex << "colour 0x" << colour << std::dec << " mode " << mode;
            }
        }
    }
}

TEST(Fills, ModesOneAndTwoAreHue) {
    Buffer hue(kTableBytes), other(kTableBytes);
    for (uint32_t colour : {Colour(0x56, 0x34, 0x12), Colour(200, 100, 50), Colour(7, 7, 7)}) {
        for (int webSafe : {0, 1}) {
            FillFieldTable(hue.data(), colour, 0, webSafe);
            for (int mode : {1, 2}) {
                FillFieldTable(other.data(), colour, mode, webSafe);
                EXPECT_TRUE(SameTable(other, hue));
            }
            FillStripTable(hue.data(), colour, 0, webSafe);
            for (int mode : {1, 2}) {
                FillStripTable(other.data(), colour, mode, webSafe);
                EXPECT_TRUE(SameTable(other, hue));
            }
        }
    }
}

TEST(Fills, UnknownModesLeaveTheBufferAlone) {
    Buffer buffer(kTableBytes), before(kTableBytes);
    for (int i = 0; i < kTableBytes; ++i) before[i] = static_cast<uint8_t>(i * 7 + 3);
    for (int mode : {6, 7, 255, -1, -6, INT32_MIN, INT32_MAX}) {
        buffer = before;
        FillFieldTable(buffer.data(), Colour(1, 2, 3), mode, 1);
        EXPECT_TRUE(SameTable(buffer, before)) << mode;
        FillStripTable(buffer.data(), Colour(1, 2, 3), mode, 0);
        EXPECT_TRUE(SameTable(buffer, before)) << mode;
    }
}

TEST(Fills, BufferLayoutIsBottomUpBlueGreenRed) {
    Buffer buffer(kTableBytes);
    FillFieldTable(buffer.data(), Colour(10, 20, 30), 3, 0);
    // (0, 0), the top left point, is (10, 255, 0); (255, 255), bottom right, (10, 0, 255).
    EXPECT_EQ(buffer[195840], 0);
    EXPECT_EQ(buffer[195841], 255);
    EXPECT_EQ(buffer[195842], 10);
    EXPECT_EQ(buffer[765], 255);
    EXPECT_EQ(buffer[766], 0);
    EXPECT_EQ(buffer[767], 10);

    FillStripTable(buffer.data(), Colour(10, 20, 30), 0, 0);
    // Line 20 of the hue strip is (255, 0, 118) in every column.
    for (int x = 0; x < 256; ++x) {
        const uint8_t *p = buffer.data() + PixelOffset(x, 20);
        ASSERT_EQ(p[0], 118);
        ASSERT_EQ(p[1], 0);
        ASSERT_EQ(p[2], 255);
    }
}

TEST(FieldFill, ChannelModeExamples) {
    Buffer buffer(kTableBytes);
    auto at = [&](int x, int y) {
        const uint8_t *p = buffer.data() + PixelOffset(x, y);
        return Rgb{p[2], p[1], p[0]};
    };
    FillFieldTable(buffer.data(), Colour(40, 20, 30), 3, 1);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) ASSERT_EQ(at(x, y).red, 51);
    EXPECT_EQ(at(100, 100), (Rgb{51, 153, 102}));
    FillFieldTable(buffer.data(), Colour(255, 0, 0), 0, 1);
    EXPECT_EQ(at(128, 64), (Rgb{204, 102, 102}));
    FillFieldTable(buffer.data(), Colour(200, 100, 50), 0, 1);
    EXPECT_EQ(at(255, 0), (Rgb{255, 102, 0}));
}

}  // namespace
}  // namespace dyeplate

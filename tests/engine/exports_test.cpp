// The four exports of libdyeplate.so, bound by name: draws onto pixel surfaces and
// the lookups that must return exactly what was drawn.
#include <gtest/gtest.h>

#include <climits>

#include "dyeplate_library.h"
#include "reference_tables.h"
#include "sample_colours.h"
#include "surface.h"

namespace {

uint32_t Word(const reference::Triple &t) {
    return Colour(t.r, t.g, t.b);
}

TEST(Lookups, GetColorMatchesTheDrawnFieldPixelForPixel) {
    const auto &lib = testsupport::TheDyeplate();
    GuardedSurface surface(256, 256, 260);
    for (uint32_t colour : SampleColours()) {
        for (int mode = 0; mode <= 5; ++mode) {
            for (int webSafe : {0, 1}) {
                ASSERT_EQ(lib.DrawColorTable(surface.get(), colour, mode, webSafe), 0);
                for (int y = 0; y < 256; ++y) {
                    for (int x = 0; x < 256; ++x) {
                        const uint32_t got = lib.GetColor(colour, mode, x, y, webSafe);
                        ASSERT_EQ(SurfaceWord(got), surface.at(x, y))
                            << std::hex << colour << std::dec << " mode " << mode << " at " << x
                            << "," << y;
                        ASSERT_EQ(got, Word(reference::Field(colour, mode, x, y, webSafe)));
                    }
                }
            }
        }
    }
    EXPECT_EQ(surface.TouchedOutside(256, 256), 0);
}

TEST(Lookups, GetColor2MatchesTheDrawnStripInEveryColumn) {
    const auto &lib = testsupport::TheDyeplate();
    GuardedSurface surface(40, 256, 40);
    for (uint32_t colour : SampleColours()) {
        for (int mode = 0; mode <= 5; ++mode) {
            for (int webSafe : {0, 1}) {
                ASSERT_EQ(lib.DrawColorTable2(surface.get(), colour, mode, webSafe), 0);
                for (int y = 0; y < 256; ++y) {
                    const uint32_t got = lib.GetColor2(colour, mode, y, webSafe);
                    ASSERT_EQ(got, Word(reference::Strip(colour, mode, y, webSafe)));
                    for (int x = 0; x < 20; ++x) ASSERT_EQ(SurfaceWord(got), surface.at(x, y));
                }
            }
        }
    }
    // Exactly 20 columns are written.
    EXPECT_EQ(surface.TouchedOutside(20, 256), 0);
}

TEST(Lookups, Examples) {
    const auto &lib = testsupport::TheDyeplate();
    for (uint32_t colour : SampleColours()) {
        EXPECT_EQ(lib.GetColor(colour, 0, 0, 0, 0), 0xFFFFFFu);
        for (int x = 0; x < 256; ++x) EXPECT_EQ(lib.GetColor(colour, 0, x, 255, 0), 0u);
    }
    EXPECT_EQ(lib.GetColor(Colour(128, 128, 128), 0, 255, 0, 0), Colour(255, 0, 0));
    EXPECT_EQ(lib.GetColor(Colour(255, 5, 0), 0, 119, 102, 0), 0x00515299u);
    EXPECT_EQ(lib.GetColor(Colour(255, 0, 0), 0, 128, 64, 1), Colour(204, 102, 102));
    EXPECT_EQ(lib.GetColor(Colour(10, 20, 30), 3, 0, 0, 0), Colour(10, 255, 0));
    EXPECT_EQ(lib.GetColor(Colour(10, 20, 30), 3, 255, 255, 0), Colour(10, 0, 255));
    EXPECT_EQ(lib.GetColor(Colour(10, 20, 30), 4, 0, 0, 0), Colour(255, 20, 0));
    EXPECT_EQ(lib.GetColor(Colour(10, 20, 30), 4, 255, 255, 0), Colour(0, 20, 255));
    EXPECT_EQ(lib.GetColor(Colour(10, 20, 30), 5, 0, 0, 0), Colour(0, 255, 30));
    EXPECT_EQ(lib.GetColor(Colour(10, 20, 30), 5, 255, 255, 0), Colour(255, 0, 30));

    const uint32_t anyColour = Colour(0x56, 0x34, 0x12);
    EXPECT_EQ(lib.GetColor2(anyColour, 0, 0, 0), Colour(255, 0, 0));
    EXPECT_EQ(lib.GetColor2(anyColour, 0, 85, 0), Colour(0, 0, 255));
    EXPECT_EQ(lib.GetColor2(anyColour, 0, 170, 0), Colour(0, 255, 0));
    EXPECT_EQ(lib.GetColor2(anyColour, 0, 255, 0), Colour(255, 0, 0));
    EXPECT_EQ(lib.GetColor2(anyColour, 0, 20, 0), Colour(255, 0, 118));
    EXPECT_EQ(lib.GetColor2(anyColour, 0, 20, 1), Colour(255, 0, 102));
    for (int line : {42, 43}) EXPECT_EQ(lib.GetColor2(anyColour, 0, line, 1), Colour(255, 0, 255));
    for (int line : {127, 128})
        EXPECT_EQ(lib.GetColor2(anyColour, 0, line, 1), Colour(0, 255, 255));
    for (int line : {212, 213})
        EXPECT_EQ(lib.GetColor2(anyColour, 0, line, 1), Colour(255, 255, 0));
    EXPECT_EQ(lib.GetColor2(Colour(10, 20, 30), 3, 0, 0), Colour(255, 20, 30));
    EXPECT_EQ(lib.GetColor2(Colour(10, 20, 30), 3, 255, 0), Colour(0, 20, 30));
    EXPECT_EQ(lib.GetColor2(Colour(10, 20, 30), 4, 255, 0), Colour(10, 0, 30));
    EXPECT_EQ(lib.GetColor2(Colour(10, 20, 30), 5, 0, 0), Colour(10, 20, 255));
}

TEST(Lookups, ModesOneAndTwoAnswerAsHue) {
    const auto &lib = testsupport::TheDyeplate();
    for (uint32_t colour : {Colour(0x56, 0x34, 0x12), Colour(200, 100, 50), Colour(0, 0, 128)}) {
        for (int webSafe : {0, 1}) {
            for (int y = 0; y < 256; ++y) {
                for (int x = 0; x < 256; x += 3) {
                    const uint32_t hue = lib.GetColor(colour, 0, x, y, webSafe);
                    ASSERT_EQ(lib.GetColor(colour, 1, x, y, webSafe), hue);
                    ASSERT_EQ(lib.GetColor(colour, 2, x, y, webSafe), hue);
                }
                const uint32_t hue = lib.GetColor2(colour, 0, y, webSafe);
                ASSERT_EQ(lib.GetColor2(colour, 1, y, webSafe), hue);
                ASSERT_EQ(lib.GetColor2(colour, 2, y, webSafe), hue);
            }
        }
    }
}

TEST(Lookups, UnknownModesAnswerBlack) {
    const auto &lib = testsupport::TheDyeplate();
    for (int mode : {6, 100, -1, INT_MIN, INT_MAX}) {
        EXPECT_EQ(lib.GetColor(0x00FFFFFFu, mode, 10, 10, 0), 0u) << mode;
        EXPECT_EQ(lib.GetColor2(0x00FFFFFFu, mode, 10, 1), 0u) << mode;
    }
}

TEST(Lookups, CoordinatesOutsideTheTableAreClamped) {
    const auto &lib = testsupport::TheDyeplate();
    const uint32_t colour = Colour(200, 100, 50);
    for (int mode = 0; mode <= 5; ++mode) {
        EXPECT_EQ(lib.GetColor(colour, mode, -3, 10, 0), lib.GetColor(colour, mode, 0, 10, 0));
        EXPECT_EQ(lib.GetColor(colour, mode, 258, -9, 0), lib.GetColor(colour, mode, 255, 0, 0));
        EXPECT_EQ(lib.GetColor(colour, mode, INT_MIN, INT_MAX, 1),
                  lib.GetColor(colour, mode, 0, 255, 1));
        EXPECT_EQ(lib.GetColor2(colour, mode, -1, 0), lib.GetColor2(colour, mode, 0, 0));
        EXPECT_EQ(lib.GetColor2(colour, mode, INT_MAX, 0), lib.GetColor2(colour, mode, 255, 0));
    }
}

TEST(Lookups, TopByteOfTheColourWordIsIgnored) {
    const auto &lib = testsupport::TheDyeplate();
    for (int mode = 0; mode <= 5; ++mode) {
        for (int p = 0; p < 256; p += 15) {
            EXPECT_EQ(lib.GetColor(0xFF123456u, mode, p, 255 - p, 0),
                      lib.GetColor(0x00123456u, mode, p, 255 - p, 0));
            EXPECT_EQ(lib.GetColor2(0x80123456u, mode, p, 0),
                      lib.GetColor2(0x00123456u, mode, p, 0));
            EXPECT_EQ(lib.GetColor2(0xFFFFFFFFu, mode, p, 0) >> 24, 0u);
        }
    }
}

// The picker places its marker from the colour's own channels in the channel modes
// and asks for the colour there; it must get the colour back.
TEST(Lookups, ChannelModesGiveTheColourBackAtItsOwnPoint) {
    const auto &lib = testsupport::TheDyeplate();
    for (int r = 0; r < 256; r += 5) {
        for (int g = 0; g < 256; g += 3) {
            for (int b = 0; b < 256; b += 7) {
                const uint32_t c = Colour(r, g, b);
                ASSERT_EQ(lib.GetColor(c, 3, b, 255 - g, 0), c);
                ASSERT_EQ(lib.GetColor(c, 4, b, 255 - r, 0), c);
                ASSERT_EQ(lib.GetColor(c, 5, r, 255 - g, 0), c);
                const reference::Triple s{reference::Snap(r, 1), reference::Snap(g, 1),
                                          reference::Snap(b, 1)};
                ASSERT_EQ(lib.GetColor(c, 3, b, 255 - g, 1), Word(s));
            }
        }
    }
}

TEST(SurfaceTransfer, SmallerSurfaceGetsItsOwnRectangleOnly) {
    const auto &lib = testsupport::TheDyeplate();
    GuardedSurface surface(10, 5, 16);
    const uint32_t colour = Colour(0x56, 0x34, 0x12);
    lib.DrawColorTable(surface.get(), colour, 0, 0);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(surface.at(x, y), SurfaceWord(lib.GetColor(colour, 0, x, y, 0)));
    EXPECT_EQ(surface.TouchedOutside(10, 5), 0);

    GuardedSurface strip(12, 300, 12);
    lib.DrawColorTable2(strip.get(), colour, 4, 1);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 12; ++x)
            ASSERT_EQ(strip.at(x, y), SurfaceWord(lib.GetColor2(colour, 4, y, 1)));
    EXPECT_EQ(strip.TouchedOutside(12, 256), 0);
}

TEST(SurfaceTransfer, MalformedSurfacesAreLeftAlone) {
    const auto &lib = testsupport::TheDyeplate();
    EXPECT_EQ(lib.DrawColorTable(nullptr, 0x00FFFFFFu, 0, 0), 0);
    EXPECT_EQ(lib.DrawColorTable2(nullptr, 0x00FFFFFFu, 0, 0), 0);

    GuardedSurface surface(64, 64, 64);
    DyeplateSurface bad = *surface.get();
    bad.stride = 63 * 4;  // rows would overlap
    EXPECT_EQ(lib.DrawColorTable(&bad, 0x00FFFFFFu, 0, 0), 0);
    bad = *surface.get();
    bad.stride = 64 * 4 + 2;  // not a whole number of pixels
    lib.DrawColorTable(&bad, 0x00FFFFFFu, 0, 0);
    bad = *surface.get();
    bad.stride = -64 * 4;
    lib.DrawColorTable(&bad, 0x00FFFFFFu, 0, 0);
    bad = *surface.get();
    bad.width = -1;
    lib.DrawColorTable(&bad, 0x00FFFFFFu, 0, 0);
    bad = *surface.get();
    bad.height = 0;
    lib.DrawColorTable2(&bad, 0x00FFFFFFu, 0, 0);
    EXPECT_EQ(surface.TouchedOutside(0, 0), 0);

    bad = *surface.get();
    bad.pixels = nullptr;
    EXPECT_EQ(lib.DrawColorTable(&bad, 0x00FFFFFFu, 3, 1), 0);
}

}  // namespace

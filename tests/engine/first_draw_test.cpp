// What a draw with an unknown mode shows depends on every draw before it in the
// process, so these run in a process of their own, in this order.
#include <gtest/gtest.h>

#include "dyeplate_library.h"
#include "sample_colours.h"
#include "surface.h"

namespace {

TEST(SharedBuffer, UnknownModesTransferWhatThePreviousDrawLeft) {
    const auto &lib = testsupport::TheDyeplate();
    const uint32_t black = 0xFF000000u;

    // Nothing drawn yet: all black, in the full field and the 20 strip columns.
    GuardedSurface field(256, 256, 256);
    EXPECT_EQ(lib.DrawColorTable(field.get(), Colour(0x56, 0x34, 0x12), 6, 0), 0);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) ASSERT_EQ(field.at(x, y), black);
    GuardedSurface strip(256, 256, 256);
    EXPECT_EQ(lib.DrawColorTable2(strip.get(), Colour(0x56, 0x34, 0x12), -1, 1), 0);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 20; ++x) ASSERT_EQ(strip.at(x, y), black);
    EXPECT_EQ(strip.TouchedOutside(20, 256), 0);

    // A field in red mode, then a strip with an unknown mode: the field's left 20 columns.
    const uint32_t base = Colour(10, 20, 30);
    lib.DrawColorTable(field.get(), base, 3, 0);
    GuardedSurface after(256, 256, 256);
    lib.DrawColorTable2(after.get(), Colour(200, 1, 2), 6, 0);
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(after.at(x, y), SurfaceWord(lib.GetColor(base, 3, x, y, 0)));
    }
    EXPECT_EQ(after.TouchedOutside(20, 256), 0);

    // A strip fills all 256 columns of the buffer: a field with an unknown mode shows it.
    lib.DrawColorTable2(strip.get(), base, 0, 1);
    lib.DrawColorTable(field.get(), base, -6, 0);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            ASSERT_EQ(field.at(x, y), SurfaceWord(lib.GetColor2(base, 0, y, 1)));
}

}  // namespace

// The vector row kernels against the plain loops, on the column levels the field
// really uses and on every byte value.
#include <gtest/gtest.h>

#include <cstring>

#include "row_ops.h"
#include "table_rules.h"

namespace dyeplate {
namespace {

#if DYEPLATE_HAVE_SSE2

TEST(RowKernels, HueLevelsMatchThePlainLoopForEveryCornerAndLine) {
    double columns[kTableSide];
    uint8_t vector[kTableSide], scalar[kTableSide];
    for (int corner = 0; corner < 256; ++corner) {
        for (int x = 0; x < kTableSide; ++x) columns[x] = HueColumnLevel(corner, x);
        for (int y = 0; y < 256; ++y) {
            for (bool snap : {false, true}) {
                sse2::HueLevelRow(columns, y, snap, vector);
                plain::HueLevelRow(columns, y, snap, scalar);
                ASSERT_EQ(std::memcmp(vector, scalar, sizeof vector), 0)
                    << "corner " << corner << " line " << y << " snap " << snap;
            }
        }
    }
}

TEST(RowKernels, InterleaveMatchesThePlainLoop) {
    uint8_t blue[kTableSide], green[kTableSide], red[kTableSide];
    for (int x = 0; x < kTableSide; ++x) {
        blue[x] = static_cast<uint8_t>(x);
        green[x] = static_cast<uint8_t>(x * 7 + 1);
        red[x] = static_cast<uint8_t>(255 - x * 3);
    }
    // A guard byte on each side shows any write past the row.
    uint8_t vector[kRowBytes + 2], scalar[kRowBytes + 2];
    std::memset(vector, 0xEE, sizeof vector);
    std::memset(scalar, 0xEE, sizeof scalar);
    sse2::InterleaveRow(blue, green, red, vector + 1);
    plain::InterleaveRow(blue, green, red, scalar + 1);
    EXPECT_EQ(std::memcmp(vector, scalar, sizeof vector), 0);
    EXPECT_EQ(vector[0], 0xEE);
    EXPECT_EQ(vector[kRowBytes + 1], 0xEE);

    if (HaveSsse3()) {
        uint8_t shuffled[kRowBytes + 2];
        std::memset(shuffled, 0xEE, sizeof shuffled);
        ssse3::InterleaveRow(blue, green, red, shuffled + 1);
        EXPECT_EQ(std::memcmp(shuffled, scalar, sizeof shuffled), 0);
    }
}

#endif

}  // namespace
}  // namespace dyeplate

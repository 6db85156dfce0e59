#include <gtest/gtest.h>

#include <vector>

#include "harness.h"
#include "recent_colours.h"

namespace tintwell::testing {
namespace {

std::vector<ColorRef> Colours(const RecentColours &recent) {
    std::vector<ColorRef> colours;
    for (const RecentColour &entry : recent.Entries()) colours.push_back(entry.colour);
    return colours;
}

RecentColour Plain(ColorRef colour) {
    return RecentColour{colour, std::nullopt};
}

TEST(RecentColours, MostRecentFirstEachColourOnceAtMostSixteen) {
    RecentColours recent;
    EXPECT_TRUE(recent.Entries().empty());
    recent.Add(Plain(Rgb(0x12, 0x34, 0x56)));
    recent.Add(Plain(Rgb(0x56, 0x34, 0x12)));
    recent.Add(Plain(Rgb(0x12, 0x34, 0x57)));
    EXPECT_EQ(Colours(recent), (std::vector<ColorRef>{Rgb(0x12, 0x34, 0x57), Rgb(0x56, 0x34, 0x12),
                                                      Rgb(0x12, 0x34, 0x56)}));

    // Again, and with a pick behind it now: to the top, once, with what made it last.
    const PickOrigin origin{0, 255, 0, 0, 10, 20, 30, 0};
    recent.Add(RecentColour{Rgb(0x12, 0x34, 0x56), origin});
    EXPECT_EQ(Colours(recent), (std::vector<ColorRef>{Rgb(0x12, 0x34, 0x56), Rgb(0x12, 0x34, 0x57),
                                                      Rgb(0x56, 0x34, 0x12)}));
    ASSERT_TRUE(recent.Entries()[0].origin);
    EXPECT_EQ(recent.Entries()[0].origin->fieldY, 20);

    for (int i = 0; i < 20; ++i) recent.Add(Plain(Rgb(i, 0x34, 0x56)));
    const std::vector<ColorRef> colours = Colours(recent);
    ASSERT_EQ(colours.size(), RecentColours::kLimit);
    EXPECT_EQ(colours.front(), Rgb(19, 0x34, 0x56));
    EXPECT_EQ(colours.back(), Rgb(4, 0x34, 0x56));
}

}  // namespace
}  // namespace tintwell::testing

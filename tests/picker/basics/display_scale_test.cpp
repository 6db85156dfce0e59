// The display arithmetic of the window, checked at the scales users run the picker
// at and at an odd one: layout in twips, 96-dpi lengths, font heights and the
// mapping between the screen pixels of a magnified table and its table pixels.
#include "display_scale.h"

#include <cmath>

#include <gtest/gtest.h>

namespace {

using tintwell::DisplayScale;
using tintwell::TableAxis;

constexpr int kScales[] = {96, 113, 120, 144, 192};

TEST(DisplayScaleTest, IdentityAt96dpi) {
    const DisplayScale base(96);
    EXPECT_TRUE(base.identity());
    for (int twips = -300; twips <= 6000; ++twips) {
        // Nearest pixel, halves away from zero: 4180 twips are 279 pixels.
        const int expected = twips >= 0 ? (twips + 7) / 15 : -((-twips + 7) / 15);
        ASSERT_EQ(base.FromTwips(twips), expected) << twips << " twips";
    }
    EXPECT_EQ(base.FromBasePixels(256), 256);
    const TableAxis axis(256, base.FromBasePixels(256));
    EXPECT_TRUE(axis.identity());
    for (int s = -300; s < 600; ++s) ASSERT_EQ(axis.TableFromScreen(s), s);
    EXPECT_EQ(base.FontHeight(9.0), -12);
    EXPECT_EQ(base.FontHeight(14.25), -19) << "Marlett's arrow";
}

// Values of the layout at each scale, worked out by hand: the form's client width,
// Picture2's left edge, Label1's designed corner and the 1-pixel border.
TEST(DisplayScaleTest, LayoutValuesAtEachScale) {
    struct Expected {
        int dpi, formWidth, stripLeft, ringCorner, border, fontHeight;
    };
    const Expected table[] = {
        {96, 392, 279, -5, 1, -12},  {113, 461, 328, -6, 1, -14},  {120, 490, 348, -6, 1, -15},
        {144, 588, 418, -8, 2, -18}, {192, 784, 557, -10, 2, -24},
    };
    for (const Expected &e : table) {
        SCOPED_TRACE(testing::Message() << e.dpi << " dpi");
        const DisplayScale scale(e.dpi);
        EXPECT_EQ(scale.dpi(), e.dpi);
        EXPECT_EQ(scale.identity(), e.dpi == 96);
        EXPECT_DOUBLE_EQ(scale.factor(), e.dpi / 96.0);
        EXPECT_EQ(scale.FromTwips(5880), e.formWidth);
        EXPECT_EQ(scale.FromTwips(4180), e.stripLeft);
        EXPECT_EQ(scale.FromTwips(-75), e.ringCorner) << "halves go away from zero";
        EXPECT_EQ(scale.FromBasePixels(1), e.border);
        EXPECT_EQ(scale.FontHeight(9.0), e.fontHeight);
        for (int pixels = -40; pixels <= 400; ++pixels) {
            ASSERT_EQ(scale.FromTwips(15 * pixels), scale.FromBasePixels(pixels))
                << "a 96-dpi pixel is 15 twips";
        }
    }
}

// Halves with an even whole part tell the window's rule (away from zero) from the
// floating-point default (to even): 2.5 is 3 pixels, not 2.
TEST(DisplayScaleTest, HalvesGoAwayFromZeroAlsoWhenTheWholePartIsEven) {
    EXPECT_EQ(tintwell::RoundToPixel(0.5), 1);
    EXPECT_EQ(tintwell::RoundToPixel(2.5), 3);
    EXPECT_EQ(tintwell::RoundToPixel(-2.5), -3);
    EXPECT_EQ(tintwell::RoundToPixel(2.4999999), 2);
    const DisplayScale at144(144);
    EXPECT_EQ(at144.FromTwips(25), 3) << "2.5 pixels";
    EXPECT_EQ(at144.FromTwips(-25), -3);
    EXPECT_EQ(at144.FromBasePixels(3), 5) << "4.5 pixels";
    EXPECT_EQ(DisplayScale(120).FontHeight(7.5), -13) << "12.5 pixels";
}

TEST(DisplayScaleTest, NoDpiMeansTheBaseScale) {
    EXPECT_EQ(DisplayScale(0).dpi(), 96);
    EXPECT_EQ(DisplayScale(-144).dpi(), 96);
    EXPECT_EQ(TableAxis(256, 0).shown(), 256) << "an empty area shows the table as it is";
}

TEST(TableAxisTest, EveryScaleShowsEveryTablePixelAsAnEvenRun) {
    for (int dpi : {96, 110, 113, 120, 125, 144, 168, 192, 240, 288}) {
        SCOPED_TRACE(testing::Message() << dpi << " dpi");
        const DisplayScale scale(dpi);
        for (int table : {256, 18}) {
            const TableAxis axis(table, scale.FromBasePixels(table));
            EXPECT_NEAR(axis.shown(), table * dpi / 96.0, 0.5);
            const double run = static_cast<double>(axis.shown()) / table;
            int start = 0;
            for (int t = 0; t < table; ++t) {
                int end = start;
                while (end < axis.shown() && axis.TableFromScreen(end) == t) ++end;
                ASSERT_GT(end, start) << "table pixel " << t << " does not show";
                EXPECT_LE(std::fabs((end - start) - run), 1.0) << "table pixel " << t;
                // A whole table pixel's middle lies in the run that shows it.
                const double middle = axis.ScreenFromTable(t + 0.5);
                EXPECT_GE(middle, start - 0.5);
                EXPECT_LE(middle, end + 0.5);
                start = end;
            }
            EXPECT_EQ(start, axis.shown()) << "the runs cover the inner area";
        }
    }
}

// Drags beyond the area name pixels beyond the table, for the handlers to clamp:
// the mapping keeps going the same way on both sides, rounding down, not to zero.
TEST(TableAxisTest, PositionsOutsideTheAreaKeepTheirSide) {
    for (int dpi : kScales) {
        SCOPED_TRACE(testing::Message() << dpi << " dpi");
        const TableAxis axis(256, DisplayScale(dpi).FromBasePixels(256));
        EXPECT_EQ(axis.TableFromScreen(-1), -1);
        EXPECT_GE(axis.TableFromScreen(axis.shown()), 256);
        for (int s = -2 * axis.shown(); s < 2 * axis.shown(); ++s) {
            ASSERT_LE(axis.TableFromScreen(s), axis.TableFromScreen(s + 1)) << s;
        }
    }
    const TableAxis odd(256, 301);  // 113 dpi
    EXPECT_EQ(odd.TableFromScreen(0), 0);
    EXPECT_EQ(odd.TableFromScreen(1), 1) << "centre 1.5 of 301 lies in table pixel 1";
    EXPECT_EQ(odd.TableFromScreen(300), 255);
    EXPECT_EQ(odd.TableFromScreen(-2), -2);
    EXPECT_DOUBLE_EQ(odd.ScreenFromTable(128.0), 150.5);
}

}  // namespace

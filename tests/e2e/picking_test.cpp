// Picks with the mouse in the field, the strip and on the two markers, with real
// presses, drags and releases.
#include <windows.h>

#include <algorithm>

#include <gtest/gtest.h>

#include "picker_fixture.h"
#include "screen_probe.h"
#include "user_input.h"

namespace e2e {
namespace {

using namespace tintwell::win32;

using PickingTest = PickerTest;

// Darkest and brightest channel seen inside the ring's rectangle, where it shows.
struct RingShades {
    int darkest = 255;
    int brightest = 0;
};

RingShades ShadesUnder(HWND label, HWND picture) {
    const RECT ring = RectInContainer(label, picture);
    const ScreenImage field = CaptureClient(picture);
    RingShades shades;
    for (int y = std::max<int>(ring.top, 0); y < std::min<int>(ring.bottom, 256); ++y) {
        for (int x = std::max<int>(ring.left, 0); x < std::min<int>(ring.right, 256); ++x) {
            const uint32_t c = field.At(x, y);
            const int high = std::max({c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF});
            const int low = std::min({c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF});
            shades.darkest = std::min(shades.darkest, high);
            shades.brightest = std::max(shades.brightest, low);
        }
    }
    return shades;
}

TEST_F(PickingTest, StripPickSetsTheHueAndFieldPickShowsThePointsColour) {
    ClickStrip(85);
    const uint32_t hue = oracle().GetColor2(kWhite, 0, 85, 0);
    EXPECT_EQ(hue, Rgb(0, 0, 255)) << "row 85 of the hue strip is pure blue";
    EXPECT_TRUE(MarkersAt(POINT{-5, -5}, 86));
    EXPECT_TRUE(TextBecomes(DisplayText(oracle().GetColor(hue, 0, 0, 0, 0))));
    EXPECT_TRUE(TablesShow(hue, 0, 0));

    ClickField(100, 60);
    const uint32_t picked = oracle().GetColor(hue, 0, 100, 60, 0);
    EXPECT_TRUE(TextBecomes(DisplayText(picked)));
    EXPECT_TRUE(MarkersAt(POINT{95, 55}, 86));
    EXPECT_TRUE(SwatchBecomes(picked));
    EXPECT_TRUE(TablesShow(hue, 0, 0)) << "a field pick keeps the hue";
}

TEST_F(PickingTest, RingIsBlackInTheUpperHalfAndWhiteInTheLowerHalf) {
    ClickField(100, 60);
    ASSERT_TRUE(MarkersAt(POINT{95, 55}, 1));
    EXPECT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] {
        return ShadesUnder(Control(kLabel1), Control(kPicture1)).darkest < 60;
    })) << "a black ring over the bright upper field";

    ClickField(100, 200);
    ASSERT_TRUE(MarkersAt(POINT{95, 195}, 1));
    EXPECT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] {
        return ShadesUnder(Control(kLabel1), Control(kPicture1)).brightest > 200;
    })) << "a white ring over the dark lower field";
}

TEST_F(PickingTest, DragPicksAlongTheWayAndClampsOutsideTheField) {
    ASSERT_TRUE(MoveTo(FieldPoint(10, 10)));
    Press(Button::Left);
    EXPECT_TRUE(MarkersAt(POINT{5, 5}, 1));
    ASSERT_TRUE(MoveTo(FieldPoint(50, 70)));
    EXPECT_TRUE(TextBecomes(DisplayText(oracle().GetColor(kWhite, 0, 50, 70, 0))));
    EXPECT_TRUE(MarkersAt(POINT{45, 65}, 1));

    ASSERT_TRUE(MoveTo(FieldPoint(300, 290)));
    EXPECT_TRUE(MarkersAt(POINT{250, 250}, 1)) << "beyond the bottom-right corner";
    EXPECT_TRUE(TextBecomes(DisplayText(oracle().GetColor(kWhite, 0, 255, 255, 0))));
    ASSERT_TRUE(MoveTo(FieldPoint(-20, 300)));
    EXPECT_TRUE(MarkersAt(POINT{-5, 250}, 1)) << "left of the field and below it";
    ASSERT_TRUE(MoveTo(FieldPoint(120, -30)));
    EXPECT_TRUE(MarkersAt(POINT{115, -5}, 1)) << "above the field";
    Release(Button::Left);

    ASSERT_TRUE(MoveTo(FieldPoint(200, 200)));
    Pause(300);
    EXPECT_TRUE(MarkersAt(POINT{115, -5}, 1)) << "a move without a button picks nothing";
}

TEST_F(PickingTest, AnyButtonPicksOnPressButOnlyTheLeftOneDrags) {
    Click(FieldPoint(30, 200), Button::Right);
    EXPECT_TRUE(MarkersAt(POINT{25, 195}, 1));
    Click(FieldPoint(60, 100), Button::Middle);
    EXPECT_TRUE(MarkersAt(POINT{55, 95}, 1));

    ASSERT_TRUE(MoveTo(FieldPoint(40, 40)));
    Press(Button::Right);
    EXPECT_TRUE(MarkersAt(POINT{35, 35}, 1));
    ASSERT_TRUE(MoveTo(FieldPoint(80, 90)));
    Pause(300);
    Release(Button::Right);
    EXPECT_TRUE(MarkersAt(POINT{35, 35}, 1)) << "a right-button drag moves nothing";
}

TEST_F(PickingTest, RingPicksThroughItselfEvenOnItsTransparentCorner) {
    ClickField(100, 60);
    ASSERT_TRUE(MarkersAt(POINT{95, 55}, 1));

    HWND under = WindowFromPoint(Label1Point(1, 1));
    EXPECT_EQ(under, Control(kLabel1)) << "the corner of the ring belongs to Label1";
    Click(Label1Point(1, 1));
    EXPECT_TRUE(MarkersAt(POINT{91, 51}, 1)) << "picked at the ring's corner, (96, 56)";
    EXPECT_TRUE(TextBecomes(DisplayText(oracle().GetColor(kWhite, 0, 96, 56, 0))));

    // A drag that starts on the ring stays with it and clamps to the field.
    ASSERT_TRUE(MoveTo(Label1Point(5, 5)));
    Press(Button::Left);
    ASSERT_TRUE(MoveTo(FieldPoint(300, -40)));
    EXPECT_TRUE(MarkersAt(POINT{250, -5}, 1));
    EXPECT_TRUE(TextBecomes(DisplayText(oracle().GetColor(kWhite, 0, 255, 0, 0))));
    Release(Button::Left);
}

TEST_F(PickingTest, DraggingTheArrowPicksStripRowsButPressingItDoesNot) {
    const POINT arrow = ClientToScreenPoint(form(), 270, 8);
    ASSERT_EQ(WindowFromPoint(arrow), Control(kLabel2));
    ASSERT_TRUE(MoveTo(arrow));
    Press(Button::Left);
    Pause(300);
    EXPECT_TRUE(MarkersAt(POINT{-5, -5}, 1)) << "a press on the arrow picks nothing";

    // Label row 7 + 50 is strip row 50: the arrow's top goes one below it.
    ASSERT_TRUE(MoveTo(POINT{arrow.x, arrow.y + 50}));
    EXPECT_TRUE(MarkersAt(POINT{-5, -5}, 51));
    ASSERT_TRUE(MoveTo(POINT{arrow.x - 100, arrow.y + 600}));
    EXPECT_TRUE(MarkersAt(POINT{-5, -5}, 256)) << "clamped to the strip's last row";
    Release(Button::Left);
    const uint32_t hue = oracle().GetColor2(kWhite, 0, 255, 0);
    EXPECT_TRUE(TablesShow(hue, 0, 0));
}

}  // namespace
}  // namespace e2e

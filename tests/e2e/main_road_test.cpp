// The main roads through the picker in one start: the first picture, a strip and a
// field press, hue -> red -> hue, copy, and sampling on and off. Every start of the
// picker is dear where the program runs emulated (the x86 build on a machine without
// 32-bit support), so this walk is the x86 build's short run; the full suite covers
// each road on its own with more cases.
//
// The driver's lookups come from the same dyeplate.dll the picker loads, so on their
// own they could not see a library that computes wrongly on one architecture: every
// lookup the walk relies on is held against the plain reference as well.
#include <windows.h>

#include <sstream>

#include <gtest/gtest.h>

#include "reference_tables.h"
#include "sampling_fixture.h"
#include "screen_probe.h"
#include "user_input.h"

namespace e2e {
namespace {

using namespace tintwell::win32;

using MainRoadTest = SamplingTest;

uint32_t Packed(const reference::Triple &t) {
    return Rgb(t.r, t.g, t.b);
}

// The loaded library's field and strip for a base colour against the reference,
// every pixel.
testing::AssertionResult LookupsMatchTheReference(const ColourOracle &oracle, uint32_t base,
                                                  int mode) {
    std::ostringstream problem;
    int wrong = 0;
    for (int y = 0; y < 256; ++y) {
        const uint32_t strip = oracle.GetColor2(base, mode, y, 0);
        const uint32_t stripWanted = Packed(reference::Strip(base, mode, y, 0));
        if (strip != stripWanted && wrong++ == 0) {
            problem << "strip row " << y << ": library " << std::hex << strip << ", reference "
                    << stripWanted << std::dec << "; ";
        }
        for (int x = 0; x < 256; ++x) {
            const uint32_t field = oracle.GetColor(base, mode, x, y, 0);
            const uint32_t fieldWanted = Packed(reference::Field(base, mode, x, y, 0));
            if (field != fieldWanted && wrong++ == 0) {
                problem << "field (" << x << ", " << y << "): library " << std::hex << field
                        << ", reference " << fieldWanted << std::dec << "; ";
            }
        }
    }
    if (wrong == 0) return testing::AssertionSuccess();
    return testing::AssertionFailure() << problem.str() << wrong << " lookups differ";
}

// Red mode places the markers by the channels: blue across, green up, red in the strip.
POINT RedModeRing(uint32_t colour) {
    return POINT{static_cast<LONG>((colour >> 16) & 0xFF) - 5,
                 250 - static_cast<LONG>((colour >> 8) & 0xFF)};
}
int RedModeArrow(uint32_t colour) {
    return 256 - static_cast<int>(colour & 0xFF);
}

TEST_F(MainRoadTest, OneStartTakesEveryMainRoad) {
    // Started: white, hue mode, the white tables.
    EXPECT_TRUE(IsChecked(kOption1));
    EXPECT_TRUE(SwatchBecomes(kWhite));
    EXPECT_TRUE(MarkersAt(POINT{-5, -5}, 1));
    EXPECT_TRUE(LookupsMatchTheReference(oracle(), kWhite, 0));
    EXPECT_TRUE(TablesShow(kWhite, 0, 0));

    // A strip press takes the row's hue; the field point stays at the top-left corner.
    // Row 22 and the point (225, 8) make a pink whose way back from red mode lands on
    // the very hue, point and row it was picked at (locating a colour rounds, and most
    // colours of the field come back a few levels off; this one does not). Row 22's
    // field also has pixels that extended precision gets wrong.
    ClickStrip(22);
    const uint32_t hue = oracle().GetColor2(kWhite, 0, 22, 0);
    ASSERT_EQ(hue, Packed(reference::Strip(kWhite, 0, 22, 0)));
    EXPECT_TRUE(MarkersAt(POINT{-5, -5}, 23));
    EXPECT_TRUE(TextBecomes(DisplayText(oracle().GetColor(hue, 0, 0, 0, 0))));
    EXPECT_TRUE(LookupsMatchTheReference(oracle(), hue, 0));
    EXPECT_TRUE(TablesShow(hue, 0, 0));

    ClickField(225, 8);
    const uint32_t picked = oracle().GetColor(hue, 0, 225, 8, 0);
    ASSERT_EQ(picked, Packed(reference::Field(hue, 0, 225, 8, 0)));
    const std::wstring pickedText = DisplayText(picked);
    EXPECT_TRUE(TextBecomes(pickedText));
    EXPECT_TRUE(MarkersAt(POINT{220, 3}, 23));
    EXPECT_TRUE(SwatchBecomes(picked));
    EXPECT_TRUE(TablesShow(hue, 0, 0)) << "a field pick keeps the hue";

    // H -> R: the shown colour becomes the current one, exactly.
    ClickControl(kOption4);
    EXPECT_TRUE(MarkersAt(RedModeRing(picked), RedModeArrow(picked)));
    EXPECT_TRUE(TextBecomes(pickedText));
    EXPECT_TRUE(SwatchBecomes(picked));
    EXPECT_TRUE(LookupsMatchTheReference(oracle(), picked, 3));
    EXPECT_TRUE(TablesShow(picked, 3, 0));

    // R -> H: the colour is located again, back on the hue it was picked from.
    ClickControl(kOption1);
    EXPECT_TRUE(MarkersAt(POINT{220, 3}, 23));
    EXPECT_TRUE(TextBecomes(pickedText)) << "H -> R -> H keeps the colour";
    EXPECT_TRUE(SwatchBecomes(picked));
    EXPECT_TRUE(TablesShow(hue, 0, 0));

    // Copy: the text goes to the clipboard and stays selected.
    ASSERT_TRUE(SetClipboardText(L"left by the test"));
    ClickControl(kCommand1);
    EXPECT_TRUE(ClipboardBecomes(pickedText));
    DWORD start = 1, end = 0;
    SendMessageW(Control(kText1), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 7u);

    // Sampling in red mode shows the colour under the pointer as it is, on every tick,
    // until it is switched off; then the last sample stays.
    ClickControl(kOption4);
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return IsChecked(kOption4); }));
    const uint32_t first = Rgb(0x12, 0x34, 0x56);
    swatchWindow().SetColour(first);
    ClickControl(kCheck3);
    ASSERT_TRUE(WaitUntil(kUpdateTimeoutMs, [&] { return IsChecked(kCheck3); }));
    ASSERT_TRUE(MoveTo(swatchWindow().Centre()));
    EXPECT_TRUE(TextBecomes(L"#123456"));
    EXPECT_TRUE(MarkersAt(RedModeRing(first), RedModeArrow(first)));
    EXPECT_TRUE(SwatchBecomes(first));
    EXPECT_TRUE(TablesShow(first, 3, 0));

    swatchWindow().SetColour(Rgb(0x65, 0x43, 0x21));
    EXPECT_TRUE(TextBecomes(L"#654321")) << "every tick samples again";

    StopSampling();
    EXPECT_FALSE(IsChecked(kCheck3));
    swatchWindow().SetColour(Rgb(0x0A, 0xB0, 0xC0));
    Pause(800);
    EXPECT_EQ(Text1(), L"#654321") << "switched off, the last sample stays";
}

}  // namespace
}  // namespace e2e

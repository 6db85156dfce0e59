// The real dyeplate.dll on real device contexts: what the draws put there must be
// exactly what GetColor / GetColor2 answer, inside the table's rectangle and nowhere
// else, and thousands of draws must leave no GDI object behind.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "draw_target.h"
#include "dyeplate_library.h"
#include "reference_tables.h"
#include "sample_colours.h"

namespace {

constexpr COLORREF kSentinel = RGB(0x13, 0x57, 0x9B);

using testsupport::TheDyeplate;

std::string Describe(const char *what, uint32_t colour, int mode, int webSafe, int x, int y,
                     COLORREF got, COLORREF want) {
    char text[200];
    std::snprintf(text, sizeof text,
                  "%s: colour %06X mode %d webSafe %d at (%d, %d): %06lX instead of %06lX", what,
                  static_cast<unsigned>(colour), mode, webSafe, x, y,
                  static_cast<unsigned long>(got), static_cast<unsigned long>(want));
    return text;
}

// Everything right of `columns` or below line 255 must still be the sentinel.
testing::AssertionResult UntouchedOutside(const DrawTarget &target, int columns) {
    for (int y = 0; y < target.height(); ++y) {
        for (int x = 0; x < target.width(); ++x) {
            if (x < columns && y < 256) continue;
            if (target.At(x, y) != kSentinel)
                return testing::AssertionFailure()
                       << Describe("written outside", 0, 0, 0, x, y, target.At(x, y), kSentinel);
        }
    }
    return testing::AssertionSuccess();
}

testing::AssertionResult AllBlack(const DrawTarget &target, int columns, const char *what) {
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < columns; ++x)
            if (target.At(x, y) != 0)
                return testing::AssertionFailure()
                       << Describe(what, 0x123456, 0, 0, x, y, target.At(x, y), 0);
    return testing::AssertionSuccess();
}

// What the first draws of the process show, recorded before any test has drawn
// (whatever order or filter the tests run in); the test below checks the record.
struct FirstDraws {
    testing::AssertionResult field = testing::AssertionSuccess();
    testing::AssertionResult fieldOutside = testing::AssertionSuccess();
    testing::AssertionResult strip = testing::AssertionSuccess();
    testing::AssertionResult stripOutside = testing::AssertionSuccess();
};
FirstDraws firstDraws;

class FirstDrawsRecorder : public testing::Environment {
  public:
    void SetUp() override {
        const auto &lib = TheDyeplate();
        DrawTarget target(TargetKind::Dib32, 300, 280);
        target.Fill(kSentinel);
        lib.DrawColorTable(target.dc(), Colour(0x56, 0x34, 0x12), 6, 0);
        target.Capture();
        firstDraws.field = AllBlack(target, 256, "field, mode 6");
        firstDraws.fieldOutside = UntouchedOutside(target, 256);
        target.Fill(kSentinel);
        lib.DrawColorTable2(target.dc(), Colour(0x56, 0x34, 0x12), -1, 1);
        target.Capture();
        firstDraws.strip = AllBlack(target, 20, "strip, mode -1");
        firstDraws.stripOutside = UntouchedOutside(target, 20);
    }
};
const testing::Environment *const kFirstDrawsRecorder =
    testing::AddGlobalTestEnvironment(new FirstDrawsRecorder);

class DyeplateGdi : public testing::Test {
  protected:
    const testsupport::DyeplateLibrary &lib = TheDyeplate();
};

TEST_F(DyeplateGdi, FirstDrawsOfAnUnknownModeShowBlack) {
    EXPECT_TRUE(firstDraws.field);
    EXPECT_TRUE(firstDraws.fieldOutside);
    EXPECT_TRUE(firstDraws.strip);
    EXPECT_TRUE(firstDraws.stripOutside);
}

// The independent per-pixel reference, packed as the lookups pack it: the DLL is
// compared with it too, not only with its own lookups.
COLORREF Reference(reference::Triple t) {
    return RGB(t.r, t.g, t.b);
}

// The whole sample of base colours. Under an emulator, where each draw costs many
// times more, TINTWELL_GDI_COLOUR_STRIDE=n keeps every n-th base colour, still with
// every target, mode and flag.
std::vector<uint32_t> DrawnColours() {
    const std::vector<uint32_t> all = SampleColours();
    const char *setting = std::getenv("TINTWELL_GDI_COLOUR_STRIDE");
    const int stride = setting != nullptr ? std::atoi(setting) : 1;
    if (stride <= 1) return all;
    std::vector<uint32_t> some;
    for (size_t i = 0; i < all.size(); i += static_cast<size_t>(stride)) some.push_back(all[i]);
    return some;
}

using TargetAndMode = std::tuple<TargetKind, int>;

std::string TargetAndModeName(const testing::TestParamInfo<TargetAndMode> &info) {
    static const char *const kinds[] = {"Dib32", "Dib24", "ScreenCompatible"};
    return std::string(kinds[static_cast<int>(std::get<0>(info.param))]) + "_mode" +
           std::to_string(std::get<1>(info.param));
}

class DrawOnTarget : public DyeplateGdi, public testing::WithParamInterface<TargetAndMode> {
  protected:
    TargetKind kind() const { return std::get<0>(GetParam()); }
    int mode() const { return std::get<1>(GetParam()); }
};

using FieldMatchesGetColor = DrawOnTarget;
using StripMatchesGetColor2 = DrawOnTarget;

TEST_P(FieldMatchesGetColor, AndTheReferenceForEverySampleColour) {
    DrawTarget target(kind(), 300, 270);
    ASSERT_TRUE(target.ok()) << "no target bitmap";
    for (uint32_t colour : DrawnColours()) {
        for (int webSafe : {0, 1}) {
            target.Fill(kSentinel);
            ASSERT_EQ(lib.DrawColorTable(target.dc(), colour, mode(), webSafe), 0);
            target.Capture();
            for (int y = 0; y < 256; ++y) {
                for (int x = 0; x < 256; ++x) {
                    const COLORREF want = lib.GetColor(colour, mode(), x, y, webSafe);
                    const COLORREF exact =
                        Reference(reference::Field(colour, mode(), x, y, webSafe));
                    ASSERT_EQ(want, exact) << Describe("GetColor against the reference", colour,
                                                       mode(), webSafe, x, y, want, exact);
                    ASSERT_EQ(target.At(x, y), want)
                        << Describe("field", colour, mode(), webSafe, x, y, target.At(x, y), want);
                }
            }
            ASSERT_TRUE(UntouchedOutside(target, 256));
        }
    }
}

TEST_P(StripMatchesGetColor2, AndTheReferenceInTwentyColumns) {
    DrawTarget target(kind(), 64, 260);
    ASSERT_TRUE(target.ok()) << "no target bitmap";
    for (uint32_t colour : DrawnColours()) {
        for (int webSafe : {0, 1}) {
            target.Fill(kSentinel);
            ASSERT_EQ(lib.DrawColorTable2(target.dc(), colour, mode(), webSafe), 0);
            target.Capture();
            for (int y = 0; y < 256; ++y) {
                const COLORREF want = lib.GetColor2(colour, mode(), y, webSafe);
                const COLORREF exact = Reference(reference::Strip(colour, mode(), y, webSafe));
                ASSERT_EQ(want, exact) << Describe("GetColor2 against the reference", colour,
                                                   mode(), webSafe, 0, y, want, exact);
                for (int x = 0; x < 20; ++x)
                    ASSERT_EQ(target.At(x, y), want)
                        << Describe("strip", colour, mode(), webSafe, x, y, target.At(x, y), want);
            }
            ASSERT_TRUE(UntouchedOutside(target, 20));
        }
    }
}

const auto kEveryTargetAndMode = testing::Combine(
    testing::Values(TargetKind::Dib32, TargetKind::Dib24, TargetKind::ScreenCompatible),
    testing::Range(0, 6));
INSTANTIATE_TEST_SUITE_P(Draws, FieldMatchesGetColor, kEveryTargetAndMode, TargetAndModeName);
INSTANTIATE_TEST_SUITE_P(Draws, StripMatchesGetColor2, kEveryTargetAndMode, TargetAndModeName);

TEST_F(DyeplateGdi, UnknownModeTransfersThePreviousBuffer) {
    DrawTarget target(TargetKind::Dib32, 256, 256);
    const uint32_t base = Colour(10, 20, 30);
    lib.DrawColorTable(target.dc(), base, 3, 0);
    target.Fill(kSentinel);
    lib.DrawColorTable2(target.dc(), Colour(1, 2, 3), 6, 0);
    target.Capture();
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 20; ++x) {
            const COLORREF want = lib.GetColor(base, 3, x, y, 0);
            ASSERT_EQ(target.At(x, y), want)
                << Describe("strip after field", base, 6, 0, x, y, target.At(x, y), want);
        }
    EXPECT_TRUE(UntouchedOutside(target, 20));
}

TEST_F(DyeplateGdi, UnknownModesLookUpBlack) {
    for (int mode : {6, 9, -1}) {
        EXPECT_EQ(lib.GetColor(0xFFFFFF, mode, 3, 4, 0), 0u) << "mode " << mode;
        EXPECT_EQ(lib.GetColor2(0xFFFFFF, mode, 3, 1), 0u) << "mode " << mode;
    }
    EXPECT_EQ(lib.GetColor(Colour(255, 5, 0), 0, 119, 102, 0), 0x00515299u);
}

// GDI objects held by this process. Where the system does not count them (Wine's
// GetGuiResources answers 0), the slot a fresh object lands in stands in for the count:
// freed slots are reused first, so it only climbs while objects stay alive.
DWORD GdiFootprint() {
    const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (counted != 0) return counted;
    const HBRUSH probe = CreateSolidBrush(RGB(1, 2, 3));
    const DWORD slot = LOWORD(reinterpret_cast<uintptr_t>(probe));
    DeleteObject(probe);
    return slot;
}

TEST_F(DyeplateGdi, InvalidDeviceContextsAreHarmless) {
    const DWORD before = GdiFootprint();
    const HDC gone = CreateCompatibleDC(nullptr);
    DeleteDC(gone);
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(lib.DrawColorTable(nullptr, 0x123456, i % 7, 0), 0);
        ASSERT_EQ(lib.DrawColorTable2(nullptr, 0x123456, i % 7, 1), 0);
        ASSERT_EQ(lib.DrawColorTable(gone, 0x123456, 0, 0), 0);
    }
    EXPECT_LE(GdiFootprint(), before + 4);
}

void LeakyDraw(HDC dc) {
    // What a draw that forgot its deletes would leave: a bitmap and a memory DC.
    CreateCompatibleDC(dc);
    CreateCompatibleBitmap(dc, 1, 1);
}

TEST_F(DyeplateGdi, NoGdiObjectsLeftBehind) {
    DrawTarget field(TargetKind::Dib32, 256, 256);
    DrawTarget strip(TargetKind::Dib32, 20, 256);
    lib.DrawColorTable(field.dc(), 0x123456, 0, 0);
    lib.DrawColorTable2(strip.dc(), 0x123456, 0, 0);
    const DWORD before = GdiFootprint();
    for (int i = 0; i < 3000; ++i) {
        lib.DrawColorTable(field.dc(), static_cast<uint32_t>(i * 2654435761u) & 0xFFFFFF, i % 6,
                           i & 1);
        lib.DrawColorTable2(strip.dc(), 0x123456, i % 7, 0);
    }
    const DWORD after = GdiFootprint();
    EXPECT_LE(after, before + 4) << "after 6000 draws";

    // The same measurement must see a leak of a few hundred objects, or it proves nothing.
    for (int i = 0; i < 200; ++i) LeakyDraw(field.dc());
    EXPECT_GE(GdiFootprint(), after + 200) << "a leaking control went unseen";
}

}  // namespace

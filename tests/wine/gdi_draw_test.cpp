// The real dyeplate.dll on real device contexts: what the draws put there must be
// exactly what GetColor / GetColor2 answer, inside the table's rectangle and nowhere
// else, and thousands of draws must leave no GDI object behind.
//
// Prints one line per check and "N passed, N failed"; exits non-zero on a failure.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "ddb_target.h"
#include "dib_target.h"
#include "library_binding.h"
#include "reference_tables.h"
#include "sample_colours.h"

namespace {

constexpr COLORREF kSentinel = RGB(0x13, 0x57, 0x9B);

struct Outcome {
    bool passed;
    std::string detail;
};

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
template <typename Target>
Outcome UntouchedOutside(const Target &target, int columns) {
    for (int y = 0; y < target.height(); ++y) {
        for (int x = 0; x < target.width(); ++x) {
            if (x < columns && y < 256) continue;
            if (target.At(x, y) != kSentinel) {
                return {false,
                        Describe("written outside", 0, 0, 0, x, y, target.At(x, y), kSentinel)};
            }
        }
    }
    return {true, ""};
}

Outcome FirstDrawsShowBlack(LibraryBinding &lib) {
    DibTarget target(300, 280, 32);
    target.Fill(kSentinel);
    lib.drawColorTable(target.dc(), Colour(0x56, 0x34, 0x12), 6, 0);
    target.Capture();
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            if (target.At(x, y) != 0)
                return {false, Describe("field, mode 6", 0x123456, 6, 0, x, y, target.At(x, y), 0)};
    Outcome outside = UntouchedOutside(target, 256);
    if (!outside.passed) return outside;
    target.Fill(kSentinel);
    lib.drawColorTable2(target.dc(), Colour(0x56, 0x34, 0x12), -1, 1);
    target.Capture();
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 20; ++x)
            if (target.At(x, y) != 0)
                return {false,
                        Describe("strip, mode -1", 0x123456, -1, 1, x, y, target.At(x, y), 0)};
    return UntouchedOutside(target, 20);
}

// The independent per-pixel reference, packed as the lookups pack it: the DLL is
// compared with it too, not only with its own lookups.
COLORREF Reference(reference::Triple t) {
    return RGB(t.r, t.g, t.b);
}

// The whole sample of base colours, every mode and both flags. Under an emulator, where
// each draw costs many times more, TINTWELL_GDI_COLOUR_STRIDE=n keeps every n-th base
// colour, still with every mode and both flags.
std::vector<uint32_t> DrawnColours() {
    const std::vector<uint32_t> all = SampleColours();
    const char *setting = std::getenv("TINTWELL_GDI_COLOUR_STRIDE");
    const int stride = setting != nullptr ? std::atoi(setting) : 1;
    if (stride <= 1) return all;
    std::vector<uint32_t> some;
    for (size_t i = 0; i < all.size(); i += static_cast<size_t>(stride)) some.push_back(all[i]);
    return some;
}

template <typename Target>
Outcome FieldMatchesGetColor(LibraryBinding &lib, Target &target) {
    if (!target.ok()) return {false, "no target bitmap"};
    for (uint32_t colour : DrawnColours()) {
        for (int mode = 0; mode <= 5; ++mode) {
            for (int webSafe : {0, 1}) {
                target.Fill(kSentinel);
                if (lib.drawColorTable(target.dc(), colour, mode, webSafe) != 0)
                    return {false, "DrawColorTable did not return 0"};
                target.Capture();
                for (int y = 0; y < 256; ++y) {
                    for (int x = 0; x < 256; ++x) {
                        const COLORREF want = lib.getColor(colour, mode, x, y, webSafe);
                        const COLORREF exact =
                            Reference(reference::Field(colour, mode, x, y, webSafe));
                        if (want != exact)
                            return {false, Describe("GetColor against the reference", colour, mode,
                                                    webSafe, x, y, want, exact)};
                        if (target.At(x, y) != want)
                            return {false, Describe("field", colour, mode, webSafe, x, y,
                                                    target.At(x, y), want)};
                    }
                }
                Outcome outside = UntouchedOutside(target, 256);
                if (!outside.passed) return outside;
            }
        }
    }
    return {true, ""};
}

template <typename Target>
Outcome StripMatchesGetColor2(LibraryBinding &lib, Target &target) {
    if (!target.ok()) return {false, "no target bitmap"};
    for (uint32_t colour : DrawnColours()) {
        for (int mode = 0; mode <= 5; ++mode) {
            for (int webSafe : {0, 1}) {
                target.Fill(kSentinel);
                if (lib.drawColorTable2(target.dc(), colour, mode, webSafe) != 0)
                    return {false, "DrawColorTable2 did not return 0"};
                target.Capture();
                for (int y = 0; y < 256; ++y) {
                    const COLORREF want = lib.getColor2(colour, mode, y, webSafe);
                    const COLORREF exact = Reference(reference::Strip(colour, mode, y, webSafe));
                    if (want != exact)
                        return {false, Describe("GetColor2 against the reference", colour, mode,
                                                webSafe, 0, y, want, exact)};
                    for (int x = 0; x < 20; ++x)
                        if (target.At(x, y) != want)
                            return {false, Describe("strip", colour, mode, webSafe, x, y,
                                                    target.At(x, y), want)};
                }
                Outcome outside = UntouchedOutside(target, 20);
                if (!outside.passed) return outside;
            }
        }
    }
    return {true, ""};
}

Outcome UnknownModeTransfersThePreviousBuffer(LibraryBinding &lib) {
    DibTarget target(256, 256, 32);
    const uint32_t base = Colour(10, 20, 30);
    lib.drawColorTable(target.dc(), base, 3, 0);
    target.Fill(kSentinel);
    lib.drawColorTable2(target.dc(), Colour(1, 2, 3), 6, 0);
    target.Capture();
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 20; ++x) {
            const COLORREF want = lib.getColor(base, 3, x, y, 0);
            if (target.At(x, y) != want)
                return {false,
                        Describe("strip after field", base, 6, 0, x, y, target.At(x, y), want)};
        }
    return UntouchedOutside(target, 20);
}

Outcome UnknownModesLookUpBlack(LibraryBinding &lib) {
    for (int mode : {6, 9, -1}) {
        if (lib.getColor(0xFFFFFF, mode, 3, 4, 0) != 0 || lib.getColor2(0xFFFFFF, mode, 3, 1) != 0)
            return {false, "mode " + std::to_string(mode) + " did not answer 0"};
    }
    if (lib.getColor(Colour(255, 5, 0), 0, 119, 102, 0) != 0x00515299)
        return {false, "GetColor(255, 5, 0) at (119, 102) is not 0x515299"};
    return {true, ""};
}

DWORD GdiFootprint();

Outcome InvalidDeviceContextsAreHarmless(LibraryBinding &lib) {
    const DWORD before = GdiFootprint();
    const HDC gone = CreateCompatibleDC(nullptr);
    DeleteDC(gone);
    for (int i = 0; i < 100; ++i) {
        if (lib.drawColorTable(nullptr, 0x123456, i % 7, 0) != 0 ||
            lib.drawColorTable2(nullptr, 0x123456, i % 7, 1) != 0 ||
            lib.drawColorTable(gone, 0x123456, 0, 0) != 0)
            return {false, "a draw did not return 0"};
    }
    const DWORD after = GdiFootprint();
    if (after > before + 4)
        return {false,
                "footprint grew from " + std::to_string(before) + " to " + std::to_string(after)};
    return {true, ""};
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

void LeakyDraw(HDC dc) {
    // What a draw that forgot its deletes would leave: a bitmap and a memory DC.
    CreateCompatibleDC(dc);
    CreateCompatibleBitmap(dc, 1, 1);
}

Outcome NoGdiObjectsLeft(LibraryBinding &lib) {
    DibTarget field(256, 256, 32);
    DibTarget strip(20, 256, 32);
    lib.drawColorTable(field.dc(), 0x123456, 0, 0);
    lib.drawColorTable2(strip.dc(), 0x123456, 0, 0);
    const DWORD before = GdiFootprint();
    for (int i = 0; i < 3000; ++i) {
        lib.drawColorTable(field.dc(), static_cast<uint32_t>(i * 2654435761u) & 0xFFFFFF, i % 6,
                           i & 1);
        lib.drawColorTable2(strip.dc(), 0x123456, i % 7, 0);
    }
    const DWORD after = GdiFootprint();

    // The same measurement must see a leak of a few hundred objects, or it proves nothing.
    for (int i = 0; i < 200; ++i) LeakyDraw(field.dc());
    const DWORD leaky = GdiFootprint();

    char text[160];
    std::snprintf(text, sizeof text,
                  "footprint %lu before, %lu after 6000 draws, %lu after a leaking control",
                  static_cast<unsigned long>(before), static_cast<unsigned long>(after),
                  static_cast<unsigned long>(leaky));
    const bool drawsClean = after <= before + 4;
    const bool controlSeen = leaky >= after + 200;
    return {drawsClean && controlSeen, text};
}

}  // namespace

int main() {
    LibraryBinding lib;
    if (!lib.ok()) {
        std::printf(
            "FAIL load: dyeplate.dll or one of its four exports is missing\n0 passed, 1 failed\n");
        return 1;
    }
    std::printf("drawing %u of %u sample base colours, every mode, both flags\n",
                static_cast<unsigned>(DrawnColours().size()),
                static_cast<unsigned>(SampleColours().size()));
    // The first check relies on nothing having been drawn yet in this process.
    const std::vector<std::pair<const char *, std::function<Outcome()>>> checks = {
        {"first draws show black", [&] { return FirstDrawsShowBlack(lib); }},
        {"field matches GetColor, 32-bit DIB section",
         [&] {
             DibTarget target(300, 270, 32);
             return FieldMatchesGetColor(lib, target);
         }},
        {"field matches GetColor, 24-bit DIB section",
         [&] {
             DibTarget target(300, 270, 24);
             return FieldMatchesGetColor(lib, target);
         }},
        {"field matches GetColor, screen-compatible bitmap",
         [&] {
             DdbTarget target(300, 270);
             return FieldMatchesGetColor(lib, target);
         }},
        {"strip matches GetColor2 in 20 columns, 32-bit DIB section",
         [&] {
             DibTarget target(64, 260, 32);
             return StripMatchesGetColor2(lib, target);
         }},
        {"strip matches GetColor2 in 20 columns, 24-bit DIB section",
         [&] {
             DibTarget target(64, 260, 24);
             return StripMatchesGetColor2(lib, target);
         }},
        {"strip matches GetColor2 in 20 columns, screen-compatible bitmap",
         [&] {
             DdbTarget target(64, 260);
             return StripMatchesGetColor2(lib, target);
         }},
        {"unknown mode transfers the previous buffer",
         [&] { return UnknownModeTransfersThePreviousBuffer(lib); }},
        {"unknown modes look up black", [&] { return UnknownModesLookUpBlack(lib); }},
        {"no GDI objects left behind", [&] { return NoGdiObjectsLeft(lib); }},
        {"invalid device contexts are harmless",
         [&] { return InvalidDeviceContextsAreHarmless(lib); }},
    };
    int passed = 0, failed = 0;
    for (const auto &check : checks) {
        const Outcome o = check.second();
        std::printf("%s %s%s%s\n", o.passed ? "PASS" : "FAIL", check.first,
                    o.detail.empty() ? "" : ": ", o.detail.c_str());
        (o.passed ? passed : failed)++;
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}

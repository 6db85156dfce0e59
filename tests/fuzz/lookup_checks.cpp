#include "lookup_checks.h"

#include <cstdio>
#include <cstdlib>

#include "colour_table.h"

namespace fuzz {

namespace {

int32_t Clamp(int32_t v) {
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}

bool AllChannelsWebSafe(uint32_t colorref) {
    for (int shift = 0; shift < 24; shift += 8)
        if (((colorref >> shift) & 0xFFu) % 51 != 0) return false;
    return true;
}

void CheckLookupResult(const char *name, uint32_t got, uint32_t colour, int32_t mode, int32_t a,
                       int32_t b, int32_t webSafe) {
    if ((got >> 24) != 0)
        Fail("lookup result has a non-zero top byte", colour, mode, a, b, webSafe, got,
             got & 0xFFFFFFu);
    if (!ModeInRange(mode) && got != 0) Fail(name, colour, mode, a, b, webSafe, got, 0);
    if (ModeInRange(mode) && webSafe != 0 && !AllChannelsWebSafe(got))
        Fail("web-safe lookup has an unsnapped channel", colour, mode, a, b, webSafe, got, got);
}

}  // namespace

void Fail(const char *what, uint32_t colour, int32_t mode, int32_t a, int32_t b, int32_t webSafe,
          uint32_t got, uint32_t want) {
    std::fprintf(stderr,
                 "dyeplate_fuzz: %s\n  colour 0x%08X mode %d args %d %d webSafe %d: got 0x%08X, "
                 "expected 0x%08X\n",
                 what, colour, mode, a, b, webSafe, got, want);
    std::abort();
}

bool ModeInRange(int32_t mode) {
    return static_cast<uint32_t>(mode) <= 5;
}

void CheckGetColor(uint32_t colour, int32_t mode, int32_t x, int32_t y, int32_t webSafe) {
    const uint32_t got = GetColor(colour, mode, x, y, webSafe);
    CheckLookupResult("GetColor with a mode above 5 is not 0", got, colour, mode, x, y, webSafe);
    if (!ModeInRange(mode)) return;
    const int32_t canonicalMode = mode <= 2 ? 0 : mode;
    const uint32_t canonical =
        GetColor(colour & 0xFFFFFFu, canonicalMode, Clamp(x), Clamp(y), webSafe != 0 ? 1 : 0);
    if (got != canonical)
        Fail("GetColor differs from its canonical call (top byte, mode 1/2, clamping, flag)",
             colour, mode, x, y, webSafe, got, canonical);
}

void CheckGetColor2(uint32_t colour, int32_t mode, int32_t y, int32_t webSafe) {
    const uint32_t got = GetColor2(colour, mode, y, webSafe);
    CheckLookupResult("GetColor2 with a mode above 5 is not 0", got, colour, mode, 0, y, webSafe);
    if (!ModeInRange(mode)) return;
    const int32_t canonicalMode = mode <= 2 ? 0 : mode;
    // The hue strip ignores the base colour.
    const uint32_t base = canonicalMode == 0 ? 0x00123456u : colour & 0xFFFFFFu;
    const uint32_t canonical = GetColor2(base, canonicalMode, Clamp(y), webSafe != 0 ? 1 : 0);
    if (got != canonical)
        Fail("GetColor2 differs from its canonical call (top byte, mode 1/2, clamping, flag)",
             colour, mode, 0, y, webSafe, got, canonical);
}

}  // namespace fuzz

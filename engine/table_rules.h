// The pixel rules of the two colour tables, shared by the draws and the lookups.
//
// Everything here is plain integer and IEEE double arithmetic with no platform
// dependency. The double formulas are written one rounded operation per statement,
// in the order the tables were defined with: several pixels sit exactly on an integer
// boundary, and any reordering, fusing or wider intermediate moves them by one. The
// build compiles this code with -ffp-contract=off (and SSE2 maths on 32-bit x86).
#ifndef DYEPLATE_TABLE_RULES_H
#define DYEPLATE_TABLE_RULES_H

#include <cstdint>

#include "colour_table.h"

namespace dyeplate {

// Bytes of the shared table buffer: 256 bottom-up rows of 256 pixels, B, G, R each.
constexpr int kTableSide = DYEPLATE_TABLE_SIZE;
constexpr int kRowBytes = kTableSide * 3;
constexpr int kTableBytes = kTableSide * kRowBytes;

// The double nearest to -1/255 (bits 0xBF70101010101010).
constexpr double kMinusInv255 = -0x1.0101010101010p-8;
// The double nearest to 1/255 (bits 0x3F70101010101010).
constexpr double kInv255 = 0x1.0101010101010p-8;
// The double nearest to -1/51 (bits 0xBF94141414141414).
constexpr double kMinusInv51 = -0x1.4141414141414p-6;
// The double nearest to 255/43 (bits 0x4017B88EE23B88EE).
constexpr double kHueStep = 0x1.7B88EE23B88EEp+2;

// A colour's channels in the library's working form.
struct Rgb {
    int32_t red;
    int32_t green;
    int32_t blue;
};

inline bool operator==(const Rgb &a, const Rgb &b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

// Modes 1 and 2 have no tables of their own; anything outside 0-5 (negative codes
// compare as large unsigned ones) draws nothing new and looks up as black.
inline bool IsKnownMode(int32_t tableMode) {
    return static_cast<uint32_t>(tableMode) <= static_cast<uint32_t>(TableModeBlue);
}
inline bool IsHueMode(int32_t tableMode) {
    return static_cast<uint32_t>(tableMode) <= static_cast<uint32_t>(TableModeValue);
}

// The top byte of a colour word is ignored, so no channel ever leaves 0-255.
inline Rgb SplitColour(uint32_t colour) {
    return Rgb{static_cast<int32_t>(colour & 0xFFu), static_cast<int32_t>((colour >> 8) & 0xFFu),
               static_cast<int32_t>((colour >> 16) & 0xFFu)};
}

inline uint32_t PackColour(const Rgb &c) {
    return (static_cast<uint32_t>(c.blue & 0xFF) << 16) |
           (static_cast<uint32_t>(c.green & 0xFF) << 8) | static_cast<uint32_t>(c.red & 0xFF);
}

inline int32_t ClampCoordinate(int32_t v) {
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}

inline int32_t SnapChannel(int32_t c) {
    double n = static_cast<double>(c) * kMinusInv51;
    n = 0.5 - n;
    return 51 * static_cast<int32_t>(n);
}

inline void SnapWebSafe(int32_t &red, int32_t &green, int32_t &blue, int32_t webSafe) {
    if (webSafe == 0) return;
    red = SnapChannel(red);
    green = SnapChannel(green);
    blue = SnapChannel(blue);
}

// The corner colour of the hue field: the smallest channel dropped to 0 and the other
// two scaled so that the larger becomes 255. Greys map to pure red; two equal
// smallest channels leave the colour as it is.
inline Rgb NormalizeHue(const Rgb &c) {
    const int32_t r = c.red, g = c.green, b = c.blue;
    if (r == g && g == b) return Rgb{255, 0, 0};
    if (b < r && b < g) {
        const int32_t m = r > g ? r : g;
        return Rgb{r * 255 / m, g * 255 / m, 0};
    }
    if (r < g && r < b) {
        const int32_t m = b > g ? b : g;
        return Rgb{0, g * 255 / m, b * 255 / m};
    }
    if (g < r && g < b) {
        const int32_t m = b > r ? b : r;
        return Rgb{r * 255 / m, 0, b * 255 / m};
    }
    return c;
}

// F of the hue field: the top-line level of column x for a corner channel value,
// running from 255 at x = 0 to the corner value at x = 255.
inline double HueColumnLevel(int32_t corner, int32_t x) {
    double d = static_cast<double>(corner) - 255.0;
    d = static_cast<double>(x) * d;
    d = d * kMinusInv255;
    return 255.0 - d;
}

// The channel value at line y of a column whose top-line level is f.
inline int32_t HueLevel(double f, int32_t y) {
    double e = f * static_cast<double>(y);
    e = e * kInv255;
    e = f - e;
    return static_cast<int32_t>(e);
}

inline int32_t HueFieldChannel(int32_t corner, int32_t x, int32_t y) {
    return HueLevel(HueColumnLevel(corner, x), y);
}

// The field's triple at (x, y) before snapping; the mode must be a known one.
inline Rgb FieldColor(const Rgb &base, int32_t tableMode, int32_t x, int32_t y) {
    switch (tableMode) {
        case TableModeRed:
            return Rgb{base.red, 255 - y, x};
        case TableModeGreen:
            return Rgb{255 - y, base.green, x};
        case TableModeBlue:
            return Rgb{x, 255 - y, base.blue};
        default: {
            const Rgb corner = NormalizeHue(base);
            return Rgb{HueFieldChannel(corner.red, x, y), HueFieldChannel(corner.green, x, y),
                       HueFieldChannel(corner.blue, x, y)};
        }
    }
}

inline int32_t HueStep(int32_t k) {
    return static_cast<int32_t>(static_cast<double>(k) * kHueStep);
}

// Red at the top, through blue and green, back to red at the bottom.
inline Rgb HueStripColor(int32_t n) {
    if (n <= 42) return Rgb{255, 0, HueStep(n)};
    if (n <= 85) return Rgb{HueStep(85 - n), 0, 255};
    if (n <= 126) return Rgb{0, HueStep(n - 85), 255};
    if (n <= 128) return Rgb{0, HueStep(n - 85), HueStep(170 - n)};
    if (n <= 169) return Rgb{0, 255, HueStep(170 - n)};
    if (n <= 211) return Rgb{HueStep(n - 170), 255, 0};
    if (n <= 212) return Rgb{HueStep(n - 170), HueStep(255 - n), 0};
    return Rgb{255, HueStep(255 - n), 0};
}

// The strip's triple on line y before snapping; the mode must be a known one.
inline Rgb StripColor(const Rgb &base, int32_t tableMode, int32_t y) {
    switch (tableMode) {
        case TableModeRed:
            return Rgb{255 - y, base.green, base.blue};
        case TableModeGreen:
            return Rgb{base.red, 255 - y, base.blue};
        case TableModeBlue:
            return Rgb{base.red, base.green, 255 - y};
        default:
            return HueStripColor(y);
    }
}

}  // namespace dyeplate

#endif  // DYEPLATE_TABLE_RULES_H

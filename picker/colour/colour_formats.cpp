#include "colour_formats.h"

#include <algorithm>
#include <cstdio>

namespace tintwell {

namespace {

struct Rgb {
    int32_t red;
    int32_t green;
    int32_t blue;
};

Rgb Split(ColorRef colour) {
    return Rgb{static_cast<int32_t>(colour & 0xFF), static_cast<int32_t>((colour >> 8) & 0xFF),
               static_cast<int32_t>((colour >> 16) & 0xFF)};
}

template <typename... Values>
std::string Printed(const char *format, Values... values) {
    char buffer[48];
    const int length = std::snprintf(buffer, sizeof buffer, format, values...);
    return std::string(buffer, static_cast<size_t>(std::max(length, 0)));
}

}  // namespace

int32_t RoundedQuotient(int64_t numerator, int64_t denominator) {
    return static_cast<int32_t>((2 * numerator + denominator) / (2 * denominator));
}

int64_t HueSixtieths(int32_t red, int32_t green, int32_t blue) {
    const int32_t high = std::max({red, green, blue});
    const int32_t spread = high - std::min({red, green, blue});
    if (spread == 0) return 0;
    if (high == red) return green - blue + (green < blue ? 6 * spread : 0);
    if (high == green) return blue - red + 2 * spread;
    return red - green + 4 * spread;
}

// With the channels c / 255: lightness (max + min) / 2; saturation (max - L) /
// min(L, 1 - L), which is (max - min) / min(max + min, 510 - max - min) in channel
// units; hue 60 degrees per unit of the sector formula, the sector chosen by the
// largest channel, red first on a tie.
Hsl HslOf(ColorRef colour) {
    const Rgb c = Split(colour);
    const int32_t high = std::max({c.red, c.green, c.blue});
    const int32_t low = std::min({c.red, c.green, c.blue});
    const int32_t sum = high + low;
    const int32_t spread = high - low;
    Hsl hsl{0, 0, RoundedQuotient(int64_t{100} * sum, 510)};
    if (spread == 0) return hsl;

    hsl.saturation = RoundedQuotient(int64_t{100} * spread, std::min(sum, 510 - sum));
    const int64_t sixtieths = HueSixtieths(c.red, c.green, c.blue);
    // Just below 360 rounds up to a full turn, which is 0.
    hsl.hue = RoundedQuotient(60 * sixtieths, spread) % 360;
    return hsl;
}

std::array<std::string, kColourFormatCount> ColourFormatTexts(ColorRef colour) {
    const ColorRef value = colour & 0xFFFFFFu;
    const Rgb c = Split(value);
    const Hsl hsl = HslOf(value);
    return {
        Printed("#%02X%02X%02X", c.red, c.green, c.blue),
        Printed("%02X%02X%02X", c.red, c.green, c.blue),
        Printed("rgb(%d, %d, %d)", c.red, c.green, c.blue),
        Printed("%d, %d, %d", c.red, c.green, c.blue),
        Printed("hsl(%d, %d%%, %d%%)", hsl.hue, hsl.saturation, hsl.lightness),
        Printed("0x%02X%02X%02X", c.red, c.green, c.blue),
        Printed("&H%X&", static_cast<unsigned>(value)),
        Printed("%u", static_cast<unsigned>(value)),
    };
}

std::string HashHexText(ColorRef colour) {
    const Rgb c = Split(colour);
    return Printed("#%02X%02X%02X", c.red, c.green, c.blue);
}

std::optional<ColorRef> ColourOfDisplayText(const std::u16string &text) {
    constexpr size_t kDigits = 6;
    if (text.size() != kDigits + 1 || text[0] != u'#') return std::nullopt;
    uint32_t rrggbb = 0;
    for (size_t i = 1; i < text.size(); ++i) {
        const char16_t c = text[i];
        uint32_t digit = 0;
        if (c >= u'0' && c <= u'9') {
            digit = static_cast<uint32_t>(c - u'0');
        } else if (c >= u'A' && c <= u'F') {
            digit = static_cast<uint32_t>(c - u'A' + 10);
        } else if (c >= u'a' && c <= u'f') {
            digit = static_cast<uint32_t>(c - u'a' + 10);
        } else {
            return std::nullopt;
        }
        rrggbb = rrggbb << 4 | digit;
    }
    return ((rrggbb >> 16) & 0xFF) | (rrggbb & 0xFF00) | ((rrggbb & 0xFF) << 16);
}

}  // namespace tintwell

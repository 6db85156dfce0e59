// The texts the copy button's menu offers for one colour, and the HSL rule behind
// one of them. Every text is plain ASCII.
#ifndef TINTWELL_PICKER_COLOUR_FORMATS_H
#define TINTWELL_PICKER_COLOUR_FORMATS_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "colour_word.h"

namespace tintwell {

// Hue in whole degrees 0 to 359, saturation and lightness in whole percent, by the
// CSS Color 4 definitions, each rounded half away from zero. A grey has hue 0 and
// saturation 0.
struct Hsl {
    int32_t hue;
    int32_t saturation;
    int32_t lightness;
};

Hsl HslOf(ColorRef colour);

// numerator / denominator to the nearest whole number, halves up, in whole-number
// arithmetic so that an exact half is seen as one (a binary fraction such as 2.5 / 100
// is not). Both are non-negative and the denominator is not 0.
int32_t RoundedQuotient(int64_t numerator, int64_t denominator);

// The hue's sector formula in whole numbers: hue in degrees times (max - min) / 60,
// the sector chosen by the largest channel, red first on a tie; 0 for a grey.
int64_t HueSixtieths(int32_t red, int32_t green, int32_t blue);

constexpr size_t kColourFormatCount = 8;

// For red 0x1A, green 0x2B, blue 0x3C, in this order: "#1A2B3C", "1A2B3C",
// "rgb(26, 43, 60)", "26, 43, 60", "hsl(210, 40%, 17%)", "0x1A2B3C", "&H3C2B1A&" (the
// COLORREF as a Basic hex literal, without leading zeros) and "3943194" (the COLORREF
// in decimal). Any high byte of the colour is ignored.
std::array<std::string, kColourFormatCount> ColourFormatTexts(ColorRef colour);

// "#RRGGBB", upper case, as the first of those texts.
std::string HashHexText(ColorRef colour);

// The colour a text shows as "#RRGGBB" (hex digits of either case); empty for any
// other text.
std::optional<ColorRef> ColourOfDisplayText(const std::u16string &text);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_COLOUR_FORMATS_H

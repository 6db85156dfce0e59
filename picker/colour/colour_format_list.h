// Every text the program writes for a colour, as one list: the copy menu's eight
// (colour_formats.h: the same order, the same texts, written here without printf so
// that all fifteen cost microseconds) and seven more, for #1A2B3C:
//   hsv(210, 57%, 24%)          hwb(210 10% 76%)            cmyk(57%, 28%, 0%, 76%)
//   lab(16.68 -2.85 -13.25)     lch(16.68 13.55 257.85)
//   oklab(0.2826 -0.0137 -0.03633)                          oklch(0.2826 0.03883 249.34)
// hsv(), hwb() and cmyk() in whole degrees and percent (black is cmyk(0%, 0%, 0%,
// 100%)); lab() and lch() are CSS's, in CIE Lab with the D50 white, to two decimals;
// oklab() and oklch() give L four decimals, a, b and chroma five, the hue two. Decimals
// lose trailing zeros, never read "-0", and a hue whose chroma is written as 0 is
// "none" (lch(53.59 0 none) for #808080). Menus and settings list the formats from
// the table: a display name, a key that stays the same across versions for a
// settings file, and whether reading the text back gives the same colour.
#ifndef TINTWELL_PICKER_COLOUR_COLOUR_FORMAT_LIST_H
#define TINTWELL_PICKER_COLOUR_COLOUR_FORMAT_LIST_H

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "colour_word.h"

namespace tintwell {

enum class ColourFormat {
    HashHex,       // #1A2B3C
    BareHex,       // 1A2B3C
    Rgb,           // rgb(26, 43, 60)
    Triple,        // 26, 43, 60
    Hsl,           // hsl(210, 40%, 17%)
    ZeroXHex,      // 0x1A2B3C
    BasicLiteral,  // &H3C2B1A&
    Decimal,       // 3943194, the COLORREF
    Hsv,
    Hwb,
    Cmyk,
    Lab,
    Lch,
    Oklab,
    Oklch,
};

constexpr size_t kAllColourFormatCount = 15;

struct ColourFormatInfo {
    ColourFormat format;
    const char *displayName;  // UTF-8: "hsv()", "#RRGGBB", ...
    const char *key;          // ASCII, lower case: "hsv", "hash-hex", ...
    // The colour reader gives back the very colour the text was written for. Not so
    // for the whole-number spaces (hsl, hsv, hwb, cmyk), nor for the decimal COLORREF:
    // one of six digits is read as RRGGBB, like any six hex digits.
    bool readsBackExactly;
};

// In ColourFormat's order, which is the copy menu's for the first eight.
const std::array<ColourFormatInfo, kAllColourFormatCount> &ColourFormatTable();

const ColourFormatInfo &InfoOf(ColourFormat format);
std::optional<ColourFormat> ColourFormatOfKey(std::string_view key);

// One format's text; any high byte of the colour is ignored.
std::string ColourFormatText(ColorRef colour, ColourFormat format);
void AppendColourFormatText(std::string &out, ColorRef colour, ColourFormat format);

// All fifteen, in the table's order.
std::array<std::string, kAllColourFormatCount> AllColourFormatTexts(ColorRef colour);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_COLOUR_COLOUR_FORMAT_LIST_H

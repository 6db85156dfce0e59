// "Any colour text in": the colour a pasted or typed text stands for.
//
// Read, case-insensitively, with white space around, an optional ";" after, and
// optionally as the value of a CSS declaration ("--brand: #1A2B3C;", "color: rgb(26
// 43 60) !important"), or in quotes:
//  - every text the copy menu writes (colour_format_list.h), the COLORREF forms
//    included: "&H3C2B1A&" (one to six hex digits) and a bare decimal number;
//  - #rgb, #rgba, #rrggbb, #rrggbbaa; six hex digits alone are RRGGBB (so a decimal
//    COLORREF of six digits reads as hex); any other whole number 0 to 16777215 is a
//    COLORREF; "0x" and six hex digits is RRGGBB;
//  - three channels 0 to 255 parted by commas or spaces ("26, 43, 60");
//  - CSS Color 4's colour functions and the 148 named colours (css_colour_functions.h).
// Full-width letters and digits, as a Japanese input method types them, count as
// their ASCII selves, and ideographic or no-break spaces as spaces.
//
// Alpha is read and dropped. A colour outside sRGB is gamut mapped (gamut_mapping.h)
// and the result says so; the window then adds messages::kMappedIntoSrgb.
// "transparent", "currentcolor", system colours, anything that is no colour, an empty
// text or one of over 256 characters gives nothing; the window then shows
// NotAColourMessage(text).
#ifndef TINTWELL_PICKER_COLOUR_COLOUR_READER_H
#define TINTWELL_PICKER_COLOUR_COLOUR_READER_H

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "colour_text_input.h"
#include "gamut_mapping.h"

namespace tintwell {

constexpr size_t kShownColourTextCharacters = 40;

// As the window holds text (UTF-16; a lone surrogate is no part of any colour).
std::optional<FittedColour> ReadColourText(const std::u16string &text);

// UTF-8; malformed UTF-8 is no colour.
std::optional<FittedColour> ReadColourText(std::string_view utf8);

// "色として読めません: 「…」" with the text's first 40 characters (control characters
// shown as spaces, "…" after a text cut short). UTF-8, as the other messages.
std::string NotAColourMessage(const std::u16string &text);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_COLOUR_COLOUR_READER_H

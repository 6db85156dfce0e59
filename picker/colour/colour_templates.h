// The user's own copy texts: a template line is copied as it stands except for its
// fields, each in braces, which become the colour's values:
//   {r} {g} {b}            the channel, 0 to 255
//   {r:X} {r:x}            two hex digits, upper or lower case
//   {r:f} {r:fN}           channel / 255 with three decimals (0.102), or N, 0 to 6
//   {space.channel}        a channel of hsl, hsv, hwb, cmyk, lab, lch, oklab or oklch
//                          ({hsv.v}, {cmyk.k}, {oklch.h}), written as that format
//                          writes it without its "%", or {lab.l:N} with exactly N
//                          decimals, 0 to 6; a hue without meaning is "none"
//   {{ and }}              a brace itself
// Names are lower case. A line with any other field, a precision outside those, or a
// brace left open is malformed: it gives no text, and the menu shows it greyed as
// MalformedTemplateText(line). Templates are UTF-8 and so are their texts.
#ifndef TINTWELL_PICKER_COLOUR_COLOUR_TEMPLATES_H
#define TINTWELL_PICKER_COLOUR_COLOUR_TEMPLATES_H

#include <optional>
#include <string>
#include <string_view>

#include "colour_word.h"

namespace tintwell {

// The line for the colour (any high byte ignored); empty when it is malformed.
std::optional<std::string> ExpandTemplate(std::string_view line, ColorRef colour);

bool IsWellFormedTemplate(std::string_view line);

// "形式の誤り: " and the line.
std::string MalformedTemplateText(std::string_view line);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_COLOUR_COLOUR_TEMPLATES_H

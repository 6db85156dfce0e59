// The colour functions a text may hold, read with CSS Color 4's grammar: rgb() and
// rgba(), hsl() and hsla() in their comma and space forms; hwb(), lab(), lch(),
// oklab() and oklch() (numbers, percentages against each channel's reference range,
// "none", hues as numbers or deg, grad, rad and turn, "/ alpha"); color() in srgb,
// srgb-linear, display-p3, a98-rgb, prophoto-rgb, rec2020, xyz, xyz-d50 and xyz-d65;
// and the program's own hsv() and cmyk(). Values CSS clamps when it parses (rgb()
// channels, negative saturation and chroma, Lab and OKLab lightness) are clamped;
// anything else outside sRGB is gamut mapped. Alpha is read and dropped. calc() and
// the other math functions are not read.
#ifndef TINTWELL_PICKER_COLOUR_CSS_COLOUR_FUNCTIONS_H
#define TINTWELL_PICKER_COLOUR_CSS_COLOUR_FUNCTIONS_H

#include <optional>
#include <string_view>

#include "gamut_mapping.h"

namespace tintwell {

// `text` is lower-case ASCII without the white space around it, as the colour reader
// hands it over, and must be one whole function (an unclosed one is closed by the
// end, as CSS closes it).
std::optional<FittedColour> ReadColourFunction(std::string_view text);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_COLOUR_CSS_COLOUR_FUNCTIONS_H

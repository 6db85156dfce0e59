// What the program says about a colour beside showing it: how well it reads as text
// on white, on black and on the colour picked before it (WCAG 2.x contrast), and
// which CSS named colour it is, or is nearest to (CIEDE2000 in CIELAB, D65). The
// swatch's tooltip, its accessible description and the first lines of the copy
// button's menu all show these lines.
#ifndef TINTWELL_PICKER_COLOUR_DESCRIPTION_H
#define TINTWELL_PICKER_COLOUR_DESCRIPTION_H

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "colour_word.h"

namespace tintwell {

// Relative luminance, 0 (black) to 1 (white), through the sRGB transfer function
// with the threshold 0.04045.
double RelativeLuminance(ColorRef colour);

// (lighter + 0.05) / (darker + 0.05): 1 to 21, the same either way round.
double ContrastRatio(ColorRef a, ColorRef b);

// The ratio kept to nine decimals, as a whole number of billionths: beyond that a
// double carries only the noise of its own arithmetic (black on white comes out a
// hair under 21), and the level and the shown digit must both see 21 there.
int64_t ContrastBillionths(ColorRef a, ColorRef b);

enum class ContrastLevel { None, AaLarge, Aa, Aaa };

// AAA from 7:1, AA from 4.5:1, AA for large text from 3:1; decided on the ratio
// itself, never on the digit shown.
ContrastLevel LevelOf(int64_t billionths);

// The ratio with one decimal, cut down, never rounded up: "4.4" for 4.499.
std::string RatioText(int64_t billionths);

struct CieLab {
    double l;
    double a;
    double b;
};

// sRGB (D65) to CIELAB with the D65 white.
CieLab LabOf(ColorRef colour);

// The CIEDE2000 colour difference, with kL = kC = kH = 1.
double Ciede2000(const CieLab &first, const CieLab &second);

struct NamedColour {
    const char *name;
    ColorRef colour;
};

// The 148 named colours of CSS Color 4, in alphabetical order (the grey/gray and
// other synonyms included).
const std::vector<NamedColour> &CssNamedColours();

struct NearestName {
    const char *name;
    double difference;  // 0 when the colour is exactly the named one
};

// The named colour with the smallest CIEDE2000 difference; among equals the first
// alphabetically, so that "aqua" is given before its synonym "cyan".
NearestName NearestCssName(ColorRef colour);

// The lines, in UTF-8: the name line, the contrast against white and black, and,
// when there is a previous colour, the contrast against it.
std::vector<std::string> ColourDescriptionLines(ColorRef colour, std::optional<ColorRef> previous);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_COLOUR_DESCRIPTION_H

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

// Everything the description of a shown colour depends on: two keys are equal
// exactly when their lines are, so that whoever shows the lines can tell whether
// they changed before any text is built (the window asks after every event, each
// step of a drag included). A line added to the description adds what decides it
// here and to the comparison.
struct ColourDescriptionKey {
    ColorRef colour = 0;
    // The colour it is measured against: the newest recent one that differs from it.
    std::optional<ColorRef> previous;
    // A pasted colour that lay outside sRGB and was brought inside it.
    bool mappedIntoSrgb = false;
    // What the monitor it was sampled on does to colours, in one line; empty on a
    // plain screen and for any colour that is no sample.
    std::string screenNote;
};

bool operator==(const ColourDescriptionKey &a, const ColourDescriptionKey &b);
inline bool operator!=(const ColourDescriptionKey &a, const ColourDescriptionKey &b) {
    return !(a == b);
}

// The lines the key stands for: those of the colour against the previous one, then,
// for a colour brought into sRGB, a line that says so, then the screen's note.
std::vector<std::string> ColourDescriptionLines(const ColourDescriptionKey &key);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_COLOUR_DESCRIPTION_H

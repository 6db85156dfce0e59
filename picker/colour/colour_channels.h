// The colour spaces whose channels the formats write and templates name: hsl, hsv,
// hwb and cmyk in whole degrees and percent, lab, lch, oklab and oklch in decimals.
// A space knows its channels' names, how many decimals its format gives each, which
// take a "%", and which is a hue; a colour's values in it come with the text of each
// channel as the format writes it or to a number of decimals asked for.
#ifndef TINTWELL_PICKER_COLOUR_COLOUR_CHANNELS_H
#define TINTWELL_PICKER_COLOUR_COLOUR_CHANNELS_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "colour_word.h"

namespace tintwell {

enum class ColourSpace { Hsl, Hsv, Hwb, Cmyk, Lab, Lch, Oklab, Oklch };

constexpr size_t kColourSpaceCount = 8;

struct ChannelLayout {
    char name;     // as in {hsv.v}
    int decimals;  // as the format writes it; 0 for the whole-number spaces
    bool percent;  // the format writes "%" after it
    bool hue;      // degrees, 0 to below 360
};

struct SpaceLayout {
    ColourSpace space;
    const char *name;       // "hsv": the function's name and a template field's prefix
    const char *separator;  // between the channels in the format
    size_t count;
    ChannelLayout channels[4];
};

const SpaceLayout &LayoutOf(ColourSpace space);

// The space a lower-case name stands for.
std::optional<ColourSpace> SpaceNamed(std::string_view name);

// Percent channels 0 to 100, hues in degrees, Lab's L 0 to 100, OKLab's L 0 to 1.
// The whole-number spaces also keep each channel rounded exactly (from whole-number
// arithmetic, a half away from zero, a hue of 359.5 or more being 0); hsl's come from
// HslOf, so they are the copy menu's hsl() text.
struct SpaceValues {
    ColourSpace space;
    double values[4];
    int32_t whole[4];
    bool hueless;  // lch and oklch: the chroma as written is 0, the hue is "none"
};

SpaceValues ValuesOf(ColorRef colour, ColourSpace space);

// Appends channel `index` as the format writes it (no "%"), or with exactly
// `decimals` decimals when that is 0 to 6. A hue that has no meaning is "none"
// either way; a hue that rounds to 360 is 0.
void AppendChannel(std::string &out, const SpaceValues &values, size_t index, int decimals = -1);

// The whole format text: "hsv(210, 57%, 24%)", "lch(53.59 0 none)".
std::string SpaceText(ColorRef colour, ColourSpace space);
void AppendSpaceText(std::string &out, ColorRef colour, ColourSpace space);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_COLOUR_COLOUR_CHANNELS_H

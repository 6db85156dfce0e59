#include "colour_channels.h"

#include <algorithm>

#include "colour_bytes.h"
#include "colour_formats.h"
#include "colour_spaces.h"
#include "decimal_text.h"

namespace tintwell {

namespace {

constexpr SpaceLayout kLayouts[kColourSpaceCount] = {
    {ColourSpace::Hsl,
     "hsl",
     ", ",
     3,
     {{'h', 0, false, true}, {'s', 0, true, false}, {'l', 0, true, false}}},
    {ColourSpace::Hsv,
     "hsv",
     ", ",
     3,
     {{'h', 0, false, true}, {'s', 0, true, false}, {'v', 0, true, false}}},
    {ColourSpace::Hwb,
     "hwb",
     " ",
     3,
     {{'h', 0, false, true}, {'w', 0, true, false}, {'b', 0, true, false}}},
    {ColourSpace::Cmyk,
     "cmyk",
     ", ",
     4,
     {{'c', 0, true, false}, {'m', 0, true, false}, {'y', 0, true, false}, {'k', 0, true, false}}},
    {ColourSpace::Lab,
     "lab",
     " ",
     3,
     {{'l', 2, false, false}, {'a', 2, false, false}, {'b', 2, false, false}}},
    {ColourSpace::Lch,
     "lch",
     " ",
     3,
     {{'l', 2, false, false}, {'c', 2, false, false}, {'h', 2, false, true}}},
    {ColourSpace::Oklab,
     "oklab",
     " ",
     3,
     {{'l', 4, false, false}, {'a', 5, false, false}, {'b', 5, false, false}}},
    {ColourSpace::Oklch,
     "oklch",
     " ",
     3,
     {{'l', 4, false, false}, {'c', 5, false, false}, {'h', 2, false, true}}},
};

// A value and its exact rounding from one fraction of whole numbers: the double is a
// single correctly rounded division, so it lies on the same side of every half as the
// fraction does (no half is nearer to such a fraction than 1/1020).
void SetPercent(SpaceValues &v, size_t index, int64_t numerator, int64_t denominator) {
    if (denominator == 0) {
        v.values[index] = 0;
        v.whole[index] = 0;
        return;
    }
    v.values[index] = static_cast<double>(100 * numerator) / static_cast<double>(denominator);
    v.whole[index] = RoundedQuotient(100 * numerator, denominator);
}

// The hue of the sector formula, as HslOf takes it, in degrees.
double HueDegrees(const ChannelBytes &c) {
    const int32_t spread = std::max({c.red, c.green, c.blue}) - std::min({c.red, c.green, c.blue});
    if (spread == 0) return 0;
    return static_cast<double>(60 * HueSixtieths(c.red, c.green, c.blue)) / spread;
}

void SetWholeSpace(SpaceValues &v, ColorRef colour) {
    const ChannelBytes c = BytesOf(colour);
    const int32_t high = std::max({c.red, c.green, c.blue});
    const int32_t low = std::min({c.red, c.green, c.blue});
    const Hsl hsl = HslOf(colour);
    switch (v.space) {
        case ColourSpace::Hsl: {
            const int32_t sum = high + low;
            SetPercent(v, 1, high - low, std::min(sum, 510 - sum));
            SetPercent(v, 2, sum, 510);
            v.whole[1] = hsl.saturation;
            v.whole[2] = hsl.lightness;
            break;
        }
        case ColourSpace::Hsv:
            SetPercent(v, 1, high - low, high);
            SetPercent(v, 2, high, 255);
            break;
        case ColourSpace::Hwb:
            SetPercent(v, 1, low, 255);
            SetPercent(v, 2, 255 - high, 255);
            break;
        default:
            SetPercent(v, 0, high - c.red, high);
            SetPercent(v, 1, high - c.green, high);
            SetPercent(v, 2, high - c.blue, high);
            SetPercent(v, 3, 255 - high, 255);
            return;
    }
    v.values[0] = HueDegrees(c);
    v.whole[0] = hsl.hue;
}

void SetDecimalSpace(SpaceValues &v, ColorRef colour) {
    const Vec3 linear = LinearSrgbOf(colour);
    Vec3 values{};
    switch (v.space) {
        case ColourSpace::Lab:
            values = LabFromXyzD50(XyzD50FromXyzD65(XyzD65FromLinearSrgb(linear)));
            break;
        case ColourSpace::Lch:
            values =
                PolarFromRectangular(LabFromXyzD50(XyzD50FromXyzD65(XyzD65FromLinearSrgb(linear))));
            break;
        case ColourSpace::Oklab:
            values = OklabFromLinearSrgb(linear);
            break;
        default:
            values = PolarFromRectangular(OklabFromLinearSrgb(linear));
            break;
    }
    for (size_t i = 0; i < 3; ++i) v.values[i] = values[i];
    const ChannelLayout &chroma = LayoutOf(v.space).channels[1];
    v.hueless = (v.space == ColourSpace::Lch || v.space == ColourSpace::Oklch) &&
                ScaledRounded(values[1], chroma.decimals) == 0;
}

}  // namespace

const SpaceLayout &LayoutOf(ColourSpace space) {
    return kLayouts[static_cast<size_t>(space)];
}

std::optional<ColourSpace> SpaceNamed(std::string_view name) {
    for (const SpaceLayout &layout : kLayouts)
        if (name == layout.name) return layout.space;
    return std::nullopt;
}

SpaceValues ValuesOf(ColorRef colour, ColourSpace space) {
    SpaceValues v{space, {0, 0, 0, 0}, {0, 0, 0, 0}, false};
    const ColorRef value = colour & 0xFFFFFFu;
    if (space <= ColourSpace::Cmyk) {
        SetWholeSpace(v, value);
    } else {
        SetDecimalSpace(v, value);
    }
    return v;
}

void AppendChannel(std::string &out, const SpaceValues &values, size_t index, int decimals) {
    const ChannelLayout &channel = LayoutOf(values.space).channels[index];
    if (channel.hue && values.hueless) {
        out += "none";
        return;
    }
    const bool asFormat = decimals < 0 || decimals > kMaxDecimals;
    if (asFormat && values.space <= ColourSpace::Cmyk) {
        AppendScaled(out, values.whole[index], 0, Zeros::Keep);
        return;
    }
    const int places = asFormat ? channel.decimals : decimals;
    int64_t scaled = ScaledRounded(values.values[index], places);
    if (channel.hue) {
        int64_t turn = 360;
        for (int i = 0; i < places; ++i) turn *= 10;
        if (scaled >= turn) scaled -= turn;
    }
    AppendScaled(out, scaled, places, asFormat ? Zeros::Trim : Zeros::Keep);
}

std::string SpaceText(ColorRef colour, ColourSpace space) {
    std::string text;
    text.reserve(40);
    AppendSpaceText(text, colour, space);
    return text;
}

void AppendSpaceText(std::string &text, ColorRef colour, ColourSpace space) {
    const SpaceLayout &layout = LayoutOf(space);
    const SpaceValues values = ValuesOf(colour, space);
    text += layout.name;
    text.push_back('(');
    for (size_t i = 0; i < layout.count; ++i) {
        if (i > 0) text += layout.separator;
        AppendChannel(text, values, i);
        if (layout.channels[i].percent) text.push_back('%');
    }
    text.push_back(')');
}

}  // namespace tintwell

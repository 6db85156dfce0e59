#include "colour_format_list.h"

#include "colour_bytes.h"
#include "colour_channels.h"
#include "decimal_text.h"
#include "user_texts.h"

namespace tintwell {

namespace {

const std::array<ColourFormatInfo, kAllColourFormatCount> kTable{{
    {ColourFormat::HashHex, "#RRGGBB", "hash-hex", true},
    {ColourFormat::BareHex, "RRGGBB", "hex", true},
    {ColourFormat::Rgb, "rgb()", "rgb", true},
    {ColourFormat::Triple, "R, G, B", "triple", true},
    {ColourFormat::Hsl, "hsl()", "hsl", false},
    {ColourFormat::ZeroXHex, "0xRRGGBB", "0x-hex", true},
    {ColourFormat::BasicLiteral, "&HBBGGRR&", "basic-hex", true},
    {ColourFormat::Decimal, format_names::kDecimalColorref, "colorref", false},
    {ColourFormat::Hsv, "hsv()", "hsv", false},
    {ColourFormat::Hwb, "hwb()", "hwb", false},
    {ColourFormat::Cmyk, "cmyk()", "cmyk", false},
    {ColourFormat::Lab, "lab()", "lab", true},
    {ColourFormat::Lch, "lch()", "lch", true},
    {ColourFormat::Oklab, "oklab()", "oklab", true},
    {ColourFormat::Oklch, "oklch()", "oklch", true},
}};

constexpr size_t Index(ColourFormat format) {
    return static_cast<size_t>(format);
}

// hsl() is the copy menu's, and its space's text is that one (both from HslOf).
ColourSpace SpaceOf(ColourFormat format) {
    if (format == ColourFormat::Hsl) return ColourSpace::Hsl;
    return static_cast<ColourSpace>(Index(format) - Index(ColourFormat::Hsv) +
                                    static_cast<size_t>(ColourSpace::Hsv));
}

// Upper-case hex digits of `value`, at least `width` of them.
void AppendHex(std::string &out, uint32_t value, int width) {
    char digits[8];
    int count = 0;
    while (value != 0 || count < width) {
        digits[count++] = "0123456789ABCDEF"[value & 0xF];
        value >>= 4;
    }
    while (count > 0) out.push_back(digits[--count]);
}

void AppendHexBytes(std::string &out, const ChannelBytes &c) {
    AppendHex(out, static_cast<uint32_t>(c.red), 2);
    AppendHex(out, static_cast<uint32_t>(c.green), 2);
    AppendHex(out, static_cast<uint32_t>(c.blue), 2);
}

void AppendTriple(std::string &out, const ChannelBytes &c) {
    AppendScaled(out, c.red, 0, Zeros::Keep);
    out += ", ";
    AppendScaled(out, c.green, 0, Zeros::Keep);
    out += ", ";
    AppendScaled(out, c.blue, 0, Zeros::Keep);
}

}  // namespace

const std::array<ColourFormatInfo, kAllColourFormatCount> &ColourFormatTable() {
    return kTable;
}

const ColourFormatInfo &InfoOf(ColourFormat format) {
    return kTable[Index(format)];
}

std::optional<ColourFormat> ColourFormatOfKey(std::string_view key) {
    for (const ColourFormatInfo &info : kTable)
        if (key == info.key) return info.format;
    return std::nullopt;
}

void AppendColourFormatText(std::string &text, ColorRef colour, ColourFormat format) {
    const ColorRef value = colour & 0xFFFFFFu;
    const ChannelBytes c = BytesOf(value);
    switch (format) {
        case ColourFormat::HashHex:
            text.push_back('#');
            AppendHexBytes(text, c);
            break;
        case ColourFormat::BareHex:
            AppendHexBytes(text, c);
            break;
        case ColourFormat::Rgb:
            text += "rgb(";
            AppendTriple(text, c);
            text.push_back(')');
            break;
        case ColourFormat::Triple:
            AppendTriple(text, c);
            break;
        case ColourFormat::ZeroXHex:
            text += "0x";
            AppendHexBytes(text, c);
            break;
        case ColourFormat::BasicLiteral:
            text += "&H";
            AppendHex(text, value, 1);
            text.push_back('&');
            break;
        case ColourFormat::Decimal:
            AppendScaled(text, value, 0, Zeros::Keep);
            break;
        default:
            AppendSpaceText(text, value, SpaceOf(format));
            break;
    }
}

std::string ColourFormatText(ColorRef colour, ColourFormat format) {
    std::string text;
    text.reserve(40);
    AppendColourFormatText(text, colour, format);
    return text;
}

std::array<std::string, kAllColourFormatCount> AllColourFormatTexts(ColorRef colour) {
    std::array<std::string, kAllColourFormatCount> texts;
    for (size_t i = 0; i < kAllColourFormatCount; ++i)
        texts[i] = ColourFormatText(colour, static_cast<ColourFormat>(i));
    return texts;
}

}  // namespace tintwell

#include "colour_templates.h"

#include "colour_bytes.h"
#include "colour_channels.h"
#include "decimal_text.h"
#include "user_texts.h"

namespace tintwell {

namespace {

constexpr int kDefaultFractionDecimals = 3;

// A single digit 0 to 6, or -1.
int PrecisionOf(std::string_view text) {
    if (text.size() != 1 || text[0] < '0' || text[0] > '0' + kMaxDecimals) return -1;
    return text[0] - '0';
}

bool AppendRgbField(std::string &out, int32_t channel, std::string_view format) {
    if (format.empty()) {
        AppendScaled(out, channel, 0, Zeros::Keep);
        return true;
    }
    if (format == "X" || format == "x") {
        const char *digits = format == "X" ? "0123456789ABCDEF" : "0123456789abcdef";
        out.push_back(digits[channel >> 4]);
        out.push_back(digits[channel & 0xF]);
        return true;
    }
    if (format[0] != 'f') return false;
    const int decimals =
        format.size() == 1 ? kDefaultFractionDecimals : PrecisionOf(format.substr(1));
    if (decimals < 0) return false;
    AppendDecimal(out, channel / 255.0, decimals, Zeros::Keep);
    return true;
}

bool AppendSpaceField(std::string &out, ColorRef colour, std::string_view name,
                      std::string_view format) {
    const size_t dot = name.find('.');
    if (dot == std::string_view::npos || dot + 2 != name.size()) return false;
    const std::optional<ColourSpace> space = SpaceNamed(name.substr(0, dot));
    if (!space) return false;
    const SpaceLayout &layout = LayoutOf(*space);
    size_t index = layout.count;
    for (size_t i = 0; i < layout.count; ++i)
        if (layout.channels[i].name == name[dot + 1]) index = i;
    if (index == layout.count) return false;
    int decimals = -1;
    if (!format.empty() && (decimals = PrecisionOf(format)) < 0) return false;
    AppendChannel(out, ValuesOf(colour, *space), index, decimals);
    return true;
}

// `field` is what stands between the braces.
bool AppendField(std::string &out, ColorRef colour, std::string_view field) {
    const size_t colon = field.find(':');
    const std::string_view name = field.substr(0, colon);
    const std::string_view format =
        colon == std::string_view::npos ? std::string_view{} : field.substr(colon + 1);
    if (colon != std::string_view::npos && format.empty()) return false;
    const ChannelBytes c = BytesOf(colour);
    if (name == "r") return AppendRgbField(out, c.red, format);
    if (name == "g") return AppendRgbField(out, c.green, format);
    if (name == "b") return AppendRgbField(out, c.blue, format);
    return AppendSpaceField(out, colour, name, format);
}

}  // namespace

std::optional<std::string> ExpandTemplate(std::string_view line, ColorRef colour) {
    std::string out;
    out.reserve(line.size() + 16);
    size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == '}' && i + 1 < line.size() && line[i + 1] == '}') {
            out.push_back('}');
            i += 2;
        } else if (c != '{') {
            out.push_back(c);
            ++i;
        } else if (i + 1 < line.size() && line[i + 1] == '{') {
            out.push_back('{');
            i += 2;
        } else {
            const size_t close = line.find('}', i + 1);
            if (close == std::string_view::npos) return std::nullopt;
            if (!AppendField(out, colour & 0xFFFFFFu, line.substr(i + 1, close - i - 1)))
                return std::nullopt;
            i = close + 1;
        }
    }
    return out;
}

bool IsWellFormedTemplate(std::string_view line) {
    return ExpandTemplate(line, 0).has_value();
}

std::string MalformedTemplateText(std::string_view line) {
    return messages::kMalformedTemplate + std::string(line);
}

}  // namespace tintwell

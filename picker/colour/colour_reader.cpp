#include "colour_reader.h"

#include <algorithm>
#include <cstdint>

#include "colour_bytes.h"
#include "colour_description.h"
#include "css_colour_functions.h"
#include "user_texts.h"

namespace tintwell {

namespace {

constexpr uint32_t kLargestColorref = 0xFFFFFF;

bool IsTextSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsTextSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsTextSpace(text.back())) text.remove_suffix(1);
    return text;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool AllOf(std::string_view text, bool (*test)(char)) {
    return !text.empty() && std::all_of(text.begin(), text.end(), test);
}

bool IsHexDigit(char c) {
    return HexDigit(c) >= 0;
}

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsPropertyNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || IsDecimalDigit(c) || c == '-' || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

// Hex digits as one number; the caller has checked there are at most eight.
uint32_t HexValue(std::string_view digits) {
    uint32_t value = 0;
    for (char c : digits) value = value << 4 | static_cast<uint32_t>(HexDigit(c));
    return value;
}

// "#rgb", "#rgba", "#rrggbb", "#rrggbbaa".
std::optional<ColorRef> HashColour(std::string_view digits) {
    if (!AllOf(digits, IsHexDigit)) return std::nullopt;
    if (digits.size() == 3 || digits.size() == 4) {
        int32_t c[3];
        for (size_t i = 0; i < 3; ++i) c[i] = HexDigit(digits[i]) * 17;
        return ColourOfBytes(c[0], c[1], c[2]);
    }
    if (digits.size() == 6 || digits.size() == 8)
        return ColourOfRrggbb(HexValue(digits.substr(0, 6)));
    return std::nullopt;
}

std::optional<uint32_t> DecimalValue(std::string_view digits) {
    if (!AllOf(digits, IsDecimalDigit)) return std::nullopt;
    uint64_t value = 0;
    for (char c : digits) {
        value = value * 10 + static_cast<uint64_t>(c - '0');
        if (value > kLargestColorref) return std::nullopt;
    }
    return static_cast<uint32_t>(value);
}

// "26, 43, 60" or "26 43 60": three channels, commas throughout or none.
std::optional<ColorRef> Triple(std::string_view text) {
    int32_t channels[3];
    bool commas = false;
    for (size_t i = 0; i < 3; ++i) {
        if (i > 0) {
            const size_t before = text.size();
            text = Trimmed(text);
            const bool comma = !text.empty() && text.front() == ',';
            if (comma) text = Trimmed(text.substr(1));
            if (i == 1) commas = comma;
            if (comma != commas || (!comma && text.size() == before)) return std::nullopt;
        }
        size_t digits = 0;
        while (digits < text.size() && digits < 4 && IsDecimalDigit(text[digits])) ++digits;
        const std::optional<uint32_t> value = DecimalValue(text.substr(0, digits));
        if (!value || digits > 3 || *value > 255) return std::nullopt;
        channels[i] = static_cast<int32_t>(*value);
        text.remove_prefix(digits);
    }
    if (!text.empty()) return std::nullopt;
    return ColourOfBytes(channels[0], channels[1], channels[2]);
}

std::optional<ColorRef> ColourNamed(std::string_view name) {
    const std::vector<NamedColour> &names = CssNamedColours();
    const auto found = std::lower_bound(
        names.begin(), names.end(), name,
        [](const NamedColour &named, std::string_view key) { return named.name < key; });
    if (found == names.end() || found->name != name) return std::nullopt;
    return found->colour;
}

// The forms that are not CSS functions.
std::optional<ColorRef> PlainColour(std::string_view text) {
    if (text.front() == '#') return HashColour(text.substr(1));
    if (text.size() == 8 && text.substr(0, 2) == "0x" && AllOf(text.substr(2), IsHexDigit))
        return ColourOfRrggbb(HexValue(text.substr(2)));
    if (text.size() >= 4 && text.size() <= 9 && text.substr(0, 2) == "&h" && text.back() == '&' &&
        AllOf(text.substr(2, text.size() - 3), IsHexDigit))
        return HexValue(text.substr(2, text.size() - 3));
    if (text.size() == 6 && AllOf(text, IsHexDigit)) return ColourOfRrggbb(HexValue(text));
    if (const std::optional<uint32_t> colorref = DecimalValue(text)) return *colorref;
    if (IsDecimalDigit(text.front())) return Triple(text);
    if (AllOf(text, IsPropertyNameCharacter)) return ColourNamed(text);
    return std::nullopt;
}

// "name: value" where the name is a CSS property name, custom ones included.
std::string_view DeclaredValue(std::string_view text) {
    const size_t colon = text.find(':');
    if (colon == std::string_view::npos) return text;
    const std::string_view name = Trimmed(text.substr(0, colon));
    const bool startsName = !name.empty() && !IsDecimalDigit(name.front()) &&
                            !(name.size() > 1 && name[0] == '-' && IsDecimalDigit(name[1]));
    if (!startsName || !AllOf(name, IsPropertyNameCharacter)) return text;
    return Trimmed(text.substr(colon + 1));
}

std::string_view WithoutImportant(std::string_view text) {
    constexpr std::string_view kImportant = "important";
    if (text.size() < kImportant.size() ||
        text.substr(text.size() - kImportant.size()) != kImportant)
        return text;
    const std::string_view rest = Trimmed(text.substr(0, text.size() - kImportant.size()));
    if (rest.empty() || rest.back() != '!') return text;
    return Trimmed(rest.substr(0, rest.size() - 1));
}

std::string_view Unquoted(std::string_view text) {
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
        text.back() == text.front())
        return Trimmed(text.substr(1, text.size() - 2));
    return text;
}

std::optional<FittedColour> ReadAscii(std::string_view text) {
    text = Trimmed(text);
    if (!text.empty() && text.back() == ';') text = Trimmed(text.substr(0, text.size() - 1));
    text = Unquoted(WithoutImportant(DeclaredValue(text)));
    if (text.empty()) return std::nullopt;
    if (text.find('(') != std::string_view::npos) return ReadColourFunction(text);
    const std::optional<ColorRef> colour = PlainColour(text);
    if (!colour) return std::nullopt;
    return FittedColour{*colour, false};
}

}  // namespace

std::optional<FittedColour> ReadColourText(const std::u16string &text) {
    AsciiText ascii;
    if (!ColourTextAsAscii(text, ascii)) return std::nullopt;
    return ReadAscii(ascii.View());
}

std::optional<FittedColour> ReadColourText(std::string_view utf8) {
    AsciiText ascii;
    if (!ColourTextAsAscii(utf8, ascii)) return std::nullopt;
    return ReadAscii(ascii.View());
}

std::string NotAColourMessage(const std::u16string &text) {
    return messages::NotAColour(ShownExcerpt(text, kShownColourTextCharacters));
}

}  // namespace tintwell

#include "colour_text_input.h"

#include <cstdint>

#include "utf8_code_points.h"

namespace tintwell {

namespace {

constexpr char kOtherCharacter = '\x80';
constexpr uint32_t kReplacement = 0xFFFD;

constexpr int kNothing = -1;

char LowerAscii(uint32_t c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
}

// The ASCII a character counts as in a colour text, or kNothing.
int AsciiOf(uint32_t c) {
    if (c < 0x80) return LowerAscii(c);
    if (c >= 0xFF01 && c <= 0xFF5E) return LowerAscii(c - 0xFF01 + '!');
    if (c == 0x00A0 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F || c == 0x3000)
        return ' ';
    if (c == 0xFEFF || c == 0x200B) return kNothing;
    return kOtherCharacter;
}

void Append(AsciiText &out, int ascii) {
    if (ascii != kNothing) out.bytes[out.size++] = static_cast<char>(ascii);
}

// Calls `each` with every code point of a UTF-16 text, a lone surrogate as -1.
template <typename Each>
void ForEachCodePoint(const std::u16string &text, Each each) {
    for (size_t i = 0; i < text.size(); ++i) {
        const uint32_t unit = text[i];
        if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000) {
            each(static_cast<int64_t>(0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00)));
            ++i;
        } else if (unit >= 0xD800 && unit < 0xE000) {
            each(int64_t{-1});
        } else {
            each(static_cast<int64_t>(unit));
        }
    }
}

}  // namespace

bool ColourTextAsAscii(const std::u16string &text, AsciiText &out) {
    out.size = 0;
    if (text.size() > 2 * kMaxColourTextCharacters) return false;
    size_t characters = 0;
    bool wellFormed = true;
    ForEachCodePoint(text, [&](int64_t c) {
        ++characters;
        if (c < 0 || characters > kMaxColourTextCharacters) {
            wellFormed = false;
        } else {
            Append(out, AsciiOf(static_cast<uint32_t>(c)));
        }
    });
    return wellFormed;
}

bool ColourTextAsAscii(std::string_view utf8, AsciiText &out) {
    out.size = 0;
    size_t characters = 0;
    size_t at = 0;
    while (at < utf8.size()) {
        if (++characters > kMaxColourTextCharacters) return false;
        const auto byte = static_cast<unsigned char>(utf8[at]);
        if (byte < 0x80) {
            out.bytes[out.size++] = LowerAscii(byte);
            ++at;
            continue;
        }
        const int64_t c = NextCodePoint(utf8, at);
        if (c < 0) return false;
        Append(out, AsciiOf(static_cast<uint32_t>(c)));
    }
    return true;
}

std::string ShownExcerpt(const std::u16string &text, size_t characters) {
    std::string shown;
    size_t count = 0;
    ForEachCodePoint(text, [&](int64_t c) {
        if (++count > characters) return;
        if (c < 0) {
            AppendUtf8(shown, kReplacement);
        } else if (c < 0x20 || (c >= 0x7F && c < 0xA0)) {
            shown.push_back(' ');
        } else {
            AppendUtf8(shown, static_cast<uint32_t>(c));
        }
    });
    if (count > characters) shown += "…";
    return shown;
}

}  // namespace tintwell

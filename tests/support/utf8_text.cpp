#include "utf8_text.h"

#include <cstdint>

namespace testsupport {

namespace {

void Append(std::string &out, uint32_t point) {
    if (point < 0x80) {
        out += static_cast<char>(point);
    } else if (point < 0x800) {
        out += static_cast<char>(0xC0 | (point >> 6));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        out += static_cast<char>(0xE0 | (point >> 12));
        out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (point >> 18));
        out += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    }
}

template <typename Unit>
std::string FromUtf16(const Unit *text, size_t size) {
    std::string out;
    for (size_t i = 0; i < size; ++i) {
        const uint32_t unit = static_cast<uint16_t>(text[i]);
        const bool high = unit >= 0xD800 && unit < 0xDC00;
        const bool low = unit >= 0xDC00 && unit < 0xE000;
        if (high && i + 1 < size && static_cast<uint16_t>(text[i + 1]) >= 0xDC00 &&
            static_cast<uint16_t>(text[i + 1]) < 0xE000) {
            const uint32_t next = static_cast<uint16_t>(text[++i]);
            Append(out, 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
        } else {
            Append(out, high || low ? 0xFFFD : unit);
        }
    }
    return out;
}

}  // namespace

std::string Utf8(const std::u16string &text) {
    return FromUtf16(text.data(), text.size());
}

std::string Utf8(const std::wstring &text) {
    if (sizeof(wchar_t) == 2) return FromUtf16(text.data(), text.size());
    std::string out;
    for (wchar_t point : text) Append(out, static_cast<uint32_t>(point));
    return out;
}

}  // namespace testsupport

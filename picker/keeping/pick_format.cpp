#include "pick_format.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace tintwell {

namespace {

// The length of the well-formed UTF-8 sequence at the start of `text` and its code
// point; 0 when it is not one (overlong forms, surrogates and values past U+10FFFF
// included).
size_t Utf8Sequence(std::string_view text, uint32_t &codePoint) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    size_t length = 0;
    uint32_t smallest = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1Fu;
        smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0Fu;
        smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07u;
        smallest = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0u) != 0x80u) return 0;
        codePoint = (codePoint << 6) | (byte(i) & 0x3Fu);
    }
    if (codePoint < smallest || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

bool IsControl(uint32_t codePoint) {
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F) || codePoint == 0x2028 ||
           codePoint == 0x2029;
}

}  // namespace

const std::array<const char *, kAllColourFormatCount> &BuiltInFormatKeys() {
    static constexpr const char *kKeys[] = {
        "#RRGGBB",  "RRGGBB",    "rgb(r, g, b)", "r, g, b", "hsl(h, s%, l%)",
        "0xRRGGBB", "&HBBGGRR&", "COLORREF",     "hsv()",   "hwb()",
        "cmyk()",   "lab()",     "lch()",        "oklab()", "oklch()",
    };
    // A format without a key could never be the pick's.
    static_assert(std::size(kKeys) == kAllColourFormatCount, "every copy format needs its key");
    static const std::array<const char *, kAllColourFormatCount> keys = [] {
        std::array<const char *, kAllColourFormatCount> all{};
        for (size_t i = 0; i < all.size(); ++i) all[i] = kKeys[i];
        return all;
    }();
    return keys;
}

bool IsValidPickFormatKey(std::string_view key) {
    if (key.empty() || key.size() > kMaxPickFormatKeyBytes) return false;
    size_t characters = 0;
    for (size_t at = 0; at < key.size(); ++characters) {
        uint32_t codePoint = 0;
        const size_t length = Utf8Sequence(key.substr(at), codePoint);
        if (length == 0 || IsControl(codePoint)) return false;
        at += length;
    }
    return characters <= kMaxPickFormatKeyCharacters;
}

size_t PickFormatIndex(const std::vector<std::string> &keys, std::string_view key) {
    for (std::string_view wanted : {key, std::string_view(kDefaultPickFormatKey)}) {
        const auto found = std::find(keys.begin(), keys.end(), wanted);
        if (found != keys.end()) return static_cast<size_t>(found - keys.begin());
    }
    return 0;
}

}  // namespace tintwell

#include "text_encoding.h"

#include <cstdint>

namespace tintwell {

namespace {

constexpr char16_t kReplacement = u'\uFFFD';

// Number of continuation bytes of a lead byte and its payload bits, or -1 when the
// byte cannot start a sequence.
int ContinuationCount(unsigned char lead, uint32_t &payload) {
    if (lead < 0x80) {
        payload = lead;
        return 0;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        payload = lead & 0x1Fu;
        return 1;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        payload = lead & 0x0Fu;
        return 2;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        payload = lead & 0x07u;
        return 3;
    }
    return -1;
}

void AppendCodePoint(std::u16string &out, uint32_t codePoint) {
    if (codePoint < 0x10000u) {
        out.push_back(static_cast<char16_t>(codePoint));
        return;
    }
    codePoint -= 0x10000u;
    out.push_back(static_cast<char16_t>(0xD800u + (codePoint >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00u + (codePoint & 0x3FFu)));
}

}  // namespace

std::u16string Utf8ToUtf16(const std::string &utf8) {
    static constexpr uint32_t kSmallest[] = {0, 0x80u, 0x800u, 0x10000u};
    std::u16string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        uint32_t codePoint = 0;
        const int count = ContinuationCount(static_cast<unsigned char>(utf8[i]), codePoint);
        ++i;
        if (count < 0) {
            out.push_back(kReplacement);
            continue;
        }
        int taken = 0;
        while (taken < count && i < utf8.size() &&
               (static_cast<unsigned char>(utf8[i]) & 0xC0u) == 0x80u) {
            codePoint = (codePoint << 6) | (static_cast<unsigned char>(utf8[i]) & 0x3Fu);
            ++i;
            ++taken;
        }
        const bool valid = taken == count && codePoint >= kSmallest[count] &&
                           codePoint <= 0x10FFFFu &&
                           !(codePoint >= 0xD800u && codePoint <= 0xDFFFu);
        if (valid) {
            AppendCodePoint(out, codePoint);
        } else {
            out.push_back(kReplacement);
        }
    }
    return out;
}

}  // namespace tintwell

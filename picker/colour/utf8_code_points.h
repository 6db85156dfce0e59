// UTF-8 one code point at a time, for the colour room's readers of user text: strict
// decoding (no overlong forms, no surrogates, nothing past U+10FFFF) and encoding.
#ifndef TINTWELL_PICKER_COLOUR_UTF8_CODE_POINTS_H
#define TINTWELL_PICKER_COLOUR_UTF8_CODE_POINTS_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tintwell {

// The code point starting at text[at], moving `at` past it; -1 (and `at` left where
// it was) when no well-formed sequence starts there.
int64_t NextCodePoint(std::string_view text, size_t &at);

void AppendUtf8(std::string &out, uint32_t codePoint);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_COLOUR_UTF8_CODE_POINTS_H

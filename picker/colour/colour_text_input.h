// The colour reader's first step: a text as the user gave it, in UTF-16 or UTF-8, to
// the lower-case ASCII the colour grammars read, and the shown excerpt of a text
// that could not be read.
#ifndef TINTWELL_PICKER_COLOUR_COLOUR_TEXT_INPUT_H
#define TINTWELL_PICKER_COLOUR_COLOUR_TEXT_INPUT_H

#include <cstddef>
#include <string>
#include <string_view>

namespace tintwell {

// Longer texts are no colour.
constexpr size_t kMaxColourTextCharacters = 256;

// Room for any text short enough, without the heap: the reader runs for every colour
// of a round trip through all 16,777,216.
struct AsciiText {
    char bytes[kMaxColourTextCharacters];
    size_t size = 0;
    std::string_view View() const { return std::string_view(bytes, size); }
};

// Upper case becomes lower, full-width forms ASCII, the Unicode spaces a space, a
// byte-order mark nothing; any other character outside ASCII becomes the byte 0x80,
// which only a CSS name takes. False when the text holds more than
// kMaxColourTextCharacters characters or is not well-formed.
bool ColourTextAsAscii(const std::u16string &text, AsciiText &out);
bool ColourTextAsAscii(std::string_view utf8, AsciiText &out);

// The first `characters` characters in UTF-8, each control character as a space and
// a lone surrogate as U+FFFD, with "…" when there were more.
std::string ShownExcerpt(const std::u16string &text, size_t characters);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_COLOUR_COLOUR_TEXT_INPUT_H

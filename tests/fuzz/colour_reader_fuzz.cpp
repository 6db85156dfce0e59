// libFuzzer target for the colour reader. An input is taken whole as UTF-8 text, and
// its bytes in pairs as UTF-16 text, as the window would hand it over.
//  - Reading never crashes, and a colour read is one of the 16,777,216.
//  - A colour read, written in every format that keeps it, reads back as itself and
//    as inside sRGB.
//  - Well-formed UTF-8 reads the same through either entry point.
//  - The message for a text that is no colour is well-formed UTF-8, showing at most
//    40 characters and "…".
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "colour_format_list.h"
#include "colour_reader.h"
#include "text_encoding.h"
#include "utf8_code_points.h"

namespace {

using namespace tintwell;

[[noreturn]] void Fail(const char *what, const std::string &text) {
    std::fprintf(stderr, "colour_reader_fuzz: %s\n  text (%zu bytes):", what, text.size());
    for (unsigned char c : text) std::fprintf(stderr, " %02X", c);
    std::fprintf(stderr, "\n");
    std::abort();
}

void CheckWrittenBack(ColorRef colour, const std::string &input) {
    for (const ColourFormatInfo &info : ColourFormatTable()) {
        if (!info.readsBackExactly && info.format != ColourFormat::Decimal) continue;
        const std::string text = ColourFormatText(colour, info.format);
        if (info.format == ColourFormat::Decimal && text.size() == 6) continue;
        const std::optional<FittedColour> again = ReadColourText(std::string_view(text));
        if (!again || again->colour != colour || again->mapped)
            Fail(("a colour read does not read back from " + text).c_str(), input);
    }
}

std::optional<FittedColour> CheckedRead(const std::optional<FittedColour> &read,
                                        const std::string &input) {
    if (read && read->colour > 0xFFFFFFu) Fail("a colour outside 24 bits", input);
    if (read) CheckWrittenBack(read->colour, input);
    return read;
}

bool IsWellFormedUtf8(const std::string &text) {
    size_t at = 0;
    while (at < text.size())
        if (NextCodePoint(text, at) < 0) return false;
    return true;
}

// The excerpt between the message's brackets, in characters.
void CheckMessage(const std::u16string &text, const std::string &input) {
    const std::string message = NotAColourMessage(text);
    if (!IsWellFormedUtf8(message)) Fail("the message is not well-formed UTF-8", input);
    const std::string open = "「";
    const std::string close = "」";
    const size_t first = message.find(open);
    const size_t last = message.rfind(close);
    if (first == std::string::npos || last == std::string::npos || last < first + open.size())
        Fail("the message lost its brackets", input);
    const std::string shown = message.substr(first + open.size(), last - first - open.size());
    size_t characters = 0;
    for (size_t at = 0; at < shown.size(); ++characters) NextCodePoint(shown, at);
    const bool cut = shown.size() >= 3 && shown.compare(shown.size() - 3, 3, "…") == 0;
    if (characters > kShownColourTextCharacters + (cut ? 1 : 0))
        Fail("the message shows too much", input);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string text(reinterpret_cast<const char *>(data), size);
    const std::optional<FittedColour> narrow =
        CheckedRead(ReadColourText(std::string_view(text)), text);

    std::u16string pairs;
    for (size_t i = 0; i + 1 < size; i += 2)
        pairs.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));
    CheckedRead(ReadColourText(pairs), text);
    CheckMessage(pairs, text);

    if (IsWellFormedUtf8(text)) {
        const std::u16string wide = Utf8ToUtf16(text);
        const std::optional<FittedColour> widened = CheckedRead(ReadColourText(wide), text);
        if (narrow.has_value() != widened.has_value() ||
            (narrow && (narrow->colour != widened->colour || narrow->mapped != widened->mapped)))
            Fail("UTF-8 and UTF-16 read differently", text);
        CheckMessage(wide, text);
    }
    return 0;
}

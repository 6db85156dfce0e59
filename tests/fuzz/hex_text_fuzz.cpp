// libFuzzer target for the text rules behind Text1: the hex text a colour becomes,
// how it is shown, and how its channels are read back. An input is taken whole as a
// hex text; its first four bytes are also taken as a colour word.
//  - Reading channels back takes exactly six hex digits of either case and refuses
//    anything else with a PickerError, never with another exception or a crash.
//  - Channels read back are bytes, and turn back into the same text (upper-cased).
//  - The shown text is "#" and the pairs in reverse order, for any six characters;
//    any other length is refused with a PickerError.
//  - Any colour word turns into six upper-case digits whose channels are its low 24
//    bits.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "picker_state.h"

namespace {

using tintwell::Channels;
using tintwell::PickerError;

[[noreturn]] void Fail(const char *what, const std::string &text) {
    std::fprintf(stderr, "hex_text_fuzz: %s\n  text (%zu bytes):", what, text.size());
    for (unsigned char c : text) std::fprintf(stderr, " %02X", c);
    std::fprintf(stderr, "\n");
    std::abort();
}

bool IsSixHexDigits(const std::string &text) {
    if (text.size() != 6) return false;
    for (unsigned char c : text)
        if (!std::isxdigit(c)) return false;
    return true;
}

std::string Upper(std::string text) {
    for (char &c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

void CheckChannelRule(const std::string &text) {
    const bool valid = IsSixHexDigits(text);
    Channels channels{};
    try {
        channels = tintwell::ChannelRule(text);
    } catch (const PickerError &error) {
        if (valid) Fail("six hex digits refused", text);
        if (std::string(error.what()).empty()) Fail("refused without a message", text);
        return;
    }
    if (!valid) Fail("a text that is not six hex digits was read", text);
    for (int32_t v : {channels.red, channels.green, channels.blue})
        if (v < 0 || v > 255) Fail("a channel outside 0-255", text);
    const std::string back =
        tintwell::HexTextRule(tintwell::PackColour(channels.red, channels.green, channels.blue));
    if (back != Upper(text)) Fail("channels read back do not give the text again", text);
}

void CheckDisplayRule(const std::string &text) {
    std::u16string shown;
    try {
        shown = tintwell::DisplayRule(text);
    } catch (const PickerError &) {
        if (text.size() == 6) Fail("six characters refused for display", text);
        return;
    }
    if (text.size() != 6) Fail("a text that is not six characters was shown", text);
    const std::string order = text.substr(4, 2) + text.substr(2, 2) + text.substr(0, 2);
    if (shown.size() != 7 || shown[0] != u'#') Fail("shown text is not # and six", text);
    if (IsSixHexDigits(text))
        for (size_t i = 0; i < 6; ++i)
            if (shown[i + 1] != static_cast<char16_t>(order[i]))
                Fail("pairs shown out of order", text);
}

void CheckHexTextRule(uint32_t colour) {
    const std::string text = tintwell::HexTextRule(colour);
    if (!IsSixHexDigits(text) || Upper(text) != text) Fail("not six upper-case digits", text);
    const Channels channels = tintwell::ChannelRule(text);
    if (tintwell::PackColour(channels.red, channels.green, channels.blue) != (colour & 0xFFFFFFu))
        Fail("channels of the text are not the colour's low 24 bits", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string text(reinterpret_cast<const char *>(data), size);
    CheckChannelRule(text);
    CheckDisplayRule(text);
    uint32_t colour = 0;
    for (size_t i = 0; i < 4 && i < size; ++i) colour |= uint32_t{data[i]} << (8 * i);
    CheckHexTextRule(colour);
    return 0;
}

#include "picker_state.h"

#include "user_texts.h"

namespace tintwell {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

void RequireSixCharacters(const std::string &hexText) {
    if (hexText.size() != 6) {
        throw PickerError(messages::HexTextNotSixDigits(hexText));
    }
}

int32_t HexDigitValue(char digit, const std::string &hexText) {
    if (digit >= '0' && digit <= '9') return digit - '0';
    if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
    if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
    throw PickerError(messages::HexTextNotHex(hexText));
}

// Characters `first` and `first + 1`, counted from 0.
int32_t PairValue(const std::string &hexText, size_t first) {
    return HexDigitValue(hexText[first], hexText) * 16 + HexDigitValue(hexText[first + 1], hexText);
}

}  // namespace

ColorRef PackColour(int32_t red, int32_t green, int32_t blue) {
    return (static_cast<ColorRef>(blue) << 16) | (static_cast<ColorRef>(green) << 8) |
           static_cast<ColorRef>(red);
}

ColorRef BaseColour(const PickerState &state) {
    return PackColour(state.red, state.green, state.blue);
}

std::string HexTextRule(ColorRef colour) {
    std::string text(6, '0');
    for (int digit = 5; digit >= 0; --digit) {
        text[static_cast<size_t>(digit)] = kHexDigits[colour & 0xFu];
        colour >>= 4;
    }
    return text;
}

std::u16string DisplayRule(const std::string &hexText) {
    RequireSixCharacters(hexText);
    const std::string reordered =
        "#" + hexText.substr(4, 2) + hexText.substr(2, 2) + hexText.substr(0, 2);
    return std::u16string(reordered.begin(), reordered.end());
}

Channels ChannelRule(const std::string &hexText) {
    RequireSixCharacters(hexText);
    return Channels{PairValue(hexText, 4), PairValue(hexText, 2), PairValue(hexText, 0)};
}

void ApplyChannelRule(PickerState &state) {
    const Channels channels = ChannelRule(state.hexText);
    state.red = channels.red;
    state.green = channels.green;
    state.blue = channels.blue;
}

}  // namespace tintwell

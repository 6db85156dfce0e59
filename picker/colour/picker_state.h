// The picker state of Form1 and the three text rules that turn a colour into the
// hex text and back.
//
// hexText holds six upper-case hex digits in COLORREF order, blue's pair first
// (BBGGRR); the text box shows the pairs the other way round (#RRGGBB).
#ifndef TINTWELL_PICKER_PICKER_STATE_H
#define TINTWELL_PICKER_PICKER_STATE_H

#include <cstdint>
#include <string>

#include "colour_table.h"
#include "colour_word.h"

namespace tintwell {

// The window sets TableModeHue, TableModeRed, TableModeGreen or TableModeBlue (the
// library's own values); saturation and value exist only in the library.

// The red, green and blue modes, where the channels are the shown colour itself;
// every value below them is built around hue.
constexpr bool IsChannelMode(int32_t tableMode) {
    return tableMode >= TableModeRed;
}

constexpr ColorRef kWhite = 0xFFFFFFu;
constexpr ColorRef kBlack = 0u;

// Every number zero and the text empty until Form_Load fills them in.
struct PickerState {
    int32_t tableMode = 0;
    int32_t red = 0;
    int32_t green = 0;
    int32_t blue = 0;
    std::string hexText;
    int32_t fieldX = 0;
    int32_t fieldY = 0;
    int32_t stripPos = 0;
    int32_t webSafe = 0;
};

struct Channels {
    int32_t red;
    int32_t green;
    int32_t blue;
};

// The one place where channels are packed into a COLORREF, red in the low byte.
ColorRef PackColour(int32_t red, int32_t green, int32_t blue);

// The base colour (red, green, blue) handed to every library call.
ColorRef BaseColour(const PickerState &state);

// Hex text rule: the low 24 bits of the colour as six upper-case hex digits, padded
// with zeros on the left (0xFF -> "0000FF"); any high byte is dropped.
std::string HexTextRule(ColorRef colour);

// Display rule: "#" and the pairs of hexText in the order 5-6, 3-4, 1-2, so BBGGRR
// shows as #RRGGBB. hexText must hold six characters; anything else throws
// PickerError, as no handler can show a text it cannot take apart.
std::u16string DisplayRule(const std::string &hexText);

// Channel rule: red from characters 5-6, green from 3-4, blue from 1-2, each read
// as a two-digit hex number. Throws PickerError when hexText is not six hex digits.
Channels ChannelRule(const std::string &hexText);

// Sets red, green and blue of the state by the channel rule of its hexText.
void ApplyChannelRule(PickerState &state);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_PICKER_STATE_H

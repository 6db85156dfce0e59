// The three channels of a colour word (0x00BBGGRR, red in the low byte) and back,
// for the colour room's own arithmetic. A high byte is never part of the colour.
#ifndef TINTWELL_PICKER_COLOUR_COLOUR_BYTES_H
#define TINTWELL_PICKER_COLOUR_COLOUR_BYTES_H

#include <cstdint>

#include "colour_word.h"

namespace tintwell {

struct ChannelBytes {
    int32_t red;
    int32_t green;
    int32_t blue;
};

constexpr ChannelBytes BytesOf(ColorRef colour) {
    return ChannelBytes{static_cast<int32_t>(colour & 0xFF),
                        static_cast<int32_t>((colour >> 8) & 0xFF),
                        static_cast<int32_t>((colour >> 16) & 0xFF)};
}

// Each channel 0 to 255.
constexpr ColorRef ColourOfBytes(int32_t red, int32_t green, int32_t blue) {
    return static_cast<ColorRef>(red) | static_cast<ColorRef>(green) << 8 |
           static_cast<ColorRef>(blue) << 16;
}

// 0xRRGGBB, as hex texts write a colour, to the colour word and back.
constexpr ColorRef ColourOfRrggbb(uint32_t rrggbb) {
    return ((rrggbb >> 16) & 0xFF) | (rrggbb & 0xFF00) | ((rrggbb & 0xFF) << 16);
}

}  // namespace tintwell

#endif  // TINTWELL_PICKER_COLOUR_COLOUR_BYTES_H

// The colour word every room of the picker speaks, and the one error it throws: a
// COLORREF-ordered colour, the handles handed through to the system as they are, and
// PickerError, whose text is fit to show the user.
#ifndef TINTWELL_PICKER_COLOUR_WORD_H
#define TINTWELL_PICKER_COLOUR_WORD_H

#include <cstdint>
#include <stdexcept>

namespace tintwell {

// 0x00BBGGRR, red in the low byte.
using ColorRef = uint32_t;

// An HDC on Windows, a DyeplateSurface* elsewhere: handed to the library as is.
using DeviceContext = void *;

// The native window handle, as an integer wide enough for a pointer.
using WindowHandle = uintptr_t;

// The byte of a colour or pixel word that starts `shift` bits up: a COLORREF's red at
// 0, a 0x00RRGGBB bitmap pixel's blue at 0.
constexpr uint32_t ByteAt(uint32_t word, int shift) {
    return (word >> shift) & 0xFFu;
}

// GetPixel's answer for a pixel it cannot read.
constexpr ColorRef kInvalidColor = 0xFFFFFFFFu;

// What a sample makes of a pixel read from the screen: one that cannot be read
// counts as black.
constexpr ColorRef SampledColour(ColorRef pixel) {
    return pixel == kInvalidColor ? 0u : pixel;
}

// A failed control or platform operation, or a library that cannot be bound.
// what() is a message fit to show the user.
class PickerError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace tintwell

#endif  // TINTWELL_PICKER_COLOUR_WORD_H

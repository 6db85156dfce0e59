// The desktop of a monitor in advanced colour (HDR or wide colour) as its duplication
// hands it over: linear scRGB, 16-bit float per channel, where 1.0 is 80 nits and an
// SDR program's colour is its sRGB-decoded value scaled by the monitor's SDR white
// level. Reading such a pixel back into the program's 8-bit colour is the inverse:
// divided by the SDR white level, encoded with the sRGB curve, rounded to 8 bits. What
// lies beyond what an 8-bit sRGB colour can hold (brighter than SDR white, or outside
// the sRGB gamut) is clamped, and flagged, so that the user is told.
#ifndef TINTWELL_PICKER_SCRGB_PIXELS_H
#define TINTWELL_PICKER_SCRGB_PIXELS_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "loupe_image.h"

namespace tintwell {

// IEEE 754 binary16, as its 16 bits.
using HalfBits = uint16_t;

// Every half is a double exactly, subnormals and infinities included; NaN stays NaN.
double DoubleFromHalf(HalfBits half);

// The system's SDR white level: thousandths of 80 nits (1000 is 80 nits, 2000 160).
constexpr uint32_t kPlainSdrWhite = 1000;

// The piecewise sRGB curve's encoding of a linear value in [0, 1] (the one Windows
// decodes SDR content with, not a pure power).
double SrgbEncode(double linear);

// One pixel of a duplicated frame: red, green, blue, alpha, in that order.
struct ScRgbPixel {
    HalfBits red;
    HalfBits green;
    HalfBits blue;
    HalfBits alpha;
};

// What a channel's half reads as at one SDR white level, worked out once for every
// half: the 8-bit level, and whether the value lay outside [0, 1] by enough to change
// that level.
class ScRgbConverter {
  public:
    // 0 (the system said nothing sensible) counts as 80 nits.
    explicit ScRgbConverter(uint32_t sdrWhite);

    uint32_t sdrWhite() const { return sdrWhite_; }
    // The channel's 8-bit level.
    uint8_t Level(HalfBits half) const { return static_cast<uint8_t>(table_[half]); }
    bool Clamped(HalfBits half) const { return (table_[half] & kClampedBit) != 0; }

    // The pixel as a 0x00RRGGBB bitmap pixel, as a GDI read of the screen gives it.
    BitmapPixel Convert(const ScRgbPixel &pixel) const {
        return (uint32_t{Level(pixel.red)} << 16) | (uint32_t{Level(pixel.green)} << 8) |
               Level(pixel.blue);
    }
    bool Clamped(const ScRgbPixel &pixel) const {
        return ((table_[pixel.red] | table_[pixel.green] | table_[pixel.blue]) & kClampedBit) != 0;
    }

    // `height` rows of `width` pixels, `stride` pixels apart, into `out` (`outStride`
    // apart); where `clamped` is not null, each pixel's flag (1 clamped, 0 not) into
    // it, `outStride` apart too. True when any pixel was clamped.
    bool ConvertRows(const ScRgbPixel *rows, size_t stride, int width, int height, BitmapPixel *out,
                     size_t outStride, uint8_t *clamped) const;

  private:
    static constexpr uint16_t kClampedBit = 0x100;
    uint32_t sdrWhite_;
    std::vector<uint16_t> table_;
};

}  // namespace tintwell

#endif  // TINTWELL_PICKER_SCRGB_PIXELS_H

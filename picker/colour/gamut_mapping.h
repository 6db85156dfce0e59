// From coordinates a colour text gave to one of the 16,777,216 colours: each sRGB
// channel to the nearest step of 255, a half upwards. A colour that lies outside
// sRGB by more than that rounding would hide is first brought inside by CSS Color
// 4's binary search gamut mapping: chroma lowered in OKLCH at the same lightness and
// hue until clipping what is left moves it by less than a just noticeable difference
// (deltaEOK 0.02, searched to 0.0001 of chroma), then clipped.
#ifndef TINTWELL_PICKER_COLOUR_GAMUT_MAPPING_H
#define TINTWELL_PICKER_COLOUR_GAMUT_MAPPING_H

#include <optional>

#include "colour_spaces.h"
#include "colour_word.h"

namespace tintwell {

struct FittedColour {
    ColorRef colour;
    bool mapped;  // it lay outside sRGB and was brought inside
};

// A channel in steps of 1/255 to the nearest of 0 to 255, a half upwards, as CSS rounds
// it; a value less than a billionth of a step below a half counts as the half, since
// the doubles it was computed in may have left an exact half just short.
int32_t NearestStep(double steps);

// Empty when a coordinate is not finite: such a colour has no nearest one.
std::optional<FittedColour> FitEncodedSrgb(const Vec3 &encoded);
std::optional<FittedColour> FitLinearSrgb(const Vec3 &linear);
// For colours given in OKLab or OKLCH, so that the mapping starts from their own
// coordinates rather than from a round trip through sRGB.
std::optional<FittedColour> FitOklab(const Vec3 &oklab);

// The mapping itself, from finite OKLCH coordinates, to encoded sRGB in 0 to 1.
Vec3 GamutMappedSrgb(const Vec3 &oklch);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_COLOUR_GAMUT_MAPPING_H

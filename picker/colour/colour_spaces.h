// The colour arithmetic of CSS Color 4, in doubles, with the matrices of its sample
// conversion code: sRGB's transfer function (threshold 0.04045, extended to negative
// values by symmetry), linear sRGB and XYZ with the D65 white, Bradford adaptation
// between D65 and D50, CIE Lab (D50) and OKLab, and the polar forms of both. Every
// function takes and gives plain coordinates: sRGB channels 0 to 1, Lab's L 0 to
// 100, OKLab's L 0 to 1, hues in degrees.
#ifndef TINTWELL_PICKER_COLOUR_COLOUR_SPACES_H
#define TINTWELL_PICKER_COLOUR_COLOUR_SPACES_H

#include <array>

#include "colour_word.h"

namespace tintwell {

using Vec3 = std::array<double, 3>;
using Matrix3 = std::array<Vec3, 3>;

inline constexpr double kPiRadians = 3.14159265358979323846;

Vec3 Times(const Matrix3 &m, const Vec3 &v);

double LinearFromSrgb(double encoded);
double SrgbFromLinear(double linear);

// The colour word's channels through the transfer function, from a table of the
// same values.
Vec3 LinearSrgbOf(ColorRef colour);

Vec3 XyzD65FromLinearSrgb(const Vec3 &rgb);
Vec3 LinearSrgbFromXyzD65(const Vec3 &xyz);
Vec3 XyzD50FromXyzD65(const Vec3 &xyz);
Vec3 XyzD65FromXyzD50(const Vec3 &xyz);

Vec3 LabFromXyzD50(const Vec3 &xyz);
Vec3 XyzD50FromLab(const Vec3 &lab);
Vec3 OklabFromXyzD65(const Vec3 &xyz);
Vec3 XyzD65FromOklab(const Vec3 &oklab);

// (L, a, b) to (L, chroma, hue 0 to 360) and back. The hue of a neutral comes out as
// whatever atan2 gives; whoever writes it decides whether it means anything.
Vec3 PolarFromRectangular(const Vec3 &lab);
Vec3 RectangularFromPolar(const Vec3 &lch);

// Shortcuts through XYZ D65, in the same steps.
Vec3 OklabFromLinearSrgb(const Vec3 &rgb);
Vec3 LinearSrgbFromOklab(const Vec3 &oklab);

// Reduced to 0 <= hue < 360; anything not finite becomes 0.
double NormalisedHue(double degrees);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_COLOUR_COLOUR_SPACES_H

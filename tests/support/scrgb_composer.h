// What the compositor of an HDR or wide-colour desktop holds for an SDR program's
// colour, written apart from the program's own reading of it so that the two check
// each other: the 8-bit level decoded with the piecewise sRGB curve, scaled by the
// SDR white level, rounded to the nearest 16-bit float.
#ifndef TINTWELL_TESTS_SUPPORT_SCRGB_COMPOSER_H
#define TINTWELL_TESTS_SUPPORT_SCRGB_COMPOSER_H

#include <cstdint>

namespace testsupport {

// The binary16 nearest to `value`, ties to even; infinity from half an ulp past the
// largest finite half (65520) on; NaN as the quiet NaN 0x7E00.
uint16_t HalfNearest(double value);

// The sRGB curve's decoding of an 8-bit level, 0 to 1.
double SrgbLinear(uint8_t level);

// The half the desktop holds for `level` at SDR white level `sdrWhite` (thousandths
// of 80 nits).
uint16_t ComposedHalf(uint8_t level, uint32_t sdrWhite);

}  // namespace testsupport

#endif  // TINTWELL_TESTS_SUPPORT_SCRGB_COMPOSER_H

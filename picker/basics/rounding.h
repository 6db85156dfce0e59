// Conversions from fractional numbers to the picker's whole numbers.
#ifndef TINTWELL_PICKER_ROUNDING_H
#define TINTWELL_PICKER_ROUNDING_H

#include <cstdint>

namespace tintwell {

// Nearest integer, an exact half going to the even neighbour (42.5 -> 42, 43.5 -> 44).
// Done by hand rather than with std::nearbyint so that no floating-point environment
// set by a host or a driver can change the result. A value that is not a number or
// lies outside the 32-bit range throws PickerError (an overflow), ending the handler.
int32_t RoundHalfEven(double value);

// Drag positions: anything not >= 0 (NaN included) becomes 0, then anything beyond
// the last table row or column becomes that one.
float ClampToTable(float value);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_ROUNDING_H

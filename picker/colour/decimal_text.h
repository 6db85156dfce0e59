// Numbers as the colour formats and templates write them: rounded to a given number
// of decimals (0 to 6), an exact half always away from zero, with a point only when
// there are decimals, never "-0". Plain ASCII, whatever the C locale says.
#ifndef TINTWELL_PICKER_COLOUR_DECIMAL_TEXT_H
#define TINTWELL_PICKER_COLOUR_DECIMAL_TEXT_H

#include <cstdint>
#include <string>

namespace tintwell {

constexpr int kMaxDecimals = 6;

// Trim: "0.5" for 0.50 and "3" for 3.00, as the formats write; Keep: exactly that
// many decimals, as a template asking for them gets.
enum class Zeros { Trim, Keep };

// value * 10^decimals, rounded half away from zero, the half judged on the exact
// binary value of `value` (so 0.125 to two decimals is 13, and 2.675, which as a
// double lies just below, is 267). Anything not finite counts as 0.
int64_t ScaledRounded(double value, int decimals);

// Appends scaled / 10^decimals.
void AppendScaled(std::string &out, int64_t scaled, int decimals, Zeros zeros);

// The two together.
void AppendDecimal(std::string &out, double value, int decimals, Zeros zeros);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_COLOUR_DECIMAL_TEXT_H

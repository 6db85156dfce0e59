#include "decimal_text.h"

#include <charconv>
#include <cmath>

namespace tintwell {

namespace {

constexpr double kPowers[kMaxDecimals + 1] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};

// Beyond this a colour channel never goes; it keeps the scaled value far inside 64 bits.
constexpr double kLargest = 1e12;

// The exact decimal expansion of a double decides a near half: 80 places hold every
// binary fraction of a value that can round to something other than 0 (at least
// 0.5e-6, so no bit lies below 2^-74).
int64_t ExactScaledMagnitude(double magnitude, int decimals) {
    char digits[128];
    const auto result =
        std::to_chars(digits, digits + sizeof digits, magnitude, std::chars_format::fixed, 80);
    int64_t scaled = 0;
    const char *c = digits;
    for (; c < result.ptr && *c != '.'; ++c) scaled = scaled * 10 + (*c - '0');
    if (c < result.ptr) ++c;
    for (int i = 0; i < decimals; ++i, ++c) scaled = scaled * 10 + (*c - '0');
    return *c >= '5' ? scaled + 1 : scaled;
}

}  // namespace

int64_t ScaledRounded(double value, int decimals) {
    if (!std::isfinite(value)) return 0;
    const double magnitude = std::fmin(std::fabs(value), kLargest);
    const double scaled = magnitude * kPowers[decimals];
    // Non-negative and far below 2^63: the conversion's truncation is the floor.
    const double whole = static_cast<double>(static_cast<int64_t>(scaled));
    const double fraction = scaled - whole;
    // The product is off by at most half a unit in its last place; only a fraction
    // that close to a half needs the exact digits.
    const double doubt = scaled * 0x1p-51 + 0x1p-1000;
    int64_t rounded = 0;
    if (fraction > 0.5 + doubt) {
        rounded = static_cast<int64_t>(whole) + 1;
    } else if (fraction < 0.5 - doubt) {
        rounded = static_cast<int64_t>(whole);
    } else {
        rounded = ExactScaledMagnitude(magnitude, decimals);
    }
    return value < 0 ? -rounded : rounded;
}

void AppendScaled(std::string &out, int64_t scaled, int decimals, Zeros zeros) {
    // Written backwards into a buffer and appended once: this runs for every channel
    // of every colour in the format round trips.
    char text[32];
    char *end = text + sizeof text;
    char *first = end;
    uint64_t magnitude = scaled < 0 ? 0 - static_cast<uint64_t>(scaled) : scaled;
    bool trimming = zeros == Zeros::Trim;
    for (int place = 0; place < decimals; ++place) {
        const char digit = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
        if (trimming && digit == '0') continue;
        trimming = false;
        *--first = digit;
    }
    if (first != end) *--first = '.';
    do {
        *--first = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (scaled < 0) *--first = '-';
    out.append(first, static_cast<size_t>(end - first));
}

void AppendDecimal(std::string &out, double value, int decimals, Zeros zeros) {
    AppendScaled(out, ScaledRounded(value, decimals), decimals, zeros);
}

}  // namespace tintwell

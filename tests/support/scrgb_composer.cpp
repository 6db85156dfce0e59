#include "scrgb_composer.h"

#include <cmath>

namespace testsupport {

uint16_t HalfNearest(double value) {
    if (std::isnan(value)) return 0x7E00;
    const uint16_t sign = std::signbit(value) ? 0x8000 : 0;
    const double magnitude = std::fabs(value);
    if (magnitude >= 65520.0) return sign | 0x7C00;
    // Below the smallest normal the step is 2^-24 throughout; a round up to 1024
    // steps is the smallest normal, whose bits follow on.
    if (magnitude < std::ldexp(1.0, -14)) {
        return sign | static_cast<uint16_t>(std::nearbyint(std::ldexp(magnitude, 24)));
    }
    int exponent = 0;
    std::frexp(magnitude, &exponent);
    --exponent;  // magnitude in [2^exponent, 2^(exponent + 1))
    // Scaling by a power of two is exact, so the one rounding is nearbyint's, to even.
    double steps = std::nearbyint(std::ldexp(magnitude, 10 - exponent));
    if (steps == 2048.0) {
        steps = 1024.0;
        ++exponent;
    }
    return sign | static_cast<uint16_t>(((exponent + 15) << 10) | (static_cast<int>(steps) - 1024));
}

double SrgbLinear(uint8_t level) {
    const double encoded = level / 255.0;
    return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

uint16_t ComposedHalf(uint8_t level, uint32_t sdrWhite) {
    return HalfNearest(SrgbLinear(level) * (sdrWhite / 1000.0));
}

}  // namespace testsupport

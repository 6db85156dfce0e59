#include "scrgb_pixels.h"

#include <cmath>

namespace tintwell {

double DoubleFromHalf(HalfBits half) {
    const bool negative = (half & 0x8000u) != 0;
    const int exponent = (half >> 10) & 0x1F;
    const int fraction = half & 0x3FF;
    double magnitude;
    if (exponent == 0) {
        magnitude = std::ldexp(static_cast<double>(fraction), -24);
    } else if (exponent == 0x1F) {
        magnitude = fraction == 0 ? HUGE_VAL : std::nan("");
    } else {
        magnitude = std::ldexp(static_cast<double>(fraction | 0x400), exponent - 25);
    }
    return negative ? -magnitude : magnitude;
}

double SrgbEncode(double linear) {
    if (linear <= 0.0031308) return 12.92 * linear;
    return 1.055 * std::pow(linear, 1.0 / 2.4) - 0.055;
}

ScRgbConverter::ScRgbConverter(uint32_t sdrWhite)
    : sdrWhite_(sdrWhite == 0 ? kPlainSdrWhite : sdrWhite), table_(0x10000) {
    const double white = sdrWhite_ / 1000.0;
    for (uint32_t half = 0; half < table_.size(); ++half) {
        const double linear = DoubleFromHalf(static_cast<HalfBits>(half)) / white;
        // A NaN is no colour at all: black, and said to be out of range.
        if (std::isnan(linear)) {
            table_[half] = kClampedBit;
            continue;
        }
        // Negative values are colours outside the sRGB gamut; they and values above
        // SDR white are clamped, and flagged only where the clamp changes the level.
        const double scaled =
            linear <= 0.0 ? 255.0 * 12.92 * linear : 255.0 * SrgbEncode(std::fmin(linear, 2.0));
        const double level = std::floor(scaled + 0.5);
        if (level < 0.0) {
            table_[half] = kClampedBit;
        } else if (level > 255.0) {
            table_[half] = kClampedBit | 255u;
        } else {
            table_[half] = static_cast<uint16_t>(level);
        }
    }
}

bool ScRgbConverter::ConvertRows(const ScRgbPixel *rows, size_t stride, int width, int height,
                                 BitmapPixel *out, size_t outStride, uint8_t *clamped) const {
    uint16_t any = 0;
    for (int y = 0; y < height; ++y) {
        const ScRgbPixel *row = rows + static_cast<size_t>(y) * stride;
        BitmapPixel *target = out + static_cast<size_t>(y) * outStride;
        uint8_t *flags =
            clamped == nullptr ? nullptr : clamped + static_cast<size_t>(y) * outStride;
        for (int x = 0; x < width; ++x) {
            const uint16_t r = table_[row[x].red];
            const uint16_t g = table_[row[x].green];
            const uint16_t b = table_[row[x].blue];
            target[x] = (uint32_t{static_cast<uint8_t>(r)} << 16) |
                        (uint32_t{static_cast<uint8_t>(g)} << 8) | static_cast<uint8_t>(b);
            const uint16_t over = (r | g | b) & kClampedBit;
            if (flags != nullptr) flags[x] = over != 0 ? 1 : 0;
            any |= over;
        }
    }
    return any != 0;
}

}  // namespace tintwell

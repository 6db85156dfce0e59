#include "display_scale.h"

#include <cmath>

namespace tintwell {

int DisplayScale::RoundedRatio(int value, int numerator, int denominator) {
    const long long scaled = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    const long long rounded =
        scaled >= 0 ? (scaled + half) / denominator : -((-scaled + half) / denominator);
    return static_cast<int>(rounded);
}

int DisplayScale::FontHeight(double points) const {
    return -static_cast<int>(std::floor(points * dpi_ / 72.0 + 0.5));
}

int TableAxis::TableFromScreen(int screen) const {
    // floor(((2s + 1) * table) / (2 * shown)), for negative positions too.
    const long long numerator = (2LL * screen + 1) * table_;
    const long long denominator = 2LL * shown_;
    const long long quotient = numerator / denominator;
    return static_cast<int>(numerator % denominator < 0 ? quotient - 1 : quotient);
}

}  // namespace tintwell

#include "display_scale.h"

#include <cmath>

namespace tintwell {

namespace {

constexpr double kPointsPerInch = 72.0;

}  // namespace

int RoundToPixel(double value) {
    return static_cast<int>(std::round(value));
}

// The products below are whole numbers well inside a double's exact range, and a
// quotient that is exactly a half is computed exactly, so the rule sees true halves.
int DisplayScale::FromTwips(int twips) const {
    return RoundToPixel(static_cast<double>(twips) * dpi_ / kTwipsPerInch);
}

int DisplayScale::FromBasePixels(int pixels) const {
    return RoundToPixel(static_cast<double>(pixels) * dpi_ / kBaseDpi);
}

int DisplayScale::FontHeight(double points) const {
    return -RoundToPixel(points * dpi_ / kPointsPerInch);
}

int TableAxis::TableFromScreen(int screen) const {
    // floor(((2s + 1) * table) / (2 * shown)), for negative positions too.
    const long long numerator = (2LL * screen + 1) * table_;
    const long long denominator = 2LL * shown_;
    const long long quotient = numerator / denominator;
    return static_cast<int>(numerator % denominator < 0 ? quotient - 1 : quotient);
}

}  // namespace tintwell

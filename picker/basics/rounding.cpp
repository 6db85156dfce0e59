#include "rounding.h"

#include <cmath>

#include "colour_word.h"
#include "table_geometry.h"
#include "user_texts.h"

namespace tintwell {

int32_t RoundHalfEven(double value) {
    if (!(value > -2147483648.5 && value < 2147483647.5)) {
        throw PickerError(messages::kOverflow);
    }
    const double floor = std::floor(value);
    const double fraction = value - floor;
    double result = floor;
    if (fraction > 0.5) {
        result = floor + 1.0;
    } else if (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0) {
        result = floor + 1.0;
    }
    return static_cast<int32_t>(result);
}

float ClampToTable(float value) {
    if (!(value >= 0.0f)) value = 0.0f;
    constexpr float kLast = static_cast<float>(kLastTableRow);
    if (value > kLast) value = kLast;
    return value;
}

}  // namespace tintwell

// The colour spaces CSS's color() function names, each taken to linear-light sRGB
// (D65) with CSS Color 4's sample matrices and transfer functions. The result may lie
// outside 0 to 1 wherever the space is wider than sRGB.
#ifndef TINTWELL_PICKER_COLOUR_PREDEFINED_SPACES_H
#define TINTWELL_PICKER_COLOUR_PREDEFINED_SPACES_H

#include <optional>
#include <string_view>

#include "colour_spaces.h"

namespace tintwell {

enum class PredefinedSpace {
    Srgb,
    SrgbLinear,
    DisplayP3,
    A98Rgb,
    ProphotoRgb,
    Rec2020,
    XyzD50,
    XyzD65,  // also plain "xyz"
};

// The space a lower-case name stands for.
std::optional<PredefinedSpace> PredefinedSpaceNamed(std::string_view name);

Vec3 LinearSrgbFromPredefined(PredefinedSpace space, const Vec3 &coordinates);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_COLOUR_PREDEFINED_SPACES_H

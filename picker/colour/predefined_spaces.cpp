#include "predefined_spaces.h"

#include <array>
#include <cmath>

namespace tintwell {

namespace {

const Matrix3 kLinearP3ToXyz{{
    {608311.0 / 1250200, 189793.0 / 714400, 198249.0 / 1000160},
    {35783.0 / 156275, 247089.0 / 357200, 198249.0 / 2500400},
    {0.0, 32229.0 / 714400, 5220557.0 / 5000800},
}};
const Matrix3 kLinearA98ToXyz{{
    {573536.0 / 994567, 263643.0 / 1420810, 187206.0 / 994567},
    {591459.0 / 1989134, 6239551.0 / 9945670, 374412.0 / 4972835},
    {53769.0 / 1989134, 351524.0 / 4972835, 4929758.0 / 4972835},
}};
// To XYZ with the D50 white, ProPhoto's own.
const Matrix3 kLinearProphotoToXyzD50{{
    {0.79776664490064230, 0.13518129740053308, 0.03134773412839220},
    {0.28807482881940130, 0.71183523424187300, 0.00008993693872564},
    {0.0, 0.0, 0.82510460251046020},
}};
const Matrix3 kLinear2020ToXyz{{
    {63426534.0 / 99577255, 20160776.0 / 139408157, 47086771.0 / 278816314},
    {26158966.0 / 99577255, 472592308.0 / 697040785, 8267143.0 / 139408157},
    {0.0, 19567812.0 / 697040785, 295819943.0 / 278816314},
}};

Vec3 EachChannel(const Vec3 &v, double (*transfer)(double)) {
    return Vec3{transfer(v[0]), transfer(v[1]), transfer(v[2])};
}

double LinearFromA98(double encoded) {
    return std::copysign(std::pow(std::fabs(encoded), 563.0 / 256), encoded);
}

double LinearFromProphoto(double encoded) {
    const double magnitude = std::fabs(encoded);
    if (magnitude <= 16.0 / 512) return encoded / 16;
    return std::copysign(std::pow(magnitude, 1.8), encoded);
}

double LinearFrom2020(double encoded) {
    constexpr double kAlpha = 1.09929682680944;
    constexpr double kBeta = 0.018053968510807;
    const double magnitude = std::fabs(encoded);
    if (magnitude < kBeta * 4.5) return encoded / 4.5;
    return std::copysign(std::pow((magnitude + kAlpha - 1) / kAlpha, 1 / 0.45), encoded);
}

struct Named {
    std::string_view name;
    PredefinedSpace space;
};

constexpr Named kNames[] = {
    {"srgb", PredefinedSpace::Srgb},
    {"srgb-linear", PredefinedSpace::SrgbLinear},
    {"display-p3", PredefinedSpace::DisplayP3},
    {"a98-rgb", PredefinedSpace::A98Rgb},
    {"prophoto-rgb", PredefinedSpace::ProphotoRgb},
    {"rec2020", PredefinedSpace::Rec2020},
    {"xyz", PredefinedSpace::XyzD65},
    {"xyz-d50", PredefinedSpace::XyzD50},
    {"xyz-d65", PredefinedSpace::XyzD65},
};

}  // namespace

std::optional<PredefinedSpace> PredefinedSpaceNamed(std::string_view name) {
    for (const Named &named : kNames)
        if (named.name == name) return named.space;
    return std::nullopt;
}

Vec3 LinearSrgbFromPredefined(PredefinedSpace space, const Vec3 &c) {
    switch (space) {
        case PredefinedSpace::Srgb:
            return EachChannel(c, LinearFromSrgb);
        case PredefinedSpace::SrgbLinear:
            return c;
        case PredefinedSpace::DisplayP3:
            return LinearSrgbFromXyzD65(Times(kLinearP3ToXyz, EachChannel(c, LinearFromSrgb)));
        case PredefinedSpace::A98Rgb:
            return LinearSrgbFromXyzD65(Times(kLinearA98ToXyz, EachChannel(c, LinearFromA98)));
        case PredefinedSpace::ProphotoRgb:
            return LinearSrgbFromXyzD65(XyzD65FromXyzD50(
                Times(kLinearProphotoToXyzD50, EachChannel(c, LinearFromProphoto))));
        case PredefinedSpace::Rec2020:
            return LinearSrgbFromXyzD65(Times(kLinear2020ToXyz, EachChannel(c, LinearFrom2020)));
        case PredefinedSpace::XyzD50:
            return LinearSrgbFromXyzD65(XyzD65FromXyzD50(c));
        case PredefinedSpace::XyzD65:
            break;
    }
    return LinearSrgbFromXyzD65(c);
}

}  // namespace tintwell

#include "colour_spaces.h"

#include <cmath>

namespace tintwell {

namespace {

// The sample code's matrices as it gives them: sRGB's as exact fractions, the others
// to 64-bit precision.
const Matrix3 kLinearSrgbToXyz{{
    {506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
    {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
    {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270},
}};
const Matrix3 kXyzToLinearSrgb{{
    {12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
    {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
    {705.0 / 12673, -2585.0 / 12673, 705.0 / 667},
}};
const Matrix3 kD65ToD50{{
    {1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
    {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
    {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371},
}};
const Matrix3 kD50ToD65{{
    {0.955473421488075, -0.02309845494876471, 0.06325924320057072},
    {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
    {0.012314014864481998, -0.020507649298898964, 1.330365926242124},
}};
const Matrix3 kXyzToLms{{
    {0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
    {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
    {0.0481771893596242, 0.2642395317527308, 0.6335478284694309},
}};
const Matrix3 kLmsToOklab{{
    {0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
    {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
    {0.0259040424655478, 0.7827717124575296, -0.8086757549230774},
}};
const Matrix3 kLmsToXyz{{
    {1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
    {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
    {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816},
}};
const Matrix3 kOklabToLms{{
    {1.0000000000000000, 0.3963377773761749, 0.2158037573099136},
    {1.0000000000000000, -0.1055613458156586, -0.0638541728258133},
    {1.0000000000000000, -0.0894841775298119, -1.2914855480194092},
}};

// The D50 white from its four-figure chromaticity.
const Vec3 kD50White{0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};

constexpr double kLabEpsilon = 216.0 / 24389.0;  // (6/29)^3
constexpr double kLabKappa = 24389.0 / 27.0;     // (29/3)^3

struct LinearTable {
    double values[256];
    LinearTable() {
        for (int i = 0; i < 256; ++i) values[i] = LinearFromSrgb(i / 255.0);
    }
};

}  // namespace

Vec3 Times(const Matrix3 &m, const Vec3 &v) {
    return Vec3{m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2],
                m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
                m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

double LinearFromSrgb(double encoded) {
    const double magnitude = std::fabs(encoded);
    if (magnitude <= 0.04045) return encoded / 12.92;
    return std::copysign(std::pow((magnitude + 0.055) / 1.055, 2.4), encoded);
}

double SrgbFromLinear(double linear) {
    const double magnitude = std::fabs(linear);
    if (magnitude > 0.0031308)
        return std::copysign(1.055 * std::pow(magnitude, 1 / 2.4) - 0.055, linear);
    return 12.92 * linear;
}

Vec3 LinearSrgbOf(ColorRef colour) {
    static const LinearTable table;
    return Vec3{table.values[colour & 0xFF], table.values[(colour >> 8) & 0xFF],
                table.values[(colour >> 16) & 0xFF]};
}

Vec3 XyzD65FromLinearSrgb(const Vec3 &rgb) {
    return Times(kLinearSrgbToXyz, rgb);
}

Vec3 LinearSrgbFromXyzD65(const Vec3 &xyz) {
    return Times(kXyzToLinearSrgb, xyz);
}

Vec3 XyzD50FromXyzD65(const Vec3 &xyz) {
    return Times(kD65ToD50, xyz);
}

Vec3 XyzD65FromXyzD50(const Vec3 &xyz) {
    return Times(kD50ToD65, xyz);
}

Vec3 LabFromXyzD50(const Vec3 &xyz) {
    Vec3 f{};
    for (int i = 0; i < 3; ++i) {
        const double relative = xyz[i] / kD50White[i];
        f[i] = relative > kLabEpsilon ? std::cbrt(relative) : (kLabKappa * relative + 16) / 116;
    }
    return Vec3{116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

Vec3 XyzD50FromLab(const Vec3 &lab) {
    const double f1 = (lab[0] + 16) / 116;
    const double f0 = lab[1] / 500 + f1;
    const double f2 = f1 - lab[2] / 200;
    const double cube0 = f0 * f0 * f0;
    const double cube2 = f2 * f2 * f2;
    const Vec3 relative{cube0 > kLabEpsilon ? cube0 : (116 * f0 - 16) / kLabKappa,
                        lab[0] > kLabKappa * kLabEpsilon ? f1 * f1 * f1 : lab[0] / kLabKappa,
                        cube2 > kLabEpsilon ? cube2 : (116 * f2 - 16) / kLabKappa};
    return Vec3{relative[0] * kD50White[0], relative[1] * kD50White[1], relative[2] * kD50White[2]};
}

Vec3 OklabFromXyzD65(const Vec3 &xyz) {
    const Vec3 lms = Times(kXyzToLms, xyz);
    return Times(kLmsToOklab, Vec3{std::cbrt(lms[0]), std::cbrt(lms[1]), std::cbrt(lms[2])});
}

Vec3 XyzD65FromOklab(const Vec3 &oklab) {
    const Vec3 lms = Times(kOklabToLms, oklab);
    return Times(kLmsToXyz, Vec3{lms[0] * lms[0] * lms[0], lms[1] * lms[1] * lms[1],
                                 lms[2] * lms[2] * lms[2]});
}

Vec3 PolarFromRectangular(const Vec3 &lab) {
    double hue = std::atan2(lab[2], lab[1]) * 180 / kPiRadians;
    if (hue < 0) hue += 360;
    return Vec3{lab[0], std::sqrt(lab[1] * lab[1] + lab[2] * lab[2]), hue};
}

Vec3 RectangularFromPolar(const Vec3 &lch) {
    const double radians = lch[2] * kPiRadians / 180;
    return Vec3{lch[0], lch[1] * std::cos(radians), lch[1] * std::sin(radians)};
}

Vec3 OklabFromLinearSrgb(const Vec3 &rgb) {
    return OklabFromXyzD65(XyzD65FromLinearSrgb(rgb));
}

Vec3 LinearSrgbFromOklab(const Vec3 &oklab) {
    return LinearSrgbFromXyzD65(XyzD65FromOklab(oklab));
}

double NormalisedHue(double degrees) {
    if (!std::isfinite(degrees)) return 0;
    double hue = std::fmod(degrees, 360.0);
    if (hue < 0) hue += 360;
    return hue >= 360 ? 0 : hue;
}

}  // namespace tintwell

#include "colour_description.h"

#include <cmath>
#include <cstdio>

#include "colour_formats.h"

#include "user_texts.h"

namespace tintwell {

namespace {

constexpr double kPi = 3.14159265358979323846;

double UnitChannel(ColorRef colour, int shift) {
    return static_cast<double>(ByteAt(colour, shift)) / 255.0;
}

// The sRGB transfer function undone: the light a channel value stands for.
double Linear(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Degrees(double radians) {
    return radians * 180.0 / kPi;
}

double Radians(double degrees) {
    return degrees * kPi / 180.0;
}

// Hue angle in degrees 0 to 360; 0 for a neutral, as CIEDE2000 asks.
double HueAngle(double b, double a) {
    if (a == 0.0 && b == 0.0) return 0.0;
    const double h = Degrees(std::atan2(b, a));
    return h < 0.0 ? h + 360.0 : h;
}

const char *LevelText(ContrastLevel level) {
    switch (level) {
        case ContrastLevel::Aaa:
            return colour_lines::kLevelAaa;
        case ContrastLevel::Aa:
            return colour_lines::kLevelAa;
        case ContrastLevel::AaLarge:
            return colour_lines::kLevelAaLarge;
        case ContrastLevel::None:
            break;
    }
    return colour_lines::kLevelNone;
}

std::string RatioWithLevel(ColorRef a, ColorRef b) {
    const int64_t billionths = ContrastBillionths(a, b);
    return RatioText(billionths) + ":1 " + LevelText(LevelOf(billionths));
}

}  // namespace

double RelativeLuminance(ColorRef colour) {
    return 0.2126 * Linear(UnitChannel(colour, 0)) + 0.7152 * Linear(UnitChannel(colour, 8)) +
           0.0722 * Linear(UnitChannel(colour, 16));
}

double ContrastRatio(ColorRef a, ColorRef b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return la >= lb ? (la + 0.05) / (lb + 0.05) : (lb + 0.05) / (la + 0.05);
}

int64_t ContrastBillionths(ColorRef a, ColorRef b) {
    return std::llround(ContrastRatio(a, b) * 1e9);
}

ContrastLevel LevelOf(int64_t billionths) {
    if (billionths >= 7'000'000'000) return ContrastLevel::Aaa;
    if (billionths >= 4'500'000'000) return ContrastLevel::Aa;
    if (billionths >= 3'000'000'000) return ContrastLevel::AaLarge;
    return ContrastLevel::None;
}

std::string RatioText(int64_t billionths) {
    const int64_t tenths = billionths / 100'000'000;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

CieLab LabOf(ColorRef colour) {
    const double r = Linear(UnitChannel(colour, 0));
    const double g = Linear(UnitChannel(colour, 8));
    const double b = Linear(UnitChannel(colour, 16));
    // sRGB primaries to XYZ, each divided by the D65 white's own coordinate.
    const double x = (0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / 0.95047;
    const double y = (0.2126729 * r + 0.7151522 * g + 0.0721750 * b) / 1.00000;
    const double z = (0.0193339 * r + 0.1191920 * g + 0.9503041 * b) / 1.08883;
    constexpr double kEpsilon = 216.0 / 24389.0;  // (6/29)^3
    constexpr double kKappa = 24389.0 / 27.0;
    const auto f = [&](double t) {
        return t > kEpsilon ? std::cbrt(t) : (kKappa * t + 16.0) / 116.0;
    };
    const double fx = f(x);
    const double fy = f(y);
    const double fz = f(z);
    return CieLab{116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

// Sharma, Wu and Dalal's statement of the formula, step by step.
double Ciede2000(const CieLab &first, const CieLab &second) {
    const double c1 = std::hypot(first.a, first.b);
    const double c2 = std::hypot(second.a, second.b);
    const double meanC7 = std::pow((c1 + c2) / 2.0, 7.0);
    const double g = 0.5 * (1.0 - std::sqrt(meanC7 / (meanC7 + std::pow(25.0, 7.0))));
    const double a1 = (1.0 + g) * first.a;
    const double a2 = (1.0 + g) * second.a;
    const double cp1 = std::hypot(a1, first.b);
    const double cp2 = std::hypot(a2, second.b);
    const double hp1 = HueAngle(first.b, a1);
    const double hp2 = HueAngle(second.b, a2);

    const double dL = second.l - first.l;
    const double dC = cp2 - cp1;
    double dh = 0.0;
    if (cp1 * cp2 != 0.0) {
        dh = hp2 - hp1;
        if (dh > 180.0) dh -= 360.0;
        if (dh < -180.0) dh += 360.0;
    }
    const double dH = 2.0 * std::sqrt(cp1 * cp2) * std::sin(Radians(dh / 2.0));

    const double meanL = (first.l + second.l) / 2.0;
    const double meanCp = (cp1 + cp2) / 2.0;
    double meanH = hp1 + hp2;
    if (cp1 * cp2 != 0.0) {
        if (std::fabs(hp1 - hp2) > 180.0) meanH += meanH < 360.0 ? 360.0 : -360.0;
        meanH /= 2.0;
    }
    const double t =
        1.0 - 0.17 * std::cos(Radians(meanH - 30.0)) + 0.24 * std::cos(Radians(2.0 * meanH)) +
        0.32 * std::cos(Radians(3.0 * meanH + 6.0)) - 0.20 * std::cos(Radians(4.0 * meanH - 63.0));
    const double dTheta = 30.0 * std::exp(-std::pow((meanH - 275.0) / 25.0, 2.0));
    const double meanCp7 = std::pow(meanCp, 7.0);
    const double rc = 2.0 * std::sqrt(meanCp7 / (meanCp7 + std::pow(25.0, 7.0)));
    const double l50 = (meanL - 50.0) * (meanL - 50.0);
    const double sl = 1.0 + 0.015 * l50 / std::sqrt(20.0 + l50);
    const double sc = 1.0 + 0.045 * meanCp;
    const double sh = 1.0 + 0.015 * meanCp * t;
    const double rt = -std::sin(Radians(2.0 * dTheta)) * rc;

    const double tl = dL / sl;
    const double tc = dC / sc;
    const double th = dH / sh;
    return std::sqrt(tl * tl + tc * tc + th * th + rt * tc * th);
}

NearestName NearestCssName(ColorRef colour) {
    const std::vector<NamedColour> &names = CssNamedColours();
    // The named colours' own coordinates, worked out once: the swatch's description
    // follows every pick of a drag.
    static const std::vector<CieLab> namedLabs = [&] {
        std::vector<CieLab> labs;
        for (const NamedColour &named : names) labs.push_back(LabOf(named.colour));
        return labs;
    }();
    const CieLab lab = LabOf(colour);
    NearestName best{nullptr, 0.0};
    for (size_t i = 0; i < names.size(); ++i) {
        const NamedColour &named = names[i];
        if (named.colour == (colour & 0xFFFFFFu)) return NearestName{named.name, 0.0};
        const double difference = Ciede2000(lab, namedLabs[i]);
        if (!best.name || difference < best.difference) best = NearestName{named.name, difference};
    }
    return best;
}

std::vector<std::string> ColourDescriptionLines(ColorRef colour, std::optional<ColorRef> previous) {
    constexpr ColorRef kWhite = 0xFFFFFF;
    constexpr ColorRef kBlack = 0x000000;
    std::vector<std::string> lines;

    const NearestName nearest = NearestCssName(colour);
    if (nearest.difference == 0.0) {
        lines.push_back(std::string(colour_lines::kExactName) + nearest.name);
    } else {
        char difference[32];
        std::snprintf(difference, sizeof difference, " (ΔE %.1f)", nearest.difference);
        lines.push_back(std::string(colour_lines::kNearName) + nearest.name + difference);
    }
    lines.push_back(colour_lines::kOnWhite + RatioWithLevel(colour, kWhite) +
                    colour_lines::kBetween + colour_lines::kOnBlack +
                    RatioWithLevel(colour, kBlack));
    if (previous) {
        lines.push_back(HashHexText(*previous) + colour_lines::kAgainst +
                        RatioWithLevel(colour, *previous));
    }
    return lines;
}

bool operator==(const ColourDescriptionKey &a, const ColourDescriptionKey &b) {
    return a.colour == b.colour && a.previous == b.previous &&
           a.mappedIntoSrgb == b.mappedIntoSrgb && a.screenNote == b.screenNote;
}

std::vector<std::string> ColourDescriptionLines(const ColourDescriptionKey &key) {
    std::vector<std::string> lines = ColourDescriptionLines(key.colour, key.previous);
    if (key.mappedIntoSrgb) lines.push_back(messages::kMappedIntoSrgb);
    if (!key.screenNote.empty()) lines.push_back(key.screenNote);
    return lines;
}

}  // namespace tintwell

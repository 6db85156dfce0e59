#include "gamut_mapping.h"

#include <algorithm>
#include <cmath>

#include "colour_bytes.h"

namespace tintwell {

namespace {

constexpr double kJnd = 0.02;

// How far below a half a channel may come out and still count as the half: the
// numbers of a text such as hwb(0 0% 90%) give 25.5 exactly, which arithmetic in
// doubles may leave at 25.499999999999996.
constexpr double kHalfDoubt = 1e-9;
constexpr double kChromaPrecision = 0.0001;

bool AllFinite(const Vec3 &v) {
    return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]);
}

Vec3 EncodedOf(const Vec3 &linear) {
    return Vec3{SrgbFromLinear(linear[0]), SrgbFromLinear(linear[1]), SrgbFromLinear(linear[2])};
}

Vec3 EncodedFromOklch(const Vec3 &oklch) {
    return EncodedOf(LinearSrgbFromOklab(RectangularFromPolar(oklch)));
}

bool InGamut(const Vec3 &encoded) {
    for (double c : encoded)
        if (!(c >= 0 && c <= 1)) return false;
    return true;
}

// Within half a step of the ends, a channel rounds to 0 or 255 all the same: such a
// colour is as inside as rounding can tell, which keeps the noise of a conversion
// (white from lab(100 0 0) at 1.0000001) from counting as mapped.
bool RoundsInside(const Vec3 &encoded) {
    for (double c : encoded) {
        const double steps = c * 255;
        if (!(steps >= -0.5 && steps < 255.5)) return false;
    }
    return true;
}

Vec3 Clipped(const Vec3 &encoded) {
    return Vec3{std::fmin(std::fmax(encoded[0], 0.0), 1.0),
                std::fmin(std::fmax(encoded[1], 0.0), 1.0),
                std::fmin(std::fmax(encoded[2], 0.0), 1.0)};
}

double DeltaEok(const Vec3 &encoded, const Vec3 &oklch) {
    const Vec3 first = OklabFromLinearSrgb(
        Vec3{LinearFromSrgb(encoded[0]), LinearFromSrgb(encoded[1]), LinearFromSrgb(encoded[2])});
    const Vec3 second = RectangularFromPolar(oklch);
    const double dl = first[0] - second[0];
    const double da = first[1] - second[1];
    const double db = first[2] - second[2];
    return std::sqrt(dl * dl + da * da + db * db);
}

int32_t Step(double encoded) {
    return NearestStep(encoded * 255);
}

ColorRef Rounded(const Vec3 &encoded) {
    const Vec3 inside = Clipped(encoded);
    return ColourOfBytes(Step(inside[0]), Step(inside[1]), Step(inside[2]));
}

// The step of a linear channel in 0 to 1, as Step(SrgbFromLinear(x)) gives it, without
// the power function: a table holds where in linear light each step begins, and only
// a value so near such a boundary that the two computations might disagree (far
// nearer than any text can place it) takes the power function after all.
class LinearSteps {
  public:
    LinearSteps() {
        starts_[0] = -HUGE_VAL;
        for (int k = 1; k < 256; ++k) starts_[k] = LinearFromSrgb((k - 0.5) / 255);
        starts_[256] = HUGE_VAL;
        int32_t step = 0;
        for (int32_t i = 0; i < kBuckets; ++i) {
            while (starts_[step + 1] <= static_cast<double>(i) / kBuckets) ++step;
            firstStep_[i] = static_cast<uint8_t>(step);
        }
    }

    int32_t StepOf(double linear) const {
        // The bucket gives the step at its start; no bucket holds more than two starts.
        int32_t step = firstStep_[std::min(static_cast<int32_t>(linear * kBuckets), kBuckets - 1)];
        while (starts_[step + 1] <= linear) ++step;
        const bool nearBelow = step > 0 && linear - starts_[step] <= starts_[step] * 1e-9;
        const bool nearAbove = step < 255 && starts_[step + 1] - linear <= starts_[step + 1] * 1e-9;
        if (nearBelow || nearAbove) return Step(std::fmin(SrgbFromLinear(linear), 1.0));
        return step;
    }

  private:
    static constexpr int32_t kBuckets = 4096;
    double starts_[257];
    uint8_t firstStep_[kBuckets];
};

std::optional<FittedColour> Fit(const Vec3 &encoded, const Vec3 &oklab) {
    if (!AllFinite(encoded) || !AllFinite(oklab)) return std::nullopt;
    if (RoundsInside(encoded)) return FittedColour{Rounded(encoded), false};
    return FittedColour{Rounded(GamutMappedSrgb(PolarFromRectangular(oklab))), true};
}

}  // namespace

int32_t NearestStep(double steps) {
    const double inside = std::fmin(std::fmax(steps, 0.0), 255.0);
    // Non-negative, so the conversion's truncation is the floor.
    return static_cast<int32_t>(inside + 0.5 + kHalfDoubt);
}

Vec3 GamutMappedSrgb(const Vec3 &origin) {
    if (origin[0] >= 1) return Vec3{1, 1, 1};
    if (origin[0] <= 0) return Vec3{0, 0, 0};
    Vec3 current = origin;
    const Vec3 encoded = EncodedFromOklch(current);
    if (InGamut(encoded)) return encoded;

    Vec3 clipped = Clipped(encoded);
    if (DeltaEok(clipped, current) < kJnd) return clipped;

    double min = 0;
    double max = origin[1];
    bool minInGamut = true;
    while (max - min > kChromaPrecision) {
        const double chroma = (min + max) / 2;
        current[1] = chroma;
        const Vec3 candidate = EncodedFromOklch(current);
        if (minInGamut && InGamut(candidate)) {
            min = chroma;
            continue;
        }
        clipped = Clipped(candidate);
        const double e = DeltaEok(clipped, current);
        if (e < kJnd) {
            if (kJnd - e < kChromaPrecision) return clipped;
            minInGamut = false;
            min = chroma;
        } else {
            max = chroma;
        }
    }
    return clipped;
}

std::optional<FittedColour> FitEncodedSrgb(const Vec3 &encoded) {
    if (!AllFinite(encoded)) return std::nullopt;
    if (RoundsInside(encoded)) return FittedColour{Rounded(encoded), false};
    const Vec3 linear{LinearFromSrgb(encoded[0]), LinearFromSrgb(encoded[1]),
                      LinearFromSrgb(encoded[2])};
    return Fit(encoded, OklabFromLinearSrgb(linear));
}

std::optional<FittedColour> FitLinearSrgb(const Vec3 &linear) {
    if (!AllFinite(linear)) return std::nullopt;
    static const LinearSteps steps;
    if (linear[0] >= 0 && linear[0] <= 1 && linear[1] >= 0 && linear[1] <= 1 && linear[2] >= 0 &&
        linear[2] <= 1)
        return FittedColour{ColourOfBytes(steps.StepOf(linear[0]), steps.StepOf(linear[1]),
                                          steps.StepOf(linear[2])),
                            false};
    const Vec3 encoded = EncodedOf(linear);
    if (RoundsInside(encoded)) return FittedColour{Rounded(encoded), false};
    return Fit(encoded, OklabFromLinearSrgb(linear));
}

std::optional<FittedColour> FitOklab(const Vec3 &oklab) {
    if (!AllFinite(oklab)) return std::nullopt;
    const Vec3 linear = LinearSrgbFromOklab(oklab);
    if (linear[0] >= 0 && linear[0] <= 1 && linear[1] >= 0 && linear[1] <= 1 && linear[2] >= 0 &&
        linear[2] <= 1)
        return FitLinearSrgb(linear);
    return Fit(EncodedOf(linear), oklab);
}

}  // namespace tintwell

#include "css_colour_functions.h"

#include <algorithm>
#include <cmath>

#include "colour_bytes.h"
#include "css_tokens.h"
#include "predefined_spaces.h"

namespace tintwell {

namespace {

enum class Kind { Number, Percentage, Angle, None };

struct Component {
    Kind kind;
    double value;  // an angle in degrees
};

// What a function holds, before its grammar is checked: the components in order,
// whether commas parted them, and where a slash stood.
struct Arguments {
    std::string_view name;
    std::string_view space;  // color()'s first word
    Component components[8];
    size_t count = 0;
    bool commas = false;
    size_t slashAt = 0;  // index of the component after the slash; 0 for none
};

std::optional<double> DegreesOf(const CssToken &dimension) {
    const std::string_view unit = dimension.text;
    if (unit == "deg") return dimension.value;
    if (unit == "grad") return dimension.value * 360 / 400;
    if (unit == "rad") return dimension.value * 180 / kPiRadians;
    if (unit == "turn") return dimension.value * 360;
    return std::nullopt;
}

// Reads the function into its components, checking only that commas and a slash
// stand between components in one of CSS's two ways: a, b, c[, d] or a b c[ / d].
std::optional<Arguments> Split(std::string_view text) {
    CssTokenizer tokens(text);
    CssToken token = tokens.Next();
    if (token.kind != CssTokenKind::Function) return std::nullopt;
    Arguments args;
    args.name = token.text;
    if (args.name == "color") {
        token = tokens.Next();
        if (token.kind != CssTokenKind::Ident) return std::nullopt;
        args.space = token.text;
    }
    // Whether a separator was the last thing read (or nothing yet): in the comma form
    // a component may only come then; two separators may never follow each other.
    bool afterSeparator = true;
    for (;;) {
        token = tokens.Next();
        if (token.kind == CssTokenKind::CloseParen) {
            if (tokens.Next().kind != CssTokenKind::End) return std::nullopt;
            break;
        }
        if (token.kind == CssTokenKind::End) break;
        if (token.kind == CssTokenKind::Comma) {
            if (afterSeparator || args.slashAt != 0 || (args.count > 1 && !args.commas))
                return std::nullopt;
            args.commas = true;
            afterSeparator = true;
            continue;
        }
        if (token.kind == CssTokenKind::Slash) {
            if (afterSeparator || args.commas || args.slashAt != 0) return std::nullopt;
            args.slashAt = args.count;
            afterSeparator = true;
            continue;
        }
        if (args.commas && !afterSeparator) return std::nullopt;
        if (args.count == std::size(args.components)) return std::nullopt;
        Component component{Kind::None, 0};
        switch (token.kind) {
            case CssTokenKind::Number:
                component = Component{Kind::Number, token.value};
                break;
            case CssTokenKind::Percentage:
                component = Component{Kind::Percentage, token.value};
                break;
            case CssTokenKind::Dimension: {
                const std::optional<double> degrees = DegreesOf(token);
                if (!degrees) return std::nullopt;
                component = Component{Kind::Angle, *degrees};
                break;
            }
            case CssTokenKind::Ident:
                if (token.text != "none") return std::nullopt;
                break;
            default:
                return std::nullopt;
        }
        args.components[args.count++] = component;
        afterSeparator = false;
    }
    if (afterSeparator && (args.commas || args.slashAt != 0)) return std::nullopt;
    return args;
}

enum Accepts : unsigned {
    kNumber = 1,
    kPercentage = 2,
    kAngle = 4,
    kNone = 8,
    kHue = kNumber | kAngle | kNone,
    kValue = kNumber | kPercentage | kNone,
};

bool Takes(unsigned accepts, const Component &c) {
    switch (c.kind) {
        case Kind::Number:
            return accepts & kNumber;
        case Kind::Percentage:
            return accepts & kPercentage;
        case Kind::Angle:
            return accepts & kAngle;
        case Kind::None:
            break;
    }
    return accepts & kNone;
}

// The channels a function gives, once its grammar holds.
struct ArgumentChannels {
    Component c[4];
};

// `accepts` for each channel in the space form; the comma form, where a function has
// one, takes no "none" (and rgb() numbers or percentages throughout). Alpha, when
// given, is a number or a percentage, or "none" in the space form.
std::optional<ArgumentChannels> Checked(const Arguments &args, size_t channels, const unsigned *accepts,
                                bool commaForm, bool alpha) {
    const size_t given = args.slashAt != 0 ? args.slashAt : args.count;
    if (given != channels) {
        if (!(args.commas && alpha && args.count == channels + 1)) return std::nullopt;
    }
    if (args.slashAt != 0 && (!alpha || args.count != channels + 1)) return std::nullopt;
    if (args.commas && !commaForm) return std::nullopt;
    if (args.count > channels) {
        const unsigned alphaAccepts = kNumber | kPercentage | (args.commas ? 0u : unsigned{kNone});
        if (!Takes(alphaAccepts, args.components[channels])) return std::nullopt;
    }
    ArgumentChannels result{};
    for (size_t i = 0; i < channels; ++i) {
        const unsigned take = args.commas ? accepts[i] & ~unsigned{kNone} : accepts[i];
        if (!Takes(take, args.components[i])) return std::nullopt;
        result.c[i] = args.components[i];
    }
    return result;
}

// A number as it stands, a percentage of `full`, "none" as 0.
double Resolved(const Component &c, double full) {
    if (c.kind == Kind::Percentage) return c.value / 100 * full;
    if (c.kind == Kind::None) return 0;
    return c.value;
}

double Clamped(double value, double low, double high) {
    return std::min(std::max(value, low), high);
}

// CSS's hslToRgb, saturation and lightness as fractions.
Vec3 SrgbOfHsl(double hue, double saturation, double lightness) {
    const auto f = [&](double n) {
        const double k = std::fmod(n + hue / 30, 12);
        const double a = saturation * std::min(lightness, 1 - lightness);
        return lightness - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return Vec3{f(0), f(8), f(4)};
}

std::optional<FittedColour> ReadRgbFunction(const Arguments &args) {
    static const unsigned accepts[] = {kValue, kValue, kValue};
    const std::optional<ArgumentChannels> ch = Checked(args, 3, accepts, true, true);
    if (!ch) return std::nullopt;
    if (args.commas && !(ch->c[0].kind == ch->c[1].kind && ch->c[1].kind == ch->c[2].kind))
        return std::nullopt;
    int32_t bytes[3];
    for (size_t i = 0; i < 3; ++i) bytes[i] = NearestStep(Resolved(ch->c[i], 255));
    return FittedColour{ColourOfBytes(bytes[0], bytes[1], bytes[2]), false};
}

// hsl() and hsv(), which share their grammar.
std::optional<ArgumentChannels> HueAndTwoPercentages(const Arguments &args) {
    static const unsigned accepts[] = {kHue, kValue, kValue};
    const std::optional<ArgumentChannels> ch = Checked(args, 3, accepts, true, true);
    if (!ch ||
        (args.commas && (ch->c[1].kind != Kind::Percentage || ch->c[2].kind != Kind::Percentage)))
        return std::nullopt;
    return ch;
}

std::optional<FittedColour> ReadHslFunction(const Arguments &args) {
    const std::optional<ArgumentChannels> ch = HueAndTwoPercentages(args);
    if (!ch) return std::nullopt;
    const double hue = NormalisedHue(Resolved(ch->c[0], 0));
    const double saturation = std::max(Resolved(ch->c[1], 100), 0.0) / 100;
    return FitEncodedSrgb(SrgbOfHsl(hue, saturation, Resolved(ch->c[2], 100) / 100));
}

std::optional<FittedColour> ReadHsvFunction(const Arguments &args) {
    const std::optional<ArgumentChannels> ch = HueAndTwoPercentages(args);
    if (!ch) return std::nullopt;
    const double hue = NormalisedHue(Resolved(ch->c[0], 0));
    const double saturation = Clamped(Resolved(ch->c[1], 100), 0, 100) / 100;
    const double value = Clamped(Resolved(ch->c[2], 100), 0, 100) / 100;
    const auto f = [&](double n) {
        const double k = std::fmod(n + hue / 60, 6);
        return value - value * saturation * std::max(0.0, std::min({k, 4 - k, 1.0}));
    };
    return FitEncodedSrgb(Vec3{f(5), f(3), f(1)});
}

std::optional<FittedColour> ReadHwbFunction(const Arguments &args) {
    static const unsigned accepts[] = {kHue, kValue, kValue};
    const std::optional<ArgumentChannels> ch = Checked(args, 3, accepts, false, true);
    if (!ch) return std::nullopt;
    const double hue = NormalisedHue(Resolved(ch->c[0], 0));
    const double white = Resolved(ch->c[1], 100) / 100;
    const double black = Resolved(ch->c[2], 100) / 100;
    if (white + black >= 1) {
        const double grey = white / (white + black);
        return FitEncodedSrgb(Vec3{grey, grey, grey});
    }
    Vec3 rgb = SrgbOfHsl(hue, 1, 0.5);
    for (double &c : rgb) c = c * (1 - white - black) + white;
    return FitEncodedSrgb(rgb);
}

std::optional<FittedColour> ReadCmykFunction(const Arguments &args) {
    static const unsigned accepts[] = {kPercentage, kPercentage, kPercentage, kPercentage};
    const std::optional<ArgumentChannels> ch = Checked(args, 4, accepts, true, false);
    if (!ch) return std::nullopt;
    double v[4];
    for (size_t i = 0; i < 4; ++i) v[i] = Clamped(ch->c[i].value, 0, 100) / 100;
    return FitEncodedSrgb(
        Vec3{(1 - v[0]) * (1 - v[3]), (1 - v[1]) * (1 - v[3]), (1 - v[2]) * (1 - v[3])});
}

// lab() and lch() against L's range of 100, oklab() and oklch() against 1; a, b and
// chroma against their own.
std::optional<FittedColour> ReadLabFunction(const Arguments &args, bool polar, bool ok) {
    static const unsigned rectangular[] = {kValue, kValue, kValue};
    static const unsigned cylindrical[] = {kValue, kValue, kHue};
    const std::optional<ArgumentChannels> ch =
        Checked(args, 3, polar ? cylindrical : rectangular, false, true);
    if (!ch) return std::nullopt;
    const double lightnessRange = ok ? 1 : 100;
    const double axisRange = ok ? 0.4 : 125;
    const double chromaRange = ok ? 0.4 : 150;
    Vec3 lab{Clamped(Resolved(ch->c[0], lightnessRange), 0, lightnessRange), 0, 0};
    if (polar) {
        const double chroma = std::max(Resolved(ch->c[1], chromaRange), 0.0);
        lab = RectangularFromPolar(Vec3{lab[0], chroma, NormalisedHue(Resolved(ch->c[2], 0))});
    } else {
        lab[1] = Resolved(ch->c[1], axisRange);
        lab[2] = Resolved(ch->c[2], axisRange);
    }
    if (ok) return FitOklab(lab);
    return FitLinearSrgb(LinearSrgbFromXyzD65(XyzD65FromXyzD50(XyzD50FromLab(lab))));
}

std::optional<FittedColour> ReadColorFunction(const Arguments &args) {
    const std::optional<PredefinedSpace> space = PredefinedSpaceNamed(args.space);
    static const unsigned accepts[] = {kValue, kValue, kValue};
    const std::optional<ArgumentChannels> ch =
        space ? Checked(args, 3, accepts, false, true) : std::nullopt;
    if (!ch) return std::nullopt;
    const Vec3 coordinates{Resolved(ch->c[0], 1), Resolved(ch->c[1], 1), Resolved(ch->c[2], 1)};
    if (*space == PredefinedSpace::Srgb) return FitEncodedSrgb(coordinates);
    return FitLinearSrgb(LinearSrgbFromPredefined(*space, coordinates));
}

}  // namespace

std::optional<FittedColour> ReadColourFunction(std::string_view text) {
    const std::optional<Arguments> args = Split(text);
    if (!args) return std::nullopt;
    const std::string_view name = args->name;
    if (name == "rgb" || name == "rgba") return ReadRgbFunction(*args);
    if (name == "hsl" || name == "hsla") return ReadHslFunction(*args);
    if (name == "hwb") return ReadHwbFunction(*args);
    if (name == "lab") return ReadLabFunction(*args, false, false);
    if (name == "lch") return ReadLabFunction(*args, true, false);
    if (name == "oklab") return ReadLabFunction(*args, false, true);
    if (name == "oklch") return ReadLabFunction(*args, true, true);
    if (name == "color") return ReadColorFunction(*args);
    if (name == "hsv") return ReadHsvFunction(*args);
    if (name == "cmyk") return ReadCmykFunction(*args);
    return std::nullopt;
}

}  // namespace tintwell

#include "css_tokens.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>

namespace tintwell {

namespace {

bool IsCssDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsCssNameStart(char c) {
    return (c >= 'a' && c <= 'z') || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

bool IsCssNameCharacter(char c) {
    return IsCssNameStart(c) || IsCssDigit(c) || c == '-';
}

bool IsCssSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// A number's digits (no sign) as a double. Most numbers of a colour text have few
// digits: those are a whole number of at most 2^53 over or times an exact power of
// ten, one correctly rounded operation, the same double a full conversion gives.
// Anything else goes through from_chars. Empty past a double's range.
std::optional<double> ValueOf(std::string_view digits) {
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                         1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    uint64_t mantissa = 0;
    int significant = 0;
    int scale = 0;  // the value is mantissa * 10^scale
    size_t i = 0;
    bool point = false;
    for (; i < digits.size() && (IsCssDigit(digits[i]) || digits[i] == '.'); ++i) {
        if (digits[i] == '.') {
            point = true;
            continue;
        }
        if (mantissa == 0 && digits[i] == '0') {
            if (point) --scale;
            continue;
        }
        if (++significant > 19) break;
        mantissa = mantissa * 10 + static_cast<uint64_t>(digits[i] - '0');
        if (point) --scale;
    }
    if (i == digits.size() && mantissa <= (uint64_t{1} << 53) && scale >= -22) {
        const double m = static_cast<double>(mantissa);
        return scale == 0 ? m : m / kPowers[-scale];
    }
    double value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec != std::errc() || result.ptr != digits.data() + digits.size() ||
        !std::isfinite(value))
        return std::nullopt;
    return value;
}

}  // namespace

void CssTokenizer::SkipSpaceAndComments() {
    for (;;) {
        while (at_ < text_.size() && IsCssSpace(text_[at_])) ++at_;
        if (at_ + 1 >= text_.size() || text_[at_] != '/' || text_[at_ + 1] != '*') return;
        const size_t close = text_.find("*/", at_ + 2);
        at_ = close == std::string_view::npos ? text_.size() : close + 2;
    }
}

bool CssTokenizer::StartsName(size_t at) const {
    if (at >= text_.size()) return false;
    if (text_[at] == '-')
        return at + 1 < text_.size() && (IsCssNameStart(text_[at + 1]) || text_[at + 1] == '-');
    return IsCssNameStart(text_[at]);
}

bool CssTokenizer::StartsNumber(size_t at) const {
    if (at < text_.size() && (text_[at] == '+' || text_[at] == '-')) ++at;
    if (at >= text_.size()) return false;
    if (IsCssDigit(text_[at])) return true;
    return text_[at] == '.' && at + 1 < text_.size() && IsCssDigit(text_[at + 1]);
}

std::string_view CssTokenizer::Name() {
    const size_t start = at_;
    while (at_ < text_.size() && IsCssNameCharacter(text_[at_])) ++at_;
    return text_.substr(start, at_ - start);
}

CssToken CssTokenizer::Numeric() {
    const size_t start = at_;
    const bool negative = text_[at_] == '-';
    if (text_[at_] == '+' || text_[at_] == '-') ++at_;
    const size_t digits = at_;
    while (at_ < text_.size() && IsCssDigit(text_[at_])) ++at_;
    if (at_ + 1 < text_.size() && text_[at_] == '.' && IsCssDigit(text_[at_ + 1])) {
        ++at_;
        while (at_ < text_.size() && IsCssDigit(text_[at_])) ++at_;
    }
    if (at_ + 1 < text_.size() && text_[at_] == 'e') {
        size_t exponent = at_ + 1;
        if (text_[exponent] == '+' || text_[exponent] == '-') ++exponent;
        if (exponent < text_.size() && IsCssDigit(text_[exponent])) {
            at_ = exponent;
            while (at_ < text_.size() && IsCssDigit(text_[at_])) ++at_;
        }
    }
    // Past a double's range, or below its smallest step: neither is a colour's number
    // worth guessing at.
    const std::optional<double> magnitude = ValueOf(text_.substr(digits, at_ - digits));
    if (!magnitude) return CssToken{CssTokenKind::Delim, 0, text_.substr(start, at_ - start)};
    const double value = negative ? -*magnitude : *magnitude;
    if (at_ < text_.size() && text_[at_] == '%') {
        ++at_;
        return CssToken{CssTokenKind::Percentage, value, {}};
    }
    if (StartsName(at_)) return CssToken{CssTokenKind::Dimension, value, Name()};
    return CssToken{CssTokenKind::Number, value, {}};
}

CssToken CssTokenizer::Next() {
    SkipSpaceAndComments();
    if (at_ >= text_.size()) return CssToken{CssTokenKind::End, 0, {}};
    if (StartsNumber(at_)) return Numeric();
    if (StartsName(at_)) {
        const std::string_view name = Name();
        if (at_ < text_.size() && text_[at_] == '(') {
            ++at_;
            return CssToken{CssTokenKind::Function, 0, name};
        }
        return CssToken{CssTokenKind::Ident, 0, name};
    }
    const char c = text_[at_++];
    switch (c) {
        case ',':
            return CssToken{CssTokenKind::Comma, 0, {}};
        case '/':
            return CssToken{CssTokenKind::Slash, 0, {}};
        case ')':
            return CssToken{CssTokenKind::CloseParen, 0, {}};
        default:
            return CssToken{CssTokenKind::Delim, 0, text_.substr(at_ - 1, 1)};
    }
}

}  // namespace tintwell

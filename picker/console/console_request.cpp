#include "console_request.h"

#include <limits>

#include "colour_templates.h"
#include "user_texts.h"

namespace tintwell {

namespace {

constexpr std::array<const char *, kAllColourFormatCount> kFormatNames = {
    "hex", "rrggbb", "rgb",  "channels", "hsl", "0x",    "vb",    "colorref",
    "hsv", "hwb",    "cmyk", "lab",      "lch", "oklab", "oklch",
};

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

// A whole number with an optional sign, nothing around it, within int32_t.
std::optional<int32_t> WholeNumber(std::string_view text) {
    size_t at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
    if (at == text.size()) return std::nullopt;
    int64_t value = 0;
    for (; at < text.size(); ++at) {
        if (text[at] < '0' || text[at] > '9') return std::nullopt;
        value = value * 10 + (text[at] - '0');
        if (value > int64_t{std::numeric_limits<int32_t>::max()} + 1) return std::nullopt;
    }
    // One more below zero than above it.
    if (!negative && value > std::numeric_limits<int32_t>::max()) return std::nullopt;
    return static_cast<int32_t>(negative ? -value : value);
}

std::optional<SampleSize> SampleOfText(std::string_view text) {
    if (text == "1") return SampleSize::OnePixel;
    if (text == "3") return SampleSize::ThreeByThree;
    if (text == "5") return SampleSize::FiveByFive;
    return std::nullopt;
}

enum class Option { Format, Template, Sample, Point, Copy, NoNewline, Help, Version };

struct OptionName {
    const char *name;
    Option option;
    bool takesValue;
};

constexpr OptionName kOptions[] = {
    {"--format", Option::Format, true}, {"--template", Option::Template, true},
    {"--sample", Option::Sample, true}, {"--xy", Option::Point, false},
    {"--copy", Option::Copy, false},    {"--no-newline", Option::NoNewline, false},
    {"--help", Option::Help, false},    {"--version", Option::Version, false},
};

ConsoleArguments Refused(const std::string &what) {
    return ConsoleArguments{std::nullopt, what + "\n" + console_texts::kUsageHint};
}

ConsoleArguments Answer(ConsoleRequest request) {
    return ConsoleArguments{std::move(request), std::string()};
}

bool IsHelpWord(std::string_view word) {
    return word == "-h" || word == "-?" || word == "/?";
}

}  // namespace

const std::array<const char *, kAllColourFormatCount> &ConsoleFormatNames() {
    return kFormatNames;
}

std::optional<ColourFormat> ConsoleFormatOfName(std::string_view name) {
    for (size_t i = 0; i < kFormatNames.size(); ++i) {
        if (SameIgnoringCase(name, kFormatNames[i])) return ColourFormatTable()[i].format;
    }
    return std::nullopt;
}

ConsoleArguments ReadConsoleArguments(const std::vector<std::string> &arguments) {
    // --help and --version answer whatever else the line holds, even a line in error.
    bool optionsEnd = false;
    for (const std::string &word : arguments) {
        if (word == "--") optionsEnd = true;
        if (optionsEnd) continue;
        if (word == "--help" || IsHelpWord(word)) {
            ConsoleRequest help;
            help.command = ConsoleCommand::Help;
            return Answer(help);
        }
        if (word == "--version") {
            ConsoleRequest version;
            version.command = ConsoleCommand::Version;
            return Answer(version);
        }
    }

    ConsoleRequest request;
    std::vector<std::string> words;
    bool seen[std::size(kOptions)] = {};
    bool hasFormat = false;
    optionsEnd = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string &word = arguments[i];
        if (optionsEnd || word.size() < 2 || word.compare(0, 2, "--") != 0) {
            words.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnd = true;
            continue;
        }
        const size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        size_t which = std::size(kOptions);
        for (size_t k = 0; k < std::size(kOptions); ++k) {
            if (name == kOptions[k].name) which = k;
        }
        if (which == std::size(kOptions)) return Refused(console_texts::UnknownOption(word));
        if (seen[which]) return Refused(console_texts::OptionTwice(name));
        seen[which] = true;
        std::string value;
        if (kOptions[which].takesValue) {
            if (equals != std::string::npos) {
                value = word.substr(equals + 1);
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            } else {
                return Refused(console_texts::OptionNeedsValue(name));
            }
        } else if (equals != std::string::npos) {
            return Refused(console_texts::OptionTakesNoValue(name));
        }
        switch (kOptions[which].option) {
            case Option::Format: {
                const auto format = ConsoleFormatOfName(value);
                if (!format) return Refused(console_texts::UnknownFormat(value));
                request.format = *format;
                hasFormat = true;
                break;
            }
            case Option::Template:
                if (value.empty()) return Refused(console_texts::kEmptyTemplate);
                if (!IsWellFormedTemplate(value)) return Refused(MalformedTemplateText(value));
                request.colourTemplate = value;
                break;
            case Option::Sample: {
                const auto sample = SampleOfText(value);
                if (!sample) return Refused(console_texts::kBadSample);
                request.sample = *sample;
                break;
            }
            case Option::Point:
                request.withPoint = true;
                break;
            case Option::Copy:
                request.copy = true;
                break;
            case Option::NoNewline:
                request.newline = false;
                break;
            case Option::Help:
            case Option::Version:
                break;
        }
    }
    if (hasFormat && request.colourTemplate) return Refused(console_texts::kFormatAndTemplate);
    if (words.empty()) return Refused(console_texts::kNoCommand);

    const std::string &command = words.front();
    if (SameIgnoringCase(command, "pick")) {
        if (words.size() != 1) return Refused(console_texts::kPickTakesNoText);
        request.command = ConsoleCommand::Pick;
        return Answer(request);
    }
    if (SameIgnoringCase(command, "at")) {
        const auto x = words.size() == 3 ? WholeNumber(words[1]) : std::nullopt;
        const auto y = words.size() == 3 ? WholeNumber(words[2]) : std::nullopt;
        if (!x || !y) return Refused(console_texts::kAtNeedsTwoNumbers);
        request.command = ConsoleCommand::At;
        request.x = *x;
        request.y = *y;
        return Answer(request);
    }
    if (SameIgnoringCase(command, "convert")) {
        if (words.size() < 2) return Refused(console_texts::kConvertNeedsText);
        if (request.withPoint) return Refused(console_texts::kPointOnlyForScreen);
        request.command = ConsoleCommand::Convert;
        request.text = words[1];
        for (size_t w = 2; w < words.size(); ++w) request.text += " " + words[w];
        return Answer(request);
    }
    return Refused(console_texts::UnknownCommand(command));
}

}  // namespace tintwell

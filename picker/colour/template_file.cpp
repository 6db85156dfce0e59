#include "template_file.h"

#include <cstdint>

#include "user_texts.h"
#include "utf8_code_points.h"

namespace tintwell {

namespace {

constexpr size_t kListedLines = 5;

// A byte that no UTF-8 text holds: what a broken UTF-16 unit turns into, so that its
// line fails like any other line that is not text.
constexpr char kBroken = '\xFF';

std::string Utf8FromUtf16(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    const auto unit = [&](size_t i) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? uint32_t(first) << 8 | second : uint32_t(second) << 8 | first;
    };
    size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const uint32_t u = unit(i);
        if (u >= 0xD800 && u < 0xDC00 && i + 3 < bytes.size()) {
            const uint32_t low = unit(i + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        if (u >= 0xD800 && u < 0xE000) {
            out.push_back(kBroken);
        } else {
            AppendUtf8(out, u);
        }
    }
    if (i < bytes.size()) out.push_back(kBroken);
    return out;
}

// The number of characters of a line that is well-formed UTF-8 without control
// characters (a tab allowed); -1 for any other.
long CharactersOfText(std::string_view line) {
    long count = 0;
    size_t at = 0;
    while (at < line.size()) {
        const int64_t c = NextCodePoint(line, at);
        if (c < 0 || (c < 0x20 && c != '\t') || (c >= 0x7F && c < 0xA0)) return -1;
        ++count;
    }
    return count;
}

bool IsBlankOrComment(std::string_view line) {
    const size_t start = line.find_first_not_of(" \t");
    return start == std::string_view::npos || line.substr(start, 2) == "//";
}

void Note(SkippedLines &skipped, size_t lineNumber) {
    ++skipped.count;
    if (skipped.firstLines.size() < kListedLines) skipped.firstLines.push_back(lineNumber);
}

void Describe(std::string &out, const char *what, const SkippedLines &skipped) {
    namespace t = template_file_texts;
    if (skipped.count == 0) return;
    if (!out.empty()) out.push_back('\n');
    out += what;
    out += t::kSkipped;
    for (size_t i = 0; i < skipped.firstLines.size(); ++i) {
        if (i > 0) out += t::kListSeparator;
        out += std::to_string(skipped.firstLines[i]);
    }
    out += t::kLine;
    if (skipped.count > skipped.firstLines.size()) {
        out += t::kAndMore;
        out += std::to_string(skipped.count - skipped.firstLines.size());
        out += t::kLinesCount;
    }
}

}  // namespace

TemplateFile ReadTemplateFile(std::string_view bytes) {
    std::string decoded;
    if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF") {
        decoded = Utf8FromUtf16(bytes.substr(2), bytes[0] == '\xFE');
        bytes = decoded;
    } else if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        bytes.remove_prefix(3);
    }

    TemplateFile file;
    size_t lineNumber = 0;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = bytes.size();
        const std::string_view line = bytes.substr(start, end - start);
        start = end + (bytes.substr(end, 2) == "\r\n" ? 2 : 1);
        ++lineNumber;

        // A comment is passed over whatever its bytes: nothing is lost by not reading it.
        if (IsBlankOrComment(line)) continue;
        const long characters = CharactersOfText(line);
        if (characters < 0) {
            Note(file.notText, lineNumber);
        } else if (static_cast<size_t>(characters) > kMaxTemplateCharacters) {
            Note(file.tooLong, lineNumber);
        } else if (file.templates.size() == kMaxTemplates) {
            Note(file.beyondLimit, lineNumber);
        } else {
            file.templates.emplace_back(line);
        }
    }
    Describe(file.skipped, template_file_texts::kNotUtf8, file.notText);
    Describe(file.skipped, template_file_texts::kTooLong, file.tooLong);
    Describe(file.skipped, template_file_texts::kBeyondLimit, file.beyondLimit);
    return file;
}

std::string DefaultTemplateFile() {
    std::string text;
    for (const char *c = template_file_texts::kDefaultFile; *c != '\0'; ++c) {
        if (*c == '\n') text.push_back('\r');
        text.push_back(*c);
    }
    return text;
}

}  // namespace tintwell

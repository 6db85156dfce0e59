#include "colour_history.h"

#include <algorithm>
#include <optional>

#include "colour_formats.h"
#include "palette_files.h"
#include "recent_colours.h"

namespace tintwell {

namespace {

bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r';
}

std::optional<ColorRef> ColourOfLine(const std::string &line) {
    size_t first = 0;
    size_t last = line.size();
    while (first < last && IsBlank(line[first])) ++first;
    while (last > first && IsBlank(line[last - 1])) --last;
    std::u16string text;
    for (size_t i = first; i < last; ++i) {
        // Anything outside ASCII cannot be part of a colour.
        if (static_cast<unsigned char>(line[i]) > 0x7F) return std::nullopt;
        text.push_back(static_cast<char16_t>(line[i]));
    }
    return ColourOfDisplayText(text);
}

}  // namespace

std::vector<ColorRef> ReadColourHistory(const std::string &fileBytes) {
    static const std::string kByteOrderMark = "\xEF\xBB\xBF";
    size_t start = fileBytes.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0
                       ? kByteOrderMark.size()
                       : 0;
    std::vector<ColorRef> colours;
    while (start <= fileBytes.size() && colours.size() < RecentColours::kLimit) {
        size_t end = fileBytes.find('\n', start);
        if (end == std::string::npos) end = fileBytes.size();
        const std::optional<ColorRef> colour = ColourOfLine(fileBytes.substr(start, end - start));
        if (colour && std::find(colours.begin(), colours.end(), *colour) == colours.end()) {
            colours.push_back(*colour);
        }
        start = end + 1;
    }
    return colours;
}

std::string ColourHistoryBytes(const std::vector<ColorRef> &newestFirst) {
    // The same bytes as a plain-text palette, so the user can read the file too.
    return PaletteBytes(PaletteFormat::Txt, newestFirst);
}

}  // namespace tintwell

#include "console_answer.h"

#include "colour_reader.h"
#include "colour_templates.h"
#include "text_encoding.h"
#include "user_texts.h"

namespace tintwell {

std::string ConsoleColourText(const ConsoleRequest &request, ColorRef colour) {
    if (request.colourTemplate) {
        // Read when the arguments were, so it always expands; the check stays for a
        // request made some other way.
        if (auto text = ExpandTemplate(*request.colourTemplate, colour)) return *text;
        return std::string();
    }
    return ColourFormatText(colour, request.format);
}

std::string ConsoleLine(const ConsoleRequest &request, const std::string &colourText,
                        std::optional<ScreenPoint> point) {
    std::string line = colourText;
    if (request.withPoint && point) {
        line += " " + std::to_string(point->x) + " " + std::to_string(point->y);
    }
    if (request.newline) line += "\r\n";
    return line;
}

ConsoleConversion ConvertConsoleText(const std::string &text) {
    ConsoleConversion conversion;
    const auto read = ReadColourText(std::string_view(text));
    if (!read) {
        conversion.error = NotAColourMessage(Utf8ToUtf16(text));
        return conversion;
    }
    conversion.colour = read->colour;
    if (read->mapped) conversion.note = messages::kMappedIntoSrgb;
    return conversion;
}

}  // namespace tintwell

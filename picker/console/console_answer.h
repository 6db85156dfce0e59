// What tintwell-cli writes for a request: the colour's text in the asked format or
// template, the point after it for --xy ("#1A2B3C 812 440"), and the line's end, a
// Windows "\r\n" unless --no-newline. The same text without the point is what --copy
// puts on the clipboard. All of it UTF-8.
#ifndef TINTWELL_PICKER_CONSOLE_CONSOLE_ANSWER_H
#define TINTWELL_PICKER_CONSOLE_CONSOLE_ANSWER_H

#include <optional>
#include <string>

#include "colour_word.h"
#include "console_request.h"
#include "loupe_geometry.h"

namespace tintwell {

// Any high byte of the colour is ignored.
std::string ConsoleColourText(const ConsoleRequest &request, ColorRef colour);

// The whole output; `point` is written only when the request asks for it.
std::string ConsoleLine(const ConsoleRequest &request, const std::string &colourText,
                        std::optional<ScreenPoint> point);

// convert's reading of the request's text: the colour, or the message naming the
// text that is no colour. `note` says, for standard error, that the colour was
// brought into sRGB; it is empty otherwise.
struct ConsoleConversion {
    std::optional<ColorRef> colour;
    std::string note;
    std::string error;
};

ConsoleConversion ConvertConsoleText(const std::string &text);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_CONSOLE_CONSOLE_ANSWER_H

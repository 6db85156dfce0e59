// What tintwell-cli is asked to do, read from its command line:
//   tintwell-cli pick [options]            a pick from the screen, as the hotkey starts one
//   tintwell-cli at X Y [options]          the sample at a physical screen point
//   tintwell-cli convert TEXT [options]    any colour text, read as a paste reads it
// Options, before or after the command, each at most once, "--name value" or
// "--name=value": --format NAME (the short names below, any case; hex by default),
// --template TEXT (a line of formats.txt; not with --format), --sample 1|3|5, --xy
// (pick and at: the point too), --copy, --no-newline; --help (also -h, -? and /?) and
// --version answer at once, whatever else is there. "--" ends the options, so that a
// colour text may start with "--" ("--brand: #1A2B3C"). X and Y are whole numbers and
// may be negative (a monitor left of or above the primary one). convert takes the rest
// of the words as one text, parted by spaces, as cmd hands over rgb(26, 43, 60) unquoted.
// Arguments are UTF-8.
#ifndef TINTWELL_PICKER_CONSOLE_CONSOLE_REQUEST_H
#define TINTWELL_PICKER_CONSOLE_CONSOLE_REQUEST_H

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "colour_format_list.h"
#include "sample_size.h"

namespace tintwell {

// The program's exit codes.
enum class ConsoleExit : int {
    Done = 0,
    Cancelled = 1,
    BadInput = 2,
    SystemFailure = 3,
};

enum class ConsoleCommand { Pick, At, Convert, Help, Version };

struct ConsoleRequest {
    ConsoleCommand command = ConsoleCommand::Help;
    // At: the physical screen point.
    int32_t x = 0;
    int32_t y = 0;
    // Convert: the colour text.
    std::string text;
    ColourFormat format = ColourFormat::HashHex;
    // Well-formed (colour_templates.h) when there is one; it then stands for the format.
    std::optional<std::string> colourTemplate;
    SampleSize sample = SampleSize::OnePixel;
    bool withPoint = false;
    bool copy = false;
    bool newline = true;
};

// A request, or what is wrong with the arguments: a message that says what, then how
// to call the program (console_texts::kUsageHint), for standard error.
struct ConsoleArguments {
    std::optional<ConsoleRequest> request;
    std::string error;
};

ConsoleArguments ReadConsoleArguments(const std::vector<std::string> &arguments);

// The fifteen short names in ColourFormat's order: "hex", "rrggbb", "rgb", "channels",
// "hsl", "0x", "vb", "colorref", "hsv", "hwb", "cmyk", "lab", "lch", "oklab", "oklch".
const std::array<const char *, kAllColourFormatCount> &ConsoleFormatNames();
std::optional<ColourFormat> ConsoleFormatOfName(std::string_view name);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_CONSOLE_CONSOLE_REQUEST_H

// libFuzzer target for the copy templates. An input's first three bytes are a colour
// (red, green, blue); the rest is a template line; the whole input is also a
// template file.
//  - Expanding never crashes; a line is well-formed exactly when it expands.
//  - Any text with its braces doubled expands to itself.
//  - The colour's channels through a template ("#{r:X}{g:X}{b:X}", "lab({lab.l} ...)",
//    one a run, chosen by the line's length) read back as the colour.
//  - A file gives at most 32 templates, each well-formed UTF-8 of at most 200
//    characters, and a count of every line it skipped.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>

#include "colour_bytes.h"
#include "colour_reader.h"
#include "colour_templates.h"
#include "template_file.h"
#include "utf8_code_points.h"

namespace {

using namespace tintwell;

[[noreturn]] void Fail(const char *what, const std::string &text) {
    std::fprintf(stderr, "template_fuzz: %s\n  input (%zu bytes):", what, text.size());
    for (unsigned char c : text) std::fprintf(stderr, " %02X", c);
    std::fprintf(stderr, "\n");
    std::abort();
}

std::string Escaped(const std::string &text) {
    std::string escaped;
    for (char c : text) {
        escaped.push_back(c);
        if (c == '{' || c == '}') escaped.push_back(c);
    }
    return escaped;
}

const char *const kReadBack[] = {
    "#{r:X}{g:X}{b:X}",
    "rgb({r}, {g}, {b})",
    "lab({lab.l} {lab.a} {lab.b})",
    "lch({lch.l} {lch.c} {lch.h})",
    "oklab({oklab.l} {oklab.a} {oklab.b})",
    "oklch({oklch.l} {oklch.c} {oklch.h})",
    "color(srgb {r:f6} {g:f6} {b:f6})",
};

void CheckFile(const std::string &input) {
    const TemplateFile file = ReadTemplateFile(input);
    if (file.templates.size() > kMaxTemplates) Fail("more than 32 templates", input);
    for (const std::string &line : file.templates) {
        size_t characters = 0;
        for (size_t at = 0; at < line.size(); ++characters)
            if (NextCodePoint(line, at) < 0) Fail("a template that is not UTF-8", input);
        if (characters > kMaxTemplateCharacters) Fail("a template over 200 characters", input);
        if (line.find_first_of("\r\n") != std::string::npos) Fail("a line end kept", input);
    }
    for (const SkippedLines *skipped : {&file.notText, &file.tooLong, &file.beyondLimit})
        if (skipped->firstLines.size() > skipped->count || skipped->firstLines.size() > 5)
            Fail("skipped lines miscounted", input);
    const bool anySkipped = file.notText.count + file.tooLong.count + file.beyondLimit.count > 0;
    if (anySkipped == file.skipped.empty()) Fail("skips and their description disagree", input);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string input(reinterpret_cast<const char *>(data), size);
    CheckFile(input);
    if (size < 3) return 0;
    const ColorRef colour = ColourOfBytes(data[0], data[1], data[2]);
    const std::string line = input.substr(3);

    const std::optional<std::string> expanded = ExpandTemplate(line, colour);
    if (expanded.has_value() != IsWellFormedTemplate(line)) Fail("well-formed disagrees", input);
    const std::optional<std::string> plain = ExpandTemplate(Escaped(line), colour);
    if (!plain || *plain != line) Fail("doubled braces do not give the text back", input);

    const char *form = kReadBack[line.size() % std::size(kReadBack)];
    const std::optional<std::string> text = ExpandTemplate(form, colour);
    if (!text) Fail("a read-back template is malformed", input);
    const std::optional<FittedColour> read = ReadColourText(std::string_view(*text));
    if (!read || read->colour != colour) Fail(("does not read back: " + *text).c_str(), input);
    return 0;
}

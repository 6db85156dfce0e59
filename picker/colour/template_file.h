// The file of copy templates: one template a line, in UTF-8 (a byte-order mark is
// allowed, and a UTF-16 file with its mark is read too, as Notepad may save one).
// Blank lines and lines starting with "//" (after any spaces or tabs) are passed
// over. A line that is not text (malformed UTF-8, control characters), one over 200
// characters, and every template past the 32nd are skipped, and said so: the reader
// never throws for what a file holds, it gives the templates it could read and a
// description of what it could not.
#ifndef TINTWELL_PICKER_COLOUR_TEMPLATE_FILE_H
#define TINTWELL_PICKER_COLOUR_TEMPLATE_FILE_H

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tintwell {

constexpr size_t kMaxTemplates = 32;
constexpr size_t kMaxTemplateCharacters = 200;

struct SkippedLines {
    size_t count = 0;
    std::vector<size_t> firstLines;  // the first few, numbered from 1
};

struct TemplateFile {
    std::vector<std::string> templates;  // UTF-8, in the file's order, malformed ones too
    SkippedLines notText;
    SkippedLines tooLong;
    SkippedLines beyondLimit;
    // Japanese, UTF-8, one line a kind of skip: "200 文字を超える行を読み飛ばしました:
    // 12, 40 行目". Empty when nothing was skipped.
    std::string skipped;
};

// `bytes` is the file as it is on disk.
TemplateFile ReadTemplateFile(std::string_view bytes);

// What a new template file holds: how to write a template, and examples (a .NET
// Color.FromArgb, an Android 0xFF colour, a shader vec3) commented out. UTF-8, with
// "\r\n" line ends as Windows editors write them.
std::string DefaultTemplateFile();

}  // namespace tintwell

#endif  // TINTWELL_PICKER_COLOUR_TEMPLATE_FILE_H

// The recent colours kept between starts, while the user has the switch on: a
// small UTF-8 text file, one "#RRGGBB" a line, newest first. Reading the bytes never
// fails: whatever they hold, the list is what can be made of them.
#ifndef TINTWELL_PICKER_COLOUR_HISTORY_H
#define TINTWELL_PICKER_COLOUR_HISTORY_H

#include <cstddef>
#include <string>
#include <vector>

#include "colour_word.h"

namespace tintwell {

// Sixteen lines of "#RRGGBB" take 128 bytes; a file past this is not one the picker
// wrote, and is neither read nor written over.
constexpr size_t kColourHistoryByteLimit = 64 * 1024;

// The colours of the file's lines, newest first. A byte-order mark, surrounding
// blanks and either line end are allowed; a line that is not a colour is skipped, a
// colour listed before is not listed again, and past the recent list's limit the
// rest is left.
std::vector<ColorRef> ReadColourHistory(const std::string &fileBytes);

// The file's bytes for the list.
std::string ColourHistoryBytes(const std::vector<ColorRef> &newestFirst);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_COLOUR_HISTORY_H

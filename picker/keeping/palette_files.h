// The recent colours as a palette file for other programs, in the bytes each format
// wants. Colours go newest first, as the menu lists them.
#ifndef TINTWELL_PICKER_PALETTE_FILES_H
#define TINTWELL_PICKER_PALETTE_FILES_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "colour_word.h"

namespace tintwell {

// In the order the save dialog offers them; the first is its default.
enum class PaletteFormat { Gpl, Css, Json, Ase, Txt };

constexpr size_t kPaletteFormatCount = 5;
constexpr PaletteFormat kPaletteFormats[kPaletteFormatCount] = {
    PaletteFormat::Gpl, PaletteFormat::Css, PaletteFormat::Json, PaletteFormat::Ase,
    PaletteFormat::Txt};

// The extension of each format, with its dot, lower case (".gpl").
const char *PaletteExtension(PaletteFormat format);

// The format a file name's extension names, whatever its case; empty when it names
// none of them.
std::optional<PaletteFormat> PaletteFormatOfName(const std::u16string &fileName);

// The file type the save dialog reports as chosen. The dialog counts its types from
// 1; 0 (a filter the user typed) and anything past the list are the default.
PaletteFormat PaletteFormatOfDialogType(uint32_t filterIndex);

// The format of a palette written to exactly this file name, which is never changed:
// the one its extension names, otherwise the type chosen in the dialog (an extension
// of no palette, "x.2024", is the user's and stays).
PaletteFormat PaletteFormatFor(const std::u16string &fileName, PaletteFormat chosen);

// The file's whole contents:
// - .gpl: "GIMP Palette", "Name: Tintwell", then "R G B<TAB>#RRGGBB" a colour, in
//   decimal; the GIMP palette, also read by Inkscape and Krita.
// - .css: ":root {", "  --tintwell-N: #RRGGBB;" from N = 1, "}".
// - .json: ["#RRGGBB", ...] on one line.
// - .ase: Adobe Swatch Exchange 1.0, big-endian: "ASEF", 1, 0, the block count, then
//   one global RGB colour entry a colour, named "#RRGGBB" in UTF-16 with its
//   terminating zero, its channels as 32-bit floats 0 to 1.
// - .txt: "#RRGGBB" a line.
// Text lines end in "\n", the last one too.
std::string PaletteBytes(PaletteFormat format, const std::vector<ColorRef> &newestFirst);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_PALETTE_FILES_H

// The copy format a pick from anywhere copies in. The settings keep it by a key text
// that names the format, never by its place in the list, so that the key still names
// the same format when formats are added, reordered or a user template goes: the
// built-in formats' keys are the names the settings window lists them by, a user
// template's key is its name. Keys are UTF-8.
#ifndef TINTWELL_PICKER_KEEPING_PICK_FORMAT_H
#define TINTWELL_PICKER_KEEPING_PICK_FORMAT_H

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "colour_format_list.h"
#include "template_file.h"

namespace tintwell {

inline constexpr const char *kDefaultPickFormatKey = "#RRGGBB";
// Long enough for any template the templates file gives (its characters of up to
// four bytes each): whatever can be chosen can be kept.
constexpr size_t kMaxPickFormatKeyCharacters = kMaxTemplateCharacters;
constexpr size_t kMaxPickFormatKeyBytes = 4 * kMaxPickFormatKeyCharacters;

// The keys of the formats AllColourFormatTexts makes, in its order: "#RRGGBB",
// "RRGGBB", "rgb(r, g, b)", "r, g, b", "hsl(h, s%, l%)", "0xRRGGBB", "&HBBGGRR&",
// "COLORREF", then the seven more by their names in the colour table: "hsv()",
// "hwb()", "cmyk()", "lab()", "lch()", "oklab()", "oklch()".
const std::array<const char *, kAllColourFormatCount> &BuiltInFormatKeys();

// Whether a text can be a key, and so a line of the settings file: 1 to
// kMaxPickFormatKeyCharacters characters of well-formed UTF-8 and no control
// characters, as a template is. Spaces at either end are part of a template and so
// of its key (the settings file quotes such a key).
bool IsValidPickFormatKey(std::string_view key);

// Where `key` is among the formats on offer (their keys in the list's order): its
// own place; the default format's when no format has that key any more; 0 when
// neither is there. The settings keep the key as it was, so a template that comes
// back is the pick's format again.
size_t PickFormatIndex(const std::vector<std::string> &keys, std::string_view key);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_KEEPING_PICK_FORMAT_H

// A colour pasted from the clipboard: read from whatever text is there, shown as a
// sample of it would be, and kept.
#include "colour_reader.h"
#include "form.h"

namespace tintwell {

std::optional<std::string> Form::PasteColour() {
    const std::optional<std::u16string> text = platform_.ClipboardText();
    const std::optional<FittedColour> read =
        text ? ReadColourText(*text) : std::optional<FittedColour>();
    if (!read) return NotAColourMessage(text.value_or(std::u16string()));
    if (controls_.Check3_Value() != 0) StopSampling();
    ShowAsSample(read->colour);
    mappedPaste_ = read->mapped;
    AddRecent(RecentColour{read->colour, std::nullopt});
    return std::nullopt;
}

}  // namespace tintwell

// The hotkey's pick from anywhere on the screen: what its end does to the form.
#include <string>
#include <vector>

#include "colour_templates.h"
#include "form.h"
#include "pick_format.h"
#include "template_file.h"
#include "text_encoding.h"
#include "user_texts.h"

namespace tintwell {

std::vector<std::string> Form::UsableTemplates() {
    std::vector<std::string> usable;
    std::optional<std::string> bytes;
    try {
        bytes = platform_.ReadCopyTemplates();
    } catch (const std::exception &) {
        // The copy menu tells of a file that cannot be read; a pick falls back to
        // the default format.
        return usable;
    }
    if (!bytes) return usable;
    for (std::string &line : ReadTemplateFile(*bytes).templates) {
        if (ExpandTemplate(line, 0)) usable.push_back(std::move(line));
    }
    return usable;
}

std::vector<std::string> Form::PickFormatKeys() {
    std::vector<std::string> keys(BuiltInFormatKeys().begin(), BuiltInFormatKeys().end());
    for (std::string &line : UsableTemplates()) keys.push_back(std::move(line));
    return keys;
}

void Form::ScreenPickBegan() {
    if (screenPick_) return;
    screenPick_ = snapshot_ != nullptr;
}

void Form::ScreenPickToggleFreeze() {
    if (screenPick_) ToggleFreeze();
}

void Form::ScreenPickTaken(std::string_view formatKey) {
    if (!screenPick_) return;
    const std::vector<std::string> keys = PickFormatKeys();
    const size_t format = PickFormatIndex(keys, formatKey);
    ColorRef colour = 0;
    ScreenNote note = ScreenNote::None;
    // Read before the pick's own freeze goes: a frozen pick takes what it froze.
    try {
        const ScreenSquare read = ReadScreen(0);
        colour = SampleOf(read, sampleSize_);
        note = SampleNote(read, sampleSize_);
    } catch (...) {
        EndScreenPick();
        throw;
    }
    EndScreenPick();
    ShowAsSample(colour);
    // What the screen did to it is said in its description; what is copied is the
    // colour alone.
    NoteScreenRead(note);
    std::string chosen;
    if (format < kAllColourFormatCount) {
        chosen = ColourFormatText(colour, ColourFormatTable()[format].format);
    } else {
        chosen = ExpandTemplate(keys[format], colour).value_or(HashHexText(colour));
    }
    const std::u16string text = Utf8ToUtf16(chosen);
    const bool copied = PutOnClipboard([&] { return text; }, ClipboardHistory::Keep);
    AddRecent(RecentColour{colour, OriginOf(colour)});
    if (!copied) throw PickerError(messages::kPickNotCopied);
}

void Form::ScreenPickCancelled() {
    if (screenPick_) EndScreenPick();
}

void Form::EndScreenPick() {
    const bool frozenBefore = *screenPick_;
    screenPick_.reset();
    if (!frozenBefore && snapshot_) Unfreeze();
}

}  // namespace tintwell

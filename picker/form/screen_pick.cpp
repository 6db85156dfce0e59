// The hotkey's pick from anywhere on the screen: what its end does to the form.
#include <string>
#include <string_view>
#include <utility>
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

void Form::ScreenPickBegan(std::string_view formatKey) {
    if (screenPick_) return;
    ScreenPick pick;
    pick.frozenBefore = snapshot_ != nullptr;
    const std::vector<std::string> keys = PickFormatKeys();
    pick.format = PickFormatIndex(keys, formatKey);
    if (pick.format >= kAllColourFormatCount) pick.templateText = keys[pick.format];
    screenPick_ = std::move(pick);
}

void Form::ScreenPickToggleFreeze() {
    if (screenPick_) ToggleFreeze();
}

bool Form::ScreenPickTaken() {
    if (!screenPick_) return false;
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
    const ScreenPick pick = *screenPick_;
    EndScreenPick();
    ShowAsSample(colour);
    // What the screen did to it is said in its description; what is copied is the
    // colour alone.
    NoteScreenRead(note);
    std::string chosen;
    if (pick.format < kAllColourFormatCount) {
        chosen = ColourFormatText(colour, ColourFormatTable()[pick.format].format);
    } else {
        chosen = ExpandTemplate(pick.templateText, colour).value_or(HashHexText(colour));
    }
    pickedColour_ = PickedColour{RecentColour{colour, OriginOf(colour)}, Utf8ToUtf16(chosen)};
    return true;
}

void Form::ScreenPickCopy() {
    if (!pickedColour_) return;
    const PickedColour picked = std::move(*pickedColour_);
    pickedColour_.reset();
    const bool copied = PutOnClipboard([&] { return picked.text; }, ClipboardHistory::Keep);
    AddRecent(picked.recent);
    if (!copied) throw PickerError(messages::kPickNotCopied);
}

void Form::ScreenPickCancelled() {
    if (screenPick_) EndScreenPick();
}

void Form::EndScreenPick() {
    const bool frozenBefore = screenPick_->frozenBefore;
    screenPick_.reset();
    if (!frozenBefore && snapshot_) Unfreeze();
}

}  // namespace tintwell

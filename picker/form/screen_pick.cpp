// The hotkey's pick from anywhere on the screen: what its end does to the form.
#include <string>

#include "form.h"
#include "text_encoding.h"
#include "user_texts.h"

namespace tintwell {

void Form::ScreenPickBegan() {
    if (screenPick_) return;
    screenPick_ = snapshot_ != nullptr;
}

void Form::ScreenPickToggleFreeze() {
    if (screenPick_) ToggleFreeze();
}

void Form::ScreenPickTaken(size_t format) {
    if (!screenPick_) return;
    ColorRef colour = 0;
    // Read before the pick's own freeze goes: a frozen pick takes what it froze.
    try {
        colour = SampleOf(ReadScreen(0), sampleSize_);
    } catch (...) {
        EndScreenPick();
        throw;
    }
    EndScreenPick();
    ShowAsSample(colour);
    const auto texts = ColourFormatTexts(colour);
    const std::u16string text = Utf8ToUtf16(texts[format < texts.size() ? format : 0]);
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

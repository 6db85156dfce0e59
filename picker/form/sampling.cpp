// Sampling the screen: the switch, the timer's ticks through the loupe, the
// sample's size, Esc that stops and Ctrl+F that freezes the screen.
#include <algorithm>
#include <memory>
#include <utility>

#include "form.h"
#include "key_codes.h"

namespace tintwell {

namespace {

constexpr int32_t kSamplingIntervalMs = 100;

}  // namespace

void Form::Check3_Click() {
    const bool sampling = controls_.Check3_Value() != 0;
    controls_.set_Timer1_Interval(sampling ? kSamplingIntervalMs : 0);
    controls_.SamplingSwitched(sampling);
    if (sampling) return;
    Unfreeze();
    // Sampling stopped on a colour the user wanted to keep.
    if (const std::optional<ColorRef> shown = ShownColour()) {
        AddRecent(RecentColour{*shown, OriginOf(*shown)});
    }
}

ColorRef Form::GetMouseMoveColr() {
    return SampleOf(ReadScreen(0), sampleSize_);
}

void Form::Timer1_Timer() {
    Timer1_Timer(ReadScreen(0));
}

void Form::Timer1_Timer(const ScreenSquare &read) {
    const ColorRef sample = SampleOf(read, sampleSize_);
    ShowAsSample(sample);
    NoteScreenRead(SampleNote(read, sampleSize_));
}

bool Form::SampleTick(ReadViewer &viewer) {
    const ScreenSquare read = ReadScreen(viewer.WantedReach());
    if (!snapshot_ && viewer.Covers(read)) {
        viewer.ShowRead(read, StatusOf(read));
        return false;
    }
    // The viewer shows the read even when the sample fails half way, as it showed
    // the screen before.
    try {
        Timer1_Timer(read);
    } catch (...) {
        viewer.ShowRead(read, StatusOf(read));
        throw;
    }
    viewer.ShowRead(read, StatusOf(read));
    return true;
}

ScreenSquare Form::ReadScreen(int reach) {
    reach = std::max(reach, SampleReach(sampleSize_));
    if (snapshot_) return snapshot_->ReadSquare(platform_.CursorPosition(), reach);
    return platform_.ReadScreenSquare(reach);
}

ScreenSquare Form::ReadScreenAt(ScreenPoint pointer, int reach) {
    reach = std::max(reach, SampleReach(sampleSize_));
    if (snapshot_) return snapshot_->ReadSquare(pointer, reach);
    return platform_.ReadScreenSquareAt(pointer, reach);
}

SampleStatus Form::StatusOf(const ScreenSquare &read) const {
    return SampleStatus{SampleReach(sampleSize_), SampleOf(read, sampleSize_), freeze_,
                        SampleNote(read, sampleSize_)};
}

void Form::ShowAsSample(ColorRef colour) {
    mappedPaste_ = false;
    screenNote_ = ScreenNote::None;
    state_.hexText = HexTextRule(colour);
    if (IsChannelMode(state_.tableMode)) {
        ApplyChannelRule(state_);
    } else {
        LocateColor();
    }
    shownByPick_ = false;
    RefreshPicker();
}

// Said while what is shown is what the sample showed (in hue mode the table's colour
// nearest to it): a colour shown any other way comes without it.
void Form::NoteScreenRead(ScreenNote note) {
    const std::optional<ColorRef> shown = ShownColour();
    notedColour_ = shown.value_or(0);
    screenNote_ = shown ? note : ScreenNote::None;
}

void Form::Form_KeyDown(int16_t keyCode, int16_t shift) {
    if (keyCode == kKeyF && (shift & (kCtrlKey | kAltKey | kShiftKey)) == kCtrlKey) {
        if (controls_.Check3_Value() != 0) ToggleFreeze();
        return;
    }
    if (keyCode != kKeyEscape || (shift & (kCtrlKey | kAltKey)) != 0) return;
    if (controls_.Check3_Value() == 0) return;
    // The user asked to stop: a sample that fails is reported, but sampling stops
    // all the same rather than going on failing ten times a second.
    try {
        Timer1_Timer();
    } catch (...) {
        StopSampling();
        throw;
    }
    StopSampling();
}

void Form::StopSampling() {
    controls_.set_Check3_Value(0);
    Check3_Click();
}

// A snapshot that cannot be had leaves sampling live, and says so until the next
// Ctrl+F or the end of sampling.
void Form::ToggleFreeze() {
    if (snapshot_) {
        Unfreeze();
        return;
    }
    std::unique_ptr<ScreenSnapshot> snapshot;
    try {
        snapshot = platform_.TakeSnapshot();
    } catch (const std::exception &) {
        snapshot.reset();
    }
    freeze_ = snapshot ? FreezeState::Frozen : FreezeState::Failed;
    snapshot_ = std::move(snapshot);
}

// The snapshot is the size of every monitor together; it goes at once.
void Form::Unfreeze() {
    snapshot_.reset();
    freeze_ = FreezeState::Live;
}

}  // namespace tintwell

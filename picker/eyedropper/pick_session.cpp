#include "pick_session.h"

#include "hotkey_combo.h"

namespace tintwell {

namespace {

// The time from `from` to `to` on a clock that wraps.
uint32_t Since(uint32_t from, uint32_t to) {
    return to - from;
}

template <typename Press, size_t N>
void DropAt(Press (&presses)[N], size_t &count, size_t index) {
    for (size_t i = index + 1; i < count; ++i) presses[i - 1] = presses[i];
    --count;
}

}  // namespace

bool WitnessedKey(uint32_t key) {
    // 0xFF: no key of its own (the keyboard's made-up presses); 0: none.
    return key != 0 && key != 0xFF && !IsModifierKey(key);
}

void HookWitness::Reset() {
    seenCount_ = 0;
    unexplainedCount_ = 0;
    overflowed_ = false;
}

void HookWitness::HookSaw(PressKind kind, uint32_t now) noexcept {
    // The witness saw it first: now it is explained.
    for (size_t i = 0; i < unexplainedCount_; ++i) {
        if (unexplained_[i].kind == kind) {
            DropAt(unexplained_, unexplainedCount_, i);
            return;
        }
    }
    // Presses the witness never sees (on Windows it sees no press a hook swallowed)
    // would pile up; they explain nothing once older than the lead, and the oldest
    // goes for room.
    size_t kept = 0;
    for (size_t i = 0; i < seenCount_; ++i) {
        if (Since(seen_[i].at, now) <= kHookLeadMs) seen_[kept++] = seen_[i];
    }
    seenCount_ = kept;
    if (seenCount_ == kKept) DropAt(seen_, seenCount_, 0);
    seen_[seenCount_++] = Press{kind, now};
}

void HookWitness::Witnessed(PressKind kind, uint32_t now) noexcept {
    for (size_t i = 0; i < seenCount_; ++i) {
        if (seen_[i].kind == kind && Since(seen_[i].at, now) <= kHookLeadMs) {
            DropAt(seen_, seenCount_, i);
            return;
        }
    }
    if (unexplainedCount_ == kKept) {
        overflowed_ = true;
        return;
    }
    unexplained_[unexplainedCount_++] = Press{kind, now};
}

bool HookWitness::HooksGone(uint32_t now) const {
    if (overflowed_) return true;
    for (size_t i = 0; i < unexplainedCount_; ++i) {
        if (Since(unexplained_[i].at, now) >= kWitnessGraceMs) return true;
    }
    return false;
}

TriggerResponse PickSession::RespondTo(PickTrigger trigger) const {
    if (!running_) return TriggerResponse::Start;
    return trigger == PickTrigger::Hotkey ? TriggerResponse::Cancel : TriggerResponse::Nothing;
}

bool PickSession::Start(HotkeyCombo hotkey, bool buttonsSwapped) {
    if (running_) return false;
    running_ = true;
    hooks_ = StartedPick(hooks_, hotkey, buttonsSwapped);
    witness_.Reset();
    return true;
}

PickVerdict PickSession::OnHookEvent(const PickEvent &event, uint32_t now) noexcept {
    const PickVerdict verdict = StepPick(hooks_, event);
    hooks_ = verdict.state;
    if (event.kind == PickEventKind::ButtonDown) {
        witness_.HookSaw(PressKind::Button, now);
    } else if (event.kind == PickEventKind::KeyDown && WitnessedKey(event.key)) {
        witness_.HookSaw(PressKind::Key, now);
    }
    return verdict;
}

void PickSession::OnWitnessedPress(PressKind kind, uint32_t now) noexcept {
    if (running_) witness_.Witnessed(kind, now);
}

void PickSession::HooksRemoved() {
    hooks_.heldButtons = 0;
    hooks_.heldKeys = 0;
}

bool PickSession::Finish(PickActionKind how) {
    if (!running_ || (how != PickActionKind::Pick && how != PickActionKind::Cancel)) {
        return false;
    }
    running_ = false;
    hooks_ = EndedPick(hooks_);
    witness_.Reset();
    return true;
}

}  // namespace tintwell

#include "pick_session.h"

namespace tintwell {

TriggerResponse PickSession::RespondTo(PickTrigger trigger) const {
    if (!running_) return TriggerResponse::Start;
    return trigger == PickTrigger::Hotkey ? TriggerResponse::Cancel : TriggerResponse::Nothing;
}

bool PickSession::Start(PickerBefore before, HotkeyCombo hotkey) {
    if (running_) return false;
    running_ = true;
    before_ = before;
    hooks_ = StartedPick(hooks_, hotkey);
    return true;
}

PickVerdict PickSession::OnHookEvent(const PickEvent &event) noexcept {
    const PickVerdict verdict = StepPick(hooks_, event);
    hooks_ = verdict.state;
    return verdict;
}

std::optional<PickEnding> PickSession::Finish(PickActionKind how, bool frozenNow) {
    if (!running_ || (how != PickActionKind::Pick && how != PickActionKind::Cancel)) {
        return std::nullopt;
    }
    running_ = false;
    hooks_ = EndedPick(hooks_);
    PickEnding ending;
    ending.take = how == PickActionKind::Pick;
    ending.sampling = before_.sampling;
    ending.thaw = frozenNow && !before_.frozen;
    ending.restoreColour = how == PickActionKind::Cancel && !before_.sampling;
    return ending;
}

}  // namespace tintwell

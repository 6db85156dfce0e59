// A pick from anywhere from its start to its end, as the window runs it: the hooks'
// state between events, whether the hooks are still there, and the one end. Plain
// data and rules; the window does what they say.
//
// - Start: the hotkey or the notification icon (RespondTo says whether a trigger
//   starts, cancels or is ignored). The window then shows the loupe whatever the
//   loupe's switch says (the picker's window may be hidden in the notification area,
//   and the loupe is then all the pick shows) and installs the hooks afresh.
// - While picking, OnHookEvent is the hooks' rule (pick_input.h) with its state kept;
//   the window removes the hooks once hooksNeeded() is false.
// - The system may remove a low-level hook without a word (one that kept the input
//   waiting too long). A witness of the input that needs no hook tells the session of
//   each press it sees (OnWitnessedPress); a press the hooks did not see as well means
//   they are gone (HooksGone), and the window ends the pick.
// - End: Finish, once, when the window handles a Pick or Cancel action, or cancels for
//   a reason of its own (closing, the hooks gone).
#ifndef TINTWELL_PICKER_EYEDROPPER_PICK_SESSION_H
#define TINTWELL_PICKER_EYEDROPPER_PICK_SESSION_H

#include <cstddef>
#include <cstdint>

#include "hotkey_combo.h"
#include "pick_input.h"

namespace tintwell {

enum class PickTrigger { Hotkey, TrayIcon };

// The hotkey starts a pick and, pressed again, cancels it; the icon cannot be
// clicked during a pick, and a click that comes anyway is ignored.
enum class TriggerResponse { Start, Cancel, Nothing };

// What a witness of the input can tell apart for certain: a key or a button went
// down. Which key or button is not compared, as the witness and the hooks may name
// them differently (the buttons' swap, the keyboard layout).
enum class PressKind : uint8_t { Key, Button };

// Whether a key's press is one the witness counts: the modifiers are not (the
// keyboard makes up presses of them of its own, that one side may see alone).
bool WitnessedKey(uint32_t key);

// Times are milliseconds of one clock (GetTickCount's), which may wrap.
class HookWitness {
  public:
    // A press the hooks saw explains one the witness sees up to this long after.
    static constexpr uint32_t kHookLeadMs = 1000;
    // A press the witness saw waits this long for the hooks to see it too.
    static constexpr uint32_t kWitnessGraceMs = 300;

    void Reset();
    void HookSaw(PressKind kind, uint32_t now) noexcept;
    void Witnessed(PressKind kind, uint32_t now) noexcept;
    // A witnessed press the hooks have not seen within the grace.
    bool HooksGone(uint32_t now) const;
    // Witnessed presses still waiting for the hooks.
    bool waiting() const { return unexplainedCount_ != 0; }

  private:
    static constexpr size_t kKept = 8;
    struct Press {
        PressKind kind;
        uint32_t at;
    };
    // Oldest first.
    Press seen_[kKept]{};
    size_t seenCount_ = 0;
    Press unexplained_[kKept]{};
    size_t unexplainedCount_ = 0;
    // More witnessed presses than could be kept waiting: the hooks are surely gone.
    bool overflowed_ = false;
};

class PickSession {
  public:
    // Between Start and Finish.
    bool running() const { return running_; }
    const PickHookState &hooks() const { return hooks_; }
    bool hooksNeeded() const { return PickHookNeeded(hooks_); }

    TriggerResponse RespondTo(PickTrigger trigger) const;

    // False, changing nothing, while a pick runs. `hotkey`: the registered hotkey,
    // key 0 when there is none; `buttonsSwapped`: the system's left-handed swap.
    bool Start(HotkeyCombo hotkey, bool buttonsSwapped = false);

    // For the hook procedures: StepPick on the kept state, which it then keeps; the
    // press is noted for the witness at `now`.
    PickVerdict OnHookEvent(const PickEvent &event, uint32_t now = 0) noexcept;

    // A press the witness saw at `now`, while a pick runs.
    void OnWitnessedPress(PressKind kind, uint32_t now) noexcept;
    bool HooksGone(uint32_t now) const { return running_ && witness_.HooksGone(now); }
    bool witnessWaiting() const { return running_ && witness_.waiting(); }

    // The hooks are no more (removed, or gone by the system's doing): no up is owed,
    // as nothing can swallow it now.
    void HooksRemoved();

    // The pick's end for Pick or Cancel: true when it ended it; false for other
    // actions and when no pick runs, so that a second message for the same end does
    // nothing twice.
    bool Finish(PickActionKind how);

  private:
    bool running_ = false;
    PickHookState hooks_{};
    HookWitness witness_{};
};

}  // namespace tintwell

#endif  // TINTWELL_PICKER_EYEDROPPER_PICK_SESSION_H

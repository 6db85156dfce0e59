// A pick from anywhere from its start to its end, as the window runs it: what the
// picker was doing before, the hooks' state between events, and what the end gives
// back. Plain data and rules; the window does what they say.
//
// - Start: the hotkey or the notification icon (RespondTo says whether a trigger
//   starts, cancels or is ignored). The window then turns screen sampling
//   ("画面上の色") on if it was off, shows the loupe whatever the loupe's switch says
//   (the picker's window may be hidden in the notification area, and the loupe is
//   then all the pick shows), and installs the hooks.
// - While picking, OnHookEvent is the hooks' rule (pick_input.h) with its state kept;
//   the window removes the hooks once hooksNeeded() is false.
// - End: Finish, once, when the window handles a Pick or Cancel action, or cancels for
//   a reason of its own (closing, the hooks failing). A picked colour is taken as
//   sampling's Esc takes one (a sample at the pointer, shown, joining the recent
//   colours) and copied in the pick's copy format. Then sampling is put back as it
//   was: when it was on, the next tick shows the screen again, the picked colour
//   staying on the clipboard and in the recent list. A freeze the pick made is
//   thawed; a freeze from before the pick that the pick thawed stays thawed, as its
//   snapshot is gone. A pick cancelled while sampling was off shows again the colour
//   that was shown before it.
#ifndef TINTWELL_PICKER_EYEDROPPER_PICK_SESSION_H
#define TINTWELL_PICKER_EYEDROPPER_PICK_SESSION_H

#include <optional>

#include "hotkey_combo.h"
#include "pick_input.h"

namespace tintwell {

enum class PickTrigger { Hotkey, TrayIcon };

// The hotkey starts a pick and, pressed again, cancels it; the icon cannot be
// clicked during a pick, and a click that comes anyway is ignored.
enum class TriggerResponse { Start, Cancel, Nothing };

struct PickerBefore {
    bool sampling = false;
    bool frozen = false;
};

struct PickEnding {
    // Take the sample at the pointer and copy it in the pick's format.
    bool take = false;
    // Screen sampling as it was before the pick.
    bool sampling = false;
    // End the freeze the pick made, before sampling is put back.
    bool thaw = false;
    // Show again the colour shown before the pick.
    bool restoreColour = false;
};

class PickSession {
  public:
    // Between Start and Finish.
    bool running() const { return running_; }
    const PickHookState &hooks() const { return hooks_; }
    bool hooksNeeded() const { return PickHookNeeded(hooks_); }
    const PickerBefore &before() const { return before_; }

    TriggerResponse RespondTo(PickTrigger trigger) const;

    // False, changing nothing, while a pick runs. `hotkey`: the registered hotkey,
    // key 0 when there is none.
    bool Start(PickerBefore before, HotkeyCombo hotkey);

    // For the hook procedures: StepPick on the kept state, which it then keeps.
    PickVerdict OnHookEvent(const PickEvent &event) noexcept;

    // The pick's end for Pick or Cancel, with whether the screen is frozen now; empty
    // for other actions and when no pick runs, so that a second message for the same
    // end gives nothing back twice.
    std::optional<PickEnding> Finish(PickActionKind how, bool frozenNow);

  private:
    bool running_ = false;
    PickerBefore before_{};
    PickHookState hooks_{};
};

}  // namespace tintwell

#endif  // TINTWELL_PICKER_EYEDROPPER_PICK_SESSION_H

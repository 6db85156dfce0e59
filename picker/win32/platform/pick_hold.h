// What a pick from the screen holds from its start until the last release it owes has
// come, for every window that runs one (the picker's, the console picker's hidden
// one): the hooks, installed afresh at each start; the witness, which shows whether
// the system removed them; and the rule for when they may go. The window keeps the
// PickSession (its triggers, whether a pick runs) and does what the pick's actions
// say; this keeps the hooks' side of it in one place.
//
// After the end the hooks stay exactly as long as the session owes a release (the
// hooks' own events tell when the last has come: an action None reaches the window),
// bounded by kOwedUpsLongestMs for a release that never comes (the secure desktop took
// it), after which the hooks, passing everything by then, go. Nothing reads the keys'
// physical state to decide anything.
#ifndef TINTWELL_PICKER_WIN32_PLATFORM_PICK_HOLD_H
#define TINTWELL_PICKER_WIN32_PLATFORM_PICK_HOLD_H

#include <windows.h>

#include "hotkey_combo.h"
#include "pick_hooks.h"
#include "pick_session.h"

namespace tintwell::win32 {

class PickHold {
  public:
    static constexpr ULONGLONG kOwedUpsLongestMs = 30000;

    enum class Witness { Fine, Waiting, HooksGone };

    // `session` must outlive this.
    explicit PickHold(PickSession &session) : session_(session) {}
    PickHold(const PickHold &) = delete;
    PickHold &operator=(const PickHold &) = delete;

    // Starts the session's pick with `hotkey` (key 0: none) and the buttons' swap as
    // the system has it now, installs the hooks afresh posting to `window`, and
    // starts the witness. False when a pick runs already, or when the system refuses
    // the hooks: that pick has then ended, and nothing is held.
    bool Begin(HWND window, HotkeyCombo hotkey);
    // The session's Finish; when it ended the pick, the witness stops and the bound for
    // the owed releases starts.
    bool End(PickActionKind how);

    // After the end: lets the hooks go when no release is owed or the bound has
    // passed. True while they are still held; then the window asks again by
    // owedUntil() at the latest, or when the hooks report the last release.
    bool LetGoWhenDone();
    ULONGLONG owedUntil() const { return owedUntil_; }

    // The hooks go now, and with them every release owed: nothing can swallow it.
    void Release();
    // The hooks go now, the releases owed staying owed to the next pick's hooks.
    void SetAside() { hooks_.Remove(); }
    bool held() const { return hooks_.installed(); }

    // A WM_INPUT's raw input (lParam) for the witness while the pick runs, and what the
    // window does then: nothing (Fine, also for input with no press in it), check
    // again once the grace (HookWitness::kWitnessGraceMs) is over (Waiting), or end
    // the pick without a colour and say so (HooksGone). Check is that grace's check.
    Witness OnRawInput(LPARAM rawInput);
    Witness Check() const;

  private:
    PickSession &session_;
    PickHooks hooks_;
    PickWitness witness_;
    ULONGLONG owedUntil_ = 0;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_PLATFORM_PICK_HOLD_H

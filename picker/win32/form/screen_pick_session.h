// A pick from anywhere on the screen, started by the hotkey (or the notification
// icon) without bringing the window forward or taking the focus: the loupe beside
// the pointer, the hooks that keep the pick's clicks and keys from other programs,
// the witness that shows whether the hooks are still there, and what each of them
// does. It ends on a pick, a cancel, the hotkey again, the hooks gone, or the
// window's going. The hooks stay after the end only for the releases of what the
// pick swallowed, and go at once when the window does; the taken colour is copied
// once they have gone, so that no clipboard wait holds them.
#ifndef TINTWELL_PICKER_WIN32_FORM_SCREEN_PICK_SESSION_H
#define TINTWELL_PICKER_WIN32_FORM_SCREEN_PICK_SESSION_H

#include <windows.h>

#include <functional>
#include <string>

#include "command_ids.h"
#include "form.h"
#include "handler_routes.h"
#include "hotkey_combo.h"
#include "loupe.h"
#include "pick_hold.h"
#include "pick_session.h"

namespace tintwell::win32 {

class ScreenPickSession {
  public:
    // formatKey: the key of the format a pick copies in; hotkey: the hotkey as
    // registered (key 0: none). Both are asked at each pick.
    ScreenPickSession(Form &form, Loupe &loupe, HandlerRunner &runner,
                      std::function<std::string()> formatKey, std::function<HotkeyCombo()> hotkey);
    ScreenPickSession(const ScreenPickSession &) = delete;
    ScreenPickSession &operator=(const ScreenPickSession &) = delete;

    void Attach(HWND window) { window_ = window; }
    // Ends a pick under way without a colour, and lets the hooks go; the window is
    // going.
    void Detach();

    // The hotkey: starts a pick, or cancels the one under way.
    void Toggle();
    // Starts a pick unless one is under way, or a box or dialog of the picker's is
    // open: the pick would swallow the click or the key meant for it.
    void Start();
    bool active() const { return session_.running(); }

    // The hooks' posted actions, the witness's raw input (WM_INPUT, which it also
    // hands to DefWindowProc) and the pick's timers; false for other messages.
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void OnAction(const PickAction &action);
    void OnWitness(LPARAM rawInput);
    void CheckWitness();
    void OnWitnessSays(PickHold::Witness says);
    void Freeze();
    void End(PickActionKind how);
    void LetHooksGoWhenDone();
    void CopyTaken();

    Form &form_;
    Loupe &loupe_;
    HandlerRunner &runner_;
    std::function<std::string()> formatKey_;
    std::function<HotkeyCombo()> hotkey_;
    HWND window_;
    PickSession session_;
    PickHold hold_;
    // A taken colour waits for its copy until the hooks have gone, or till copyBy_.
    bool copyDue_;
    ULONGLONG copyBy_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_FORM_SCREEN_PICK_SESSION_H

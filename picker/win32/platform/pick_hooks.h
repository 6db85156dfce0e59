// The low-level mouse and keyboard hooks a pick from the screen holds while it lasts,
// so that its clicks, wheel turns and keys reach no other program. A hook procedure
// turns the event into the pick's own terms, asks the pick's rule (pick_input.h)
// whether to keep it from the rest of the system, and posts what the pick makes of
// it to the pick's window as kPickActionMessage (wParam: PackPickAction); the work
// happens in that window's messages. The hooks run on the thread that installed them,
// which must pump messages, and do nothing slow while they are held: Windows removes,
// without a word, a low-level hook that keeps the input waiting longer than its limit
// (LowLevelHooksTimeout). So each pick installs them afresh, and a witness that needs
// no hook (PickWitness) shows when they have gone in the middle of one.
#ifndef TINTWELL_PICKER_WIN32_PLATFORM_PICK_HOOKS_H
#define TINTWELL_PICKER_WIN32_PLATFORM_PICK_HOOKS_H

#include <windows.h>

#include "command_ids.h"
#include "pick_session.h"

namespace tintwell::win32 {

// The procedures the hooks install, for a benchmark to time one call of each.
LRESULT CALLBACK PickMouseHookProcedure(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK PickKeyboardHookProcedure(int code, WPARAM wParam, LPARAM lParam);

class PickHooks {
  public:
    PickHooks() = default;
    PickHooks(const PickHooks &) = delete;
    PickHooks &operator=(const PickHooks &) = delete;
    ~PickHooks() { Remove(); }

    // Both hooks, deciding by `session` (which must outlive them) and posting to
    // `window`; false (and none held) when the system refuses either. Hooks held
    // already are removed first: the system may have dropped them, and nothing can
    // ask it whether it has. The modifiers held are read once from the system here,
    // then followed from the hooks' own events.
    bool Install(HWND window, PickSession &session);
    void Remove();
    bool installed() const { return mouse_ != nullptr; }

  private:
    HHOOK mouse_ = nullptr;
    HHOOK keyboard_ = nullptr;
};

// The witness of a pick's input: raw input from the keyboard and the mouse to the
// pick's window, also while another program has the focus (RIDEV_INPUTSINK). The
// system delivers it whether or not any hook runs, so a press it reports that the
// hooks did not see means the hooks are gone (PickSession::OnWitnessedPress). It
// decides nothing about what a key means. Chosen over the other ways to find a dropped
// hook: asking the system is impossible, the keys' physical state (GetAsyncKeyState)
// also shows what the hooks rightly let through (Win+Space, Alt+Esc), and a hook's
// silence proves nothing while the user does nothing.
class PickWitness {
  public:
    PickWitness() = default;
    PickWitness(const PickWitness &) = delete;
    PickWitness &operator=(const PickWitness &) = delete;
    ~PickWitness() { Stop(); }

    // False when the system refuses: the pick then goes on unwitnessed.
    bool Watch(HWND window);
    void Stop();

    struct Presses {
        int keys = 0;
        int buttons = 0;
    };
    // The presses in a WM_INPUT's raw input (lParam): key downs that the witness
    // counts (WitnessedKey) and button downs.
    static Presses PressesIn(LPARAM rawInput);

  private:
    bool watching_ = false;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_PLATFORM_PICK_HOOKS_H

// The low-level mouse and keyboard hooks a pick from the screen holds while it lasts,
// so that its clicks, wheel turns and keys reach no other program. A hook procedure
// turns the event into the pick's own terms, asks the pick's rule (pick_input.h)
// whether to keep it from the rest of the system, and posts what the pick makes of
// it to the pick's window as kPickActionMessage (wParam: PackPickAction); the work
// happens in that window's messages. The hooks run on the thread that installed them,
// which must pump messages.
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
    // `window`; false (and none held) when the system refuses either. Installed
    // already, they stay as they are.
    bool Install(HWND window, PickSession &session);
    void Remove();
    bool installed() const { return mouse_ != nullptr; }

  private:
    HHOOK mouse_ = nullptr;
    HHOOK keyboard_ = nullptr;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_PLATFORM_PICK_HOOKS_H

// The low-level mouse and keyboard hooks a pick from the screen holds while it lasts,
// so that its clicks, wheel turns and keys reach no other program. A hook procedure
// only decides whether to keep the event from the rest of the system and posts it to
// the pick's window; the work happens in that window's messages. The hooks run on the
// thread that installed them, which must pump messages.
#ifndef TINTWELL_PICKER_WIN32_PLATFORM_PICK_HOOKS_H
#define TINTWELL_PICKER_WIN32_PLATFORM_PICK_HOOKS_H

#include <windows.h>

#include <cstdint>

namespace tintwell::win32 {

// Posted for a kept mouse event: wParam the mouse message (WM_LBUTTONDOWN,
// WM_MOUSEWHEEL, ...), lParam the wheel's delta for WM_MOUSEWHEEL.
constexpr UINT kPickMouseEvent = WM_APP + 30;
// Posted for a kept key-down: wParam the virtual key, lParam the modifiers then held
// (kPickHeldShift, kPickHeldCtrl).
constexpr UINT kPickKeyEvent = WM_APP + 31;
constexpr LPARAM kPickHeldShift = 1;
constexpr LPARAM kPickHeldCtrl = 2;

// Whether a pick keeps the key (down or up) from other programs: the keys it acts on.
bool IsPickKey(uint32_t key, bool ctrlHeld);

class PickHooks {
  public:
    PickHooks() = default;
    PickHooks(const PickHooks &) = delete;
    PickHooks &operator=(const PickHooks &) = delete;
    ~PickHooks() { Remove(); }

    // Both hooks, their events posted to `window`; false (and none held) when the
    // system refuses either.
    bool Install(HWND window);
    void Remove();
    bool installed() const { return mouse_ != nullptr; }

  private:
    HHOOK mouse_ = nullptr;
    HHOOK keyboard_ = nullptr;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_PLATFORM_PICK_HOOKS_H

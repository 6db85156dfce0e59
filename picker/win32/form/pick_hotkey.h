// The pick's global hotkey, registered for the form's window. A new combination is
// registered before the one in effect is let go, under the other of its two ids
// (kPickHotkeyIds), so that a combination another program holds leaves the working
// one as it was, and a change never leaves an old one registered.
#ifndef TINTWELL_PICKER_WIN32_FORM_PICK_HOTKEY_H
#define TINTWELL_PICKER_WIN32_FORM_PICK_HOTKEY_H

#include <windows.h>

#include "hotkey_combo.h"

namespace tintwell::win32 {

class PickHotkey {
  public:
    PickHotkey() : window_(nullptr), id_(0) {}
    ~PickHotkey() { LetGo(); }
    PickHotkey(const PickHotkey &) = delete;
    PickHotkey &operator=(const PickHotkey &) = delete;

    void Attach(HWND window) { window_ = window; }
    // False, with the one in effect kept, when another program holds the combination.
    bool Take(const HotkeyCombo &combo);
    void LetGo();
    // Whether a WM_HOTKEY is this one's.
    bool IsPressed(WPARAM id) const { return id_ != 0 && static_cast<int>(id) == id_; }

  private:
    HWND window_;
    // The id registered now; 0 while none is.
    int id_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_FORM_PICK_HOTKEY_H

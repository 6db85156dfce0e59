// Coming back to the window puts the focus where the user left it, as in a dialog,
// rather than on the form itself, where Tab and Enter would have nothing to act on.
#ifndef TINTWELL_PICKER_WIN32_FOCUS_MEMORY_H
#define TINTWELL_PICKER_WIN32_FOCUS_MEMORY_H

#include <windows.h>

namespace tintwell::win32 {

class FocusMemory {
  public:
    FocusMemory() : focus_(nullptr) {}

    // The form is being deactivated: remember which of its controls has the focus.
    void Leave(HWND form);
    // The form is active again: give the focus back, or to `fallback` when the
    // control remembered is gone or disabled.
    void Return(HWND fallback) const;

  private:
    HWND focus_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_FOCUS_MEMORY_H

// The eyedropper's key on the form: Ctrl+F from whichever control has the focus.
#ifndef TINTWELL_PICKER_WIN32_FORM_EYEDROPPER_INPUT_H
#define TINTWELL_PICKER_WIN32_FORM_EYEDROPPER_INPUT_H

#include <windows.h>

namespace tintwell::win32 {

// Whether a message of the window's queue is Ctrl+F (without Alt or Shift) for a
// window of the form.
bool IsFreezeKey(const MSG &message, HWND form);

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_FORM_EYEDROPPER_INPUT_H

// The eyedropper's switches on the form: Ctrl+F from whichever control has the
// focus, and the sample's size in a submenu of the system menu.
#ifndef TINTWELL_PICKER_WIN32_FORM_EYEDROPPER_INPUT_H
#define TINTWELL_PICKER_WIN32_FORM_EYEDROPPER_INPUT_H

#include <windows.h>

#include <optional>

#include "command_ids.h"
#include "screen_square.h"

namespace tintwell::win32 {

// Whether a message of the window's queue is Ctrl+F (without Alt or Shift) for a
// window of the form.
bool IsFreezeKey(const MSG &message, HWND form);

// The submenu "サンプル範囲" in the form's system menu just before the item
// `before` (the loupe's switch, which stays last), one pixel ticked.
void AddSampleSizeMenu(HWND form, UINT before);
// The size a system command chose, ticked in the menu; empty for other commands.
std::optional<SampleSize> SampleSizeCommand(HWND form, WPARAM command);

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_FORM_EYEDROPPER_INPUT_H

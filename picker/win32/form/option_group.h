// The six option buttons are one group with one tab stop: Tab enters the group at the
// selected button, which carries the stop, and the arrow keys move within it.
#ifndef TINTWELL_PICKER_WIN32_OPTION_GROUP_H
#define TINTWELL_PICKER_WIN32_OPTION_GROUP_H

#include <windows.h>

namespace tintwell::win32 {

bool IsOptionButton(int control);

// Moves the group's tab stop to the button now selected.
void KeepSelectedOptionAsTabStop(HWND form);

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_OPTION_GROUP_H

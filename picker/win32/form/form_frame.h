// The form's own window: its styles, and its outer size, which the system's frame
// decides for the designed client area at a scale.
#ifndef TINTWELL_PICKER_WIN32_FORM_FRAME_H
#define TINTWELL_PICKER_WIN32_FORM_FRAME_H

#include <windows.h>

#include "display_scale.h"
#include "dpi_functions.h"

namespace tintwell::win32 {

constexpr DWORD kFormStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_CONTROLPARENT;

// The form's outer rectangle at `scale`, centred on the primary screen.
RECT CentredFrame(DpiFunctions &dpi, const DisplayScale &scale);

// Sizes the form so that its client area is the designed one at `scale`, whatever
// frame the system draws around it.
void FitClientArea(HWND form, const DisplayScale &scale);

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_FORM_FRAME_H

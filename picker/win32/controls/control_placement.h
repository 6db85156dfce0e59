// One row of the form's layout, as the form hands it down to the control it places:
// the control's kind, class, caption, place in twips, container and styles. The form
// keeps the table of rows; a control reads only its own.
#ifndef TINTWELL_PICKER_WIN32_CONTROL_PLACEMENT_H
#define TINTWELL_PICKER_WIN32_CONTROL_PLACEMENT_H

#include <windows.h>

#include "control_id.h"
#include "display_scale.h"
#include "window_base.h"

namespace tintwell::win32 {

enum class ControlKind { PictureBox, OptionButton, TextBox, PushButton, CheckBox, Label, Shape };

struct ControlPlacement {
    ControlKind kind;
    ControlId id;
    const wchar_t *windowClass;
    const wchar_t *caption;
    int left;  // twips, in the container's inner area
    int top;
    int width;  // twips, border included
    int height;
    ControlId container;  // 0 for the form itself
    DWORD style;
    DWORD exStyle;
};

// The control's rectangle in its container's pixels at a scale, as the design has it
// in twips.
RECT DesignedRect(const ControlPlacement &placement, const DisplayScale &scale);

// Creates a standard control's window in `parent` at `rect` (custom controls make
// their own, through WindowBase).
HWND CreateControlWindow(HWND parent, const ControlPlacement &placement, HINSTANCE instance,
                         const RECT &rect);

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_CONTROL_PLACEMENT_H

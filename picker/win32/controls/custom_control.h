// What the form asks of each of its custom controls: to be made from its row of the
// layout table, and to be laid out again when the scale changes. The scale reaches a
// control this way and no other.
#ifndef TINTWELL_PICKER_WIN32_CUSTOM_CONTROL_H
#define TINTWELL_PICKER_WIN32_CUSTOM_CONTROL_H

#include <windows.h>

#include "control_placement.h"
#include "display_scale.h"

namespace tintwell::win32 {

class CustomControl {
  public:
    // Throws when the control's window cannot be made (see WindowBase::Create).
    virtual void Create(HWND parent, const ControlPlacement &placement, HINSTANCE instance,
                        const DisplayScale &scale) = 0;
    virtual void LayOut(const ControlPlacement &placement, const DisplayScale &scale) = 0;

  protected:
    ~CustomControl() = default;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_CUSTOM_CONTROL_H

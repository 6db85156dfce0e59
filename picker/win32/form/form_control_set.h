// The form's controls as one set, made from the layout table: the custom controls
// through their own Create and LayOut, the others as standard windows, and all of
// them placed again when the scale changes.
#ifndef TINTWELL_PICKER_WIN32_FORM_CONTROL_SET_H
#define TINTWELL_PICKER_WIN32_FORM_CONTROL_SET_H

#include <windows.h>

#include <array>
#include <utility>

#include "control_id.h"
#include "custom_control.h"
#include "display_scale.h"

namespace tintwell::win32 {

class FormControlSet {
  public:
    using CustomControls = std::array<std::pair<ControlId, CustomControl *>, 5>;

    explicit FormControlSet(const CustomControls &custom) : custom_(custom) {}

    // Throws when a control's window cannot be made; those already made go with the
    // form, whose making then fails.
    void Create(HWND form, HINSTANCE instance, const DisplayScale &scale) const;
    void LayOut(HWND form, const DisplayScale &scale) const;

  private:
    // The custom control with this id, or nullptr for a standard one.
    CustomControl *Custom(ControlId id) const;

    CustomControls custom_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_FORM_CONTROL_SET_H

#include "form_control_set.h"

#include "colour_word.h"
#include "control_layout.h"
#include "user_texts.h"

namespace tintwell::win32 {

void FormControlSet::Create(HWND form, HINSTANCE instance, const DisplayScale &scale) const {
    for (size_t i = 0; i < kControlCount; ++i) {
        const ControlPlacement &placement = kControls[i];
        // The table lists every container before what it holds.
        const HWND parent = placement.container == 0 ? form : GetDlgItem(form, placement.container);
        if (CustomControl *custom = Custom(placement.id)) {
            custom->Create(parent, placement, instance, scale);
            continue;
        }
        if (CreateControlWindow(parent, placement, instance, DesignedRect(placement, scale)) ==
            nullptr) {
            throw PickerError(messages::kCannotCreateWindow);
        }
    }
}

void FormControlSet::LayOut(HWND form, const DisplayScale &scale) const {
    for (size_t i = 0; i < kControlCount; ++i) {
        const ControlPlacement &placement = kControls[i];
        if (CustomControl *custom = Custom(placement.id)) {
            custom->LayOut(placement, scale);
            continue;
        }
        const RECT rect = DesignedRect(placement, scale);
        SetWindowPos(GetDlgItem(form, placement.id), nullptr, rect.left, rect.top,
                     rect.right - rect.left, rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

CustomControl *FormControlSet::Custom(ControlId id) const {
    for (const auto &[control, custom] : custom_) {
        if (control == id) return custom;
    }
    return nullptr;
}

}  // namespace tintwell::win32

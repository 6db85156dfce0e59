#include "focus_memory.h"

namespace tintwell::win32 {

void FocusMemory::Leave(HWND form) {
    const HWND focus = GetFocus();
    focus_ = IsChild(form, focus) ? focus : nullptr;
}

void FocusMemory::Return(HWND fallback) const {
    const bool remembered = focus_ != nullptr && IsWindow(focus_) && IsWindowEnabled(focus_);
    SetFocus(remembered ? focus_ : fallback);
}

}  // namespace tintwell::win32

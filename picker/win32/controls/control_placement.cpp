#include "control_placement.h"

namespace tintwell::win32 {

RECT DesignedRect(const ControlPlacement &placement, const DisplayScale &scale) {
    const int left = scale.FromTwips(placement.left);
    const int top = scale.FromTwips(placement.top);
    return RECT{left, top, left + scale.FromTwips(placement.width),
                top + scale.FromTwips(placement.height)};
}

HWND CreateControlWindow(HWND parent, const ControlPlacement &placement, HINSTANCE instance,
                         void *object, const RECT &rect) {
    return CreateWindowExW(
        placement.exStyle, placement.windowClass, placement.caption, placement.style, rect.left,
        rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(placement.id)), instance, object);
}

}  // namespace tintwell::win32

#include "control_placement.h"

namespace tintwell::win32 {

RECT DesignedRect(const ControlPlacement &placement, const DisplayScale &scale) {
    const int left = scale.FromTwips(placement.left);
    const int top = scale.FromTwips(placement.top);
    return RECT{left, top, left + scale.FromTwips(placement.width),
                top + scale.FromTwips(placement.height)};
}

HWND CreateControlWindow(HWND parent, const ControlPlacement &placement, HINSTANCE instance,
                         const RECT &rect) {
    return CreateWindowAt(instance, placement.windowClass, placement.caption, placement.style,
                          placement.exStyle, rect, parent, placement.id, nullptr);
}

}  // namespace tintwell::win32

#include "focus_cue.h"

#include "gdi_handles.h"

namespace tintwell::win32 {

namespace {

// The inner area grown by one pixel, in the coordinates of the window's own DC.
RECT RingAroundInnerArea(HWND window) {
    RECT outer{};
    GetWindowRect(window, &outer);
    RECT inner{};
    GetClientRect(window, &inner);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    OffsetRect(&inner, origin.x - outer.left, origin.y - outer.top);
    InflateRect(&inner, 1, 1);
    return inner;
}

}  // namespace

bool ShowsFocusCue(HWND window, bool keyboardInUse) {
    if (!keyboardInUse || GetFocus() != window) return false;
    const LRESULT hidden = SendMessageW(window, WM_QUERYUISTATE, 0, 0);
    return (hidden & UISF_HIDEFOCUS) == 0;
}

void PaintFocusCue(HWND window, bool keyboardInUse) {
    if (!ShowsFocusCue(window, keyboardInUse)) return;
    WindowDc dc(window);
    if (dc.get() == nullptr) return;
    const RECT ring = RingAroundInnerArea(window);
    // DrawFocusRect inverts, so the dots show on dark and light lines alike; the frame
    // was painted afresh just before, so nothing is inverted twice.
    DrawFocusRect(dc.get(), &ring);
}

void RepaintFocusCue(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

}  // namespace tintwell::win32

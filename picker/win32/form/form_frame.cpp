#include "form_frame.h"

#include "control_layout.h"

namespace tintwell::win32 {

RECT CentredFrame(DpiFunctions &dpi, const DisplayScale &scale) {
    const RECT frame = dpi.FrameAround(scale.FromTwips(kFormClientWidthTwips),
                                       scale.FromTwips(kFormClientHeightTwips), kFormStyle,
                                       kFormExStyle, scale.dpi());
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    return RECT{left, top, left + width, top + height};
}

void FitClientArea(HWND form, const DisplayScale &scale) {
    const int width = scale.FromTwips(kFormClientWidthTwips);
    const int height = scale.FromTwips(kFormClientHeightTwips);
    RECT client{};
    GetClientRect(form, &client);
    if (client.right == width && client.bottom == height) return;
    RECT frame{};
    GetWindowRect(form, &frame);
    SetWindowPos(form, nullptr, 0, 0, frame.right - frame.left + width - client.right,
                 frame.bottom - frame.top + height - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace tintwell::win32

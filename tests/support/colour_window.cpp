#include "colour_window.h"

#include "failing_window_sink.h"
#include "picker/win32/platform/gdi_handles.h"
#include "window_probe.h"

namespace testsupport {

namespace {

constexpr const wchar_t *kClassName = L"TintwellTestColourWindow";

}  // namespace

ColourWindow::ColourWindow(RECT area, uint32_t colour)
    : WindowBase(EndTheTestOnFailure()), colour_(colour) {
    Register(GetModuleHandleW(nullptr), kClassName, nullptr);
    CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST, kClassName, L"", WS_POPUP,
                    area.left, area.top, area.right - area.left, area.bottom - area.top, nullptr,
                    nullptr, GetModuleHandleW(nullptr), this);
    ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    UpdateWindow(hwnd_);
    ScreenShows(Centre(), colour_);
}

ColourWindow::~ColourWindow() {
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

void ColourWindow::SetColour(uint32_t colour) {
    colour_ = colour;
    InvalidateRect(hwnd_, nullptr, TRUE);
    UpdateWindow(hwnd_);
    ScreenShows(Centre(), colour_);
}

POINT ColourWindow::Centre() const {
    RECT rect{};
    GetWindowRect(hwnd_, &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

LRESULT ColourWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) {
        RECT client{};
        GetClientRect(hwnd_, &client);
        const tintwell::win32::Brush brush(CreateSolidBrush(colour_));
        FillRect(reinterpret_cast<HDC>(wParam), &client, brush.get());
        return 1;
    }
    return Default(message, wParam, lParam);
}

}  // namespace testsupport

#include "pick_target_window.h"

#include "failing_window_sink.h"
#include "window_probe.h"

namespace e2e {

namespace {

constexpr const wchar_t *kPickTargetClass = L"TintwellTestPickTarget";

}  // namespace

PickTargetWindow::PickTargetWindow(RECT area, Pattern pattern)
    : WindowBase(testsupport::EndTheTestOnFailure()), area_(area), pattern_(pattern) {
    Register(GetModuleHandleW(nullptr), kPickTargetClass, nullptr);
    CreateWindowExW(0, kPickTargetClass, L"pattern", WS_POPUP, area.left, area.top,
                    area.right - area.left, area.bottom - area.top, nullptr, nullptr,
                    GetModuleHandleW(nullptr), this);
    ShowWindow(hwnd_, SW_SHOW);
    UpdateWindow(hwnd_);
    SetForegroundWindow(hwnd_);
    testsupport::ScreenShows(POINT{area.left + 3, area.top + 4}, pattern_(3, 4));
}

PickTargetWindow::~PickTargetWindow() {
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

bool PickTargetWindow::Shift(int by) {
    shift_ = by;
    InvalidateRect(hwnd_, nullptr, FALSE);
    UpdateWindow(hwnd_);
    return testsupport::ScreenShows(POINT{area_.left + 3, area_.top + 4}, pattern_(3 + by, 4));
}

LRESULT PickTargetWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if ((message >= WM_LBUTTONDOWN && message <= WM_MOUSEHWHEEL) ||
        message == WM_NCLBUTTONDOWN || message == WM_NCRBUTTONDOWN) {
        ++buttonMessages_;
    }
    const bool key = message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN ||
                     message == WM_SYSKEYUP;
    if (key && wParam == VK_ESCAPE) ++escMessages_;
    if (message != WM_PAINT) return Default(message, wParam, lParam);
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(hwnd_, &paint);
    RECT client{};
    GetClientRect(hwnd_, &client);
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) SetPixel(dc, x, y, pattern_(x + shift_, y));
    }
    EndPaint(hwnd_, &paint);
    return 0;
}

}  // namespace e2e

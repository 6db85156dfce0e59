#include "colour_window.h"

#include "screen_probe.h"

namespace e2e {

namespace {

constexpr const wchar_t *kClassName = L"TintwellE2eColourWindow";

void RegisterOnce(WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
}

}  // namespace

ColourWindow::ColourWindow(RECT area, uint32_t colour) : window_(nullptr), colour_(colour) {
    RegisterOnce(&ColourWindow::Procedure);
    window_ =
        CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST, kClassName, L"",
                        WS_POPUP, area.left, area.top, area.right - area.left,
                        area.bottom - area.top, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    UpdateWindow(window_);
    Pause(200);
}

ColourWindow::~ColourWindow() {
    DestroyWindow(window_);
}

void ColourWindow::SetColour(uint32_t colour) {
    colour_ = colour;
    InvalidateRect(window_, nullptr, TRUE);
    UpdateWindow(window_);
    Pause(100);
}

POINT ColourWindow::Centre() const {
    RECT rect{};
    GetWindowRect(window_, &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

LRESULT CALLBACK ColourWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto *self = reinterpret_cast<ColourWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_ERASEBKGND && self != nullptr) {
        RECT client{};
        GetClientRect(window, &client);
        HBRUSH brush = CreateSolidBrush(self->colour_);
        FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
        DeleteObject(brush);
        return 1;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace e2e

#include "running_picker.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace soak {
namespace {

double MicrosecondsSince(const LARGE_INTEGER &start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start.QuadPart) * 1e6 /
           static_cast<double>(frequency.QuadPart);
}

}  // namespace

RunningPicker::RunningPicker(const std::wstring &exePath) : process_(exePath) {
    if (!process_.started()) throw std::runtime_error("cannot start the picker");
    form_ = process_.WaitForForm(30000);
    if (form_ == nullptr) throw std::runtime_error("the picker's window did not appear");
}

// The process closes its window, or is ended, when it goes.
RunningPicker::~RunningPicker() = default;

HWND RunningPicker::control(ControlId id) const {
    if (id == tintwell::win32::kLabel1) return GetDlgItem(control(tintwell::win32::kPicture1), id);
    return GetDlgItem(form_, id);
}

bool RunningPicker::Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD timeoutMs,
                         double &elapsedUs, LRESULT *result) {
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    DWORD_PTR answer = 0;
    const LRESULT ok =
        SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, timeoutMs, &answer);
    elapsedUs = MicrosecondsSince(start);
    if (result != nullptr) *result = static_cast<LRESULT>(answer);
    return ok != 0;
}

bool RunningPicker::Click(ControlId id, DWORD timeoutMs, double &elapsedUs) {
    return Send(control(id), BM_CLICK, 0, 0, timeoutMs, elapsedUs);
}

std::optional<std::wstring> RunningPicker::Text(DWORD timeoutMs) {
    wchar_t text[64] = {};
    double elapsed = 0;
    LRESULT length = 0;
    if (!Send(control(tintwell::win32::kText1), WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text),
              timeoutMs, elapsed, &length))
        return std::nullopt;
    return std::wstring(text, static_cast<size_t>(length));
}

POINT RunningPicker::Position(ControlId id) const {
    HWND window = control(id);
    RECT rect{};
    GetWindowRect(window, &rect);
    POINT topLeft{rect.left, rect.top};
    ScreenToClient(GetParent(window), &topLeft);
    return topLeft;
}

POINT RunningPicker::ScreenPoint(ControlId id, int x, int y) const {
    POINT point{x, y};
    ClientToScreen(control(id), &point);
    return point;
}

bool RunningPicker::Topmost() const {
    return (GetWindowLongPtrW(form_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

RECT RunningPicker::FormRect() const {
    RECT rect{};
    GetWindowRect(form_, &rect);
    return rect;
}

COLORREF AwaitScreenPixel(POINT screen, COLORREF expected, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        HDC dc = GetDC(nullptr);
        const COLORREF seen = GetPixel(dc, screen.x, screen.y);
        ReleaseDC(nullptr, dc);
        if (seen == expected || GetTickCount() - start > timeoutMs) return seen;
        Pause(2);
    }
}

}  // namespace soak

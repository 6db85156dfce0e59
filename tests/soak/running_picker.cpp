#include "running_picker.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace soak {
namespace {

struct FindForm {
    DWORD processId;
    HWND form;
};

BOOL CALLBACK MatchForm(HWND window, LPARAM data) {
    auto *find = reinterpret_cast<FindForm *>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (owner == find->processId && std::wstring(className) == tintwell::win32::kFormClass &&
        IsWindowVisible(window)) {
        find->form = window;
        return FALSE;
    }
    return TRUE;
}

double MicrosecondsSince(const LARGE_INTEGER &start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start.QuadPart) * 1e6 /
           static_cast<double>(frequency.QuadPart);
}

}  // namespace

RunningPicker::RunningPicker(const std::wstring &exePath) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::vector<wchar_t> commandLine(exePath.begin(), exePath.end());
    commandLine.insert(commandLine.begin(), L'"');
    commandLine.push_back(L'"');
    commandLine.push_back(L'\0');
    if (!CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process_))
        throw std::runtime_error("cannot start the picker");
    WaitForInputIdle(process_.hProcess, 10000);
    FindForm find{process_.dwProcessId, nullptr};
    for (int attempt = 0; attempt < 200 && find.form == nullptr; ++attempt) {
        EnumWindows(MatchForm, reinterpret_cast<LPARAM>(&find));
        if (find.form == nullptr) Sleep(50);
    }
    if (find.form == nullptr) throw std::runtime_error("the picker's window did not appear");
    form_ = find.form;
}

RunningPicker::~RunningPicker() {
    if (process_.hProcess != nullptr) {
        if (Alive()) {
            PostMessageW(form_, WM_CLOSE, 0, 0);
            if (WaitForSingleObject(process_.hProcess, 5000) != WAIT_OBJECT_0)
                TerminateProcess(process_.hProcess, 1);
        }
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
}

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

bool RunningPicker::Alive() const {
    return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

COLORREF AwaitScreenPixel(POINT screen, COLORREF expected, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        HDC dc = GetDC(nullptr);
        const COLORREF seen = GetPixel(dc, screen.x, screen.y);
        ReleaseDC(nullptr, dc);
        if (seen == expected || GetTickCount() - start > timeoutMs) return seen;
        PumpFor(2);
    }
}

void PumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        Sleep(std::min<DWORD>(5, milliseconds));
    } while (GetTickCount() - start < milliseconds);
}

std::optional<std::wstring> ClipboardText() {
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (OpenClipboard(nullptr)) {
            std::optional<std::wstring> text;
            if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
                if (const auto *chars = static_cast<const wchar_t *>(GlobalLock(data))) {
                    text = std::wstring(chars);
                    GlobalUnlock(data);
                }
            }
            CloseClipboard();
            return text;
        }
        Sleep(10);
    }
    return std::nullopt;
}

}  // namespace soak

#include "window_probe.h"

#include <algorithm>

namespace testsupport {

RECT RectInContainer(HWND window, HWND container) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, container, reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}

namespace {

void PumpOwnMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

struct Search {
    DWORD processId;
    const wchar_t *className;
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM context) {
    auto *search = reinterpret_cast<Search *>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (lstrcmpiW(className, search->className) == 0) search->found.push_back(window);
    return TRUE;
}

BOOL CALLBACK AppendText(HWND child, LPARAM context) {
    auto *text = reinterpret_cast<std::wstring *>(context);
    const std::wstring childText = WindowText(child);
    if (!childText.empty()) *text += childText + L"\n";
    return TRUE;
}

}  // namespace

bool WaitUntil(DWORD timeoutMs, const std::function<bool()> &condition) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        PumpOwnMessages();
        if (condition()) return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return false;
        Sleep(static_cast<DWORD>(std::min<ULONGLONG>(20, deadline - now)));
    }
}

void Pause(DWORD milliseconds) {
    WaitUntil(milliseconds, [] { return false; });
}

bool ScreenShows(POINT at, uint32_t colour, DWORD timeoutMs) {
    return WaitUntil(timeoutMs, [&] {
        HDC screen = GetDC(nullptr);
        const COLORREF shown = GetPixel(screen, at.x, at.y);
        ReleaseDC(nullptr, screen);
        return shown == (colour & 0xFFFFFFu);
    });
}

std::wstring WindowText(HWND window) {
    wchar_t buffer[1024] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer),
                             SMTO_ABORTIFHUNG, 5000, &copied)) {
        return L"<no answer>";
    }
    return std::wstring(buffer, copied);
}

std::vector<HWND> TopLevelWindows(DWORD processId, const wchar_t *className) {
    Search search{processId, className, {}};
    EnumWindows(&Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> MessageBoxes(DWORD processId) {
    return TopLevelWindows(processId, L"#32770");
}

std::wstring MessageBoxText(HWND box) {
    std::wstring text;
    EnumChildWindows(box, &AppendText, reinterpret_cast<LPARAM>(&text));
    return text;
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
        Sleep(20);
    }
    return std::nullopt;
}

BoxAnswer::BoxAnswer() : text_(), thread_(CreateThread(nullptr, 0, &Answer, this, 0, nullptr)) {}

BoxAnswer::~BoxAnswer() {
    Text();
}

const std::wstring &BoxAnswer::Text() {
    if (thread_ != nullptr) {
        WaitForSingleObject(thread_, 15000);
        CloseHandle(thread_);
        thread_ = nullptr;
    }
    return text_;
}

DWORD WINAPI BoxAnswer::Answer(void *self) {
    auto *answer = static_cast<BoxAnswer *>(self);
    WaitUntil(10000, [&] {
        const std::vector<HWND> boxes = MessageBoxes(GetCurrentProcessId());
        if (boxes.empty()) return false;
        answer->text_ = MessageBoxText(boxes.front());
        PostMessageW(boxes.front(), WM_COMMAND, IDOK, 0);
        return true;
    });
    return 0;
}

HWND ShownWindowOf(DWORD processId, const wchar_t *className, const wchar_t *title) {
    HWND found = nullptr;
    while ((found = FindWindowExW(nullptr, found, className, title)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(found, &owner);
        if (owner == processId && IsWindowVisible(found)) return found;
    }
    return nullptr;
}

bool ClickInSettings(HWND form, DWORD processId, std::initializer_list<int> boxes,
                     DWORD timeoutMs) {
    // The settings item's system command (command_ids.h).
    constexpr WPARAM kSettingsItem = 0x0130;
    PostMessageW(form, WM_SYSCOMMAND, kSettingsItem, 0);
    HWND dialog = nullptr;
    if (!WaitUntil(timeoutMs, [&] {
            return (dialog = ShownWindowOf(processId, L"#32770", L"Tintwell の設定")) != nullptr;
        })) {
        return false;
    }
    for (const int box : boxes) SendDlgItemMessageW(dialog, box, BM_CLICK, 0, 0);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    return WaitUntil(timeoutMs, [&] { return !IsWindow(dialog); });
}

void PressKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (const WORD key : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto key = keys.end(); key != keys.begin();) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *--key;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace testsupport

#include "user_input.h"

#include "screen_probe.h"

namespace e2e {

namespace {

// Absolute positions go in 1/65536 of the virtual screen; rounding up lands exactly
// on the pixel wherever the system truncates on the way back.
LONG Normalised(LONG pixel, LONG origin, LONG extent) {
    return static_cast<LONG>(((static_cast<long long>(pixel - origin) << 16) + extent - 1) /
                             extent);
}

void SendMouse(DWORD flags, LONG dx = 0, LONG dy = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}

void SendKey(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof(input));
}

DWORD DownFlag(Button button) {
    switch (button) {
        case Button::Right:
            return MOUSEEVENTF_RIGHTDOWN;
        case Button::Middle:
            return MOUSEEVENTF_MIDDLEDOWN;
        default:
            return MOUSEEVENTF_LEFTDOWN;
    }
}

DWORD UpFlag(Button button) {
    switch (button) {
        case Button::Right:
            return MOUSEEVENTF_RIGHTUP;
        case Button::Middle:
            return MOUSEEVENTF_MIDDLEUP;
        default:
            return MOUSEEVENTF_LEFTUP;
    }
}

LRESULT CALLBACK HandOnPastTheRest(int code, WPARAM wParam, LPARAM lParam) {
    if (code < 0) return CallNextHookEx(nullptr, code, wParam, lParam);
    return 0;
}

}  // namespace

HooksBypassed::HooksBypassed() {
    ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, &HooksBypassed::Run, this, 0, &threadId_);
    WaitForSingleObject(ready_, 10000);
}

HooksBypassed::~HooksBypassed() {
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    WaitForSingleObject(thread_, 10000);
    CloseHandle(thread_);
    CloseHandle(ready_);
}

DWORD WINAPI HooksBypassed::Run(void *self) {
    auto *bypass = static_cast<HooksBypassed *>(self);
    MSG message{};
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // this thread's queue
    const HINSTANCE module = GetModuleHandleW(nullptr);
    HHOOK mouse = SetWindowsHookExW(WH_MOUSE_LL, &HandOnPastTheRest, module, 0);
    HHOOK keyboard = SetWindowsHookExW(WH_KEYBOARD_LL, &HandOnPastTheRest, module, 0);
    bypass->installed_ = mouse != nullptr && keyboard != nullptr;
    SetEvent(bypass->ready_);
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    if (mouse != nullptr) UnhookWindowsHookEx(mouse);
    if (keyboard != nullptr) UnhookWindowsHookEx(keyboard);
    return 0;
}

// Under Wine an injected move also warps the X pointer, and a late X motion event
// from an earlier warp can put the pointer back where it was. The move is repeated
// until the pointer stays where it was sent.
bool MoveTo(POINT screen) {
    const LONG left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const LONG top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const LONG width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const LONG height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    auto there = [&] {
        POINT at{};
        GetCursorPos(&at);
        return at.x == screen.x && at.y == screen.y;
    };
    for (int attempt = 0; attempt < 10; ++attempt) {
        SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK,
                  Normalised(screen.x, left, width), Normalised(screen.y, top, height));
        if (!WaitUntil(1000, there)) continue;
        Pause(60);
        if (there()) return true;
    }
    return false;
}

void Press(Button button) {
    SendMouse(DownFlag(button));
    Pause(30);
}

void Release(Button button) {
    SendMouse(UpFlag(button));
    Pause(30);
}

void Click(POINT screen, Button button) {
    MoveTo(screen);
    Press(button);
    Release(button);
}

void Key(WORD virtualKey, bool shift) {
    if (shift) SendKey(VK_SHIFT, false);
    SendKey(virtualKey, false);
    SendKey(virtualKey, true);
    if (shift) SendKey(VK_SHIFT, true);
    Pause(30);
}

void KeyWith(WORD modifier, WORD virtualKey) {
    SendKey(modifier, false);
    SendKey(virtualKey, false);
    SendKey(virtualKey, true);
    SendKey(modifier, true);
    Pause(60);
}

void AltKey(WORD virtualKey) {
    KeyWith(VK_MENU, virtualKey);
}

void TypeText(const std::wstring &text) {
    for (const wchar_t ch : text) {
        INPUT input[2] = {};
        for (INPUT &key : input) {
            key.type = INPUT_KEYBOARD;
            key.ki.wScan = ch;
            key.ki.dwFlags = KEYEVENTF_UNICODE;
        }
        input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
        SendInput(2, input, sizeof(INPUT));
    }
    Pause(60);
}

bool RunXdoTool(const std::wstring &arguments) {
    std::wstring command = L"start.exe /wait /unix /usr/bin/xdotool " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &info)) {
        return false;
    }
    const bool ended = WaitForSingleObject(info.hProcess, 20000) == WAIT_OBJECT_0;
    DWORD code = 1;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    Pause(100);
    return ended && code == 0;
}

}  // namespace e2e

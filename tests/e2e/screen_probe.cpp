#include "screen_probe.h"

#include <cstdio>
#include <cstring>
#include <cwchar>

#include "draw_target.h"

namespace e2e {

std::wstring ClassName(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

POINT ClientToScreenPoint(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    return point;
}

ScreenImage::ScreenImage(int left, int top, int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height) {
    DrawTarget copy(TargetKind::Dib32, width, height);
    const HDC screen = GetDC(nullptr);
    BitBlt(copy.dc(), 0, 0, width, height, screen, left, top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    copy.Capture();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels_[static_cast<size_t>(y) * width + x] = copy.At(x, y);
}

uint32_t ScreenImage::At(int x, int y) const {
    return pixels_[static_cast<size_t>(y) * width_ + x];
}

ScreenImage CaptureClient(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    const POINT origin = ClientToScreenPoint(window, 0, 0);
    return ScreenImage(origin.x, origin.y, client.right, client.bottom);
}

bool SetClipboardText(const std::wstring &text) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (OpenClipboard(nullptr)) {
            EmptyClipboard();
            const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
            HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
            std::memcpy(GlobalLock(block), text.c_str(), bytes);
            GlobalUnlock(block);
            const bool set = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
            if (!set) GlobalFree(block);
            CloseClipboard();
            return set;
        }
        Sleep(20);
    }
    return false;
}

HWND FocusOf(DWORD threadId) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(threadId, &info)) return nullptr;
    return info.hwndFocus;
}

namespace {

// A named callback, not a lambda: on x86 the enumeration calls it as stdcall.
BOOL CALLBACK KeepVisibleMenu(HWND window, LPARAM result) {
    if (IsWindowVisible(window) && ClassName(window) == L"#32768") {
        *reinterpret_cast<HWND *>(result) = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND VisibleMenuOf(DWORD threadId) {
    HWND found = nullptr;
    EnumThreadWindows(threadId, KeepVisibleMenu, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::wstring DisplayText(uint32_t colour) {
    wchar_t text[16] = {};
    std::swprintf(text, 16, L"#%02X%02X%02X", colour & 0xFF, (colour >> 8) & 0xFF,
                  (colour >> 16) & 0xFF);
    return text;
}

uint32_t Rgb(int red, int green, int blue) {
    return static_cast<uint32_t>(red) | (static_cast<uint32_t>(green) << 8) |
           (static_cast<uint32_t>(blue) << 16);
}

}  // namespace e2e

#include "tray_icon.h"

#include <cwchar>
#include <exception>

namespace tintwell::win32 {

namespace {

// The one icon the program shows.
constexpr UINT kTrayIconId = 1;

}  // namespace

TrayIcon::TrayIcon()
    : shell32_(L"shell32.dll"),
      notify_(shell32_, "Shell_NotifyIconW"),
      window_(nullptr),
      callbackMessage_(0),
      icon_(nullptr),
      tip_(),
      shown_(false),
      versionFour_(false) {}

TrayIcon::~TrayIcon() {
    Remove();
}

NOTIFYICONDATAW TrayIcon::Data(UINT flags) const {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = window_;
    data.uID = kTrayIconId;
    data.uFlags = flags;
    data.uCallbackMessage = callbackMessage_;
    data.hIcon = icon_;
    const size_t room = sizeof(data.szTip) / sizeof(data.szTip[0]) - 1;
    wcsncpy(data.szTip, tip_.c_str(), room);
    data.szTip[room] = L'\0';
    return data;
}

bool TrayIcon::Notify(DWORD what, NOTIFYICONDATAW &data) {
    try {
        return notify_.Get()(what, &data) != FALSE;
    } catch (const std::exception &) {
        return false;
    }
}

bool TrayIcon::Show(HWND window, UINT callbackMessage, HICON icon, const std::wstring &tip) {
    window_ = window;
    callbackMessage_ = callbackMessage;
    icon_ = icon;
    tip_ = tip;
    // After TaskbarCreated the old icon is gone with the old notification area, and
    // an add is what brings it back; a modify would fail.
    NOTIFYICONDATAW data = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP);
    shown_ = Notify(NIM_ADD, data);
    if (!shown_) {
        // Still there from before the notification area came back by itself.
        shown_ = Notify(NIM_MODIFY, data);
    }
    if (!shown_) return false;
    data.uVersion = NOTIFYICON_VERSION_4;
    versionFour_ = Notify(NIM_SETVERSION, data);
    return true;
}

void TrayIcon::SetTip(const std::wstring &tip) {
    if (tip == tip_) return;
    tip_ = tip;
    if (!shown_) return;
    NOTIFYICONDATAW data = Data(NIF_TIP | NIF_SHOWTIP);
    Notify(NIM_MODIFY, data);
}

void TrayIcon::Remove() {
    if (!shown_) return;
    NOTIFYICONDATAW data = Data(0);
    Notify(NIM_DELETE, data);
    shown_ = false;
}

}  // namespace tintwell::win32

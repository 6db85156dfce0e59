#include "tray_home.h"

#include <windowsx.h>

#include <exception>
#include <string>
#include <utility>

#include "command_ids.h"
#include "system_library.h"
#include "text_conversion.h"
#include "user_texts.h"

namespace tintwell::win32 {

TrayHome::TrayHome(HandlerRunner &runner, std::function<void()> pick)
    : runner_(runner),
      pick_(std::move(pick)),
      window_(nullptr),
      iconImage_(nullptr),
      taskbarCreated_(0),
      icon_(),
      mark_(),
      resident_(false),
      markElsewhere_(false),
      tip_(WideFromUtf16(NotificationTip(std::nullopt))),
      tipColour_(),
      doubleClickAt_(0),
      clickWaiting_(false) {}

void TrayHome::Attach(HWND window, HICON icon) {
    window_ = window;
    iconImage_ = icon;
    taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
    // Run as administrator, the window would hear neither Explorer's TaskbarCreated
    // nor a second start's call, both sent from below its level.
    try {
        SystemLibrary user32(L"user32.dll");
        BoundFunction<BOOL(WINAPI *)(HWND, UINT, DWORD, void *)> allow(
            user32, "ChangeWindowMessageFilterEx");
        if (const auto filter = allow.GetOptional()) {
            filter(window, taskbarCreated_, MSGFLT_ALLOW, nullptr);
            filter(window, ShowResidentMessage(), MSGFLT_ALLOW, nullptr);
        }
    } catch (const std::exception &) {
        // Without user32's newer function the messages arrive as they always did.
    }
}

void TrayHome::Detach() {
    if (clickWaiting_) KillTimer(window_, kTrayClickTimer);
    clickWaiting_ = false;
    icon_.Remove();
    mark_.Release();
    resident_ = false;
}

void TrayHome::SetResident(bool on) {
    if (on == resident_ && (on || !mark_.held())) return;
    if (on) {
        markElsewhere_ = !mark_.Take();
        if (markElsewhere_) throw PickerError(messages::kAnotherResidentInstance);
        if (!icon_.Show(window_, kTrayIconMessage, iconImage_, tip_)) {
            throw PickerError(std::string(messages::kCannotShowTrayIcon) + " " +
                              messages::kNoNotificationArea);
        }
        resident_ = true;
        return;
    }
    // The mark first: once the icon is seen gone, a new start runs beside this one.
    const bool wasResident = resident_;
    mark_.Release();
    icon_.Remove();
    resident_ = false;
    if (wasResident && !IsWindowVisible(window_)) ShowWindowInFront();
}

void TrayHome::ShowTip(std::optional<ColorRef> shown) {
    if (shown == tipColour_) return;
    tipColour_ = shown;
    tip_ = WideFromUtf16(NotificationTip(shown));
    icon_.SetTip(tip_);
}

bool TrayHome::HideOnClose() {
    if (!resident_) return false;
    ShowWindow(window_, SW_HIDE);
    return true;
}

void TrayHome::OnMinimised() {
    if (resident_) ShowWindow(window_, SW_HIDE);
}

void TrayHome::ShowWindowInFront() {
    ShowWindow(window_, IsIconic(window_) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(window_);
}

bool TrayHome::OwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
    if (message != WM_COMMAND || HIWORD(wParam) != 0 || lParam != 0) return false;
    switch (LOWORD(wParam)) {
        case kTrayOpenCommand:
            ShowWindowInFront();
            break;
        case kTrayPickCommand:
            runner_.RunChosenHandler(pick_);
            break;
        case kTrayExitCommand:
            DestroyWindow(window_);
            break;
        default:
            return false;
    }
    result = 0;
    return true;
}

bool TrayHome::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
    result = 0;
    if (message == kTrayIconMessage) {
        OnIcon(wParam, lParam);
        return true;
    }
    if (message == WM_TIMER && wParam == kTrayClickTimer) {
        KillTimer(window_, kTrayClickTimer);
        clickWaiting_ = false;
        runner_.RunChosenHandler(pick_);
        return true;
    }
    // An installer's restart manager asks programs to end this way; a resident window
    // that only hid at the WM_CLOSE that follows would hold the installation up.
    if (message == WM_ENDSESSION && wParam != FALSE && (lParam & ENDSESSION_CLOSEAPP) != 0 &&
        resident_) {
        DestroyWindow(window_);
        return true;
    }
    // Answered while the mark is held, also while the icon waits for the notification
    // area: a second start then shows this window rather than running beside it.
    if (message == ShowResidentMessage()) {
        if (!mark_.held()) return false;
        ShowWindowInFront();
        result = kResidentAnswer;
        return true;
    }
    return false;
}

// Version 4 puts the event in LOWORD(lParam) and the icon's anchor in wParam; the old
// form has the mouse message itself in lParam.
void TrayHome::OnIcon(WPARAM wParam, LPARAM lParam) {
    const UINT event = icon_.versionFour() ? LOWORD(lParam) : static_cast<UINT>(lParam);
    POINT at{};
    if (icon_.versionFour() && (event == WM_CONTEXTMENU || event == NIN_KEYSELECT)) {
        at = POINT{GET_X_LPARAM(wParam), GET_Y_LPARAM(wParam)};
    } else {
        GetCursorPos(&at);
    }
    switch (event) {
        case NIN_SELECT:
        case WM_LBUTTONUP:
            OnClick();
            break;
        case WM_LBUTTONDBLCLK:
            OnDoubleClick();
            break;
        case WM_CONTEXTMENU:
        case NIN_KEYSELECT:
            OpenMenu(at);
            break;
        case WM_RBUTTONUP:
            if (!icon_.versionFour()) OpenMenu(at);
            break;
        default:
            break;
    }
}

// The pick waits out the double-click time: its hooks would otherwise take the
// second click of a double click as the pick's own. The release and NIN_SELECT of
// one click both arrive, and the waiting click already stands for both.
void TrayHome::OnClick() {
    if (clickWaiting_) return;
    if (GetTickCount64() - doubleClickAt_ < GetDoubleClickTime()) return;
    if (SetTimer(window_, kTrayClickTimer, GetDoubleClickTime(), nullptr) != 0) {
        clickWaiting_ = true;
    }
}

void TrayHome::OnDoubleClick() {
    if (clickWaiting_) KillTimer(window_, kTrayClickTimer);
    clickWaiting_ = false;
    doubleClickAt_ = GetTickCount64();
    ShowWindowInFront();
}

void TrayHome::OpenMenu(POINT at) {
    const HMENU menu = CreatePopupMenu();
    if (menu == nullptr) return;
    AppendMenuW(menu, MF_STRING, kTrayOpenCommand, captions::kShowWindow);
    AppendMenuW(menu, MF_STRING, kTrayPickCommand, captions::kPickNow);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kTrayExitCommand, captions::kExit);
    SetMenuDefaultItem(menu, kTrayOpenCommand, FALSE);
    // Without the foreground the menu would not close when the user clicks
    // elsewhere; the posted message lets the next click open it again at once.
    SetForegroundWindow(window_);
    TrackPopupMenuEx(menu, TPM_RIGHTBUTTON | TPM_BOTTOMALIGN, at.x, at.y, window_, nullptr);
    PostMessageW(window_, WM_NULL, 0, 0);
    DestroyMenu(menu);
}

}  // namespace tintwell::win32

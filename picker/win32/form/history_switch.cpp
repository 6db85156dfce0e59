#include "history_switch.h"

#include "user_texts.h"

namespace tintwell::win32 {

void AddHistorySwitch(HWND form, UINT before) {
    HMENU menu = GetSystemMenu(form, FALSE);
    if (menu == nullptr) return;
    InsertMenuW(menu, before, MF_BYCOMMAND | MF_STRING | MF_UNCHECKED, kKeepHistoryCommand,
                captions::kKeepHistory);
}

void ShowHistorySwitch(HWND form, bool on) {
    CheckMenuItem(GetSystemMenu(form, FALSE), kKeepHistoryCommand,
                  MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

bool IsHistoryCommand(WPARAM command) {
    return (command & 0xFFF0) == kKeepHistoryCommand;
}

HistorySwitch::HistorySwitch(Form &form, Win32Platform &platform, HandlerRunner &runner)
    : form_(form), platform_(platform), runner_(runner), window_(nullptr) {}

void HistorySwitch::Attach(HWND window, UINT before) {
    window_ = window;
    AddHistorySwitch(window, before);
    // Keeping may also go off on its own, when the file is found gone.
    platform_.OnHistorySwitched([this](bool on) { ShowHistorySwitch(window_, on); });
}

void HistorySwitch::Restore() {
    runner_.RunHandler([&] { form_.RestoreRecentColours(platform_.StartHistory()); });
    ShowHistorySwitch(window_, platform_.KeepingHistory());
}

bool HistorySwitch::OwnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT &result) {
    if (message != WM_SYSCOMMAND || !IsHistoryCommand(wParam)) return false;
    Switch();
    result = 0;
    return true;
}

void HistorySwitch::Switch() {
    const bool on = !platform_.KeepingHistory();
    runner_.RunChosenHandler([&] { platform_.SwitchHistory(on, form_.RecentColourList()); });
    ShowHistorySwitch(window_, platform_.KeepingHistory());
}

}  // namespace tintwell::win32

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

}  // namespace tintwell::win32

#include "pick_hotkey.h"

#include "command_ids.h"

namespace tintwell::win32 {

bool PickHotkey::Take(const HotkeyCombo &combo) {
    const int next = id_ == static_cast<int>(kPickHotkeyIds.first)
                         ? static_cast<int>(kPickHotkeyIds.last)
                         : static_cast<int>(kPickHotkeyIds.first);
    // MOD_NOREPEAT (RegisterHotKeyModifiers): a held hotkey must not start and cancel
    // a pick over and over.
    if (!RegisterHotKey(window_, next, RegisterHotKeyModifiers(combo), combo.key)) return false;
    LetGo();
    id_ = next;
    return true;
}

void PickHotkey::LetGo() {
    if (id_ != 0) UnregisterHotKey(window_, id_);
    id_ = 0;
}

}  // namespace tintwell::win32

// The settings dialog's key field: an edit control that does not take text but reads
// the keys pressed in it, so that a combination with Win can be chosen, which the
// system's hotkey control refuses. Each key-down (WM_KEYDOWN or WM_SYSKEYDOWN) goes to
// the parent as kHotkeyFieldKey with the key and the modifiers then held; the parent
// decides what the field shows and whether the key is the dialog's after all
// (Tab, Enter, Esc).
#ifndef TINTWELL_PICKER_WIN32_CONTROLS_HOTKEY_FIELD_H
#define TINTWELL_PICKER_WIN32_CONTROLS_HOTKEY_FIELD_H

#include <windows.h>

#include <cstdint>

#include "command_ids.h"

namespace tintwell::win32 {

// kHotkeyFieldKey: wParam the virtual key, lParam the held modifiers as RegisterHotKey's
// MOD_ bits; the parent answers nonzero to let the key through to the dialog.
// kHotkeyFieldKeysLetGo: sent when the last modifier came up without a key, and the
// field shows its combination again instead of the modifiers that were held.

// MOD_CONTROL, MOD_ALT, MOD_SHIFT and MOD_WIN for the modifiers held now.
uint32_t HeldHotkeyModifiers();

// Makes the edit control a key field for as long as it exists.
bool MakeHotkeyField(HWND edit);

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_CONTROLS_HOTKEY_FIELD_H

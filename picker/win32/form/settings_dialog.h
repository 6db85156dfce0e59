// The modal dialog "Tintwell の設定": what the user chooses there, and nothing else.
// The caller applies the choices; Cancel, Esc and the close box leave them as they
// were.
#ifndef TINTWELL_PICKER_WIN32_FORM_SETTINGS_DIALOG_H
#define TINTWELL_PICKER_WIN32_FORM_SETTINGS_DIALOG_H

#include <windows.h>

#include <cstddef>
#include <optional>

#include "hotkey_combo.h"

namespace tintwell::win32 {

struct SettingsChoices {
    bool pickHotkey = false;
    HotkeyCombo hotkey = kDefaultHotkey;
    // Into the copy menu's formats.
    size_t copyFormat = 0;
    bool resident = false;
    // Only ever on with `resident`: a start at sign-in goes to the notification area.
    bool startWithWindows = false;
    bool keepSettings = false;
};

// The user's choices after OK; empty after Cancel, or when the dialog could not be
// shown (a message then says so).
std::optional<SettingsChoices> ShowSettingsDialog(HINSTANCE instance, HWND owner,
                                                  const SettingsChoices &current);

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_FORM_SETTINGS_DIALOG_H

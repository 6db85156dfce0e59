// The modal dialog "Tintwell の設定": what the user chooses there, and nothing else.
// The caller applies the choices; Cancel, Esc and the close box leave them as they
// were.
#ifndef TINTWELL_PICKER_WIN32_FORM_SETTINGS_DIALOG_H
#define TINTWELL_PICKER_WIN32_FORM_SETTINGS_DIALOG_H

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "hotkey_combo.h"
#include "pick_format.h"

namespace tintwell::win32 {

struct SettingsChoices {
    bool pickHotkey = false;
    HotkeyCombo hotkey = kDefaultHotkey;
    // The key of the format a pick copies in (pick_format.h).
    std::string pickFormat = kDefaultPickFormatKey;
    bool resident = false;
    // Only ever on with `resident`: a start at sign-in goes to the notification area.
    bool startWithWindows = false;
    bool keepSettings = false;

    friend bool operator==(const SettingsChoices &a, const SettingsChoices &b) {
        return a.pickHotkey == b.pickHotkey && a.hotkey == b.hotkey &&
               a.pickFormat == b.pickFormat && a.resident == b.resident &&
               a.startWithWindows == b.startWithWindows && a.keepSettings == b.keepSettings;
    }
};

// The user's choices after OK; empty after Cancel, or when the dialog could not be
// shown (a message then says so). formatKeys: the formats on offer, by their keys
// (Form::PickFormatKeys), listed by their names.
std::optional<SettingsChoices> ShowSettingsDialog(HINSTANCE instance, HWND owner,
                                                  const SettingsChoices &current,
                                                  const std::vector<std::string> &formatKeys);

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_FORM_SETTINGS_DIALOG_H

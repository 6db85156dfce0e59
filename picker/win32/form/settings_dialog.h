// The modal dialog "Tintwell の設定": what the user chooses there, and nothing else.
// The caller applies the choices; Cancel, Esc and the close box leave them as they
// were.
#ifndef TINTWELL_PICKER_WIN32_FORM_SETTINGS_DIALOG_H
#define TINTWELL_PICKER_WIN32_FORM_SETTINGS_DIALOG_H

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "settings_state.h"

namespace tintwell::win32 {

// What the user wants after OK, starting from `current`; empty after Cancel, or when
// the dialog could not be shown (a message then says so). formatKeys: the formats on
// offer, by their keys (Form::PickFormatKeys), listed by their names.
std::optional<WantedSettings> ShowSettingsDialog(HINSTANCE instance, HWND owner,
                                                 const WantedSettings &current,
                                                 const std::vector<std::string> &formatKeys);

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_FORM_SETTINGS_DIALOG_H

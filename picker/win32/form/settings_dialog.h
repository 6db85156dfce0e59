// The modal dialog "Tintwell の設定": what the user chooses there, and nothing else.
// The caller applies the choices; Cancel, Esc and the close box leave them as they
// were.
#ifndef TINTWELL_PICKER_WIN32_FORM_SETTINGS_DIALOG_H
#define TINTWELL_PICKER_WIN32_FORM_SETTINGS_DIALOG_H

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "failure_sink.h"
#include "hotkey_combo.h"
#include "hotkey_field.h"
#include "pick_format.h"
#include "settings_state.h"

namespace tintwell::win32 {

// What the user wants after OK, starting from `current`; empty after Cancel.
// formatKeys: the formats on offer, by their keys (Form::PickFormatKeys), listed by
// their names. A dialog that cannot be shown throws PickerError; one whose handling
// of a message fails ends as if cancelled, and the failure is thrown once the dialog
// is gone.
std::optional<WantedSettings> ShowSettingsDialog(HINSTANCE instance, HWND owner,
                                                 const WantedSettings &current,
                                                 const std::vector<std::string> &formatKeys);

// What fills the dialog's controls and answers them; ShowSettingsDialog's is the
// picker's settings. Each may throw.
class SettingsDialogPage : public KeyFieldListener {
  public:
    // WM_INITDIALOG. `failures`: where the key field hands what its listener threw.
    virtual void Fill(HWND dialog, FailureSink &failures) = 0;
    // A command of a control other than OK and Cancel.
    virtual void Command(HWND dialog, int control) = 0;
    // OK, just before the dialog ends.
    virtual void Read(HWND dialog) = 0;

  protected:
    ~SettingsDialogPage() = default;
};

// Runs the dialog IDD_SETTINGS on `page`, with the failures as ShowSettingsDialog
// says; true after OK.
bool RunSettingsDialog(HINSTANCE instance, HWND owner, SettingsDialogPage &page);

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_FORM_SETTINGS_DIALOG_H

// The settings between starts and what the last three boxes of the settings dialog
// do: the notification icon (TrayHome), the Run value (StartupEntry) and the
// settings file (SettingsKeeping on settings.ini). At start the kept settings are put
// into effect as the user had them; after that every change of a setting, in the
// dialog or in the system menu, is written while keeping is on.
#ifndef TINTWELL_PICKER_WIN32_FORM_KEPT_SETTINGS_H
#define TINTWELL_PICKER_WIN32_FORM_KEPT_SETTINGS_H

#include <windows.h>

#include "eyedropper.h"
#include "form.h"
#include "kept_settings_file.h"
#include "loupe.h"
#include "settings.h"
#include "settings_keeping.h"
#include "settings_switch.h"
#include "startup_entry.h"
#include "tray_home.h"

namespace tintwell::win32 {

// The dialog's choices and the system menu's switches as one set of settings, and
// back.
Settings SettingsOf(const SettingsChoices &choices, bool loupe, SampleSize sampleSize);
SettingsChoices ChoicesOf(const Settings &settings, bool keepSettings);

class KeptSettings : private SettingsEffects {
  public:
    KeptSettings(SettingsSwitch &settings, TrayHome &tray, Eyedropper &eyedropper, Form &form,
                 Loupe &loupe);
    KeptSettings(const KeptSettings &) = delete;
    KeptSettings &operator=(const KeptSettings &) = delete;

    // Takes over the switch's effects and watches the settings' changes.
    void Attach(HWND window);
    // Reads the kept settings and puts them into effect; never stops the start: what
    // cannot be done is said and left off.
    void Restore();

  private:
    void SetResident(bool on) override;
    void SetStartWithWindows(bool on) override;
    void SetKeeping(bool on, const SettingsChoices &now) override;
    // Writes the settings as they are now, while keeping is on.
    void Keep();
    Settings Now() const;

    SettingsSwitch &settings_;
    TrayHome &tray_;
    Eyedropper &eyedropper_;
    Form &form_;
    Loupe &loupe_;
    HWND window_;
    KeptSettingsFile file_;
    SettingsKeeping keeping_;
    StartupEntry startup_;
    // While the kept settings are put into effect: nothing is written back then, so
    // that a file the user mistyped is left alone, and a hotkey another program holds
    // for the moment is not kept as switched off.
    bool restoring_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_FORM_KEPT_SETTINGS_H

// "設定…" in the window's system menu and what the dialog's choices do to the
// window: the pick's hotkey registered or let go. Its command and the hotkey's id are
// kept here, apart from the other items', until one place numbers them all.
#ifndef TINTWELL_PICKER_WIN32_FORM_SETTINGS_SWITCH_H
#define TINTWELL_PICKER_WIN32_FORM_SETTINGS_SWITCH_H

#include <windows.h>

#include "settings_dialog.h"
#include "window_base.h"

namespace tintwell::win32 {

// The item's command, a multiple of 16 below 0xF000 as system commands must be.
constexpr UINT kSettingsCommand = 0x0130;
// The id the pick's hotkey is registered under, in WM_HOTKEY's wParam.
constexpr int kPickHotkeyId = 1;

class SettingsSwitch : public MessageOwner {
  public:
    explicit SettingsSwitch(HINSTANCE instance);
    SettingsSwitch(const SettingsSwitch &) = delete;
    SettingsSwitch &operator=(const SettingsSwitch &) = delete;

    // Adds the item just above the item of the command `before`.
    void Attach(HWND window, UINT before);
    // Lets the hotkey go; the window is going.
    void Detach();

    bool OwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;

    const SettingsChoices &choices() const { return choices_; }
    // Puts the choices into effect. What cannot be done is said in a message and
    // left off (a hotkey another program has stays unticked); the rest goes on.
    void Apply(const SettingsChoices &wanted);

  private:
    void Open();
    void ApplyHotkey(const SettingsChoices &wanted);

    HINSTANCE instance_;
    HWND window_;
    SettingsChoices choices_;
    bool hotkeyRegistered_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_FORM_SETTINGS_SWITCH_H

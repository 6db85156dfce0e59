// "設定…" in the window's system menu and what the dialog's choices do to the
// window: the pick's hotkey registered or let go, and WM_HOTKEY handed on. The other
// choices are kept and told to whoever watches them; this owner puts none of them
// into effect itself.
#ifndef TINTWELL_PICKER_WIN32_FORM_SETTINGS_SWITCH_H
#define TINTWELL_PICKER_WIN32_FORM_SETTINGS_SWITCH_H

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "settings_dialog.h"
#include "system_menu.h"
#include "window_base.h"

namespace tintwell::win32 {

// The id the pick's hotkey is registered under, in WM_HOTKEY's wParam.
constexpr int kPickHotkeyId = 1;

class SettingsSwitch : public MessageOwner {
  public:
    // formatKeys: the formats a pick can copy in, by their keys, asked each time the
    // dialog opens. pressed: the hotkey came.
    SettingsSwitch(HINSTANCE instance, std::function<std::vector<std::string>()> formatKeys,
                   std::function<void()> pressed);
    SettingsSwitch(const SettingsSwitch &) = delete;
    SettingsSwitch &operator=(const SettingsSwitch &) = delete;
    ~SettingsSwitch() { Detach(); }

    void Attach(HWND window, SystemMenu &menu);
    // Lets the hotkey go; the window is going.
    void Detach();

    bool OwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;

    const SettingsChoices &choices() const { return choices_; }
    // The hotkey as registered now; key 0 when none is.
    HotkeyCombo registeredHotkey() const;
    // Called after the choices changed, with them as they now are (a hotkey that
    // could not be registered shows unticked).
    void WatchChoices(std::function<void(const SettingsChoices &)> watcher) {
        watcher_ = std::move(watcher);
    }
    // Puts the choices into effect. What cannot be done is said in a message and
    // left off (a hotkey another program has stays unticked); the rest goes on.
    void Apply(const SettingsChoices &wanted);

  private:
    void Open();
    void ApplyHotkey(const SettingsChoices &wanted);

    HINSTANCE instance_;
    std::function<std::vector<std::string>()> formatKeys_;
    std::function<void()> pressed_;
    std::function<void(const SettingsChoices &)> watcher_;
    HWND window_;
    SettingsChoices choices_;
    bool hotkeyRegistered_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_FORM_SETTINGS_SWITCH_H

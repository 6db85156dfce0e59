// "設定…" in the window's system menu and what the dialog's choices do to the
// window: the pick's hotkey registered or let go, and WM_HOTKEY handed on. The
// notification icon, the start with Windows and the settings file are put into
// effect by SettingsEffects, each only when its choice changed, so that nothing is
// registered, read or written for a choice the user never made.
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

// What the last three boxes do. Each throws PickerError saying what did not happen
// and why; the box then stays as it was.
class SettingsEffects {
  public:
    virtual void SetResident(bool on) = 0;
    virtual void SetStartWithWindows(bool on) = 0;
    // `now`: the choices as they are in effect, for the file that keeping on writes.
    virtual void SetKeeping(bool on, const SettingsChoices &now) = 0;

  protected:
    ~SettingsEffects() = default;
};

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
    void SetEffects(SettingsEffects &effects) { effects_ = &effects; }
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
    // At start: the kept choices put into effect, the settings file (whose presence
    // is keepSettings) taken as there already.
    void Restore(const SettingsChoices &kept);

  private:
    void Open();
    void ApplyHotkey(const SettingsChoices &wanted);
    // Runs one effect; false, after saying why, when it failed.
    bool Effect(const std::function<void()> &effect);

    HINSTANCE instance_;
    std::function<std::vector<std::string>()> formatKeys_;
    std::function<void()> pressed_;
    std::function<void(const SettingsChoices &)> watcher_;
    SettingsEffects *effects_;
    HWND window_;
    SettingsChoices choices_;
    bool hotkeyRegistered_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_FORM_SETTINGS_SWITCH_H

// The pick from anywhere as one part beside the form, owning what belongs to the
// program rather than to its window: the pick's hotkey, the pick's session, the
// notification icon and the one resident instance, the start with Windows, and the
// kept settings with the dialog that changes them. The form hands it every message
// it may own in one call (OnMessage), by the ranges command_ids.h gives it: the
// hotkey, the pick's and the icon's messages, its timers, TaskbarCreated, a second
// start's call, the session's end, close and minimise.
//
// What the user wants and what is in effect are kept apart by the portable rule
// (SettingsState); this part runs the effects it asks for on the system.
#ifndef TINTWELL_PICKER_WIN32_FORM_PICK_FROM_ANYWHERE_H
#define TINTWELL_PICKER_WIN32_FORM_PICK_FROM_ANYWHERE_H

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "colour_word.h"
#include "eyedropper.h"
#include "form.h"
#include "handler_routes.h"
#include "kept_settings_file.h"
#include "loupe.h"
#include "pick_hotkey.h"
#include "screen_pick_session.h"
#include "settings_keeping.h"
#include "settings_state.h"
#include "startup_entry.h"
#include "system_menu.h"
#include "tray_home.h"

namespace tintwell::win32 {

class PickFromAnywhere : private SettingsEffects {
  public:
    PickFromAnywhere(HINSTANCE instance, Form &form, Loupe &loupe, Eyedropper &eyedropper,
                     HandlerRunner &runner);
    PickFromAnywhere(const PickFromAnywhere &) = delete;
    PickFromAnywhere &operator=(const PickFromAnywhere &) = delete;

    void Attach(HWND window, HICON icon, SystemMenu &menu);
    // Everything let go before the window goes: the pick, its hooks, the hotkey, the
    // icon and the mark.
    void Detach();

    // At start: the kept settings read and put into effect. Throws PickerError
    // saying what did not happen; the rest is in effect then.
    void Start();
    // Another instance was found resident at start: this one should end.
    bool anotherIsResident() const { return tray_.markElsewhere(); }
    // The window hides rather than closes.
    bool resident() const { return tray_.resident(); }
    // The tooltip for the colour the window shows now; cheap when it is unchanged.
    void ShowTip(std::optional<ColorRef> shown) { tray_.ShowTip(shown); }

    // True when the message was this part's; `result` is then its answer.
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result);

  private:
    bool TakeHotkey(const HotkeyCombo &combo) override;
    void LetHotkeyGo() override { hotkey_.LetGo(); }
    void ShowIcon(bool on) override;
    bool RunValuePresent() override { return startup_.IsSet(); }
    void SetRunValue(bool on) override { startup_.Set(on); }

    void OpenSettings();
    // The system menu's switches changed.
    void KeepSwitches();
    void Change(const WantedSettings &wanted);
    // What did not happen, through the one failure report.
    void Say(const std::vector<std::string> &failures);
    void OnRetryTimer();

    HINSTANCE instance_;
    Form &form_;
    Loupe &loupe_;
    Eyedropper &eyedropper_;
    HandlerRunner &runner_;
    HWND window_;
    KeptSettingsFile file_;
    SettingsKeeping keeping_;
    StartupEntry startup_;
    PickHotkey hotkey_;
    TrayHome tray_;
    SettingsState state_;
    ScreenPickSession screenPick_;
    // While the kept settings are put into effect: the switches they restore are no
    // change of the user's.
    bool starting_;
    int retriesLeft_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_FORM_PICK_FROM_ANYWHERE_H

// The settings of the pick from anywhere in two halves: what the user wants (kept in
// the settings file, shown in the dialog) and what is in effect (the hotkey
// registered, the icon shown, the Run value there, the file on). The rule here
// decides from both which effects to run at each moment and when to try again:
//
//   start            everything wanted is tried; what fails is said once and stays
//                    wanted (the file still says so): the icon is tried again when
//                    the notification area is made anew and a little later, the
//                    hotkey at the next start;
//   a change         only what the change is about is run; a refused change is said
//                    and the setting stays as the user had it before, the working
//                    hotkey among them (the new one is taken before the old goes);
//   TaskbarCreated   the icon, when wanted, is shown again (the old one went with the
//                    notification area);
//   later            the icon, when wanted and not yet shown, is tried again quietly.
//
// A failure to take something never changes what the user wants. The Run value is
// read at start and is what the dialog shows, so a value left there is never unseen.
#ifndef TINTWELL_PICKER_KEEPING_SETTINGS_STATE_H
#define TINTWELL_PICKER_KEEPING_SETTINGS_STATE_H

#include <optional>
#include <string>
#include <vector>

#include "hotkey_combo.h"
#include "settings.h"
#include "settings_keeping.h"

namespace tintwell {

struct WantedSettings {
    Settings settings;
    // "設定を保存する": the settings file is there.
    bool keep = false;

    friend bool operator==(const WantedSettings &a, const WantedSettings &b) {
        return a.settings == b.settings && a.keep == b.keep;
    }
};

struct SettingsInEffect {
    // The hotkey registered now.
    std::optional<HotkeyCombo> hotkey;
    bool icon = false;
    bool runValue = false;
};

// What the system does for the settings. Each failure but the hotkey's throws
// PickerError saying what did not happen and why.
class SettingsEffects {
  public:
    // Registers the combination; only once it is taken is any other registered one
    // let go, so that a refusal leaves the working one as it was. False when another
    // program holds it.
    virtual bool TakeHotkey(const HotkeyCombo &combo) = 0;
    virtual void LetHotkeyGo() = 0;
    virtual void ShowIcon(bool on) = 0;
    virtual bool RunValuePresent() = 0;
    virtual void SetRunValue(bool on) = 0;

  protected:
    ~SettingsEffects() = default;
};

class SettingsState {
  public:
    SettingsState(SettingsEffects &effects, SettingsKeeping &keeping);
    SettingsState(const SettingsState &) = delete;
    SettingsState &operator=(const SettingsState &) = delete;

    const WantedSettings &wanted() const { return wanted_; }
    const SettingsInEffect &inEffect() const { return inEffect_; }
    // The icon is wanted but does not show: worth another try later.
    bool IconOwed() const { return wanted_.settings.resident && !inEffect_.icon; }

    // Both return what did not happen, one text each, for the user; empty when
    // everything did.
    // At start: reads the file and the Run value, and puts what is wanted into effect.
    std::vector<std::string> Start();
    // The user changed what is wanted, in the dialog or the system menu.
    std::vector<std::string> Change(WantedSettings wanted);
    // The quiet moments, which say nothing: what failed was said at start. Both are
    // true when the icon shows afterwards, or is not wanted.
    bool TaskbarCreated();
    bool Later();
    // Everything let go, the window is going; what is wanted stays as it is.
    void Stop();

  private:
    void ChangeHotkey(const WantedSettings &before, WantedSettings &wanted,
                      std::vector<std::string> &failures);
    void ChangeIcon(const WantedSettings &before, WantedSettings &wanted,
                    std::vector<std::string> &failures);
    void ChangeRunValue(const WantedSettings &before, WantedSettings &wanted,
                        std::vector<std::string> &failures);
    void ChangeKeeping(const WantedSettings &before, WantedSettings &wanted,
                       std::vector<std::string> &failures);
    // Shows the icon; the reason it could not, or nothing.
    std::optional<std::string> TryIcon();

    SettingsEffects &effects_;
    SettingsKeeping &keeping_;
    WantedSettings wanted_;
    SettingsInEffect inEffect_;
};

}  // namespace tintwell

#endif  // TINTWELL_PICKER_KEEPING_SETTINGS_STATE_H

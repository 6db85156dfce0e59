#include "settings_state.h"

#include <exception>
#include <utility>

#include "colour_word.h"
#include "user_texts.h"

namespace tintwell {

namespace {

// The hotkey the settings ask for; none while its box is clear.
std::optional<HotkeyCombo> HotkeyOf(const Settings &settings) {
    if (!settings.hotkeyEnabled) return std::nullopt;
    return settings.hotkey;
}

}  // namespace

SettingsState::SettingsState(SettingsEffects &effects, SettingsKeeping &keeping)
    : effects_(effects), keeping_(keeping), wanted_(), inEffect_() {}

std::optional<std::string> SettingsState::TryIcon() {
    try {
        effects_.ShowIcon(true);
        inEffect_.icon = true;
        return std::nullopt;
    } catch (const std::exception &error) {
        return FailureMessage(error);
    }
}

std::vector<std::string> SettingsState::Start() {
    std::vector<std::string> failures;
    try {
        wanted_.settings = keeping_.Start();
    } catch (const std::exception &error) {
        wanted_.settings = Settings{};
        failures.push_back(FailureMessage(error));
    }
    wanted_.keep = keeping_.on();
    // The registry, not the file, says whether the program starts with Windows.
    try {
        inEffect_.runValue = effects_.RunValuePresent();
    } catch (const std::exception &) {
        inEffect_.runValue = false;
    }
    wanted_.settings.startWithWindows = inEffect_.runValue;

    // The icon first: it stands for the one resident instance, which a second start
    // at the same moment must not take the hotkey from.
    if (wanted_.settings.resident) {
        if (const std::optional<std::string> why = TryIcon()) {
            failures.push_back(*why + "\n" + messages::kTrayIconLater);
        }
    }
    if (const std::optional<HotkeyCombo> hotkey = HotkeyOf(wanted_.settings)) {
        if (effects_.TakeHotkey(*hotkey)) {
            inEffect_.hotkey = hotkey;
        } else {
            failures.push_back(messages::KeptHotkeyTakenMessage(HotkeyText(*hotkey)));
        }
    }
    return failures;
}

std::vector<std::string> SettingsState::Change(WantedSettings wanted) {
    const WantedSettings before = wanted_;
    std::vector<std::string> failures;
    ChangeHotkey(before, wanted, failures);
    ChangeIcon(before, wanted, failures);
    ChangeRunValue(before, wanted, failures);
    // Last, so that the file holds what the others came to.
    ChangeKeeping(before, wanted, failures);
    wanted_ = std::move(wanted);
    return failures;
}

void SettingsState::ChangeHotkey(const WantedSettings &before, WantedSettings &wanted,
                                 std::vector<std::string> &failures) {
    const std::optional<HotkeyCombo> asked = HotkeyOf(wanted.settings);
    // One that could not be had at start waits for the next start, unless the user
    // asks for it anew.
    if (asked == HotkeyOf(before.settings) || asked == inEffect_.hotkey) return;
    if (!asked) {
        effects_.LetHotkeyGo();
        inEffect_.hotkey.reset();
        return;
    }
    if (effects_.TakeHotkey(*asked)) {
        inEffect_.hotkey = asked;
        return;
    }
    failures.push_back(inEffect_.hotkey ? messages::HotkeyKeptMessage(HotkeyText(*asked),
                                                                      HotkeyText(*inEffect_.hotkey))
                                        : messages::HotkeyTakenMessage(HotkeyText(*asked)));
    wanted.settings.hotkeyEnabled = before.settings.hotkeyEnabled;
    wanted.settings.hotkey = before.settings.hotkey;
}

void SettingsState::ChangeIcon(const WantedSettings &before, WantedSettings &wanted,
                               std::vector<std::string> &failures) {
    const bool asked = wanted.settings.resident;
    if (asked == before.settings.resident || asked == inEffect_.icon) return;
    if (!asked) {
        effects_.ShowIcon(false);
        inEffect_.icon = false;
        return;
    }
    if (const std::optional<std::string> why = TryIcon()) {
        failures.push_back(*why);
        wanted.settings.resident = before.settings.resident;
    }
}

void SettingsState::ChangeRunValue(const WantedSettings &before, WantedSettings &wanted,
                                   std::vector<std::string> &failures) {
    // A program that is not resident is not started at logon, whatever was asked;
    // a value that is there all the same stays ticked until the user unticks it.
    if (!wanted.settings.resident && !inEffect_.runValue) wanted.settings.startWithWindows = false;
    const bool asked = StartsWithWindows(wanted.settings);
    const bool touched = wanted.settings.startWithWindows != before.settings.startWithWindows ||
                         wanted.settings.resident != before.settings.resident;
    if (!touched || asked == inEffect_.runValue) return;
    try {
        effects_.SetRunValue(asked);
        inEffect_.runValue = asked;
    } catch (const std::exception &error) {
        failures.push_back(FailureMessage(error));
    }
    wanted.settings.startWithWindows = inEffect_.runValue;
}

void SettingsState::ChangeKeeping(const WantedSettings &before, WantedSettings &wanted,
                                  std::vector<std::string> &failures) {
    try {
        if (wanted.keep != before.keep) {
            keeping_.Switch(wanted.keep, wanted.settings);
        } else {
            keeping_.Keep(wanted.settings);
        }
    } catch (const std::exception &error) {
        failures.push_back(FailureMessage(error));
    }
    wanted.keep = keeping_.on();
}

bool SettingsState::TaskbarCreated() {
    inEffect_.icon = false;
    return Later();
}

bool SettingsState::Later() {
    if (IconOwed()) TryIcon();
    return !IconOwed();
}

void SettingsState::Stop() {
    if (inEffect_.hotkey) effects_.LetHotkeyGo();
    inEffect_.hotkey.reset();
    if (inEffect_.icon) effects_.ShowIcon(false);
    inEffect_.icon = false;
}

}  // namespace tintwell

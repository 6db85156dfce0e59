#include "settings_switch.h"

#include <exception>
#include <string>
#include <utility>

#include "command_ids.h"
#include "control_layout.h"
#include "failure_report.h"
#include "hotkey_combo.h"
#include "text_conversion.h"
#include "text_encoding.h"
#include "user_texts.h"

namespace tintwell::win32 {

namespace {

void Tell(HWND window, const std::string &message) {
    TellUser(window, Notice{message, NoticeLook::Failure});
}

}  // namespace

SettingsSwitch::SettingsSwitch(HINSTANCE instance,
                               std::function<std::vector<std::string>()> formatKeys,
                               std::function<void()> pressed)
    : instance_(instance),
      formatKeys_(std::move(formatKeys)),
      pressed_(std::move(pressed)),
      watcher_(),
      effects_(nullptr),
      window_(nullptr),
      choices_(),
      hotkeyRegistered_(false) {}

void SettingsSwitch::Attach(HWND window, SystemMenu &menu) {
    window_ = window;
    menu.Add({kSettingsCommand, captions::kSettingsItem, nullptr, [this] { Open(); }});
}

void SettingsSwitch::Detach() {
    if (hotkeyRegistered_) UnregisterHotKey(window_, kPickHotkeyId);
    hotkeyRegistered_ = false;
}

HotkeyCombo SettingsSwitch::registeredHotkey() const {
    return hotkeyRegistered_ ? choices_.hotkey : HotkeyCombo{};
}

bool SettingsSwitch::OwnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT &result) {
    if (message != WM_HOTKEY || static_cast<int>(wParam) != kPickHotkeyId) return false;
    if (hotkeyRegistered_ && pressed_) pressed_();
    result = 0;
    return true;
}

void SettingsSwitch::Open() {
    const std::vector<std::string> keys = formatKeys_ ? formatKeys_() : std::vector<std::string>{};
    if (const auto wanted = ShowSettingsDialog(instance_, window_, choices_, keys)) Apply(*wanted);
}

void SettingsSwitch::Apply(const SettingsChoices &wanted) {
    const SettingsChoices before = choices_;
    ApplyHotkey(wanted);
    choices_.hotkey = wanted.hotkey;
    choices_.pickFormat = wanted.pickFormat;
    if (effects_ != nullptr) {
        if (wanted.resident != choices_.resident &&
            Effect([&] { effects_->SetResident(wanted.resident); })) {
            choices_.resident = wanted.resident;
        }
        // A program that is not resident is not started at logon, whatever was asked.
        const bool start = choices_.resident && wanted.startWithWindows;
        if (start != choices_.startWithWindows &&
            Effect([&] { effects_->SetStartWithWindows(start); })) {
            choices_.startWithWindows = start;
        }
        // Last, so that a file that starts now holds what the others came to.
        if (wanted.keepSettings != choices_.keepSettings) {
            SettingsChoices now = choices_;
            now.keepSettings = wanted.keepSettings;
            if (Effect([&] { effects_->SetKeeping(wanted.keepSettings, now); })) {
                choices_.keepSettings = wanted.keepSettings;
            }
        }
    }
    if (watcher_ && !(choices_ == before)) watcher_(choices_);
}

void SettingsSwitch::Restore(const SettingsChoices &kept) {
    choices_.keepSettings = kept.keepSettings;
    Apply(kept);
}

bool SettingsSwitch::Effect(const std::function<void()> &effect) {
    try {
        effect();
        return true;
    } catch (const std::exception &error) {
        Tell(window_, FailureMessage(error));
        return false;
    }
}

void SettingsSwitch::ApplyHotkey(const SettingsChoices &wanted) {
    const bool same = hotkeyRegistered_ == wanted.pickHotkey && choices_.hotkey == wanted.hotkey;
    if (same) return;
    if (hotkeyRegistered_) UnregisterHotKey(window_, kPickHotkeyId);
    hotkeyRegistered_ = false;
    choices_.pickHotkey = false;
    if (!wanted.pickHotkey) return;
    // MOD_NOREPEAT: a held hotkey must not start and cancel a pick over and over.
    if (RegisterHotKey(window_, kPickHotkeyId, RegisterHotKeyModifiers(wanted.hotkey),
                       wanted.hotkey.key)) {
        hotkeyRegistered_ = true;
        choices_.pickHotkey = true;
        return;
    }
    Tell(window_, messages::HotkeyTakenMessage(HotkeyText(wanted.hotkey)));
}

}  // namespace tintwell::win32

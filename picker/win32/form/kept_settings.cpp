#include "kept_settings.h"

#include <exception>
#include <string>

#include "control_layout.h"
#include "failure_report.h"
#include "text_conversion.h"
#include "text_encoding.h"
#include "user_texts.h"

namespace tintwell::win32 {

Settings SettingsOf(const SettingsChoices &choices, bool loupe, SampleSize sampleSize) {
    Settings settings;
    settings.hotkeyEnabled = choices.pickHotkey;
    settings.hotkey = choices.hotkey;
    settings.pickFormat = choices.pickFormat;
    settings.resident = choices.resident;
    settings.startWithWindows = choices.startWithWindows;
    settings.loupe = loupe;
    settings.sampleSize = sampleSize;
    return settings;
}

SettingsChoices ChoicesOf(const Settings &settings, bool keepSettings) {
    SettingsChoices choices;
    choices.pickHotkey = settings.hotkeyEnabled;
    choices.hotkey = settings.hotkey;
    choices.pickFormat = settings.pickFormat;
    choices.resident = settings.resident;
    choices.startWithWindows = StartsWithWindows(settings);
    choices.keepSettings = keepSettings;
    return choices;
}

KeptSettings::KeptSettings(SettingsSwitch &settings, TrayHome &tray, Eyedropper &eyedropper,
                           Form &form, Loupe &loupe)
    : settings_(settings),
      tray_(tray),
      eyedropper_(eyedropper),
      form_(form),
      loupe_(loupe),
      window_(nullptr),
      file_(),
      keeping_(file_),
      startup_(),
      restoring_(false) {}

void KeptSettings::Attach(HWND window) {
    window_ = window;
    settings_.SetEffects(*this);
    settings_.WatchChoices([this](const SettingsChoices &) { Keep(); });
    eyedropper_.WatchSwitches([this] { Keep(); });
}

void KeptSettings::Restore() {
    const Settings kept = keeping_.Start();
    restoring_ = true;
    eyedropper_.Restore(kept.loupe, kept.sampleSize);
    settings_.Restore(ChoicesOf(kept, keeping_.on()));
    restoring_ = false;
}

void KeptSettings::SetResident(bool on) {
    tray_.SetResident(on);
}

void KeptSettings::SetStartWithWindows(bool on) {
    startup_.Set(on);
}

void KeptSettings::SetKeeping(bool on, const SettingsChoices &now) {
    keeping_.Switch(on, SettingsOf(now, loupe_.switchedOn(), form_.sampleSize()));
}

Settings KeptSettings::Now() const {
    return SettingsOf(settings_.choices(), loupe_.switchedOn(), form_.sampleSize());
}

void KeptSettings::Keep() {
    if (restoring_) return;
    try {
        keeping_.Keep(Now());
    } catch (const std::exception &error) {
        TellFailure(window_, error);
    }
}

}  // namespace tintwell::win32

// What the program keeps between starts once the user has changed a setting: the
// pick from anywhere (its hotkey, the format it copies in, the notification icon,
// starting with Windows) and the eyedropper's switches from the system menu. The
// defaults are the program as it starts without a settings file.
#ifndef TINTWELL_PICKER_KEEPING_SETTINGS_H
#define TINTWELL_PICKER_KEEPING_SETTINGS_H

#include <string>

#include "hotkey_combo.h"
#include "pick_format.h"
#include "sample_size.h"

namespace tintwell {

struct Settings {
    bool hotkeyEnabled = false;
    // Always acceptable (IsAcceptableHotkey).
    HotkeyCombo hotkey = kDefaultHotkey;
    // Always a valid key (IsValidPickFormatKey), perhaps of a format not on offer
    // now (PickFormatIndex then falls back).
    std::string pickFormat = kDefaultPickFormatKey;
    // Stay in the notification area when the window closes.
    bool resident = false;
    // Whether the Run value is there: read from the registry at each start, so
    // that the file never hides a value left behind (SettingsState); in effect
    // only while resident, see StartsWithWindows.
    bool startWithWindows = false;
    // The system menu's "拡大鏡" and "サンプル範囲".
    bool loupe = false;
    SampleSize sampleSize = SampleSize::OnePixel;

    friend bool operator==(const Settings &a, const Settings &b) {
        return a.hotkeyEnabled == b.hotkeyEnabled && a.hotkey == b.hotkey &&
               a.pickFormat == b.pickFormat && a.resident == b.resident &&
               a.startWithWindows == b.startWithWindows && a.loupe == b.loupe &&
               a.sampleSize == b.sampleSize;
    }
    friend bool operator!=(const Settings &a, const Settings &b) { return !(a == b); }
};

// Whether the Run value should be there: a program that leaves the notification
// area when its window closes has nothing to start into at logon.
inline bool StartsWithWindows(const Settings &settings) {
    return settings.resident && settings.startWithWindows;
}

}  // namespace tintwell

#endif  // TINTWELL_PICKER_KEEPING_SETTINGS_H

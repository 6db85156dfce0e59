// Keeping the settings between starts in settings.ini, by the rule of a kept file
// (kept_file.h), the same as the history's: keeping is on exactly while the file is
// there, and a file that is there but cannot be read at all (held open by another
// program, or larger than a settings file ever is) is never written over: keeping
// stays off for the session and the user is told. A file that can be read but holds
// lines that cannot is left as it is until the user changes a setting, so that a
// file mistyped in an editor is not replaced behind the user's back at every start.
#ifndef TINTWELL_PICKER_KEEPING_SETTINGS_KEEPING_H
#define TINTWELL_PICKER_KEEPING_SETTINGS_KEEPING_H

#include <cstddef>
#include <string>

#include "kept_file.h"
#include "settings.h"

namespace tintwell {

// Settings files larger than this are not settings files.
inline constexpr size_t kSettingsByteLimit = 64 * 1024;

using SettingsStore = KeptFileStore;

class SettingsKeeping {
  public:
    explicit SettingsKeeping(SettingsStore &store);
    SettingsKeeping(const SettingsKeeping &) = delete;
    SettingsKeeping &operator=(const SettingsKeeping &) = delete;

    bool on() const { return file_.on(); }
    // The settings as last read or written.
    const Settings &settings() const { return settings_; }

    // At start: the file's settings while it is there (defaults for what cannot be
    // read), the defaults without it. A file that cannot be used at all leaves
    // keeping off and throws PickerError saying why; the defaults hold then.
    Settings Start();
    // The settings the user wants now, after a change. Written only while keeping is
    // on and only when they differ from what the file was last known to hold
    // (KeptFile::Keep).
    void Keep(const Settings &wanted);
    // The user's switch (KeptFile::Switch): on writes the settings wanted now.
    void Switch(bool on, const Settings &wanted);

  private:
    KeptFile file_;
    Settings settings_;
};

}  // namespace tintwell

#endif  // TINTWELL_PICKER_KEEPING_SETTINGS_KEEPING_H

// Keeping the settings between starts, as a switch that follows the settings file:
// keeping is on exactly while the file is there, so the user's "off" deletes it, and
// another instance's "off" holds here too. Reading never stops a start: what cannot
// be read takes its default. A damaged file is left as it is until the user changes
// a setting, so a file a user mistyped in an editor is not replaced behind their
// back at every start. The file itself is a SettingsStore, so the rules run the same
// on the system's files and in tests.
#ifndef TINTWELL_PICKER_KEEPING_SETTINGS_KEEPING_H
#define TINTWELL_PICKER_KEEPING_SETTINGS_KEEPING_H

#include <string>

#include "settings.h"

namespace tintwell {

// Settings files larger than this are not settings files.
inline constexpr size_t kSettingsByteLimit = 64 * 1024;

class SettingsStore {
  public:
    struct Found {
        enum class Look { Missing, Read, CannotRead };
        Look look;
        std::string bytes;
    };
    enum class Outcome { Written, Gone, Failed };

    // Reads the file whole when it holds at most kSettingsByteLimit bytes; a larger
    // one counts as one that cannot be read.
    virtual Found Read() = 0;
    // Writes the file whole while it is still there: Written, Gone or Failed.
    virtual Outcome Replace(const std::string &bytes) = 0;
    // Writes the file whole, there or not, making its folders first.
    virtual bool Create(const std::string &bytes) = 0;
    // True when the file is gone, or never was.
    virtual bool Remove() = 0;
    // The file's path, UTF-8, for messages.
    virtual std::string Where() = 0;
    // Why the last write or removal failed, in the user's words; empty when the
    // system did not say.
    virtual std::string WhyFailed() = 0;

  protected:
    ~SettingsStore() = default;
};

class SettingsKeeping {
  public:
    explicit SettingsKeeping(SettingsStore &store);
    SettingsKeeping(const SettingsKeeping &) = delete;
    SettingsKeeping &operator=(const SettingsKeeping &) = delete;

    bool on() const { return on_; }
    // The settings as last read, kept or switched: what the window starts from
    // before it puts in what it holds itself.
    const Settings &settings() const { return settings_; }

    // At start: the file's settings while it is there (defaults for what cannot be
    // read), the defaults without it. Never throws.
    Settings Start();
    // The settings as they are now, after the user changed something. Written only
    // while keeping is on and only when they differ from what the file was last
    // known to hold. A file found gone turns keeping off without a word; a write that
    // fails throws PickerError with keeping still on.
    void Keep(const Settings &now);
    // The user's switch. On writes the settings now; off deletes the file. Throws
    // PickerError when that fails, with the switch as it was.
    void Switch(bool on, const Settings &now);

  private:
    [[noreturn]] void NotWritten();

    SettingsStore &store_;
    bool on_;
    Settings settings_;
};

}  // namespace tintwell

#endif  // TINTWELL_PICKER_KEEPING_SETTINGS_KEEPING_H

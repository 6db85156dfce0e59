// The Run value that starts the program at logon (run_value.h says what it holds):
// written and removed only at the user's word, in HKEY_CURRENT_USER, so that no
// other user's start changes.
#ifndef TINTWELL_PICKER_WIN32_STARTUP_ENTRY_H
#define TINTWELL_PICKER_WIN32_STARTUP_ENTRY_H

#include <windows.h>

#include <string>

namespace tintwell::win32 {

class StartupEntry {
  public:
    // For the program at `exePath`; the running program's own path when empty.
    explicit StartupEntry(std::wstring exePath = std::wstring());

    // Writes the value for this program (also over one left by a copy elsewhere), or
    // removes it; a value that is already as wanted is left alone. Throws PickerError
    // saying what did not happen and why.
    void Set(bool on);
    // Whether the value is there and starts this program.
    bool IsSet() const;

  private:
    std::wstring exePath_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_STARTUP_ENTRY_H

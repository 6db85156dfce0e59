// The Run value that starts the program at logon (run_value.h says what it holds):
// written and removed only at the user's word, in HKEY_CURRENT_USER, so that no
// other user's start changes.
#ifndef TINTWELL_PICKER_WIN32_STARTUP_ENTRY_H
#define TINTWELL_PICKER_WIN32_STARTUP_ENTRY_H

#include <windows.h>

#include <optional>
#include <string>

#include "system_library.h"

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
    bool IsSet();

  private:
    // The value's text; empty when it is not there or is not text.
    std::optional<std::wstring> Read();
    void Write();
    void Delete();

    std::wstring exePath_;
    SystemLibrary advapi32_;
    BoundFunction<LSTATUS(WINAPI *)(HKEY, LPCWSTR, DWORD, REGSAM, PHKEY)> openKey_;
    BoundFunction<LSTATUS(WINAPI *)(HKEY, LPCWSTR, DWORD, LPWSTR, DWORD, REGSAM,
                                    const LPSECURITY_ATTRIBUTES, PHKEY, LPDWORD)>
        createKey_;
    BoundFunction<LSTATUS(WINAPI *)(HKEY, LPCWSTR, LPDWORD, LPDWORD, LPBYTE, LPDWORD)> queryValue_;
    BoundFunction<LSTATUS(WINAPI *)(HKEY, LPCWSTR, DWORD, DWORD, const BYTE *, DWORD)> setValue_;
    BoundFunction<LSTATUS(WINAPI *)(HKEY, LPCWSTR)> deleteValue_;
    BoundFunction<LSTATUS(WINAPI *)(HKEY)> closeKey_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_STARTUP_ENTRY_H

// The registry value that starts the program at logon while it is resident and the
// user wants it started with Windows (StartsWithWindows): under HKEY_CURRENT_USER,
// key kRunKeyPath, value kRunValueName, of type REG_SZ (so nothing in the path is
// expanded), holding the quoted full path of tintwell.exe and the tray argument:
//   "C:\Program Files\Tintwell\tintwell.exe" /tray
// Paths are UTF-16, as GetModuleFileNameW gives them and the registry keeps them.
#ifndef TINTWELL_PICKER_KEEPING_RUN_VALUE_H
#define TINTWELL_PICKER_KEEPING_RUN_VALUE_H

#include <optional>
#include <string>
#include <string_view>

namespace tintwell {

inline constexpr const char16_t *kRunKeyPath = u"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char16_t *kRunValueName = u"Tintwell";

// The value's text; empty for a path that could start something else or nothing at
// logon: not a full path (a drive's "X:\" or a share's "\\server\"), ending in a
// separator, blank or dot, or holding a character no Windows file name has (quotes
// above all: a quote would end the quoted path early and let the rest of the path
// run as the program). A "\\?\" path is refused too: not every starter takes it.
// The window then says that it cannot register the start.
std::optional<std::u16string> RunValueText(std::u16string_view exePath);

// Whether a value found under the Run key starts this program from `exePath`, the
// path compared without regard to ASCII case, as Windows compares paths. A value
// left by a copy elsewhere is not this program's and should be written again.
bool IsRunValueFor(std::u16string_view value, std::u16string_view exePath);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_KEEPING_RUN_VALUE_H

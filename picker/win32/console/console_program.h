// tintwell-cli from its arguments to its exit code: the request read from the command
// line, the colour found (a pick, a screen read or a colour text), the clipboard when
// asked, the line on standard output; anything wrong is said on standard error and
// nothing is written to standard output. Opens no window of the picker, takes neither
// its one-instance mark nor its hotkey, so it runs beside a picker that runs.
#ifndef TINTWELL_PICKER_WIN32_CONSOLE_CONSOLE_PROGRAM_H
#define TINTWELL_PICKER_WIN32_CONSOLE_CONSOLE_PROGRAM_H

#include <windows.h>

#include <string>
#include <vector>

namespace tintwell::win32 {

// `arguments`: UTF-8, without the program's own name; `version`: the program's.
int RunConsolePicker(HINSTANCE instance, const std::vector<std::string> &arguments,
                     const std::string &version);

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_CONSOLE_CONSOLE_PROGRAM_H

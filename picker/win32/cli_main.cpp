// tintwell-cli.exe: the console picker for scripts. Everything it does is in
// RunConsolePicker; this is where the command line arrives as the system split it.
#include <windows.h>

#include <string>
#include <vector>

#include "console_program.h"
#include "text_conversion.h"

int wmain(int argc, wchar_t **argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) arguments.push_back(tintwell::win32::Utf8FromWide(argv[i]));
    return tintwell::win32::RunConsolePicker(GetModuleHandleW(nullptr), arguments,
                                             TINTWELL_VERSION);
}

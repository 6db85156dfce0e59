// tintwell.exe: the colour picker. Its only window is Form1; everything happens in
// its handlers. A start beside a resident instance shows that one's window instead.
#include <windows.h>

#include <commctrl.h>
#include <stdlib.h>

#include <exception>
#include <string>
#include <vector>

#include "control_layout.h"
#include "form_window.h"
#include "resident_instance.h"
#include "start_arguments.h"
#include "startup_entry.h"
#include "text_conversion.h"

namespace {

// The C runtime's split of the command line, which follows the same rules as
// CommandLineToArgvW, without the program's own name.
std::vector<std::u16string> StartArguments() {
    std::vector<std::u16string> arguments;
    for (int i = 1; i < __argc && __wargv != nullptr; ++i) {
        arguments.push_back(tintwell::win32::Utf16FromWide(__wargv[i]));
    }
    return arguments;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    const tintwell::StartOptions options = tintwell::ReadStartArguments(StartArguments());
    // The installer's call as it takes the program away: a GUI program, so that no
    // console flashes; a value that starts another copy is that copy's and stays.
    if (options.forgetStart) {
        try {
            tintwell::win32::StartupEntry entry;
            if (entry.IsSet()) entry.Set(false);
        } catch (const std::exception &) {
            return 1;
        }
        return 0;
    }
    if (tintwell::win32::ShowResidentInstance(tintwell::win32::kFormClass)) return 0;

    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    tintwell::win32::FormWindow::RegisterClasses(instance);
    tintwell::win32::FormWindow form(instance);
    if (!form.Start(showCommand, options.tray)) return 1;
    return form.Run();
}

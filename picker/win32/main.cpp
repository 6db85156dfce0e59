// tintwell.exe: the colour picker. Its only window is Form1; everything happens in
// its handlers.
#include <windows.h>

#include <commctrl.h>

#include "form_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    tintwell::win32::FormWindow::RegisterClasses(instance);
    tintwell::win32::FormWindow form(instance);
    if (!form.Start(showCommand)) return 1;
    return form.Run();
}

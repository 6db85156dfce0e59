#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "program_folder.h"

#include "e2e_config.h"

namespace e2e {

namespace {

Config config;

// The driver reads places and pixels as the screen has them, whatever its scale: a
// DPI-unaware driver would be handed coordinates scaled to 96 dpi.
void BecomeDpiAware() {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    using SetContext = BOOL(WINAPI *)(DPI_AWARENESS_CONTEXT);
    auto setContext = reinterpret_cast<SetContext>(
        reinterpret_cast<void (*)()>(GetProcAddress(user32, "SetProcessDpiAwarenessContext")));
    if (setContext != nullptr && setContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2)) return;
    SetProcessDPIAware();
}

}  // namespace

const Config &TheConfig() {
    return config;
}

}  // namespace e2e

int main(int argc, char **argv) {
    e2e::BecomeDpiAware();
    testing::InitGoogleTest(&argc, argv);
    if (argc != 6) {
        std::fprintf(stderr,
                     "usage: tintwell_e2e TINTWELL.EXE DYEPLATE.DLL "
                     "DLL-WITHOUT-GetColor DLL-WITHOUT-GetColor2 DLL-WITHOUT-DrawColorTable2\n");
        return 2;
    }
    e2e::config.picker = testsupport::WindowsPath(argv[1]);
    e2e::config.library = testsupport::WindowsPath(argv[2]);
    e2e::config.libraryWithoutGetColor = testsupport::WindowsPath(argv[3]);
    e2e::config.libraryWithoutGetColor2 = testsupport::WindowsPath(argv[4]);
    e2e::config.libraryWithoutDrawColorTable2 = testsupport::WindowsPath(argv[5]);
    return RUN_ALL_TESTS();
}

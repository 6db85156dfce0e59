// tintwell_soak.exe: starts tintwell.exe and drives it through a long seeded mix of
// user actions, checking it after each one (see soak_run.h).
//
//   tintwell_soak.exe [--events N] [--seed S] [--pixel-every N] [--reading-every N] [--exe PATH]
//                     [--ring-check 0|1] [--scenario soak|modal-failure]
//                     [--settings-openings N]
//
// tintwell.exe is taken from the soak's own folder unless --exe names the program;
// the lookups that the checks use always come from the dyeplate.dll beside the soak.
// The modal-failure scenario wants a picker whose library lacks GetColor2.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <exception>
#include <string>

#include "colour_window.h"
#include "dyeplate_library.h"
#include "picker_model.h"
#include "program_folder.h"
#include "running_picker.h"
#include "soak_run.h"

int wmain(int argc, wchar_t **argv) {
    soak::SoakOptions options;
    std::wstring exe = testsupport::BesideThisProgram(L"tintwell.exe");
    std::wstring scenario = L"soak";
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::wstring name = argv[i];
        if (name == L"--events")
            options.events = std::wcstol(argv[i + 1], nullptr, 10);
        else if (name == L"--seed")
            options.seed = static_cast<uint32_t>(std::wcstoul(argv[i + 1], nullptr, 10));
        else if (name == L"--pixel-every")
            options.pixelCheckEvery = std::wcstol(argv[i + 1], nullptr, 10);
        else if (name == L"--reading-every")
            options.readingEvery = std::wcstol(argv[i + 1], nullptr, 10);
        else if (name == L"--settings-openings")
            options.settingsOpenings = std::wcstol(argv[i + 1], nullptr, 10);
        else if (name == L"--exe")
            exe = argv[i + 1];
        else if (name == L"--ring-check")
            options.checkRingColour = std::wcstol(argv[i + 1], nullptr, 10) != 0;
        else if (name == L"--scenario")
            scenario = argv[i + 1];
        else {
            std::fwprintf(stderr, L"tintwell_soak: unknown option %ls\n", argv[i]);
            return 2;
        }
    }
    // ctest passes the host's paths; under Wine the host's root is drive Z:.
    if (!exe.empty() && exe[0] == L'/') {
        exe = L"Z:" + exe;
        std::replace(exe.begin(), exe.end(), L'/', L'\\');
    }
    options.samplingPhases = options.events / 1000 + 2;
    options.pickPhases = options.events / 2000 + 1;
    options.busyClipboardPhases = options.events / 2000 + 1;

    // The lookups the checks use always come from the library beside the soak.
    const testsupport::DyeplateLibrary library(testsupport::BesideThisProgram(L"dyeplate.dll"));
    if (!library.ok()) {
        std::fprintf(stderr, "tintwell_soak: %s\n", library.error().c_str());
        return 1;
    }
    const soak::Lookups lookups{
        [&library](uint32_t base, int32_t mode, int32_t x, int32_t y, int32_t webSafe) {
            return library.GetColor(base, mode, x, y, webSafe);
        },
        [&library](uint32_t base, int32_t mode, int32_t y, int32_t webSafe) {
            return library.GetColor2(base, mode, y, webSafe);
        }};

    try {
        // The colours to sample show in the screen's corner.
        // Below where the notification area stands when Wine shows its own (the top left).
        testsupport::ColourWindow palette(RECT{0, 120, 64, 184}, 0);
        soak::RunningPicker picker(exe);
        soak::SoakRun run(picker, lookups, palette, options);
        const bool passed = scenario == L"modal-failure" ? run.RunModalFailure() : run.Run();
        return passed ? 0 : 1;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "tintwell_soak: %s\n", error.what());
        return 1;
    }
}

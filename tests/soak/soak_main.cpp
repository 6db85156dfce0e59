// tintwell_soak.exe: starts tintwell.exe and drives it through a long seeded mix of
// user actions, checking it after each one (see soak_run.h).
//
//   tintwell_soak.exe [--events N] [--seed S] [--pixel-every N] [--exe PATH]
//                     [--ring-check 0|1] [--scenario soak|modal-failure]
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

#include "picker_model.h"
#include "running_picker.h"
#include "soak_run.h"

namespace {

using GetColorFn = uint32_t(WINAPI *)(uint32_t, int32_t, int32_t, int32_t, int32_t);
using GetColor2Fn = uint32_t(WINAPI *)(uint32_t, int32_t, int32_t, int32_t);

std::wstring FolderOf(const std::wstring &path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}

std::wstring OwnFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return FolderOf(path);
}

// A small window of one colour in the screen's corner: what the sampling phases
// put the cursor on. Its colour is kept in the window's user data.
LRESULT CALLBACK PaletteProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        HBRUSH brush =
            CreateSolidBrush(static_cast<COLORREF>(GetWindowLongPtrW(window, GWLP_USERDATA)));
        FillRect(dc, &paint.rcPaint, brush);
        DeleteObject(brush);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreatePalette() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = PaletteProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"TintwellSoakPalette";
    RegisterClassW(&windowClass);
    return CreateWindowExW(WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"", WS_POPUP | WS_VISIBLE,
                           0, 0, 64, 64, nullptr, nullptr, windowClass.hInstance, nullptr);
}

}  // namespace

int wmain(int argc, wchar_t **argv) {
    soak::SoakOptions options;
    std::wstring exe = OwnFolder() + L"\\tintwell.exe";
    std::wstring scenario = L"soak";
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::wstring name = argv[i];
        if (name == L"--events")
            options.events = std::wcstol(argv[i + 1], nullptr, 10);
        else if (name == L"--seed")
            options.seed = static_cast<uint32_t>(std::wcstoul(argv[i + 1], nullptr, 10));
        else if (name == L"--pixel-every")
            options.pixelCheckEvery = std::wcstol(argv[i + 1], nullptr, 10);
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
    options.busyClipboardPhases = options.events / 2000 + 1;

    const std::wstring library = OwnFolder() + L"\\dyeplate.dll";
    HMODULE module = LoadLibraryW(library.c_str());
    if (module == nullptr) {
        std::fwprintf(stderr, L"tintwell_soak: cannot load %ls\n", library.c_str());
        return 1;
    }
    const auto getColor =
        reinterpret_cast<GetColorFn>(reinterpret_cast<void *>(GetProcAddress(module, "GetColor")));
    const auto getColor2 = reinterpret_cast<GetColor2Fn>(
        reinterpret_cast<void *>(GetProcAddress(module, "GetColor2")));
    if (getColor == nullptr || getColor2 == nullptr) {
        std::fwprintf(stderr, L"tintwell_soak: %ls lacks GetColor or GetColor2\n", library.c_str());
        return 1;
    }
    const soak::Lookups lookups{
        [getColor](uint32_t base, int32_t mode, int32_t x, int32_t y, int32_t webSafe) {
            return getColor(base, mode, x, y, webSafe);
        },
        [getColor2](uint32_t base, int32_t mode, int32_t y, int32_t webSafe) {
            return getColor2(base, mode, y, webSafe);
        }};

    try {
        HWND palette = CreatePalette();
        soak::RunningPicker picker(exe);
        soak::SoakRun run(picker, lookups, palette, options);
        const bool passed = scenario == L"modal-failure" ? run.RunModalFailure() : run.Run();
        DestroyWindow(palette);
        return passed ? 0 : 1;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "tintwell_soak: %s\n", error.what());
        return 1;
    }
}

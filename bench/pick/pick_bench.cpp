// A pick from anywhere, in one run:
// - from the hotkey to the loupe shown at the pointer: the picker started, its hotkey
//   ticked in its settings, the hotkey pressed (SendInput, as the keyboard's own
//   input) and the loupe waited for; each pick is then cancelled with Esc;
// - one call of a pick's hook procedures, for events it swallows and events it passes,
//   beside a procedure that only hands the event on, timed alike.
//
//   pick_bench.exe [FOLDER]    FOLDER holds tintwell.exe and dyeplate.dll
//                              (default: this program's folder)
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "loupe.h"
#include "pick_hooks.h"
#include "pick_session.h"
#include "settings_dialog_ids.h"
#include "step_stats.h"
#include "window_probe.h"

namespace {

using namespace tintwell;
using namespace tintwell::win32;

constexpr int kPicks = 40;
constexpr int kHookCalls = 20000;
constexpr DWORD kWaitMs = 5000;

void Pump() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

LRESULT CALLBACK HandOn(int code, WPARAM wParam, LPARAM lParam) {
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// One call of `procedure` per event, round and round the events.
drag_bench::StepTimer TimeProcedure(HOOKPROC mouse, HOOKPROC keyboard) {
    struct Event {
        bool isMouse;
        WPARAM message;
        DWORD data;
    };
    const Event events[] = {
        {true, WM_MOUSEMOVE, 0},       {true, WM_MOUSEWHEEL, 120u << 16}, {true, WM_MBUTTONDOWN, 0},
        {true, WM_MBUTTONUP, 0},       {false, WM_KEYDOWN, 'A'},          {false, WM_KEYUP, 'A'},
        {false, WM_KEYDOWN, VK_RIGHT}, {false, WM_KEYUP, VK_RIGHT},
    };
    drag_bench::StepTimer timer;
    for (int i = 0; i < kHookCalls; ++i) {
        const Event &event = events[i % std::size(events)];
        MSLLHOOKSTRUCT pointer{};
        pointer.mouseData = event.data;
        KBDLLHOOKSTRUCT key{};
        key.vkCode = event.data;
        timer.Start();
        if (event.isMouse) {
            mouse(HC_ACTION, event.message, reinterpret_cast<LPARAM>(&pointer));
        } else {
            keyboard(HC_ACTION, event.message, reinterpret_cast<LPARAM>(&key));
        }
        timer.Stop();
        // The posted actions are the window's work, not the procedure's.
        if (i % 64 == 0) Pump();
    }
    Pump();
    return timer;
}

void TimeHookProcedures() {
    HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    PickSession session;
    session.Start(HotkeyCombo{});
    // Installed, so that the procedures find their pick; no real input comes here.
    PickHooks hooks;
    if (window == nullptr || !hooks.Install(window, session)) {
        std::fprintf(stderr, "pick_bench: cannot install the hooks\n");
        return;
    }
    const drag_bench::StepTimer plain = TimeProcedure(&HandOn, &HandOn);
    const drag_bench::StepTimer pick =
        TimeProcedure(&PickMouseHookProcedure, &PickKeyboardHookProcedure);
    hooks.Remove();
    DestroyWindow(window);
    std::printf("\nOne hook procedure call, %d calls        median us    p99 us  calls/s   ratio\n",
                kHookCalls);
    plain.Print("a procedure that only hands the event on", 0);
    pick.Print("the pick's (moves, wheel, buttons, keys)", plain.Median());
}

struct Picker {
    PROCESS_INFORMATION process{};
    HWND form = nullptr;
};

template <typename Condition>
bool WaitFor(Condition condition, DWORD ms = kWaitMs) {
    const ULONGLONG end = GetTickCount64() + ms;
    while (GetTickCount64() < end) {
        if (condition()) return true;
        Sleep(0);
    }
    return false;
}

bool StartPicker(const std::wstring &path, Picker &picker) {
    std::wstring commandLine = L"\"" + path + L"\"";
    const std::wstring folder = path.substr(0, path.find_last_of(L"\\/"));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &picker.process)) {
        return false;
    }
    WaitForInputIdle(picker.process.hProcess, kWaitMs);
    return WaitFor([&] {
        return (picker.form =
                    testsupport::ShownWindowOf(picker.process.dwProcessId, nullptr, L"Tintwell"));
    });
}

bool TimeHotkeyToLoupe(const std::wstring &path) {
    Picker picker;
    if (!StartPicker(path, picker)) {
        std::fprintf(stderr, "pick_bench: cannot start %ls\n", path.c_str());
        return false;
    }
    bool ok = testsupport::ClickInSettings(picker.form, picker.process.dwProcessId,
                                           {IDC_SETTINGS_HOTKEY}, kWaitMs);
    const DWORD id = picker.process.dwProcessId;
    auto loupe = [&] { return testsupport::ShownWindowOf(id, kLoupeClass, nullptr) != nullptr; };
    drag_bench::StepTimer timer;
    int missed = 0;
    for (int i = 0; ok && i < kPicks; ++i) {
        // Away from the picker's window, with room for the loupe, somewhere new each time.
        SetCursorPos(500 + (i % 5) * 7, 300 + (i % 3) * 5);
        Sleep(100);
        timer.Start();
        testsupport::PressKeys({VK_LWIN, VK_SHIFT, 'C'});
        const bool shown = WaitFor(loupe);
        timer.Stop();
        if (!shown) {
            ++missed;
            ok = missed < 3;
        }
        testsupport::PressKeys({VK_ESCAPE});
        ok = ok && WaitFor([&] { return !loupe(); });
        Sleep(200);
    }
    PostMessageW(picker.form, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(picker.process.hProcess, kWaitMs) != WAIT_OBJECT_0) {
        TerminateProcess(picker.process.hProcess, 1);
    }
    CloseHandle(picker.process.hThread);
    CloseHandle(picker.process.hProcess);
    if (!ok) {
        std::fprintf(stderr, "pick_bench: the hotkey did not show the loupe\n");
        return false;
    }
    std::printf("From the hotkey to the loupe shown, %d picks   median us    p99 us\n", kPicks);
    std::printf("%-52s %9.1f %9.1f\n", "SendInput of Win+Shift+C to the loupe visible",
                timer.Median(), timer.Percentile(0.99));
    std::printf("(a frame at 60 Hz: 16667 us)\n");
    return true;
}

}  // namespace

int wmain(int argc, wchar_t **argv) {
    std::wstring folder;
    if (argc > 1) {
        folder = argv[1];
    } else {
        wchar_t self[MAX_PATH];
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        folder = self;
        folder = folder.substr(0, folder.find_last_of(L"\\/"));
    }
    const bool shown = TimeHotkeyToLoupe(folder + L"\\" TINTWELL_EXE);
    TimeHookProcedures();
    return shown ? 0 : 1;
}

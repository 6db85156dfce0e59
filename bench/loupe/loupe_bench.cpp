// One loupe update against a plain screen read of the square it magnifies, at 96 and
// at 192 dpi, alternating in one run so that both meet the same machine load.
#include <windows.h>

#include <cstdio>

#include "gdi_handles.h"
#include "loupe.h"
#include "step_stats.h"
#include "win32_platform.h"

namespace {

using namespace tintwell;
using namespace tintwell::win32;

constexpr int kWarmUp = 20;
constexpr int kRuns = 400;

void BecomeDpiAware() {
    using SetContext = BOOL(WINAPI *)(DPI_AWARENESS_CONTEXT);
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    auto set = reinterpret_cast<SetContext>(
        reinterpret_cast<void (*)()>(GetProcAddress(user32, "SetProcessDpiAwarenessContext")));
    if (set != nullptr) set(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
}

void Pump() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

// What any program does to read a square of the screen: the screen's DC, one BitBlt
// into a bitmap of the square's size.
void PlainRead(const MemoryDc &target, int side) {
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenDc screen;
    BitBlt(target.get(), 0, 0, side, side, screen.get(), cursor.x - side / 2, cursor.y - side / 2,
           SRCCOPY);
}

double ProcessCpuMs() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto ms = [](const FILETIME &time) {
        return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) |
                                   time.dwLowDateTime) /
               1e4;
    };
    return ms(kernel) + ms(user);
}

// The pointer moves one pixel every 2 ms for a second, then rests for a second, while
// the picker's sample ticks every 100 ms: how often the loupe stood somewhere new,
// and what resting costs.
void FollowAndRest(Loupe &loupe, POINT start) {
    constexpr ULONGLONG kTickMs = 100;
    loupe.SetSampling(true);
    loupe.OnSysCommand(kLoupeCommand);
    SetCursorPos(start.x, start.y);
    loupe.Refresh();
    RECT last{};
    GetWindowRect(loupe.hwnd(), &last);
    int placements = 0;
    int pointerMoves = 0;
    ULONGLONG nextTick = GetTickCount64() + kTickMs;
    const ULONGLONG moveEnd = GetTickCount64() + 1000;
    while (GetTickCount64() < moveEnd) {
        SetCursorPos(start.x + ++pointerMoves % 200, start.y);
        if (GetTickCount64() >= nextTick) {
            loupe.Refresh();
            nextTick += kTickMs;
        }
        Pump();
        RECT now{};
        GetWindowRect(loupe.hwnd(), &now);
        if (!EqualRect(&now, &last)) ++placements;
        last = now;
        Sleep(2);
    }
    auto rest = [&](bool ticks) {
        const double before = ProcessCpuMs();
        const ULONGLONG end = GetTickCount64() + 1000;
        while (GetTickCount64() < end) {
            if (ticks && GetTickCount64() >= nextTick) {
                loupe.Refresh();
                nextTick += kTickMs;
            }
            Pump();
            Sleep(2);
        }
        return ProcessCpuMs() - before;
    };
    const double withTicks = rest(true);
    const double loopAlone = rest(false);
    std::printf("\nwhile the pointer moves (%d moves in 1 s): the loupe stood in %d new places\n",
                pointerMoves, placements);
    std::printf(
        "while it rests, CPU in 1 s: %.1f ms with the 10 sample ticks' redraws, %.1f ms "
        "for this driver's loop alone\n",
        withTicks, loopAlone);
}

}  // namespace

int main() {
    BecomeDpiAware();
    HINSTANCE instance = GetModuleHandleW(nullptr);
    Loupe::RegisterClass(instance);
    Win32Platform platform;
    Loupe loupe(platform);
    loupe.Create(instance, nullptr);

    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SetCursorPos((screen.left + screen.right) / 2, (screen.top + screen.bottom) / 2);

    std::printf("%-52s %9s %9s %9s   %s\n", "per update (us)", "median", "p99", "per s",
                "vs plain read");
    for (int dpi : {96, 192}) {
        const MonitorArea monitor{{screen.left, screen.top, screen.right, screen.bottom},
                                  {work.left, work.top, work.right, work.bottom},
                                  dpi};
        const int side = LoupeMetricsForDpi(dpi).cells;
        ScreenDc reference;
        MemoryDc target(reference.get());
        const Bitmap bitmap(CreateCompatibleBitmap(reference.get(), side, side));
        const SelectedObject selection(target.get(), bitmap.get());

        drag_bench::StepTimer plain;
        drag_bench::StepTimer update;
        for (int i = 0; i < kWarmUp + kRuns; ++i) {
            const bool counted = i >= kWarmUp;
            if (counted) plain.Start();
            PlainRead(target, side);
            if (counted) plain.Stop();
            if (counted) update.Start();
            loupe.ShowOn(monitor);
            GdiFlush();
            if (counted) update.Stop();
            Pump();
        }
        char name[80];
        std::snprintf(name, sizeof(name), "plain screen read, %dx%d pixels, %d dpi", side, side,
                      dpi);
        plain.Print(name, 0);
        std::snprintf(name, sizeof(name), "loupe update (read, magnify, show), %d dpi", dpi);
        update.Print(name, plain.Median());
    }
    FollowAndRest(loupe, POINT{screen.right / 3, screen.bottom / 3});
    return 0;
}

// The eyedropper with the loupe on, in one run: the read and the loupe's redraw a
// tick adds against a plain one-pixel read; what knowing the screen's colour state
// adds to a read; how long the loupe takes to follow a pointer jump, while the pointer
// moves and at its first movement after a rest; and what a resting pointer costs
// while sampling, as a share of one core, with the loupe and without it. The tables'
// redraw, which every tick does with or without the loupe, is left out of both sides.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "gdi_handles.h"
#include "loupe.h"
#include "step_stats.h"
#include "win32_platform.h"

namespace {

using namespace tintwell;
using namespace tintwell::win32;

constexpr int kWarmUp = 20;
constexpr int kRuns = 400;
constexpr int kJumps = 120;
constexpr int kJumpsAfterRest = 16;

void BecomeDpiAware() {
    using SetContext = BOOL(WINAPI *)(DPI_AWARENESS_CONTEXT);
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    auto set = reinterpret_cast<SetContext>(
        reinterpret_cast<void (*)()>(GetProcAddress(user32, "SetProcessDpiAwarenessContext")));
    if (set != nullptr) set(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
}

// A failure in the loupe's handling would leave figures of a loupe that does not
// draw: the run ends there.
class EndOnFailure : public FailureSink {
  public:
    void HandlerFailed(const std::exception_ptr &) noexcept override {
        std::fputs("the loupe's message handling failed\n", stderr);
        std::abort();
    }
};

void Pump() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

// What the picker read before the loupe: the screen's DC, the cursor, one GetPixel.
COLORREF PlainRead() {
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenDc screen;
    return GetPixel(screen.get(), cursor.x, cursor.y);
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

// A tick's share of the work with the loupe on: one read wide enough for the loupe,
// the sample taken from it, the loupe drawn from the same read.
void LoupeTick(Win32Platform &platform, Loupe &loupe, SampleSize size) {
    const ScreenSquare read = platform.ReadScreenSquare(loupe.WantedReach());
    const ColorRef sample = SampleOf(read, size);
    loupe.ShowRead(read, SampleStatus{SampleReach(size), sample, FreezeState::Live});
}

// The CPU share of one core the process takes while the pointer rests, with the
// message loop asleep as the program's is until a message comes or the next sample
// tick is due.
double RestingShare(Win32Platform &platform, Loupe &loupe) {
    constexpr ULONGLONG kRestMs = 10000;
    constexpr ULONGLONG kTickMs = 100;
    const double cpuBefore = ProcessCpuMs();
    const ULONGLONG start = GetTickCount64();
    ULONGLONG nextTick = start + kTickMs;
    for (ULONGLONG now = start; now - start < kRestMs; now = GetTickCount64()) {
        if (now >= nextTick) {
            LoupeTick(platform, loupe, SampleSize::OnePixel);
            nextTick += kTickMs;
            continue;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(nextTick - now),
                                  QS_ALLINPUT);
        Pump();
    }
    const double cpu = ProcessCpuMs() - cpuBefore;
    return 100.0 * cpu / static_cast<double>(GetTickCount64() - start);
}

RECT LoupeRect(const Loupe &loupe) {
    RECT rect{};
    GetWindowRect(loupe.hwnd(), &rect);
    return rect;
}

struct Follow {
    drag_bench::StepTimer timer;
    int lost = 0;
};

// `jumps` jumps, each `restMs` and up to `spreadMs` more after the loupe followed the
// one before: spread evenly, the jumps fall anywhere between two frames of a period
// up to `spreadMs`, not always at the same moment of it.
Follow FollowJumps(const Loupe &loupe, const RECT &screen, POINT home, int jumps, DWORD restMs,
                   DWORD spreadMs) {
    Follow follow;
    for (int i = 0; i < jumps; ++i) {
        const RECT before = LoupeRect(loupe);
        const POINT to{i % 2 == 0 ? screen.right * 2 / 3 : home.x, home.y + (i % 7) * 3};
        follow.timer.Start();
        SetCursorPos(to.x, to.y);
        const ULONGLONG giveUp = GetTickCount64() + 500;
        bool moved = false;
        while (!moved && GetTickCount64() < giveUp) {
            if (MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT) == WAIT_OBJECT_0) {
                Pump();
            }
            const RECT now = LoupeRect(loupe);
            moved = !EqualRect(&now, &before);
        }
        if (moved) {
            follow.timer.Stop();
        } else {
            ++follow.lost;
        }
        const ULONGLONG restUntil = GetTickCount64() + restMs + spreadMs * i / jumps;
        for (ULONGLONG now = GetTickCount64(); now < restUntil; now = GetTickCount64()) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(restUntil - now),
                                      QS_ALLINPUT);
            Pump();
        }
    }
    return follow;
}

void PrintFollow(const char *label, const Follow &follow, int jumps) {
    std::printf("%-52s %9.1f %9.1f   (%d of %d jumps not followed within 500 ms)\n", label,
                follow.timer.Median() / 1000.0, follow.timer.Percentile(0.99) / 1000.0, follow.lost,
                jumps);
}

}  // namespace

int main() {
    BecomeDpiAware();
    HINSTANCE instance = GetModuleHandleW(nullptr);
    Loupe::RegisterClass(instance);
    Win32Platform platform;
    EndOnFailure failures;
    Loupe loupe(platform.screen(), failures);
    loupe.Create(instance, [&](ReadViewer &viewer, ScreenPoint) {
        const ScreenSquare read = platform.ReadScreenSquare(viewer.WantedReach());
        viewer.ShowRead(read, SampleStatus{0, SampledColour(read.centre()), FreezeState::Live});
    });
    loupe.SetSampling(true);
    loupe.Switch();

    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const POINT home{screen.right / 3, screen.bottom / 3};
    SetCursorPos(home.x, home.y);
    for (int i = 0; i < 10; ++i) {
        Pump();
        Sleep(20);
    }

    std::printf("%-52s %9s %9s %9s   %s\n", "per tick (us)", "median", "p99", "per s",
                "vs plain read");
    drag_bench::StepTimer plain;
    drag_bench::StepTimer onePixel;
    drag_bench::StepTimer fiveByFive;
    for (int i = 0; i < kWarmUp + kRuns; ++i) {
        const bool counted = i >= kWarmUp;
        if (counted) plain.Start();
        PlainRead();
        if (counted) plain.Stop();
        if (counted) onePixel.Start();
        LoupeTick(platform, loupe, SampleSize::OnePixel);
        GdiFlush();
        if (counted) onePixel.Stop();
        if (counted) fiveByFive.Start();
        LoupeTick(platform, loupe, SampleSize::FiveByFive);
        GdiFlush();
        if (counted) fiveByFive.Stop();
        Pump();
    }
    plain.Print("plain one-pixel read", 0);
    onePixel.Print("read + loupe, 1 pixel", plain.Median());
    fiveByFive.Print("read + loupe, 5x5 mean", plain.Median());

    // The wheel during a pick: each notch a zoom step in or out, drawn at once from a
    // read of its own.
    loupe.SetPicking(true);
    drag_bench::StepTimer notches;
    for (int i = 0; i < kWarmUp + kRuns; ++i) {
        const bool counted = i >= kWarmUp;
        if (counted) notches.Start();
        loupe.Zoom(i % 2 == 0 ? 1 : -1);
        GdiFlush();
        if (counted) notches.Stop();
        Pump();
    }
    loupe.SetPicking(false);
    notches.Print("wheel notch during a pick: zoom step, read, loupe", plain.Median());

    // What knowing the screen's colour state adds to a tick: the read as it was before
    // there was one (not in use), with the state known (read once, at the start and
    // at each display change, as the program does), and with the state read at every
    // tick, which the program does not do, for what that would cost.
    drag_bench::StepTimer stateUnused;
    drag_bench::StepTimer stateKnown;
    drag_bench::StepTimer stateEachTick;
    ScreenColourReader &colour = platform.screen().colour();
    for (int i = 0; i < kWarmUp + kRuns; ++i) {
        const bool counted = i >= kWarmUp;
        colour.SetInUse(false);
        if (counted) stateUnused.Start();
        platform.ReadScreenSquare(0);
        if (counted) stateUnused.Stop();
        colour.SetInUse(true);
        platform.ReadScreenSquare(0);
        if (counted) stateKnown.Start();
        platform.ReadScreenSquare(0);
        if (counted) stateKnown.Stop();
        colour.DisplayChanged();
        if (counted) stateEachTick.Start();
        platform.ReadScreenSquare(0);
        if (counted) stateEachTick.Stop();
    }
    std::printf("\n%-52s %9s %9s %9s   %s\n", "one-pixel read with the screen's colour state (us)",
                "median", "p99", "per s", "vs without");
    stateUnused.Print("without it (the read as before)", 0);
    stateKnown.Print("state known, read only on change", stateUnused.Median());
    stateEachTick.Print("state read at every tick (not done)", stateUnused.Median());

    // Jumps of the pointer, alternating between two places far apart: from the jump
    // to the first moment the loupe stands elsewhere, the message loop running as
    // the program's does. First in quick succession, as while the pointer moves;
    // then each after a rest long enough for the frames to have slowed, with no
    // sample tick to catch the movement first.
    const Follow moving = FollowJumps(loupe, screen, home, kJumps, 5, 0);
    const Follow afterRest = FollowJumps(loupe, screen, home, kJumpsAfterRest,
                                         static_cast<DWORD>(kRestAfterMs) + 100, kRestingFrameMs);
    std::printf("\n%-52s %9s %9s\n", "pointer jump to loupe moved (ms)", "median", "p99");
    PrintFollow("pointer moving, frames ~60 per second", moving, kJumps);
    PrintFollow("first movement after a rest", afterRest, kJumpsAfterRest);

    // At rest, the loupe on and then off as the plain reference: the frames run while
    // it is on, the sample ticks every 100 ms either way.
    const double withLoupe = RestingShare(platform, loupe);
    loupe.Switch();
    const double without = RestingShare(platform, loupe);
    std::printf("\n%-52s %9s\n", "resting pointer, sampling (% of one core)", "CPU");
    std::printf("%-52s %8.2f%%\n", "without the loupe (plain one-pixel reads)", without);
    std::printf("%-52s %8.2f%%   %+.2f points\n", "with the loupe on", withLoupe,
                withLoupe - without);
    return 0;
}

// What the running picker costs the machine, beside a bare Win32 window measured the
// same way in the same run: private bytes, working set, GDI and USER objects and
// threads; CPU as a share of one core over 10 s while idle, while sampling with the
// pointer at rest, and while sampling with the loupe as the pointer moves; and the
// time from process start to the first painted window, the median of several starts.
// Then the picker resident in the notification area, its window hidden, idle for
// 30 s beside the bare window idle as long: CPU, wake-ups a second (its threads'
// context switches, which Wine's processes show in /proc) and private bytes.
//
//   footprint_bench.exe [FOLDER]    FOLDER holds tintwell.exe, dyeplate.dll and
//                                   bare_window.exe (default: this program's folder)
#include <windows.h>

#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "command_ids.h"
#include "control_id.h"
#include "loupe.h"
#include "resource_probe.h"
#include "settings_dialog_ids.h"
#include "window_probe.h"

namespace {

using tintwell::win32::kCheck3;
using tintwell::win32::kLoupeCommand;

constexpr int kStarts = 5;
constexpr DWORD kPhaseMs = 10000;
constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kResidentMs = 30000;

double NowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1e3 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindShownWindow(HWND window, LPARAM context) {
    auto *search = reinterpret_cast<WindowSearch *>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window) || GetWindow(window, GW_OWNER))
        return TRUE;
    search->found = window;
    return FALSE;
}

HWND ShownWindowOf(DWORD processId) {
    WindowSearch search{processId, nullptr};
    EnumWindows(FindShownWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A started program, ended again when this goes: asked to close first, as a user
// would, and killed only if it does not.
class Program {
  public:
    explicit Program(const std::wstring &path) {
        std::wstring commandLine = L"\"" + path + L"\"";
        const std::wstring folder = path.substr(0, path.find_last_of(L"\\/"));
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        const double start = NowMs();
        if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            folder.c_str(), &startup, &process_)) {
            std::fprintf(stderr, "footprint_bench: cannot start %ls (error %lu)\n", path.c_str(),
                         GetLastError());
            return;
        }
        // Shown, and idle with nothing left to paint: the first painted window.
        WaitForInputIdle(process_.hProcess, kStartTimeoutMs);
        while (NowMs() - start < kStartTimeoutMs) {
            window_ = ShownWindowOf(process_.dwProcessId);
            if (window_ != nullptr) break;
            Sleep(1);
        }
        if (window_ != nullptr) {
            WaitForInputIdle(process_.hProcess, kStartTimeoutMs);
            startMs_ = NowMs() - start;
        }
    }
    ~Program() {
        if (process_.hProcess == nullptr) return;
        if (window_ != nullptr) PostMessageW(window_, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process_.hProcess, 5000) != WAIT_OBJECT_0)
            TerminateProcess(process_.hProcess, 1);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    bool Shown() const { return window_ != nullptr; }
    HWND window() const { return window_; }
    HANDLE process() const { return process_.hProcess; }
    DWORD id() const { return process_.dwProcessId; }
    double startMs() const { return startMs_; }

  private:
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
    double startMs_ = 0;
};

double CpuMs(HANDLE process) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
    auto ms = [](const FILETIME &time) {
        return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) |
                                   time.dwLowDateTime) /
               1e4;
    };
    return ms(kernel) + ms(user);
}

// The process's CPU over one phase as a share of one core; `during` runs about every
// 10 ms of it (the moving pointer), or not at all.
template <typename Step>
double CpuShare(HANDLE process, Step during) {
    const double cpuBefore = CpuMs(process);
    const double start = NowMs();
    for (int step = 0; NowMs() - start < kPhaseMs; ++step) {
        during(step);
        Sleep(10);
    }
    return 100.0 * (CpuMs(process) - cpuBefore) / (NowMs() - start);
}

struct Resources {
    double privateKb = 0;
    double workingSetKb = 0;
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;
    int threads = 0;
};

Resources ResourcesOf(const Program &program) {
    Resources r;
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(program.process(),
                             reinterpret_cast<PROCESS_MEMORY_COUNTERS *>(&memory), sizeof memory)) {
        // Windows counts private bytes in both; Wine fills in only the commit charge.
        r.privateKb =
            static_cast<double>(std::max(memory.PrivateUsage, memory.PagefileUsage)) / 1024;
        r.workingSetKb = static_cast<double>(memory.WorkingSetSize) / 1024;
    }
    r.gdiObjects = GetGuiResources(program.process(), GR_GDIOBJECTS);
    r.userObjects = GetGuiResources(program.process(), GR_USEROBJECTS);
    // Wine answers both with 0; the soak's probe counts the GDI handle table and the
    // process's windows, the USER objects that matter here, instead.
    if (r.gdiObjects == 0 && r.userObjects == 0) {
        const soak::Resources counted = soak::ReadResources(program.process(), program.id());
        if (counted.gdiObjects >= 0) r.gdiObjects = static_cast<DWORD>(counted.gdiObjects);
        r.userObjects = static_cast<DWORD>(counted.windows);
    }
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot != INVALID_HANDLE_VALUE) {
        THREADENTRY32 thread{};
        thread.dwSize = sizeof thread;
        for (BOOL more = Thread32First(snapshot, &thread); more;
             more = Thread32Next(snapshot, &thread))
            if (thread.th32OwnerProcessID == program.id()) ++r.threads;
        CloseHandle(snapshot);
    }
    return r;
}

void PrintResources(const char *name, const char *when, const Resources &r) {
    std::printf("%-14s %-26s %10.0f %10.0f %5lu %5lu %7d\n", name, when, r.privateKb,
                r.workingSetKb, r.gdiObjects, r.userObjects, r.threads);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

bool ClickCheck(HWND form, int id) {
    HWND check = GetDlgItem(form, id);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(check, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
    return SendMessageW(check, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Where the pointer rests and moves while sampling: on the desktop, away from the
// windows under test, in a loop of 200 pixels.
POINT Resting() {
    return POINT{GetSystemMetrics(SM_CXSCREEN) * 3 / 4, GetSystemMetrics(SM_CYSCREEN) * 3 / 4};
}
void MovePointer(int step) {
    const POINT rest = Resting();
    SetCursorPos(rest.x - 100 + step % 200, rest.y - 50 + (step / 200) % 100);
}

struct Figures {
    double idle = 0, restingSample = 0, movingLoupe = 0;
    Resources atIdle, afterLoupe;
    bool sampled = false;
    bool loupeShown = false;
};

BOOL CALLBACK NoteOtherShownWindow(HWND window, LPARAM context) {
    auto *search = reinterpret_cast<WindowSearch *>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && window != search->found && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// Whether the process shows a window besides `form`: the loupe.
bool ShowsAnotherWindow(DWORD processId, HWND form) {
    WindowSearch search{processId, form};
    EnumWindows(NoteOtherShownWindow, reinterpret_cast<LPARAM>(&search));
    return search.found != form;
}

// The same phases for both programs: what the bare window cannot do (sampling, the
// loupe) it is simply not asked to, so its figures are what the pointer and the
// system cost any windowed program.
Figures Measure(const Program &program, bool isPicker) {
    Figures f;
    const POINT rest = Resting();
    SetCursorPos(rest.x, rest.y);
    Sleep(1000);
    f.atIdle = ResourcesOf(program);
    f.idle = CpuShare(program.process(), [](int) {});
    if (isPicker) f.sampled = ClickCheck(program.window(), kCheck3);
    SetCursorPos(rest.x, rest.y);
    f.restingSample = CpuShare(program.process(), [](int) {});
    if (isPicker) PostMessageW(program.window(), WM_SYSCOMMAND, kLoupeCommand, 0);
    f.movingLoupe = CpuShare(program.process(), [&](int step) {
        MovePointer(step);
        if (isPicker && !f.loupeShown)
            f.loupeShown = ShowsAnotherWindow(program.id(), program.window());
    });
    f.afterLoupe = ResourcesOf(program);
    if (isPicker) ClickCheck(program.window(), kCheck3);
    return f;
}

// A Wine process is a Linux one: its threads' context switches, summed, from /proc
// through Wine's Z: drive; -1 where there is no such process (Windows itself). The
// process is the one whose command line starts with a path ending in `exe`.
int64_t ContextSwitches(const wchar_t *exe) {
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW(L"Z:\\proc\\*", &entry);
    if (search == INVALID_HANDLE_VALUE) return -1;
    auto readAll = [](const std::wstring &path) {
        std::string text;
        HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return text;
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
            text.append(buffer, read);
        CloseHandle(file);
        return text;
    };
    std::string wanted;
    for (const wchar_t *c = exe; *c != 0; ++c) wanted += static_cast<char>(std::tolower(*c));
    int64_t total = -1;
    do {
        if (entry.cFileName[0] < L'0' || entry.cFileName[0] > L'9') continue;
        const std::wstring folder = std::wstring(L"Z:\\proc\\") + entry.cFileName;
        std::string command = readAll(folder + L"\\cmdline");
        command = command.substr(0, command.find('\0'));
        while (!command.empty() && command.back() == ' ') command.pop_back();
        for (char &c : command) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (command.size() < wanted.size() ||
            command.compare(command.size() - wanted.size(), wanted.size(), wanted) != 0)
            continue;
        total = 0;
        WIN32_FIND_DATAW task;
        HANDLE tasks = FindFirstFileW((folder + L"\\task\\*").c_str(), &task);
        if (tasks == INVALID_HANDLE_VALUE) break;
        do {
            if (task.cFileName[0] < L'0' || task.cFileName[0] > L'9') continue;
            const std::string status = readAll(folder + L"\\task\\" + task.cFileName + L"\\status");
            for (const char *key : {"voluntary_ctxt_switches:", "nonvoluntary_ctxt_switches:"}) {
                const size_t at = status.find(key);
                if (at != std::string::npos)
                    total += std::atoll(status.c_str() + at + std::strlen(key));
            }
        } while (FindNextFileW(tasks, &task));
        FindClose(tasks);
        break;
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return total;
}

struct Resident {
    double cpu = 0;
    double wakeUps = -1;  // a second; -1 where they cannot be counted
    Resources resources;
    bool hidden = false;
};

// Idle for kResidentMs with nothing asked of it: the picker first made resident and
// its window closed into the notification area, the bare window as it is.
Resident MeasureResident(const Program &program, bool isPicker, const wchar_t *exe) {
    Resident r;
    if (isPicker) {
        if (!testsupport::ClickInSettings(program.window(), program.id(), {IDC_SETTINGS_RESIDENT},
                                          kStartTimeoutMs)) {
            return r;
        }
        PostMessageW(program.window(), WM_CLOSE, 0, 0);
        for (int i = 0; i < 250 && IsWindowVisible(program.window()); ++i) Sleep(20);
        r.hidden = !IsWindowVisible(program.window());
    }
    Sleep(2000);
    const int64_t switchesBefore = ContextSwitches(exe);
    const double cpuBefore = CpuMs(program.process());
    const double start = NowMs();
    Sleep(kResidentMs);
    const double elapsedMs = NowMs() - start;
    r.cpu = 100.0 * (CpuMs(program.process()) - cpuBefore) / elapsedMs;
    const int64_t switchesAfter = ContextSwitches(exe);
    if (switchesBefore >= 0 && switchesAfter >= 0)
        r.wakeUps = 1000.0 * static_cast<double>(switchesAfter - switchesBefore) / elapsedMs;
    r.resources = ResourcesOf(program);
    // "終了" in the icon's menu; the window's WM_CLOSE would only hide it again.
    if (isPicker) PostMessageW(program.window(), WM_COMMAND, tintwell::win32::kTrayExitCommand, 0);
    return r;
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
    const std::wstring picker = folder + L"\\" TINTWELL_EXE;
    const std::wstring bare = folder + L"\\" BARE_WINDOW_EXE;

    // Starts alternate, so that both programs meet the same machine load.
    std::vector<double> pickerStarts, bareStarts;
    for (int i = 0; i < kStarts; ++i) {
        for (auto [path, starts] : {std::pair{&picker, &pickerStarts}, {&bare, &bareStarts}}) {
            Program program(*path);
            if (!program.Shown()) {
                std::fprintf(stderr, "footprint_bench: %ls showed no window\n", path->c_str());
                return 1;
            }
            starts->push_back(program.startMs());
        }
    }

    Figures pickerFigures, bareFigures;
    {
        Program program(picker);
        if (!program.Shown()) return 1;
        pickerFigures = Measure(program, true);
    }
    {
        Program program(bare);
        if (!program.Shown()) return 1;
        bareFigures = Measure(program, false);
    }
    if (!pickerFigures.sampled || !pickerFigures.loupeShown) {
        std::fprintf(stderr, "footprint_bench: the picker did not start sampling%s\n",
                     pickerFigures.sampled ? " with the loupe" : "");
        return 1;
    }

    std::printf("Footprint: %s and a bare Win32 window, measured one after the other\n\n",
                "tintwell.exe");
    std::printf("%-14s %-26s %10s %10s %5s %5s %7s\n", "program", "when", "private KB",
                "working KB", "GDI", "USER", "threads");
    PrintResources("tintwell.exe", "idle after start", pickerFigures.atIdle);
    PrintResources("tintwell.exe", "after sampling, loupe", pickerFigures.afterLoupe);
    PrintResources("bare window", "idle after start", bareFigures.atIdle);
    PrintResources("bare window", "after the same 30 s", bareFigures.afterLoupe);

    std::printf("\nCPU, %% of one core over %lu s       %12s %12s\n", kPhaseMs / 1000,
                "tintwell.exe", "bare window");
    std::printf("%-36s %11.2f%% %11.2f%%\n", "idle", pickerFigures.idle, bareFigures.idle);
    std::printf("%-36s %11.2f%% %11.2f%%\n", "sampling, pointer at rest",
                pickerFigures.restingSample, bareFigures.restingSample);
    std::printf("%-36s %11.2f%% %11.2f%%\n", "sampling with the loupe, pointer moving",
                pickerFigures.movingLoupe, bareFigures.movingLoupe);
    std::printf(
        "\nStart to first painted window, median of %d starts: %.0f ms (bare window "
        "%.0f ms, ratio %.2f)\n",
        kStarts, Median(pickerStarts), Median(bareStarts),
        Median(pickerStarts) / Median(bareStarts));
    Resident pickerResident, bareResident;
    {
        Program program(picker);
        if (!program.Shown()) return 1;
        pickerResident = MeasureResident(program, true, L"" TINTWELL_EXE);
    }
    {
        Program program(bare);
        if (!program.Shown()) return 1;
        bareResident = MeasureResident(program, false, L"" BARE_WINDOW_EXE);
    }
    if (!pickerResident.hidden) {
        std::fprintf(stderr, "footprint_bench: the picker did not go to the notification area\n");
        return 1;
    }
    std::printf(
        "\nIdle %lu s: tintwell.exe resident, its window hidden in the notification\n"
        "area, beside the bare window shown\n",
        kResidentMs / 1000);
    std::printf("%-14s %12s %14s %12s\n", "program", "CPU", "wake-ups/s", "private KB");
    for (auto [name, r] :
         {std::pair{"tintwell.exe", &pickerResident}, {"bare window", &bareResident}})
        std::printf("%-14s %11.2f%% %14.2f %12.0f\n", name, r->cpu, r->wakeUps,
                    r->resources.privateKb);
    std::printf("private bytes against the bare window: %+.0f KB\n\n",
                pickerResident.resources.privateKb - bareResident.resources.privateKb);
    std::printf(
        "Where the system reports no GDI or USER counts (Wine), GDI is counted in the\n"
        "process's GDI handle table and USER is the number of its windows.\n"
        "CPU comes from the system's process times, which count in scheduler ticks.\n");
    return 0;
}

// Process start to exit of tintwell-cli convert and at, against a bare console program
// started the same way in the same run; its standard output goes to NUL. Prints
// figures, never judges them: under Wine a process start costs far more than on
// Windows, and the ratio is what says how much the picker adds to it.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRuns = 15;

std::wstring Folder() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

// Milliseconds from CreateProcess to the end of the process; negative when it did not
// start or did not end with 0.
double TimeOneRun(const std::wstring &exe, const std::wstring &arguments, HANDLE nul) {
    std::wstring command = L"\"" + exe + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nullptr;
    startup.hStdOutput = nul;
    startup.hStdError = nul;
    PROCESS_INFORMATION info{};
    LARGE_INTEGER frequency{}, start{}, end{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &info)) {
        return -1;
    }
    WaitForSingleObject(info.hProcess, 30000);
    QueryPerformanceCounter(&end);
    DWORD code = 1;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    if (code != 0) return -1;
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

struct Figures {
    double median;
    double minimum;
    int failed;
};

// The runs of the three programs interleave, so that a moment of load falls on all.
void Measure(const std::vector<std::pair<std::wstring, std::wstring>> &programs,
             std::vector<Figures> &figures) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE nul = CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                             OPEN_EXISTING, 0, nullptr);
    std::vector<std::vector<double>> times(programs.size());
    std::vector<int> failed(programs.size(), 0);
    // One start of each first, not counted: the loader's and Wine's caches warm up.
    for (const auto &program : programs) TimeOneRun(program.first, program.second, nul);
    for (int run = 0; run < kRuns; ++run) {
        for (size_t p = 0; p < programs.size(); ++p) {
            const double ms = TimeOneRun(programs[p].first, programs[p].second, nul);
            if (ms < 0) {
                ++failed[p];
            } else {
                times[p].push_back(ms);
            }
        }
    }
    CloseHandle(nul);
    for (size_t p = 0; p < programs.size(); ++p) {
        std::vector<double> &t = times[p];
        std::sort(t.begin(), t.end());
        figures.push_back(Figures{t.empty() ? 0 : t[t.size() / 2], t.empty() ? 0 : t.front(),
                                  failed[p]});
    }
}

}  // namespace

int wmain() {
    const std::wstring folder = Folder();
    const std::wstring cli = folder + TINTWELL_CLI_EXE;
    const std::vector<std::pair<std::wstring, std::wstring>> programs = {
        {folder + BARE_CONSOLE_EXE, L""},
        {cli, L"convert \"oklch(0.2826 0.03883 249.34)\" --format rgb"},
        {cli, L"at 10 10 --sample 5"},
    };
    const char *names[] = {"bare console program", "tintwell-cli convert", "tintwell-cli at"};
    std::vector<Figures> figures;
    Measure(programs, figures);
    std::printf("Process start to exit, %d runs each, median (minimum), output to NUL:\n", kRuns);
    for (size_t p = 0; p < figures.size(); ++p) {
        const double ratio = figures[0].median > 0 ? figures[p].median / figures[0].median : 0;
        std::printf("  %-22s %8.1f ms (%7.1f ms)  x%.2f of the bare program%s\n", names[p],
                    figures[p].median, figures[p].minimum, ratio,
                    figures[p].failed > 0 ? "  (some runs failed)" : "");
    }
    return 0;
}

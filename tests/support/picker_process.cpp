#include "picker_process.h"

#include "control_layout.h"
#include "window_probe.h"

namespace testsupport {

namespace {

HWND FirstOrNull(const std::vector<HWND> &windows) {
    return windows.empty() ? nullptr : windows.front();
}

}  // namespace

PickerProcess::PickerProcess(const std::wstring &exePath, const std::wstring &arguments)
    : process_(nullptr), processId_(0), threadId_(0) {
    std::wstring commandLine = L"\"" + exePath + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    const size_t slash = exePath.find_last_of(L"\\/");
    const std::wstring folder = exePath.substr(0, slash);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       folder.c_str(), &startup, &info)) {
        process_ = info.hProcess;
        processId_ = info.dwProcessId;
        CloseHandle(info.hThread);
    } else {
        startError_ = GetLastError();
    }
}

PickerProcess::~PickerProcess() {
    if (process_ == nullptr) return;
    if (IsRunning()) {
        HWND form = FirstOrNull(TopLevelWindows(processId_, tintwell::win32::kFormClass));
        if (form != nullptr) PostMessageW(form, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process_, 5000) != WAIT_OBJECT_0) {
            TerminateProcess(process_, 99);
            WaitForSingleObject(process_, 5000);
        }
    }
    CloseHandle(process_);
}

HWND PickerProcess::WaitForForm(DWORD timeoutMs) {
    HWND form = nullptr;
    WaitUntil(timeoutMs, [&] {
        form = FirstOrNull(TopLevelWindows(processId_, tintwell::win32::kFormClass));
        return form != nullptr;
    });
    if (form != nullptr) threadId_ = GetWindowThreadProcessId(form, nullptr);
    return form;
}

HWND PickerProcess::WaitForMessageBox(DWORD timeoutMs) {
    HWND box = nullptr;
    WaitUntil(timeoutMs, [&] {
        box = FirstOrNull(MessageBoxes(processId_));
        return box != nullptr;
    });
    return box;
}

int PickerProcess::CountMessageBoxes() {
    return static_cast<int>(MessageBoxes(processId_).size());
}

bool PickerProcess::IsRunning() {
    return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

DWORD PickerProcess::WaitForExit(DWORD timeoutMs) {
    if (WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_, &code);
    return code;
}

PickerCopy::PickerCopy(const std::wstring &exePath, const std::wstring &libraryPath) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"tintwell_e2e_" + std::to_wstring(GetCurrentProcessId()) +
              L"_" + std::to_wstring(GetTickCount64());
    const auto note = [this](const char *step) {
        if (!problem_.empty()) return;
        problem_ = std::string(step) + " failed, error " + std::to_string(GetLastError());
    };
    if (!CreateDirectoryW(folder_.c_str(), nullptr)) note("making the folder");
    exe_ = folder_ + L"\\tintwell.exe";
    if (!CopyFileW(exePath.c_str(), exe_.c_str(), FALSE)) note("copying tintwell.exe");
    if (!libraryPath.empty()) {
        library_ = folder_ + L"\\dyeplate.dll";
        if (!CopyFileW(libraryPath.c_str(), library_.c_str(), FALSE)) note("copying dyeplate.dll");
    }
}

PickerCopy::~PickerCopy() {
    DeleteFileW(exe_.c_str());
    if (!library_.empty()) DeleteFileW(library_.c_str());
    RemoveDirectoryW(folder_.c_str());
}

}  // namespace testsupport

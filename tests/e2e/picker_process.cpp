#include "picker_process.h"

#include <vector>

#include "control_layout.h"
#include "screen_probe.h"

namespace e2e {

PickerProcess::PickerProcess(const std::wstring &exePath)
    : process_(nullptr), processId_(0), threadId_(0) {
    std::wstring commandLine = L"\"" + exePath + L"\"";
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
    }
}

PickerProcess::~PickerProcess() {
    if (process_ == nullptr) return;
    if (IsRunning()) {
        HWND form = FindTopLevel(tintwell::win32::kFormClass);
        if (form != nullptr) PostMessageW(form, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process_, 5000) != WAIT_OBJECT_0) {
            TerminateProcess(process_, 99);
            WaitForSingleObject(process_, 5000);
        }
    }
    CloseHandle(process_);
}

namespace {

struct Search {
    DWORD processId;
    const wchar_t *className;
    bool visibleOnly;
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM context) {
    auto *search = reinterpret_cast<Search *>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId) return TRUE;
    if (search->visibleOnly && !IsWindowVisible(window)) return TRUE;
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (lstrcmpiW(className, search->className) == 0) search->found.push_back(window);
    return TRUE;
}

}  // namespace

HWND PickerProcess::FindTopLevel(const wchar_t *className) {
    Search search{processId_, className, true, {}};
    EnumWindows(&Collect, reinterpret_cast<LPARAM>(&search));
    return search.found.empty() ? nullptr : search.found.front();
}

HWND PickerProcess::WaitForForm(DWORD timeoutMs) {
    HWND form = nullptr;
    WaitUntil(timeoutMs, [&] {
        form = FindTopLevel(tintwell::win32::kFormClass);
        return form != nullptr;
    });
    if (form != nullptr) threadId_ = GetWindowThreadProcessId(form, nullptr);
    return form;
}

HWND PickerProcess::WaitForMessageBox(DWORD timeoutMs) {
    HWND box = nullptr;
    WaitUntil(timeoutMs, [&] {
        box = FindTopLevel(L"#32770");
        return box != nullptr;
    });
    return box;
}

int PickerProcess::CountMessageBoxes() {
    Search search{processId_, L"#32770", true, {}};
    EnumWindows(&Collect, reinterpret_cast<LPARAM>(&search));
    return static_cast<int>(search.found.size());
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
    CreateDirectoryW(folder_.c_str(), nullptr);
    exe_ = folder_ + L"\\tintwell.exe";
    CopyFileW(exePath.c_str(), exe_.c_str(), FALSE);
    if (!libraryPath.empty()) {
        library_ = folder_ + L"\\dyeplate.dll";
        CopyFileW(libraryPath.c_str(), library_.c_str(), FALSE);
    }
}

PickerCopy::~PickerCopy() {
    DeleteFileW(exe_.c_str());
    if (!library_.empty()) DeleteFileW(library_.c_str());
    RemoveDirectoryW(folder_.c_str());
}

namespace {

BOOL CALLBACK AppendText(HWND child, LPARAM context) {
    auto *text = reinterpret_cast<std::wstring *>(context);
    const std::wstring childText = WindowText(child);
    if (!childText.empty()) *text += childText + L"\n";
    return TRUE;
}

}  // namespace

std::wstring MessageBoxText(HWND box) {
    std::wstring text;
    EnumChildWindows(box, &AppendText, reinterpret_cast<LPARAM>(&text));
    return text;
}

}  // namespace e2e

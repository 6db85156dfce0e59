#include "resident_instance.h"

namespace tintwell::win32 {

namespace {

// Local\: one per session, so that users signed in side by side each have theirs.
constexpr const wchar_t *kResidentMarkName = L"Local\\Tintwell.Resident";
// Long enough for a busy window, short enough that a hung one does not hold up the
// start for long.
constexpr UINT kAnswerTimeoutMs = 3000;

}  // namespace

UINT ShowResidentMessage() {
    static const UINT message = RegisterWindowMessageW(L"Tintwell.ShowResident");
    return message;
}

ResidentMark::ResidentMark() : mutex_(nullptr) {}

ResidentMark::~ResidentMark() {
    Release();
}

bool ResidentMark::Take() {
    if (mutex_ != nullptr) return true;
    const HANDLE mutex = CreateMutexW(nullptr, FALSE, kResidentMarkName);
    if (mutex == nullptr) return false;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return false;
    }
    mutex_ = mutex;
    return true;
}

void ResidentMark::Release() {
    if (mutex_ != nullptr) CloseHandle(mutex_);
    mutex_ = nullptr;
}

bool ShowResidentInstance(const wchar_t *formClass) {
    const HANDLE mark = OpenMutexW(SYNCHRONIZE, FALSE, kResidentMarkName);
    if (mark == nullptr) return false;
    CloseHandle(mark);
    for (HWND window = FindWindowExW(nullptr, nullptr, formClass, nullptr); window != nullptr;
         window = FindWindowExW(nullptr, window, formClass, nullptr)) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        // This start was the user's, so it may hand the foreground on.
        AllowSetForegroundWindow(process);
        DWORD_PTR answer = 0;
        if (SendMessageTimeoutW(window, ShowResidentMessage(), 0, 0, SMTO_ABORTIFHUNG,
                                kAnswerTimeoutMs, &answer) != 0 &&
            static_cast<LRESULT>(answer) == kResidentAnswer) {
            return true;
        }
    }
    return false;
}

}  // namespace tintwell::win32

// One running tintwell.exe, started by a test program (the end-to-end suite, the
// soak) and ended with it, and a copy of it in a folder of its own.
#ifndef TINTWELL_TESTS_SUPPORT_PICKER_PROCESS_H
#define TINTWELL_TESTS_SUPPORT_PICKER_PROCESS_H

#include <windows.h>

#include <string>

namespace testsupport {

class PickerProcess {
  public:
    // `arguments` follow the program's quoted path on its command line.
    explicit PickerProcess(const std::wstring &exePath, const std::wstring &arguments = {});
    ~PickerProcess();
    PickerProcess(const PickerProcess &) = delete;
    PickerProcess &operator=(const PickerProcess &) = delete;

    bool started() const { return process_ != nullptr; }
    // Why the process did not start (GetLastError of CreateProcess), or 0.
    DWORD startError() const { return startError_; }
    HANDLE handle() const { return process_; }
    DWORD id() const { return processId_; }
    DWORD threadId() const { return threadId_; }

    // The visible Form1 of this process, or nullptr when it did not show up in time.
    HWND WaitForForm(DWORD timeoutMs);
    // A message box (dialog class #32770) of this process, or nullptr.
    HWND WaitForMessageBox(DWORD timeoutMs);
    // All top-level message boxes this process shows right now.
    int CountMessageBoxes();

    bool IsRunning();
    // The exit code once the process has ended within the time, else STILL_ACTIVE.
    DWORD WaitForExit(DWORD timeoutMs);

  private:
    HANDLE process_;
    DWORD processId_;
    DWORD threadId_;
    DWORD startError_ = 0;
};

// A copy of the picker in a fresh folder of its own, beside a given dyeplate.dll or
// none; the folder goes with the object.
class PickerCopy {
  public:
    PickerCopy(const std::wstring &exePath, const std::wstring &libraryPath);
    ~PickerCopy();
    PickerCopy(const PickerCopy &) = delete;
    PickerCopy &operator=(const PickerCopy &) = delete;

    const std::wstring &exe() const { return exe_; }
    // The first step of making the copy that failed, with its error, or empty.
    const std::string &problem() const { return problem_; }

  private:
    std::wstring folder_;
    std::wstring exe_;
    std::wstring library_;
    std::string problem_;
};

}  // namespace testsupport

#endif  // TINTWELL_TESTS_SUPPORT_PICKER_PROCESS_H

// The real tintwell.exe, started by the soak and driven from outside: its window
// and controls, synchronous delivery of mouse messages and clicks with a bound on
// how long the window may take, and what it shows read back.
#ifndef TINTWELL_SOAK_RUNNING_PICKER_H
#define TINTWELL_SOAK_RUNNING_PICKER_H

#include <windows.h>

#include <optional>
#include <string>

#include "colour_window.h"
#include "control_layout.h"
#include "picker_process.h"
#include "window_probe.h"

namespace soak {

using testsupport::ClipboardText;
using testsupport::ColourWindow;
using testsupport::MessageBoxes;
using testsupport::MessageBoxText;
using testsupport::Pause;
using tintwell::win32::ControlId;

class RunningPicker {
  public:
    // Starts the program and waits for its window; throws std::runtime_error.
    explicit RunningPicker(const std::wstring &exePath);
    ~RunningPicker();
    RunningPicker(const RunningPicker &) = delete;
    RunningPicker &operator=(const RunningPicker &) = delete;

    HWND form() const { return form_; }
    HWND control(ControlId id) const;
    HANDLE process() const { return process_.handle(); }
    DWORD processId() const { return process_.id(); }

    // Sends a message and waits for the window to handle it, at most timeoutMs.
    // Returns false when the window did not answer in time; elapsedUs gets the time.
    bool Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD timeoutMs,
              double &elapsedUs, LRESULT *result = nullptr);
    bool Click(ControlId id, DWORD timeoutMs, double &elapsedUs);

    std::optional<std::wstring> Text(DWORD timeoutMs);
    // Top-left of a control's window in its parent's client pixels.
    POINT Position(ControlId id) const;
    POINT ScreenPoint(ControlId id, int x, int y) const;
    bool Topmost() const;
    RECT FormRect() const;
    bool Alive() { return process_.IsRunning(); }

  private:
    testsupport::PickerProcess process_;
    HWND form_ = nullptr;
};

// The colour of a screen pixel, polled until it equals `expected` or timeoutMs
// passes (the window reaches the screen a little after it has painted).
COLORREF AwaitScreenPixel(POINT screen, COLORREF expected, DWORD timeoutMs);

}  // namespace soak

#endif  // TINTWELL_SOAK_RUNNING_PICKER_H

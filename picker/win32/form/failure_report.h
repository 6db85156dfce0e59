// The one report: every message box the picker shows while it runs goes through it,
// so that two never stack and a failure is told by one rule (report_queue.h says
// which failures are told again, and why). A box is not shown from inside the
// handler that failed: the notice is queued and a message is posted, so the
// handler's caller unwinds first. While a notice waits or is shown the form
// dispatches no handler, so timer ticks arriving under the box cannot pile up boxes
// or re-enter the picker; the next notice waits for the box before it to close.
#ifndef TINTWELL_PICKER_WIN32_FAILURE_REPORT_H
#define TINTWELL_PICKER_WIN32_FAILURE_REPORT_H

#include <windows.h>

#include <exception>
#include <string>

#include "command_ids.h"
#include "report_queue.h"

namespace tintwell::win32 {

class FailureReport {
  public:
    FailureReport() : queue_(), posted_(false) {}

    // True while a notice waits or is on screen.
    bool Busy() const { return queue_.Busy(); }
    // The user did something: a failure that repeats by itself may be told again.
    void UserActed() { queue_.UserActed(); }

    void Note(HWND form, const Notice &notice, NoticeOrigin origin);
    // Shows what waits, one box after the other, each owned by the form. Called again
    // from inside a box's own message loop, it shows nothing.
    void ShowPending(HWND form);

  private:
    ReportQueue queue_;
    bool posted_;
};

// Tells the user `notice` through the report of the form window `form`, which takes
// kTellUserMessage; what the user did caused it, so it is told each time. A window
// that does not take the message (the form is gone, or a test's window) gets the box
// straight away.
void TellUser(HWND form, const Notice &notice);
// A failure's text as TellUser's notice.
void TellFailure(HWND form, const std::exception &failure);
// What the form does with kTellUserMessage: the notice its lParam points to.
const Notice &ToldNotice(LPARAM lParam);

// What the user reads of a failure (see FailureMessage).
std::string FailureText(const std::exception_ptr &failure);

// The one message box of a failed start: no window to own it yet.
void ShowStartupFailure(const std::exception_ptr &failure);

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_FAILURE_REPORT_H

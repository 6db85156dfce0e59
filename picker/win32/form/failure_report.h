// Reports a handler's failure to the user without stalling the window. The message
// box is not shown from inside the handler: the failure is noted and a message is
// posted, so the handler's caller unwinds first. While a report waits or is shown,
// later failures are dropped and the form dispatches no handler, so timer ticks
// arriving under the message box cannot pile up boxes or re-enter the picker.
// Each distinct failure is shown once per run: a failure that repeats on every
// timer tick would otherwise bring the box back a tenth of a second after each
// dismissal, and the user could never reach the check box that stops the ticks. A
// failure of a command the user chose (a menu item) is shown each time it is chosen:
// nothing repeats it but the user, who would otherwise see nothing happen.
#ifndef TINTWELL_PICKER_WIN32_FAILURE_REPORT_H
#define TINTWELL_PICKER_WIN32_FAILURE_REPORT_H

#include <windows.h>

#include <exception>
#include <set>
#include <string>

#include "command_ids.h"

namespace tintwell::win32 {

class FailureReport {
  public:
    FailureReport() : pending_(false), showing_(false), text_(), shown_() {}

    // True while a report waits or is on screen.
    bool Busy() const { return pending_ || showing_; }

    enum class Repeats { OncePerRun, EachTime };
    void Note(HWND form, const std::string &message, Repeats repeats = Repeats::OncePerRun);
    // Shows the noted failure in a message box owned by the form.
    void ShowPending(HWND form);

  private:
    bool pending_;
    bool showing_;
    std::wstring text_;
    std::set<std::wstring> shown_;
};

// What the user reads of a failure (see FailureMessage).
std::string FailureText(const std::exception_ptr &failure);

// The one message box of a failed start: no window to own it yet.
void ShowStartupFailure(const std::exception_ptr &failure);

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_FAILURE_REPORT_H

// Where a window's handling of a message sends a failure it let out. No exception may
// unwind through the system's frames between a window procedure and the message
// loop, so the window procedure catches it and hands it on here; the program has one
// sink, the form, which shows it to the user as it shows a failed handler of the
// core (see FailureReport).
#ifndef TINTWELL_PICKER_WIN32_FAILURE_SINK_H
#define TINTWELL_PICKER_WIN32_FAILURE_SINK_H

#include <exception>

namespace tintwell::win32 {

class FailureSink {
  public:
    // The handling of a message ended at `failure`. Called from inside a window
    // procedure, where nothing could catch, so it must not throw; what it shows, it
    // shows once the handling is over.
    virtual void HandlerFailed(const std::exception_ptr &failure) noexcept = 0;

  protected:
    ~FailureSink() = default;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_FAILURE_SINK_H

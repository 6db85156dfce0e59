// The eyedropper on the form: the loupe beside the pointer and what drives it, the
// sampling timer's ticks, Ctrl+F, and the sample's size and the loupe's switch in
// the system menu, which it declares. It owns the timers that let the screen be
// drawn again after the loupe stepped aside.
#ifndef TINTWELL_PICKER_WIN32_FORM_EYEDROPPER_H
#define TINTWELL_PICKER_WIN32_FORM_EYEDROPPER_H

#include <windows.h>

#include <functional>
#include <utility>

#include "failure_sink.h"
#include "form.h"
#include "form_controls_adapter.h"
#include "handler_routes.h"
#include "loupe.h"
#include "system_menu.h"

namespace tintwell::win32 {

class Eyedropper {
  public:
    Eyedropper(Form &form, FormControlsAdapter &controls, Loupe &loupe, HandlerRunner &runner,
               FailureSink &failures);
    Eyedropper(const Eyedropper &) = delete;
    Eyedropper &operator=(const Eyedropper &) = delete;

    // Makes the loupe for `window` and declares the sample's size and the loupe's
    // switch in its system menu. A loupe that cannot be made is said so, and the
    // eyedropper goes on without it, and without its switch.
    void Attach(HINSTANCE instance, HWND window, SystemMenu &menu);
    // Stops the timers of its own; the window is going.
    void Detach();

    // WM_TIMER: the sampling tick and the eyedropper's own delays.
    LRESULT OnTimer(UINT_PTR timer);
    // Ctrl+F from whichever control of the form has the focus.
    void OnFreezeKey();

    // The loupe's switch and the sample's size as kept from an earlier start, for
    // the menu to show ticked; a loupe that could not be made stays off.
    void Restore(bool loupeOn, SampleSize size);
    // Called after the user chose the loupe's switch or a sample size.
    void WatchSwitches(std::function<void()> watcher) { watcher_ = std::move(watcher); }

  private:
    // False when the loupe's window could not be made, which has been said.
    bool MakeLoupe(HINSTANCE instance);
    // One sample: the loupe steps out of the way first, and when it had to, the
    // sample waits a moment for the screen under it.
    void TakeSample(bool afterStepAside);
    void ChooseSampleSize(SampleSize size);
    void Freeze();

    Form &form_;
    FormControlsAdapter &controls_;
    Loupe &loupe_;
    HandlerRunner &runner_;
    FailureSink &failures_;
    HWND window_;
    bool loupeMade_;
    std::function<void()> watcher_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_FORM_EYEDROPPER_H

// The eyedropper on the form: the loupe beside the pointer and what drives it, the
// sampling timer's ticks, Ctrl+F and the sample's size from the system menu. It owns
// the size's menu commands (see WindowBase) and the timers that let the screen be
// drawn again after the loupe stepped aside.
#ifndef TINTWELL_PICKER_WIN32_FORM_EYEDROPPER_H
#define TINTWELL_PICKER_WIN32_FORM_EYEDROPPER_H

#include <windows.h>

#include "form.h"
#include "form_controls_adapter.h"
#include "handler_routes.h"
#include "loupe.h"
#include "window_base.h"

namespace tintwell::win32 {

class Eyedropper : public MessageOwner {
  public:
    Eyedropper(Form &form, FormControlsAdapter &controls, Loupe &loupe, HandlerRunner &runner);
    Eyedropper(const Eyedropper &) = delete;
    Eyedropper &operator=(const Eyedropper &) = delete;

    // Makes the loupe for `window` and puts the sample's size in its system menu, just
    // before the loupe's switch.
    void Attach(HINSTANCE instance, HWND window);
    // Stops the timers of its own; the window is going.
    void Detach();

    // The size's items come as system commands, or as plain commands when chosen in
    // the submenu.
    bool OwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;
    // WM_TIMER: the sampling tick and the eyedropper's own delays.
    LRESULT OnTimer(UINT_PTR timer);
    // Ctrl+F from whichever control of the form has the focus.
    void OnFreezeKey();

  private:
    // One sample: the loupe steps out of the way first, and when it had to, the
    // sample waits a moment for the screen under it.
    void TakeSample(bool afterStepAside);
    // The sample's size from the system menu; false for other commands.
    bool ChooseSampleSize(WPARAM command);
    void Freeze();

    Form &form_;
    FormControlsAdapter &controls_;
    Loupe &loupe_;
    HandlerRunner &runner_;
    HWND window_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_FORM_EYEDROPPER_H

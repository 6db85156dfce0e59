// Which handler of the picker core each control's input reaches, as tables: the
// clicks of the buttons, the presses and moves of the pictures and markers, and the
// step keys of the pictures; and the one way every part of the form runs a handler.
#ifndef TINTWELL_PICKER_WIN32_HANDLER_ROUTES_H
#define TINTWELL_PICKER_WIN32_HANDLER_ROUTES_H

#include <cstdint>
#include <functional>

#include "control_id.h"
#include "form.h"

namespace tintwell::win32 {

using ClickHandler = void (Form::*)();
using PointerHandler = void (Form::*)(int16_t button, int16_t shift, float x, float y);
using KeyHandler = void (Form::*)(int16_t keyCode, int16_t shift);

// Each is nullptr where the control's input reaches no handler.
ClickHandler ClickHandlerOf(int control);
PointerHandler PressHandlerOf(ControlId control);
PointerHandler MoveHandlerOf(ControlId control);
KeyHandler KeyHandlerOf(ControlId control);

// Runs one handler of the core for a part of the form that takes input of its own
// (the eyedropper's keys and timers, the history's switch, the controls' input): a
// failure ends the handler and is reported, and what it changed shows at once.
class HandlerRunner {
  public:
    // For something the user did (a key, a click, the hotkey, Ctrl+V): its failure is
    // told each time.
    virtual void RunHandler(const std::function<void()> &handler) = 0;
    // The same for a command the user chose from a menu.
    virtual void RunChosenHandler(const std::function<void()> &handler) = 0;
    // For what runs by itself again and again (a timer's tick): its failure is told
    // once until the user does something (report_queue.h).
    virtual void RunRepeatingHandler(const std::function<void()> &handler) { RunHandler(handler); }

  protected:
    ~HandlerRunner() = default;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_HANDLER_ROUTES_H

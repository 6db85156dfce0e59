// What the controls' mouse messages become for the handlers: the button and shift
// masks, and the press that captures the mouse until every button is up.
#ifndef TINTWELL_PICKER_WIN32_MOUSE_INPUT_H
#define TINTWELL_PICKER_WIN32_MOUSE_INPUT_H

#include <windows.h>

#include <cstdint>

#include "control_id.h"

namespace tintwell::win32 {

struct MouseEvent {
    int16_t button;  // kLeftButton, kRightButton, kMiddleButton added together
    int16_t shift;   // kShiftKey, kCtrlKey, kAltKey added together
    float x;         // in the control's unit: pixels for pictures, twips for labels
    float y;
};

// Turns a position in a control's client pixels into the unit its handlers take:
// table pixels for the pictures, twips of table pixels for the markers.
class PointerUnits {
  public:
    virtual void Convert(POINT client, float &x, float &y) const = 0;

  protected:
    ~PointerUnits() = default;
};

// Receives the presses and moves of the controls that report them.
class MouseSink {
  public:
    virtual void MouseDown(ControlId control, const MouseEvent &event) = 0;
    virtual void MouseMove(ControlId control, const MouseEvent &event) = 0;
    // The left button came up, or the control lost the mouse it had captured.
    virtual void MouseLetGo(ControlId control) = 0;

  protected:
    ~MouseSink() = default;
};

// The press, release and move messages of a control that reports them: a press
// captures the mouse for the drag, the last release ends it, and the sink gets
// presses and moves with the position converted by `units`, and the end of each
// drag. Returns false for any other message.
bool RouteMouseMessage(HWND window, ControlId id, MouseSink &sink, const PointerUnits &units,
                       UINT message, WPARAM keys, LPARAM position);

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_MOUSE_INPUT_H

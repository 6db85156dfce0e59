// What the controls' mouse messages become for the handlers: the button and shift
// masks, and the press that captures the mouse until every button is up.
#ifndef TINTWELL_PICKER_WIN32_MOUSE_INPUT_H
#define TINTWELL_PICKER_WIN32_MOUSE_INPUT_H

#include <windows.h>

#include <cstdint>

#include "control_layout.h"

namespace tintwell::win32 {

struct MouseEvent {
    int16_t button;  // 1 left, 2 right, 4 middle, added together
    int16_t shift;   // 1 Shift, 2 Ctrl, 4 Alt
    float x;         // in the control's unit: pixels for pictures, twips for labels
    float y;
};

// Receives the presses and moves of the controls that report them.
class MouseSink {
  public:
    virtual void MouseDown(ControlId control, const MouseEvent &event) = 0;
    virtual void MouseMove(ControlId control, const MouseEvent &event) = 0;

  protected:
    ~MouseSink() = default;
};

int16_t ButtonMask(WPARAM keys);
int16_t ShiftMask(WPARAM keys);

// The position of a mouse message in the window's client pixels; negative while a
// captured drag is left or above the window.
POINT MessagePoint(LPARAM lParam);

// A press keeps the moves coming to this window wherever the pointer goes; they
// stop when the last button is released (keys is the state after the release).
void CaptureForDrag(HWND window);
void EndDragIfNoButtons(HWND window, WPARAM keys);

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_MOUSE_INPUT_H

// What a picture's key messages become for the handlers: the key code and the shift
// mask, for the keys that step a pick.
#ifndef TINTWELL_PICKER_WIN32_KEY_INPUT_H
#define TINTWELL_PICKER_WIN32_KEY_INPUT_H

#include <windows.h>

#include <cstdint>

#include "control_id.h"

namespace tintwell::win32 {

// Receives the step keys pressed in the controls that take them, and says whether
// those controls show where the keyboard focus is.
class KeySink {
  public:
    virtual void KeyDown(ControlId control, int16_t keyCode, int16_t shift) = 0;
    // True once the keyboard has been used to move around the window.
    virtual bool KeyboardInUse() const = 0;

  protected:
    ~KeySink() = default;
};

// The arrows, Home, End, Page Up and Page Down: handed to the sink with the shift
// mask held at the time. Returns false for any other message or key.
bool RouteKeyMessage(ControlId id, KeySink &sink, UINT message, WPARAM key);

// The shift mask of a key message as it left the queue, not as the keyboard is now.
int16_t HeldShiftMask();

// Whether a message of the window's queue moves around with the keyboard: Tab, the
// arrows, Home, End, Page Up and Page Down, or Alt.
bool IsNavigationKey(const MSG &message);

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_KEY_INPUT_H

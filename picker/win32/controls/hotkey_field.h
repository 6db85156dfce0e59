// The settings dialog's key field: an edit control that does not take text but reads
// the keys pressed in it, so that a combination with Win can be chosen, which the
// system's hotkey control refuses. Each key-down (WM_KEYDOWN or WM_SYSKEYDOWN) goes to
// the field's listener with the key and the modifiers then held; the listener
// decides what the field shows and whether the key is the dialog's after all
// (Tab, Enter, Esc).
#ifndef TINTWELL_PICKER_WIN32_CONTROLS_HOTKEY_FIELD_H
#define TINTWELL_PICKER_WIN32_CONTROLS_HOTKEY_FIELD_H

#include <windows.h>

#include <cstdint>

#include "failure_sink.h"

namespace tintwell::win32 {

class KeyFieldListener {
  public:
    // `key` the virtual key, `held` the modifiers as RegisterHotKey's MOD_ bits; true
    // lets the key through to the dialog.
    virtual bool KeyPressed(uint32_t key, uint32_t held) = 0;
    // The last modifier came up without a key: the field shows its combination again
    // instead of the modifiers that were held.
    virtual void KeysLetGo() = 0;

  protected:
    ~KeyFieldListener() = default;
};

// MOD_CONTROL, MOD_ALT, MOD_SHIFT and MOD_WIN for the modifiers held now.
uint32_t HeldHotkeyModifiers();

// Makes the edit control a key field for as long as it exists. What the listener
// throws ends the handling of that key and goes to `failures`: the field's procedure
// is called by the system, and nothing may unwind through its frames.
bool MakeHotkeyField(HWND edit, KeyFieldListener &listener, FailureSink &failures);

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_CONTROLS_HOTKEY_FIELD_H

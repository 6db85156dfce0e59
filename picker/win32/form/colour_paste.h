// Showing the clipboard's colour: Ctrl+V from any control but the text box (which
// pastes text, as a text box does), and the copy menu's item. A text that is no
// colour is said in a message box; it changes nothing.
#ifndef TINTWELL_PICKER_WIN32_FORM_COLOUR_PASTE_H
#define TINTWELL_PICKER_WIN32_FORM_COLOUR_PASTE_H

#include <windows.h>

#include "form.h"
#include "handler_routes.h"

namespace tintwell::win32 {

// Whether a message of the window's queue is Ctrl+V (without Alt or Shift) for a
// window of the form other than `textBox`.
bool IsPasteKey(const MSG &message, HWND form, HWND textBox);

class ColourPaste {
  public:
    // window: the form's, which owns the message box, as it is made and destroyed.
    ColourPaste(Form &form, HandlerRunner &runner, const HWND &window);
    ColourPaste(const ColourPaste &) = delete;
    ColourPaste &operator=(const ColourPaste &) = delete;

    void Run();

  private:
    Form &form_;
    HandlerRunner &runner_;
    const HWND &window_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_FORM_COLOUR_PASTE_H

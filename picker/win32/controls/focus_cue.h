// The keyboard focus shown on a picture box. Its inner area is all table, so the
// dotted rectangle goes on the ring of the frame that borders the inner area: the
// inner line of a sunken edge, or a flat one-line border itself. It shows only while
// the box has the focus, the keyboard has been used to move around the window, and
// the system shows keyboard cues there. Waiting for the keyboard even where the system
// shows cues from the start (Wine does, and Windows when the user asks for it) keeps
// a window that is only ever clicked exactly as it always was.
#ifndef TINTWELL_PICKER_WIN32_FOCUS_CUE_H
#define TINTWELL_PICKER_WIN32_FOCUS_CUE_H

#include <windows.h>

namespace tintwell::win32 {

// Whether the window shows a focus cue now.
bool ShowsFocusCue(HWND window, bool keyboardInUse);

// Draws the cue on the frame the system (or the window) has just painted; call it at
// the end of WM_NCPAINT. Draws nothing when the cue is not to show.
void PaintFocusCue(HWND window, bool keyboardInUse);

// Repaints the frame, with or without the cue: on gaining or losing the focus, and
// when the window's keyboard cues come or go.
void RepaintFocusCue(HWND window);

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_FOCUS_CUE_H

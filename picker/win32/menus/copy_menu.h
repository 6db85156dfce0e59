// The copy button's popup menu: the colour in the formats the core offers, then,
// below a separator, the recent colours, each with a swatch of its colour drawn for
// the window's scale.
#ifndef TINTWELL_PICKER_WIN32_MENUS_COPY_MENU_H
#define TINTWELL_PICKER_WIN32_MENUS_COPY_MENU_H

#include <windows.h>

#include <cstddef>
#include <string>

#include "display_scale.h"
#include "form.h"

namespace tintwell::win32 {

struct CopyMenuChoice {
    enum class Kind { None, Format, Recent };
    Kind kind;
    size_t index;  // into the formats or the recent colours
};

// The side of a recent colour's swatch, its frame included, and the frame's width,
// in pixels at the scale.
int CopyMenuSwatchSide(const DisplayScale &scale);
int CopyMenuSwatchFrame(const DisplayScale &scale);

// A menu item's text for a text to show as it is ('&' would otherwise mark a key).
std::wstring MenuItemText(const std::u16string &text);

// Shows the menu until the user chooses or dismisses it. `source` is the button: a
// keyboard request (screen point -1, -1) opens the menu below it, clear of it; a
// click opens it at the pointer.
CopyMenuChoice ShowCopyMenu(HWND owner, HWND source, POINT screenPoint,
                            const Form::CopyMenu &contents, const DisplayScale &scale);

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_MENUS_COPY_MENU_H

// The copy button's popup menu: greyed lines describing the colour (its name, its
// contrast), then the colour in the formats the core offers, then the recent colours,
// then the item that saves them as a palette. A recent colour is a text item,
// "#RRGGBB", that a screen reader announces and typing finds; its swatch alone is
// drawn by the menu's owner, at the window's scale.
#ifndef TINTWELL_PICKER_WIN32_MENUS_COPY_MENU_H
#define TINTWELL_PICKER_WIN32_MENUS_COPY_MENU_H

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "display_scale.h"
#include "form.h"
#include "gdi_handles.h"

namespace tintwell::win32 {

struct CopyMenuChoice {
    enum class Kind { None, Format, Recent, SavePalette };
    Kind kind;
    size_t index;  // into the formats or the recent colours
};

// A menu item's text for a text to show as it is ('&' would otherwise mark a key).
std::wstring MenuItemText(const std::u16string &text);

class CopyMenu {
  public:
    CopyMenu();
    CopyMenu(const CopyMenu &) = delete;
    CopyMenu &operator=(const CopyMenu &) = delete;

    // Shows the menu until the user chooses or dismisses it. `source` is the button:
    // a keyboard request (screen point -1, -1) opens the menu below it, clear of it;
    // a click opens it at the pointer.
    CopyMenuChoice Show(HWND owner, HWND source, POINT screenPoint, const Form::CopyMenu &contents,
                        const DisplayScale &scale);

    // The owner's WM_MEASUREITEM and WM_DRAWITEM for the swatch column of the menu's
    // items while it shows (a recent colour's swatch, empty for the others); false
    // for anything else.
    bool Measure(MEASUREITEMSTRUCT &item) const;
    bool Draw(const DRAWITEMSTRUCT &item) const;

    // The side of a swatch, its frame included, and the frame's width, in pixels.
    int SwatchSide() const;
    int SwatchFrame() const;

  private:
    const ColorRef *ColourOf(UINT type, UINT id) const;
    int Padding() const;

    // Set while the menu shows.
    DisplayScale scale_;
    std::vector<ColorRef> recent_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_MENUS_COPY_MENU_H

// The copy button's popup menu: greyed lines describing the colour (its name, its
// contrast), then the colour in the eight formats, the user's templates and the
// submenu of the other formats (ending in the item that opens the templates file),
// then the recent colours, then the items that show the clipboard's colour and save
// the recent ones as a palette. A recent colour is a text item,
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
#include "window_base.h"

namespace tintwell::win32 {

struct CopyMenuChoice {
    enum class Kind {
        None,
        Format,
        OtherFormat,
        Template,
        EditTemplates,
        Recent,
        PasteColour,
        SavePalette
    };
    Kind kind;
    size_t index;  // into the formats, the other formats, the templates or the recent colours
};

// What the menu asks of the window it belongs to: what to show, and what to do with
// the choice.
class CopyMenuClient {
  public:
    // The contents to show now, or nullptr when there are none to be had: the menu
    // then does not open.
    virtual const Form::CopyMenu *CopyMenuContents() = 0;
    virtual void CopyMenuChosen(const CopyMenuChoice &choice) = 0;

  protected:
    ~CopyMenuClient() = default;
};

// A menu item's text for a text to show as it is ('&' would otherwise mark a key).
std::wstring MenuItemText(const std::u16string &text);

// The owner of the copy button's context menu and of the menu's owner-drawn items: the
// window the button is in hands it those messages (see WindowBase).
class CopyMenu : public MessageOwner {
  public:
    // scale: the window's, as it changes.
    CopyMenu(CopyMenuClient &client, const DisplayScale &scale);
    CopyMenu(const CopyMenu &) = delete;
    CopyMenu &operator=(const CopyMenu &) = delete;

    // Shows the menu until the user chooses or dismisses it. `source` is the button:
    // a keyboard request (screen point -1, -1) opens the menu below it, clear of it;
    // a click opens it at the pointer.
    // The button the menu belongs to, in `owner`.
    void Attach(HWND owner, HWND button);
    bool OwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;

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

    CopyMenuClient &client_;
    const DisplayScale &windowScale_;
    HWND owner_;
    HWND button_;
    // Set while the menu shows.
    DisplayScale scale_;
    std::vector<ColorRef> recent_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_MENUS_COPY_MENU_H

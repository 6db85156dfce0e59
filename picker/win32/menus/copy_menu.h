// The copy button's popup menu: the colour in the formats the core offers, then,
// below a separator, the recent colours, each drawn by the menu's owner as a swatch
// of its colour and its "#RRGGBB", at the window's scale.
#ifndef TINTWELL_PICKER_WIN32_MENUS_COPY_MENU_H
#define TINTWELL_PICKER_WIN32_MENUS_COPY_MENU_H

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "display_scale.h"
#include "form.h"
#include "gdi_handles.h"
#include "system_library.h"
#include "window_base.h"

namespace tintwell::win32 {

struct CopyMenuChoice {
    enum class Kind { None, Format, Recent };
    Kind kind;
    size_t index;  // into the formats or the recent colours
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

    // The owner's WM_MEASUREITEM and WM_DRAWITEM while the menu shows; false for an
    // item that is not one of its recent colours.
    bool Measure(MEASUREITEMSTRUCT &item) const;
    bool Draw(const DRAWITEMSTRUCT &item) const;

    // The side of a swatch, its frame included, and the frame's width, in pixels.
    int SwatchSide() const;
    int SwatchFrame() const;

  private:
    struct RecentItem {
        ColorRef colour;
        std::wstring text;
    };

    const RecentItem *ItemOf(UINT type, UINT id) const;
    // The menu font of the system, at the window's scale.
    Font MenuFont();
    int Padding() const;

    CopyMenuClient &client_;
    const DisplayScale &windowScale_;
    HWND owner_;
    HWND button_;
    SystemLibrary user32_;
    BoundFunction<BOOL(WINAPI *)(UINT, UINT, void *, UINT, UINT)> parametersForDpi_;
    // Set while the menu shows.
    DisplayScale scale_;
    Font font_;
    std::vector<RecentItem> recent_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_MENUS_COPY_MENU_H

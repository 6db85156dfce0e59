// What the copy button's menu shows and what its choices do on the form: the core's
// contents and handlers, and the palette's saving.
#ifndef TINTWELL_PICKER_WIN32_FORM_COPY_MENU_CHOICES_H
#define TINTWELL_PICKER_WIN32_FORM_COPY_MENU_CHOICES_H

#include <windows.h>

#include "colour_paste.h"
#include "copy_menu.h"
#include "form.h"
#include "handler_routes.h"
#include "palette_saving.h"
#include "win32_platform.h"

namespace tintwell::win32 {

class CopyMenuChoices : public CopyMenuClient {
  public:
    // window: the form's, which owns the save dialog, as it is made and destroyed.
    CopyMenuChoices(Form &form, Win32Platform &platform, HandlerRunner &runner, ColourPaste &paste,
                    const HWND &window);
    CopyMenuChoices(const CopyMenuChoices &) = delete;
    CopyMenuChoices &operator=(const CopyMenuChoices &) = delete;

    const Form::CopyMenu *CopyMenuContents() override;
    void CopyMenuChosen(const CopyMenuChoice &choice) override;

  private:
    Form &form_;
    Win32Platform &platform_;
    HandlerRunner &runner_;
    ColourPaste &paste_;
    const HWND &window_;
    PaletteSaving paletteSaving_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_FORM_COPY_MENU_CHOICES_H

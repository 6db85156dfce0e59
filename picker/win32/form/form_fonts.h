// The fonts of the form's controls at a scale: the caption font of the standard
// controls and the ring, and the strip's arrow. They are made anew for every scale
// and kept for as long as the controls show them.
#ifndef TINTWELL_PICKER_WIN32_FORM_FONTS_H
#define TINTWELL_PICKER_WIN32_FORM_FONTS_H

#include <windows.h>

#include "display_scale.h"
#include "gdi_handles.h"
#include "marker_label.h"
#include "ui_fonts.h"

namespace tintwell::win32 {

class FormFonts {
  public:
    FormFonts() : caption_(), arrow_{Font(), L""} {}
    FormFonts(const FormFonts &) = delete;
    FormFonts &operator=(const FormFonts &) = delete;

    // Gives the form's standard controls and the two markers the fonts for `scale`.
    void Apply(HWND form, MarkerLabel &ring, MarkerLabel &arrow, const DisplayScale &scale);

  private:
    Font caption_;
    ArrowGlyph arrow_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_FORM_FONTS_H

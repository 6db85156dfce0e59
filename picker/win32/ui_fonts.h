// The two fonts of the form: a UI font that holds Japanese (half-width katakana
// included) wherever the program runs, and the Marlett arrow of Label2.
#ifndef TINTWELL_PICKER_WIN32_UI_FONTS_H
#define TINTWELL_PICKER_WIN32_UI_FONTS_H

#include <string>

#include "gdi_handles.h"

namespace tintwell::win32 {

Font CreateCaptionFont();

struct ArrowGlyph {
    Font font;
    std::wstring text;
};

// Marlett's "8", a solid triangle pointing right. Where Marlett is missing, or its "8"
// is not a triangle (Wine's own Marlett), font is null and the label draws the
// triangle itself.
ArrowGlyph CreateStripArrow();

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_UI_FONTS_H

// The two fonts of the form: a UI font that holds Japanese (half-width katakana
// included) wherever the program runs, and the Marlett arrow of Label2.
#ifndef TINTWELL_PICKER_WIN32_UI_FONTS_H
#define TINTWELL_PICKER_WIN32_UI_FONTS_H

#include <string>

#include <windows.h>

#include "display_scale.h"
#include "gdi_handles.h"

namespace tintwell::win32 {

// The caption font, 9 pt at the scale: the first Japanese UI face this system has in
// which the widest colour text Text1 can show ("#" and six of the face's widest hex
// digit) fits `colourTextWidth` pixels; failing that, the face where it comes
// closest.
Font CreateCaptionFont(const DisplayScale &scale, int colourTextWidth);

// The width in pixels of the widest "#RRGGBB" text in the font.
int WidestColourTextWidth(HFONT font);

// Where the middle of the glyph's ink lies from the corner it is drawn at, in pixels.
POINT InkCentre(HFONT font, wchar_t glyph);

struct ArrowGlyph {
    Font font;
    std::wstring text;
};

// Marlett's "8", a solid triangle pointing right. Where Marlett is missing, or its "8"
// is not a triangle (Wine's own Marlett), font is null and the label draws the
// triangle itself.
ArrowGlyph CreateStripArrow(const DisplayScale &scale);

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_UI_FONTS_H

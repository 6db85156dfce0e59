#include "form_fonts.h"

#include <utility>

#include "control_layout.h"
#include "marker_geometry.h"

namespace tintwell::win32 {

namespace {

bool TakesCaptionFont(ControlKind kind) {
    return kind != ControlKind::PictureBox && kind != ControlKind::Label &&
           kind != ControlKind::Shape;
}

void ClearMargins(HWND edit) {
    SendMessageW(edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
}

}  // namespace

// With a Japanese font the edit control picks wide default margins, and the last
// digit of "#RRGGBB" no longer fits Text1: it has none, and the font is chosen for
// the width that leaves. A new font resets the margins, so they are cleared again.
void FormFonts::Apply(HWND form, MarkerLabel &ring, MarkerLabel &arrow, const DisplayScale &scale) {
    const HWND text = GetDlgItem(form, kText1);
    ClearMargins(text);
    RECT format{};
    SendMessageW(text, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    Font caption = CreateCaptionFont(scale, format.right - format.left);
    ArrowGlyph strip = CreateStripArrow(scale);
    for (size_t i = 0; i < kControlCount; ++i) {
        if (!TakesCaptionFont(kControls[i].kind)) continue;
        SendMessageW(GetDlgItem(form, kControls[i].id), WM_SETFONT,
                     reinterpret_cast<WPARAM>(caption.get()), TRUE);
    }
    ClearMargins(text);
    const wchar_t *glyph = FindControl(kLabel1).caption;
    ring.SetFont(caption.get(), glyph,
                 RingGeometry::GlyphOffset(InkCentre(caption.get(), glyph[0]), scale));
    arrow.SetFont(strip.font.get(), strip.text);
    // The controls hold the new fonts now; the old ones go with the locals.
    caption_ = std::move(caption);
    arrow_ = std::move(strip);
}

}  // namespace tintwell::win32

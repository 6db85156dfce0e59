#include "ui_fonts.h"

#include <cwchar>
#include <utility>
#include <vector>

#include "glyph_outline.h"

namespace tintwell::win32 {

namespace {

// 9 pt at the 15 twips per pixel the form is laid out at.
constexpr int kCaptionHeight = -12;
// Marlett 14.25 pt: 285 twips, 19 px.
constexpr int kArrowHeight = -19;
constexpr int kArrowWeight = 500;

int CALLBACK StopAtFirst(const LOGFONTW *, const TEXTMETRICW *, DWORD, LPARAM found) {
    *reinterpret_cast<bool *>(found) = true;
    return 0;
}

bool FaceExists(const wchar_t *face, BYTE charSet) {
    LOGFONTW query{};
    query.lfCharSet = charSet;
    wcsncpy(query.lfFaceName, face, LF_FACESIZE - 1);
    bool found = false;
    MemoryDc dc(nullptr);
    EnumFontFamiliesExW(dc.get(), &query, &StopAtFirst, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

LOGFONTW Describe(const wchar_t *face, int height, int weight, BYTE charSet) {
    LOGFONTW font{};
    font.lfHeight = height;
    font.lfWeight = weight;
    font.lfCharSet = charSet;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    return font;
}

// The first Japanese UI face this system has, or an empty name when it has none of
// them; the Shift-JIS character set then lets the font mapper pick any font that
// holds Japanese.
const wchar_t *JapaneseFace() {
    static const wchar_t *const kFaces[] = {L"MS UI Gothic", L"Meiryo UI", L"Yu Gothic UI",
                                            L"IPAPGothic",   L"IPAGothic", L"MS PGothic"};
    for (const wchar_t *face : kFaces) {
        if (FaceExists(face, SHIFTJIS_CHARSET)) return face;
    }
    return L"";
}

// Whether the glyph of `ch` in `font` is a solid triangle: one closed outline of three
// straight edges. Marlett's "8" is one on Windows; Wine's own Marlett draws a cross
// there, and an arrow that is not an arrow is worse than the drawn fallback.
bool GlyphIsTriangle(HFONT font, wchar_t ch) {
    MemoryDc dc(nullptr);
    SelectedObject selected(dc.get(), font);
    GLYPHMETRICS metrics{};
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    const DWORD size = GetGlyphOutlineW(dc.get(), ch, GGO_NATIVE, &metrics, 0, nullptr, &identity);
    if (size == GDI_ERROR || size == 0) return false;
    std::vector<BYTE> outline(size);
    if (GetGlyphOutlineW(dc.get(), ch, GGO_NATIVE, &metrics, size, outline.data(), &identity) ==
        GDI_ERROR) {
        return false;
    }
    return OutlineIsTriangle(outline.data(), size);
}

}  // namespace

// The stock GUI font has no Japanese glyphs on a Western system or under Wine, so
// the captions would show boxes.
Font CreateCaptionFont() {
    LOGFONTW font = Describe(JapaneseFace(), kCaptionHeight, FW_NORMAL, SHIFTJIS_CHARSET);
    return Font(CreateFontIndirectW(&font));
}

ArrowGlyph CreateStripArrow() {
    if (!FaceExists(L"Marlett", SYMBOL_CHARSET)) return ArrowGlyph{Font(), L""};
    LOGFONTW description = Describe(L"Marlett", kArrowHeight, kArrowWeight, SYMBOL_CHARSET);
    Font font(CreateFontIndirectW(&description));
    if (!GlyphIsTriangle(font.get(), L'8')) return ArrowGlyph{Font(), L""};
    return ArrowGlyph{std::move(font), L"8"};
}

}  // namespace tintwell::win32

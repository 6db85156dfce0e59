#include "ui_fonts.h"

#include <algorithm>
#include <climits>
#include <cwchar>
#include <string>
#include <utility>
#include <vector>

#include "glyph_outline.h"

namespace tintwell::win32 {

namespace {

constexpr double kCaptionPoints = 9.0;
// Marlett 14.25 pt: 19 px at 96 dpi.
constexpr double kArrowPoints = 14.25;
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

// The Japanese UI faces in the order they are preferred.
const wchar_t *const kJapaneseFaces[] = {L"MS UI Gothic", L"Meiryo UI", L"Yu Gothic UI",
                                         L"IPAPGothic",   L"IPAGothic", L"MS PGothic"};

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

int WidestColourTextWidth(HFONT font) {
    MemoryDc dc(nullptr);
    SelectedObject selected(dc.get(), font);
    // GDI sets text without kerning: a text is as wide as its characters' advances, so
    // the widest colour text repeats the widest digit.
    wchar_t widest = L'0';
    int widestWidth = -1;
    for (const wchar_t digit : std::wstring(L"0123456789ABCDEF")) {
        SIZE size{};
        GetTextExtentPoint32W(dc.get(), &digit, 1, &size);
        if (size.cx > widestWidth) {
            widestWidth = size.cx;
            widest = digit;
        }
    }
    const std::wstring text = L"#" + std::wstring(6, widest);
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

POINT InkCentre(HFONT font, wchar_t glyph) {
    MemoryDc dc(nullptr);
    SelectedObject selected(dc.get(), font);
    TEXTMETRICW text{};
    GetTextMetricsW(dc.get(), &text);
    GLYPHMETRICS metrics{};
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    if (GetGlyphOutlineW(dc.get(), glyph, GGO_METRICS, &metrics, 0, nullptr, &identity) ==
        GDI_ERROR) {
        SIZE size{};
        GetTextExtentPoint32W(dc.get(), &glyph, 1, &size);
        return POINT{size.cx / 2, size.cy / 2};
    }
    return POINT{
        metrics.gmptGlyphOrigin.x + static_cast<LONG>(metrics.gmBlackBoxX) / 2,
        text.tmAscent - metrics.gmptGlyphOrigin.y + static_cast<LONG>(metrics.gmBlackBoxY) / 2};
}

// The stock GUI font has no Japanese glyphs on a Western system or under Wine, so
// the captions would show boxes. Proportional Japanese faces can have wide digits
// (IPAPGothic's make "#CDCDCD" wider than Text1), so each face is measured with the
// text it has to hold.
Font CreateCaptionFont(const DisplayScale &scale, int colourTextWidth) {
    const int height = scale.FontHeight(kCaptionPoints);
    Font closest;
    int closestWidth = INT_MAX;
    for (const wchar_t *face : kJapaneseFaces) {
        if (!FaceExists(face, SHIFTJIS_CHARSET)) continue;
        LOGFONTW description = Describe(face, height, FW_NORMAL, SHIFTJIS_CHARSET);
        Font font(CreateFontIndirectW(&description));
        if (font.get() == nullptr) continue;
        const int width = WidestColourTextWidth(font.get());
        if (width <= colourTextWidth) return font;
        if (width < closestWidth) {
            closestWidth = width;
            closest = std::move(font);
        }
    }
    if (closest.get() != nullptr) return closest;
    // None of them: the Shift-JIS character set lets the font mapper pick any font
    // that holds Japanese.
    LOGFONTW any = Describe(L"", height, FW_NORMAL, SHIFTJIS_CHARSET);
    return Font(CreateFontIndirectW(&any));
}

ArrowGlyph CreateStripArrow(const DisplayScale &scale) {
    if (!FaceExists(L"Marlett", SYMBOL_CHARSET)) return ArrowGlyph{Font(), L""};
    LOGFONTW description =
        Describe(L"Marlett", scale.FontHeight(kArrowPoints), kArrowWeight, SYMBOL_CHARSET);
    Font font(CreateFontIndirectW(&description));
    if (!GlyphIsTriangle(font.get(), L'8')) return ArrowGlyph{Font(), L""};
    return ArrowGlyph{std::move(font), L"8"};
}

}  // namespace tintwell::win32

// Reading a glyph's outline as GetGlyphOutline(GGO_NATIVE) returns it.
#ifndef TINTWELL_PICKER_WIN32_GLYPH_OUTLINE_H
#define TINTWELL_PICKER_WIN32_GLYPH_OUTLINE_H

#include <windows.h>

namespace tintwell::win32 {

// Whether the outline is a solid triangle: one closed contour of straight edges with
// exactly three corners (the start point may come again at the end to close it).
bool OutlineIsTriangle(const BYTE *outline, DWORD size);

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_GLYPH_OUTLINE_H

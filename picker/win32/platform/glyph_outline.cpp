#include "glyph_outline.h"

#include <cstddef>
#include <vector>

namespace tintwell::win32 {

namespace {

bool SamePoint(const POINTFX &a, const POINTFX &b) {
    return a.x.value == b.x.value && a.x.fract == b.x.fract && a.y.value == b.y.value &&
           a.y.fract == b.y.fract;
}

}  // namespace

bool OutlineIsTriangle(const BYTE *outline, DWORD size) {
    if (size < sizeof(TTPOLYGONHEADER)) return false;
    const auto *contour = reinterpret_cast<const TTPOLYGONHEADER *>(outline);
    if (contour->dwType != TT_POLYGON_TYPE || contour->cb != size) return false;
    std::vector<POINTFX> corners{contour->pfxStart};
    const BYTE *at = outline + sizeof(TTPOLYGONHEADER);
    const BYTE *end = outline + size;
    const size_t curveHeader = offsetof(TTPOLYCURVE, apfx);
    while (at < end) {
        if (static_cast<size_t>(end - at) < curveHeader) return false;
        const auto *curve = reinterpret_cast<const TTPOLYCURVE *>(at);
        const size_t bytes = curveHeader + curve->cpfx * sizeof(POINTFX);
        if (curve->wType != TT_PRIM_LINE || curve->cpfx == 0 ||
            static_cast<size_t>(end - at) < bytes) {
            return false;
        }
        corners.insert(corners.end(), curve->apfx, curve->apfx + curve->cpfx);
        at += bytes;
    }
    if (corners.size() > 1 && SamePoint(corners.back(), corners.front())) corners.pop_back();
    return corners.size() == 3;
}

}  // namespace tintwell::win32

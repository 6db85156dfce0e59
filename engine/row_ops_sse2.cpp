// SSE2 versions of the row operations, sixteen pixels per step.
#include "row_ops.h"

#if DYEPLATE_HAVE_SSE2

#include <emmintrin.h>

#include "table_rules.h"

namespace dyeplate {
namespace sse2 {
namespace {

// SnapLevel on eight 16-bit lanes holding 0-255.
inline __m128i Snap16(__m128i v) {
    const __m128i n = _mm_add_epi16(v, _mm_set1_epi16(25));
    const __m128i q = _mm_mulhi_epu16(n, _mm_set1_epi16(1286));
    return _mm_mullo_epi16(q, _mm_set1_epi16(51));
}

// HueLevel for four columns: e = f - (f * y) * P, truncated, as four 32-bit lanes.
inline __m128i HueLevels4(const double *f, __m128d line, __m128d inv255) {
    const __m128d f0 = _mm_loadu_pd(f);
    const __m128d f1 = _mm_loadu_pd(f + 2);
    const __m128d e0 = _mm_sub_pd(f0, _mm_mul_pd(_mm_mul_pd(f0, line), inv255));
    const __m128d e1 = _mm_sub_pd(f1, _mm_mul_pd(_mm_mul_pd(f1, line), inv255));
    return _mm_unpacklo_epi64(_mm_cvttpd_epi32(e0), _mm_cvttpd_epi32(e1));
}

// Four 0x00RRGGBB pixels to their twelve B, G, R bytes in lanes 0-11 (12-15 zero).
inline __m128i PackFourPixels(__m128i p) {
    const __m128i low24 = _mm_set_epi32(0, 0x00FFFFFF, 0, 0x00FFFFFF);
    const __m128i high24 = _mm_set_epi32(0x0000FFFF, 0xFF000000, 0x0000FFFF, 0xFF000000);
    // Per 64-bit half: the second pixel's bytes moved down next to the first's.
    const __m128i halves =
        _mm_or_si128(_mm_and_si128(p, low24), _mm_and_si128(_mm_srli_epi64(p, 8), high24));
    return _mm_or_si128(_mm_move_epi64(halves), _mm_slli_si128(_mm_srli_si128(halves, 8), 6));
}

}  // namespace

void HueLevelRow(const double *columnLevels, int32_t y, bool snap, uint8_t *levels) {
    const __m128d line = _mm_set1_pd(static_cast<double>(y));
    const __m128d inv255 = _mm_set1_pd(kInv255);
    for (int x = 0; x < kTableSide; x += 16) {
        const double *f = columnLevels + x;
        __m128i low = _mm_packs_epi32(HueLevels4(f, line, inv255), HueLevels4(f + 4, line, inv255));
        __m128i high =
            _mm_packs_epi32(HueLevels4(f + 8, line, inv255), HueLevels4(f + 12, line, inv255));
        if (snap) {
            low = Snap16(low);
            high = Snap16(high);
        }
        _mm_storeu_si128(reinterpret_cast<__m128i *>(levels + x), _mm_packus_epi16(low, high));
    }
}

void InterleaveRow(const uint8_t *blue, const uint8_t *green, const uint8_t *red, uint8_t *out) {
    const __m128i zero = _mm_setzero_si128();
    for (int x = 0; x < kTableSide; x += 16) {
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(blue + x));
        const __m128i g = _mm_loadu_si128(reinterpret_cast<const __m128i *>(green + x));
        const __m128i r = _mm_loadu_si128(reinterpret_cast<const __m128i *>(red + x));
        const __m128i bgLow = _mm_unpacklo_epi8(b, g), bgHigh = _mm_unpackhi_epi8(b, g);
        const __m128i r0Low = _mm_unpacklo_epi8(r, zero), r0High = _mm_unpackhi_epi8(r, zero);
        const __m128i c0 = PackFourPixels(_mm_unpacklo_epi16(bgLow, r0Low));
        const __m128i c1 = PackFourPixels(_mm_unpackhi_epi16(bgLow, r0Low));
        const __m128i c2 = PackFourPixels(_mm_unpacklo_epi16(bgHigh, r0High));
        const __m128i c3 = PackFourPixels(_mm_unpackhi_epi16(bgHigh, r0High));
        // Sixteen pixels are 48 bytes: three whole stores.
        __m128i *o = reinterpret_cast<__m128i *>(out + 3 * x);
        _mm_storeu_si128(o, _mm_or_si128(c0, _mm_slli_si128(c1, 12)));
        _mm_storeu_si128(o + 1, _mm_or_si128(_mm_srli_si128(c1, 4), _mm_slli_si128(c2, 8)));
        _mm_storeu_si128(o + 2, _mm_or_si128(_mm_srli_si128(c2, 8), _mm_slli_si128(c3, 4)));
    }
}

}  // namespace sse2
}  // namespace dyeplate

#endif  // DYEPLATE_HAVE_SSE2

// The B, G, R interleave with SSSE3 byte shuffles: three shuffles and two ors per 16
// output bytes, where SSE2 needs a dozen shifts and masks.
#include "row_ops.h"

#if DYEPLATE_HAVE_SSE2

#include <tmmintrin.h>

#include "table_rules.h"

namespace dyeplate {
namespace ssse3 {
namespace {

// Everything in this file has internal linkage, so no function compiled here with
// SSSE3 allowed can stand in for a copy that the rest of the library calls.
struct ShuffleBytes {
    alignas(16) uint8_t bytes[16];
};

// For output block `block` (bytes 16 * block to 16 * block + 15 of a 48-byte group of
// sixteen pixels) and one channel, the source byte of each output byte, or 0x80 (zero)
// where the output byte belongs to another channel.
constexpr ShuffleBytes ShuffleMask(int block, int channel) {
    ShuffleBytes mask{};
    for (int i = 0; i < 16; ++i) {
        const int k = 16 * block + i;
        mask.bytes[i] = k % 3 == channel ? static_cast<uint8_t>(k / 3) : 0x80;
    }
    return mask;
}

constexpr ShuffleBytes kMasks[3][3] = {
    {ShuffleMask(0, 0), ShuffleMask(0, 1), ShuffleMask(0, 2)},
    {ShuffleMask(1, 0), ShuffleMask(1, 1), ShuffleMask(1, 2)},
    {ShuffleMask(2, 0), ShuffleMask(2, 1), ShuffleMask(2, 2)},
};

inline __m128i Mask(int block, int channel) {
    return _mm_load_si128(reinterpret_cast<const __m128i *>(kMasks[block][channel].bytes));
}

}  // namespace

void InterleaveRow(const uint8_t *blue, const uint8_t *green, const uint8_t *red, uint8_t *out) {
    const __m128i m[3][3] = {{Mask(0, 0), Mask(0, 1), Mask(0, 2)},
                             {Mask(1, 0), Mask(1, 1), Mask(1, 2)},
                             {Mask(2, 0), Mask(2, 1), Mask(2, 2)}};
    for (int x = 0; x < kTableSide; x += 16) {
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(blue + x));
        const __m128i g = _mm_loadu_si128(reinterpret_cast<const __m128i *>(green + x));
        const __m128i r = _mm_loadu_si128(reinterpret_cast<const __m128i *>(red + x));
        __m128i *o = reinterpret_cast<__m128i *>(out + 3 * x);
        for (int block = 0; block < 3; ++block) {
            const __m128i v = _mm_or_si128(
                _mm_or_si128(_mm_shuffle_epi8(b, m[block][0]), _mm_shuffle_epi8(g, m[block][1])),
                _mm_shuffle_epi8(r, m[block][2]));
            _mm_storeu_si128(o + block, v);
        }
    }
}

}  // namespace ssse3
}  // namespace dyeplate

#endif  // DYEPLATE_HAVE_SSE2

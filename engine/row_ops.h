// Whole-row building blocks of the fills: each works on one line of 256 pixels.
//
// Each has a plain loop and an SSE2 version that works on sixteen pixels at a time
// with the same IEEE operations in the same order (packed multiply and subtract round
// exactly like the scalar ones, and the conversion truncates like the scalar cast);
// the interleave also has an SSSE3 version, chosen at run time by a processor check.
// The unqualified functions take the fastest the processor has; every version is
// always built so that tests can hold each against the plain one.
#ifndef DYEPLATE_ROW_OPS_H
#define DYEPLATE_ROW_OPS_H

#include <cstdint>

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#define DYEPLATE_HAVE_SSE2 1
#else
#define DYEPLATE_HAVE_SSE2 0
#endif

namespace dyeplate {

// SnapChannel in integer form: 51 * floor((c + 25) / 51), the division done as a
// multiply-high by 1286 / 65536, exact for every c in 0-255.
inline uint8_t SnapLevel(uint8_t c) {
    const uint16_t n = static_cast<uint16_t>(c + 25);
    const uint16_t q = static_cast<uint16_t>((static_cast<uint32_t>(n) * 1286u) >> 16);
    return static_cast<uint8_t>(q * 51);
}

// levels[x] = HueLevel(columnLevels[x], y) for the 256 columns, snapped when asked.
void HueLevelRow(const double *columnLevels, int32_t y, bool snap, uint8_t *levels);

// out[3x], out[3x+1], out[3x+2] = blue[x], green[x], red[x] for the 256 pixels.
void InterleaveRow(const uint8_t *blue, const uint8_t *green, const uint8_t *red, uint8_t *out);

namespace plain {
void HueLevelRow(const double *columnLevels, int32_t y, bool snap, uint8_t *levels);
void InterleaveRow(const uint8_t *blue, const uint8_t *green, const uint8_t *red, uint8_t *out);
}  // namespace plain

#if DYEPLATE_HAVE_SSE2
namespace sse2 {
void HueLevelRow(const double *columnLevels, int32_t y, bool snap, uint8_t *levels);
void InterleaveRow(const uint8_t *blue, const uint8_t *green, const uint8_t *red, uint8_t *out);
}  // namespace sse2

// Only to be called where HaveSsse3() says the processor has it.
namespace ssse3 {
void InterleaveRow(const uint8_t *blue, const uint8_t *green, const uint8_t *red, uint8_t *out);
}  // namespace ssse3
bool HaveSsse3();
#endif

}  // namespace dyeplate

#endif  // DYEPLATE_ROW_OPS_H

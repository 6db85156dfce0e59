#include "row_ops.h"

#if DYEPLATE_HAVE_SSE2
#if defined(_MSC_VER)
#include <intrin.h>
#else
#include <cpuid.h>
#endif
#endif

#include "table_rules.h"

namespace dyeplate {
namespace plain {

void HueLevelRow(const double *columnLevels, int32_t y, bool snap, uint8_t *levels) {
    for (int x = 0; x < kTableSide; ++x) {
        const uint8_t level = static_cast<uint8_t>(HueLevel(columnLevels[x], y));
        levels[x] = snap ? SnapLevel(level) : level;
    }
}

void InterleaveRow(const uint8_t *blue, const uint8_t *green, const uint8_t *red, uint8_t *out) {
    for (int x = 0; x < kTableSide; ++x) {
        out[3 * x] = blue[x];
        out[3 * x + 1] = green[x];
        out[3 * x + 2] = red[x];
    }
}

}  // namespace plain

#if DYEPLATE_HAVE_SSE2
namespace active = sse2;

bool HaveSsse3() {
    // CPUID leaf 1, ECX bit 9. SSSE3 uses only the SSE registers, which every system
    // that runs SSE2 code already saves.
#if defined(_MSC_VER)
    int regs[4];
    __cpuid(regs, 1);
    return (regs[2] & (1 << 9)) != 0;
#else
    unsigned eax, ebx, ecx, edx;
    return __get_cpuid(1, &eax, &ebx, &ecx, &edx) != 0 && (ecx & bit_SSSE3) != 0;
#endif
}
#else
namespace active = plain;
#endif

void HueLevelRow(const double *columnLevels, int32_t y, bool snap, uint8_t *levels) {
    active::HueLevelRow(columnLevels, y, snap, levels);
}

void InterleaveRow(const uint8_t *blue, const uint8_t *green, const uint8_t *red, uint8_t *out) {
#if DYEPLATE_HAVE_SSE2
    static const bool shuffles = HaveSsse3();
    if (shuffles) {
        ssse3::InterleaveRow(blue, green, red, out);
        return;
    }
#endif
    active::InterleaveRow(blue, green, red, out);
}

}  // namespace dyeplate

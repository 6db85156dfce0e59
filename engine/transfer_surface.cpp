// Transfer for hosts without GDI: the device context is a DyeplateSurface.
#include <cstddef>
#include <cstring>

#include "table_rules.h"
#include "transfer.h"

namespace dyeplate {
namespace {

// A surface is written only when its own description is coherent; we cannot see the
// memory behind it, so a width, height or stride that cannot describe a top-down
// block of 32-bit pixels means nothing is written.
bool IsUsable(const DyeplateSurface &s) {
    if (s.pixels == nullptr || s.width <= 0 || s.height <= 0) return false;
    if (s.stride % 4 != 0) return false;
    return static_cast<int64_t>(s.stride) >= static_cast<int64_t>(s.width) * 4;
}

}  // namespace

void TransferTable(DyeplateDC dc, int width, const TableFill &fill) {
    uint8_t *buffer = SharedTableBuffer();
    fill(buffer);

    const auto *surface = static_cast<const DyeplateSurface *>(dc);
    if (surface == nullptr || !IsUsable(*surface)) return;
    const int columns = width < surface->width ? width : surface->width;
    const int lines = kTableSide < surface->height ? kTableSide : surface->height;
    auto *base = reinterpret_cast<unsigned char *>(surface->pixels);
    for (int line = 0; line < lines; ++line) {
        const uint8_t *src = buffer + (255 - line) * kRowBytes;
        uint32_t *dst =
            reinterpret_cast<uint32_t *>(base + static_cast<ptrdiff_t>(line) * surface->stride);
        for (int x = 0; x < columns; ++x) {
            const uint8_t *p = src + 3 * x;
            dst[x] = 0xFF000000u | (static_cast<uint32_t>(p[2]) << 16) |
                     (static_cast<uint32_t>(p[1]) << 8) | p[0];
        }
    }
}

}  // namespace dyeplate

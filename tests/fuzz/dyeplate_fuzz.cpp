// libFuzzer target for the four exports of the colour table engine. Each input is a
// sequence of calls with arbitrary 32-bit arguments; draws go into surfaces of
// arbitrary geometry. Besides what the sanitizers catch, every call is held to the
// promises of colour_table.h: results with a zero top byte, clamped coordinates,
// modes 1 and 2 equal to 0, out-of-range modes answered with 0 or with the buffer
// as the previous draw left it, drawn pixels equal to the lookups, and no pixel
// outside the drawn rectangle touched.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "colour_table.h"
#include "fuzz_surface.h"
#include "lookup_checks.h"

namespace {

using fuzz::ByteReader;
using fuzz::Fail;
using fuzz::ModeInRange;

// COLORREF 0x00BBGGRR to the surface's 0xFFRRGGBB.
uint32_t SurfacePixel(uint32_t colorref) {
    return 0xFF000000u | ((colorref & 0xFFu) << 16) | (colorref & 0xFF00u) |
           ((colorref >> 16) & 0xFFu);
}

// What the engine's shared buffer holds, as far as this process has seen: the
// arguments of the last draw that filled it. It lives as long as the engine's
// buffer does, across inputs.
struct BufferModel {
    bool known = true;  // a fresh engine holds black
    bool filled = false;
    bool strip = false;
    uint32_t colour = 0;
    int32_t mode = 0;
    int32_t webSafe = 0;

    uint32_t expected(int32_t x, int32_t y) const {
        if (!filled) return 0xFF000000u;
        return SurfacePixel(strip ? GetColor2(colour, mode, y, webSafe)
                                  : GetColor(colour, mode, x, y, webSafe));
    }
};

BufferModel g_buffer;

enum class SurfaceKind { kNullDc, kNullPixels, kReal };

void FuzzDraw(bool strip, SurfaceKind kind, int32_t width, int32_t height, int32_t stride,
              uint32_t colour, int32_t mode, int32_t webSafe) {
    const auto draw = strip ? DrawColorTable2 : DrawColorTable;
    const char *name = strip ? "DrawColorTable2" : "DrawColorTable";
    int32_t result;
    if (kind == SurfaceKind::kNullDc) {
        result = draw(nullptr, colour, mode, webSafe);
    } else if (kind == SurfaceKind::kNullPixels) {
        DyeplateSurface surface{nullptr, width, height, stride};
        result = draw(&surface, colour, mode, webSafe);
    } else {
        fuzz::FuzzSurface target(width, height, stride, strip ? 20 : 256);
        result = draw(target.surface(), colour, mode, webSafe);

        int64_t offset = 0;
        if (target.findStrayWrite(offset)) {
            std::fprintf(stderr,
                         "dyeplate_fuzz: %s wrote outside its rectangle at byte %lld "
                         "(surface %d x %d, stride %d, rectangle %d x %d)\n",
                         name, static_cast<long long>(offset), width, height, stride,
                         target.drawnColumns(), target.drawnRows());
            std::abort();
        }

        const int32_t columns = target.drawnColumns(), rows = target.drawnRows();
        const bool empty = columns == 0 || rows == 0;
        // A surface whose rows are unaligned, or overlap or run backwards over the
        // width it claims, must be left alone as a whole; a coherent one must be drawn.
        const bool mustRefuse = stride % 4 != 0 || int64_t{stride} < int64_t{width} * 4;
        bool untouched = true;
        for (int32_t y = 0; y < rows && untouched; ++y)
            for (int32_t x = 0; x < columns && untouched; ++x)
                untouched = target.pixel(x, y) == target.canaryPixel();

        if (!empty && mustRefuse) {
            if (!untouched)
                Fail("drew into a surface it must leave alone", colour, mode, width, height,
                     webSafe, static_cast<uint32_t>(stride), 0);
            // Whether a refused draw still refills the buffer is not promised.
            if (ModeInRange(mode)) g_buffer.known = false;
        } else if (!empty) {
            if (ModeInRange(mode)) {
                g_buffer = BufferModel{true,
                                       true,
                                       strip,
                                       colour & 0xFFFFFFu,
                                       mode <= 2 ? 0 : mode,
                                       webSafe != 0 ? 1 : 0};
            }
            if (g_buffer.known) {
                for (int32_t y = 0; y < rows; ++y)
                    for (int32_t x = 0; x < columns; ++x) {
                        const uint32_t want = g_buffer.expected(x, y);
                        const uint32_t got = target.pixel(x, y);
                        if (got != want) Fail(name, colour, mode, x, y, webSafe, got, want);
                    }
            }
        } else if (ModeInRange(mode)) {
            // Whether a draw that shows nothing still refills the buffer is not promised.
            g_buffer.known = false;
        }
    }
    if (kind != SurfaceKind::kReal && ModeInRange(mode)) g_buffer.known = false;
    if (result != 0)
        Fail("draw did not return 0", colour, mode, width, height, webSafe,
             static_cast<uint32_t>(result), 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    ByteReader in(data, size);
    int draws = 0;
    while (!in.done()) {
        const uint8_t op = in.u8();
        const uint32_t colour = in.u32();
        const int32_t mode = in.i32();
        const int32_t webSafe = in.i32();
        switch (op % 4) {
            case 0:
            case 1: {
                const uint8_t kind = in.u8();
                const int32_t width = in.i32();
                const int32_t height = in.i32();
                const int32_t stride = in.i32();
                // Each checked draw reads back every pixel; a few per input keep the
                // fuzzer quick.
                if (++draws > 4) return 0;
                FuzzDraw(op % 4 == 1,
                         kind % 4 == 0   ? SurfaceKind::kNullDc
                         : kind % 4 == 1 ? SurfaceKind::kNullPixels
                                         : SurfaceKind::kReal,
                         width, height, stride, colour, mode, webSafe);
                break;
            }
            case 2: {
                const int32_t x = in.i32();
                const int32_t y = in.i32();
                fuzz::CheckGetColor(colour, mode, x, y, webSafe);
                break;
            }
            default:
                fuzz::CheckGetColor2(colour, mode, in.i32(), webSafe);
                break;
        }
    }
    return 0;
}

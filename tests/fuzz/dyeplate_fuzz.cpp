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

namespace {

class ByteReader {
  public:
    ByteReader(const uint8_t *data, size_t size) : data_(data), size_(size) {}
    bool done() const { return size_ == 0; }
    uint8_t u8() {
        if (size_ == 0) return 0;
        --size_;
        return *data_++;
    }
    uint32_t u32() {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= uint32_t{u8()} << (8 * i);
        return v;
    }
    int32_t i32() { return static_cast<int32_t>(u32()); }

  private:
    const uint8_t *data_;
    size_t size_;
};

[[noreturn]] void Fail(const char *what, uint32_t colour, int32_t mode, int32_t a, int32_t b,
                       int32_t webSafe, uint32_t got, uint32_t want) {
    std::fprintf(stderr,
                 "dyeplate_fuzz: %s\n  colour 0x%08X mode %d args %d %d webSafe %d: got 0x%08X, "
                 "expected 0x%08X\n",
                 what, colour, mode, a, b, webSafe, got, want);
    std::abort();
}

bool ModeInRange(int32_t mode) {
    return static_cast<uint32_t>(mode) <= 5;
}

int32_t Clamp(int32_t v) {
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}

// COLORREF 0x00BBGGRR to the surface's 0xFFRRGGBB.
uint32_t SurfacePixel(uint32_t colorref) {
    return 0xFF000000u | ((colorref & 0xFFu) << 16) | (colorref & 0xFF00u) |
           ((colorref >> 16) & 0xFFu);
}

bool AllChannelsWebSafe(uint32_t colorref) {
    for (int shift = 0; shift < 24; shift += 8)
        if (((colorref >> shift) & 0xFFu) % 51 != 0) return false;
    return true;
}

void CheckLookupResult(const char *name, uint32_t got, uint32_t colour, int32_t mode, int32_t a,
                       int32_t b, int32_t webSafe) {
    if ((got >> 24) != 0)
        Fail("lookup result has a non-zero top byte", colour, mode, a, b, webSafe, got,
             got & 0xFFFFFFu);
    if (!ModeInRange(mode) && got != 0) Fail(name, colour, mode, a, b, webSafe, got, 0);
    if (ModeInRange(mode) && webSafe != 0 && !AllChannelsWebSafe(got))
        Fail("web-safe lookup has an unsnapped channel", colour, mode, a, b, webSafe, got, got);
}

void FuzzGetColor(uint32_t colour, int32_t mode, int32_t x, int32_t y, int32_t webSafe) {
    const uint32_t got = GetColor(colour, mode, x, y, webSafe);
    CheckLookupResult("GetColor with a mode above 5 is not 0", got, colour, mode, x, y, webSafe);
    if (!ModeInRange(mode)) return;
    const int32_t canonicalMode = mode <= 2 ? 0 : mode;
    const uint32_t canonical =
        GetColor(colour & 0xFFFFFFu, canonicalMode, Clamp(x), Clamp(y), webSafe != 0 ? 1 : 0);
    if (got != canonical)
        Fail("GetColor differs from its canonical call (top byte, mode 1/2, clamping, flag)",
             colour, mode, x, y, webSafe, got, canonical);
}

void FuzzGetColor2(uint32_t colour, int32_t mode, int32_t y, int32_t webSafe) {
    const uint32_t got = GetColor2(colour, mode, y, webSafe);
    CheckLookupResult("GetColor2 with a mode above 5 is not 0", got, colour, mode, 0, y, webSafe);
    if (!ModeInRange(mode)) return;
    const int32_t canonicalMode = mode <= 2 ? 0 : mode;
    // The hue strip ignores the base colour.
    const uint32_t base = canonicalMode == 0 ? 0x00123456u : colour & 0xFFFFFFu;
    const uint32_t canonical = GetColor2(base, canonicalMode, Clamp(y), webSafe != 0 ? 1 : 0);
    if (got != canonical)
        Fail("GetColor2 differs from its canonical call (top byte, mode 1/2, clamping, flag)",
             colour, mode, 0, y, webSafe, got, canonical);
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
                FuzzGetColor(colour, mode, x, y, webSafe);
                break;
            }
            default:
                FuzzGetColor2(colour, mode, in.i32(), webSafe);
                break;
        }
    }
    return 0;
}

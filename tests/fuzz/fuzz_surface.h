// A DyeplateSurface whose memory is sized exactly to what it claims, so that the
// sanitizer notices any access past it, and filled with a canary so that a write
// to a pixel the draw must not touch is noticed too.
#ifndef TINTWELL_FUZZ_SURFACE_H
#define TINTWELL_FUZZ_SURFACE_H

#include <cstddef>
#include <cstdint>

#include "colour_table.h"

namespace fuzz {

class FuzzSurface {
  public:
    // tableWidth is 256 for the field, 20 for the strip: it bounds the rectangle a
    // draw may write.
    FuzzSurface(int32_t width, int32_t height, int32_t stride, int32_t tableWidth);
    ~FuzzSurface();
    FuzzSurface(const FuzzSurface &) = delete;
    FuzzSurface &operator=(const FuzzSurface &) = delete;

    DyeplateSurface *surface() { return &surface_; }

    // Rectangle the draw may write: drawnColumns() x drawnRows() at (0, 0).
    int32_t drawnColumns() const { return columns_; }
    int32_t drawnRows() const { return rows_; }
    uint32_t pixel(int32_t x, int32_t y) const;
    // What an untouched pixel reads as.
    uint32_t canaryPixel() const { return canary_ * 0x01010101u; }

    // Looks for a written byte outside the rectangle; returns its offset from the
    // first pixel, or false when none is found.
    bool findStrayWrite(int64_t &offset) const;

  private:
    bool isAllowedByte(int64_t offsetFromPixels) const;

    DyeplateSurface surface_{};
    int32_t columns_ = 0;
    int32_t rows_ = 0;
    int64_t stride_ = 0;
    // [low_, high_) is the memory held, as offsets from surface_.pixels.
    int64_t low_ = 0;
    int64_t high_ = 0;
    unsigned char *block_ = nullptr;  // new[] block, or nullptr when mapped
    void *mapping_ = nullptr;         // mmap'd block with guard pages, for huge strides
    size_t mappingSize_ = 0;
    unsigned char canary_ = 0;
};

}  // namespace fuzz

#endif  // TINTWELL_FUZZ_SURFACE_H

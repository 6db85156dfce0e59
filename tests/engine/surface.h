// A pixel surface for the native draws, with a guard margin all round so that any
// write outside the described rectangle shows up.
#ifndef DYEPLATE_TESTS_SURFACE_H
#define DYEPLATE_TESTS_SURFACE_H

#include <cstdint>
#include <vector>

#include "engine/colour_table.h"

constexpr uint32_t kSentinel = 0x13579BDFu;

class GuardedSurface {
  public:
    // A width x height surface whose rows are `stride` pixels apart.
    GuardedSurface(int width, int height, int stridePixels)
        : stride_(stridePixels),
          storage_(static_cast<size_t>(stridePixels) * (height + 2 * kGuardRows), kSentinel) {
        surface_.pixels = storage_.data() + kGuardRows * stridePixels;
        surface_.width = width;
        surface_.height = height;
        surface_.stride = stridePixels * 4;
    }

    DyeplateSurface *get() { return &surface_; }
    uint32_t at(int x, int y) const { return storage_[(kGuardRows + y) * stride_ + x]; }

    // Counts the words outside the rectangle (0, 0) to (w, h) that are no longer the sentinel.
    int TouchedOutside(int w, int h) const {
        int touched = 0;
        const int rows = static_cast<int>(storage_.size()) / stride_;
        for (int r = 0; r < rows; ++r) {
            for (int x = 0; x < stride_; ++x) {
                const int y = r - kGuardRows;
                const bool inside = y >= 0 && y < h && x < w;
                if (!inside && storage_[r * stride_ + x] != kSentinel) ++touched;
            }
        }
        return touched;
    }

  private:
    static constexpr int kGuardRows = 4;
    int stride_;
    std::vector<uint32_t> storage_;
    DyeplateSurface surface_{};
};

// 0xFFRRGGBB, the surface's pixel word, from a COLORREF.
inline uint32_t SurfaceWord(uint32_t colorref) {
    return 0xFF000000u | ((colorref & 0xFFu) << 16) | (colorref & 0xFF00u) |
           ((colorref >> 16) & 0xFFu);
}

#endif  // DYEPLATE_TESTS_SURFACE_H

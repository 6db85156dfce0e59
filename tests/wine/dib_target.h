// A real GDI drawing target for the engine: a memory DC with a top-down DIB section
// selected, so the test can read back exactly what a draw put there.
#ifndef DYEPLATE_TESTS_DIB_TARGET_H
#define DYEPLATE_TESTS_DIB_TARGET_H

#include <windows.h>

#include <cstdint>
#include <cstring>

class DibTarget {
  public:
    // bitsPerPixel: 24 or 32.
    DibTarget(int width, int height, int bitsPerPixel)
        : width_(width),
          height_(height),
          bytesPerPixel_(bitsPerPixel / 8),
          stride_((width * bitsPerPixel / 8 + 3) & ~3),
          dc_(CreateCompatibleDC(nullptr)),
          bits_(nullptr),
          bitmap_(CreateSection(bitsPerPixel, &bits_)),
          previous_(dc_ != nullptr && bitmap_ != nullptr ? SelectObject(dc_, bitmap_) : nullptr) {}
    ~DibTarget() {
        if (previous_ != nullptr) SelectObject(dc_, previous_);
        if (bitmap_ != nullptr) DeleteObject(bitmap_);
        if (dc_ != nullptr) DeleteDC(dc_);
    }
    DibTarget(const DibTarget &) = delete;
    DibTarget &operator=(const DibTarget &) = delete;

    bool ok() const { return previous_ != nullptr && bits_ != nullptr; }
    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }

    void Fill(COLORREF colour) {
        GdiFlush();
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) Set(x, y, colour);
    }

    // The section's memory is the picture itself; only GDI's batch needs flushing.
    void Capture() const { GdiFlush(); }

    COLORREF At(int x, int y) const {
        const uint8_t *p = Pixel(x, y);
        return RGB(p[2], p[1], p[0]);
    }

  private:
    HBITMAP CreateSection(int bitsPerPixel, void **bits) const {
        BITMAPINFO info;
        std::memset(&info, 0, sizeof info);
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
        info.bmiHeader.biCompression = BI_RGB;
        return CreateDIBSection(dc_, &info, DIB_RGB_COLORS, bits, nullptr, 0);
    }
    const uint8_t *Pixel(int x, int y) const {
        return static_cast<const uint8_t *>(bits_) + y * stride_ + x * bytesPerPixel_;
    }
    void Set(int x, int y, COLORREF c) {
        uint8_t *p = static_cast<uint8_t *>(bits_) + y * stride_ + x * bytesPerPixel_;
        p[0] = GetBValue(c);
        p[1] = GetGValue(c);
        p[2] = GetRValue(c);
        if (bytesPerPixel_ == 4) p[3] = 0;
    }

    int width_, height_, bytesPerPixel_, stride_;
    HDC dc_;
    void *bits_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;  // after the bitmap: put back before the bitmap is deleted
};

#endif  // DYEPLATE_TESTS_DIB_TARGET_H

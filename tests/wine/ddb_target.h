// A drawing target like a picture box's persistent image: a memory DC with a
// device-dependent bitmap compatible with the screen. Its pixels are read back with
// GetDIBits into a snapshot.
#ifndef DYEPLATE_TESTS_DDB_TARGET_H
#define DYEPLATE_TESTS_DDB_TARGET_H

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

class DdbTarget {
  public:
    DdbTarget(int width, int height)
        : width_(width),
          height_(height),
          dc_(CreateCompatibleDC(nullptr)),
          bitmap_(CreateScreenBitmap(width, height)),
          previous_(dc_ != nullptr && bitmap_ != nullptr ? SelectObject(dc_, bitmap_) : nullptr),
          snapshot_(static_cast<size_t>(width) * height) {}
    ~DdbTarget() {
        if (previous_ != nullptr) SelectObject(dc_, previous_);
        if (bitmap_ != nullptr) DeleteObject(bitmap_);
        if (dc_ != nullptr) DeleteDC(dc_);
    }
    DdbTarget(const DdbTarget &) = delete;
    DdbTarget &operator=(const DdbTarget &) = delete;

    bool ok() const { return previous_ != nullptr; }
    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }

    void Fill(COLORREF colour) {
        const HBRUSH brush = CreateSolidBrush(colour);
        const RECT all = {0, 0, width_, height_};
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }

    // Reads the whole bitmap as top-down 32-bit pixels (the bitmap must not be selected
    // while GetDIBits reads it).
    void Capture() {
        BITMAPINFO info;
        std::memset(&info, 0, sizeof info);
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        SelectObject(dc_, previous_);
        GetDIBits(dc_, bitmap_, 0, height_, snapshot_.data(), &info, DIB_RGB_COLORS);
        SelectObject(dc_, bitmap_);
    }

    COLORREF At(int x, int y) const {
        const uint32_t p = snapshot_[static_cast<size_t>(y) * width_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }

  private:
    static HBITMAP CreateScreenBitmap(int width, int height) {
        const HDC screen = GetDC(nullptr);
        const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        return bitmap;
    }

    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;  // after the bitmap: put back before the bitmap is deleted
    std::vector<uint32_t> snapshot_;
};

#endif  // DYEPLATE_TESTS_DDB_TARGET_H

#include "draw_target.h"

namespace {

BITMAPINFO TopDown(int width, int height, int bitsPerPixel) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

HBITMAP CreateTargetBitmap(TargetKind kind, int width, int height) {
    if (kind == TargetKind::ScreenCompatible) {
        const HDC screen = GetDC(nullptr);
        const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        return bitmap;
    }
    const BITMAPINFO info = TopDown(width, height, kind == TargetKind::Dib32 ? 32 : 24);
    void *bits = nullptr;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

}  // namespace

DrawTarget::DrawTarget(TargetKind kind, int width, int height)
    : width_(width),
      height_(height),
      dc_(nullptr),
      bitmap_(CreateTargetBitmap(kind, width, height)),
      selection_(std::in_place, dc_.get(), bitmap_.get()),
      snapshot_(static_cast<size_t>(width) * height) {}

void DrawTarget::Fill(COLORREF colour) {
    const tintwell::win32::Brush brush(CreateSolidBrush(colour));
    const RECT all = {0, 0, width_, height_};
    FillRect(dc_.get(), &all, brush.get());
}

void DrawTarget::Capture() {
    BITMAPINFO info = TopDown(width_, height_, 32);
    GdiFlush();
    selection_.reset();
    GetDIBits(dc_.get(), bitmap_.get(), 0, height_, snapshot_.data(), &info, DIB_RGB_COLORS);
    selection_.emplace(dc_.get(), bitmap_.get());
}

COLORREF DrawTarget::At(int x, int y) const {
    const uint32_t p = snapshot_[static_cast<size_t>(y) * width_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

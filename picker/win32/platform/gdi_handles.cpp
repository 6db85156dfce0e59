#include "gdi_handles.h"

namespace tintwell::win32 {

namespace {

HBITMAP CreateImageBitmap(int width, int height, uint32_t *&pixels) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    pixels = bitmap != nullptr ? static_cast<uint32_t *>(bits) : nullptr;
    return bitmap;
}

}  // namespace

OffscreenImage::OffscreenImage(int width, int height)
    : width_(width),
      height_(height),
      pixels_(nullptr),
      dc_(nullptr),
      bitmap_(CreateImageBitmap(width, height, pixels_)),
      selection_(dc_.get(), bitmap_.get()) {}

}  // namespace tintwell::win32

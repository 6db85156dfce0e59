#include "gdi_handles.h"

namespace tintwell::win32 {

namespace {

HBITMAP CreateImageBitmap(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

}  // namespace

OffscreenImage::OffscreenImage(int width, int height)
    : width_(width),
      height_(height),
      dc_(nullptr),
      bitmap_(CreateImageBitmap(width, height)),
      selection_(dc_.get(), bitmap_.get()) {}

}  // namespace tintwell::win32

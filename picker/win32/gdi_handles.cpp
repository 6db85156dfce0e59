#include "gdi_handles.h"

namespace tintwell::win32 {

namespace {

// Compatible with the screen, so that a table drawn into it keeps every colour the
// display can show.
HBITMAP CreateScreenBitmap(int width, int height) {
    WindowDc screen(nullptr);
    return CreateCompatibleBitmap(screen.get(), width, height);
}

}  // namespace

OffscreenImage::OffscreenImage(int width, int height)
    : width_(width),
      height_(height),
      dc_(nullptr),
      bitmap_(CreateScreenBitmap(width, height)),
      selection_(dc_.get(), bitmap_.get()) {}

}  // namespace tintwell::win32

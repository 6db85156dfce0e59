#include "reference_draw.h"

#include <cstring>
#include <vector>

#include "picker/win32/platform/gdi_handles.h"
#include "reference_tables.h"

namespace drag_bench {
namespace {

using tintwell::win32::Bitmap;
using tintwell::win32::MemoryDc;
using tintwell::win32::SelectedObject;

constexpr int kSide = 256;

void Transfer(HDC target, int width, const uint8_t *buffer) {
    BITMAPINFO info;
    std::memset(&info, 0, sizeof info);
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = kSide;
    info.bmiHeader.biHeight = kSide;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    const Bitmap bitmap(
        CreateDIBitmap(target, &info.bmiHeader, 0, nullptr, nullptr, DIB_RGB_COLORS));
    const MemoryDc memory(target);
    const SelectedObject selected(memory.get(), bitmap.get());
    SetDIBits(target, bitmap.get(), 0, kSide, buffer, &info, DIB_RGB_COLORS);
    BitBlt(target, 0, 0, width, kSide, memory.get(), 0, 0, SRCCOPY);
}

std::vector<uint8_t> &Buffer() {
    static std::vector<uint8_t> buffer(kSide * kSide * 3);
    return buffer;
}

}  // namespace

void ReferenceDrawField(HDC target, uint32_t colour, int mode, int webSafe) {
    reference::FillField(Buffer().data(), colour, mode, webSafe);
    Transfer(target, kSide, Buffer().data());
}

void ReferenceDrawStrip(HDC target, uint32_t colour, int mode, int webSafe) {
    reference::FillStrip(Buffer().data(), colour, mode, webSafe);
    Transfer(target, 20, Buffer().data());
}

}  // namespace drag_bench

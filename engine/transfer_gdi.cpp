// Transfer through GDI: the device context is the caller's HDC.
#include <windows.h>

#include <cstring>

#include "gdi_handles.h"
#include "table_rules.h"
#include "transfer.h"

namespace dyeplate {
namespace {

// The bitmap header the draws share. GetDIBits may append a colour table or colour
// masks to a header it is given, so the storage has room for the largest of those.
struct SharedHeader {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
};
SharedHeader sharedHeader;

BITMAPINFOHEADER TableHeader() {
    BITMAPINFOHEADER h;
    std::memset(&h, 0, sizeof h);
    h.biSize = sizeof(BITMAPINFOHEADER);
    h.biWidth = kTableSide;
    h.biHeight = kTableSide;  // positive: bottom-up rows, like the buffer
    h.biPlanes = 1;
    h.biBitCount = 24;
    h.biCompression = BI_RGB;
    h.biSizeImage = kTableBytes;
    return h;
}

}  // namespace

void TransferTable(DyeplateDC dc, int width, const TableFill &fill) {
    const HDC target = static_cast<HDC>(dc);
    const BITMAPINFOHEADER local = TableHeader();
    // The bitmap has the target's own format, so the final copy is a plain blit.
    OwnedBitmap bitmap(CreateDIBitmap(target, &local, 0, nullptr, nullptr, DIB_RGB_COLORS));
    std::memcpy(&sharedHeader.header, &local, sizeof local);
    auto *info = reinterpret_cast<BITMAPINFO *>(&sharedHeader);
    // The format query every draw has always made. With no pixel buffer GetDIBits
    // copies no lines, so the count of 50 means nothing; it only completes the shared
    // header for the bitmap, and nothing below depends on what it writes or returns.
    // It stays so that a draw makes the same GDI calls in the same order as ever.
    GetDIBits(target, bitmap.get(), 0, 50, nullptr, info, DIB_RGB_COLORS);
    // Declared after the bitmap so that it is deleted first, releasing the bitmap.
    OwnedMemoryDC memory(CreateCompatibleDC(target));
    SelectObject(memory.get(), bitmap.get());

    uint8_t *buffer = SharedTableBuffer();
    fill(buffer);

    SetDIBits(target, bitmap.get(), 0, kTableSide, buffer, info, DIB_RGB_COLORS);
    BitBlt(target, 0, 0, width, kTableSide, memory.get(), 0, 0, SRCCOPY);
}

}  // namespace dyeplate

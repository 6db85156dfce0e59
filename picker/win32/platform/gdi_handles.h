// Owners of the device contexts and GDI objects the window uses, each the one owner of
// owned_handle.h with the release its kind needs.
#ifndef TINTWELL_PICKER_WIN32_GDI_HANDLES_H
#define TINTWELL_PICKER_WIN32_GDI_HANDLES_H

#include <windows.h>

#include <cstdint>
#include <utility>

#include "owned_handle.h"

namespace tintwell::win32 {

// A font, bitmap, brush or pen, deleted with DeleteObject.
struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
template <typename Handle>
using GdiObject = Owned<Handle, DeleteGdiObject>;

using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;
using Brush = GdiObject<HBRUSH>;

// A memory device context made with CreateCompatibleDC, deleted with DeleteDC.
struct DeleteMemoryDc {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
class MemoryDc : public Owned<HDC, DeleteMemoryDc> {
  public:
    explicit MemoryDc(HDC compatibleWith) : Owned(CreateCompatibleDC(compatibleWith)) {}
};

// A DC got with GetDC or GetWindowDC, released with ReleaseDC for the window it came
// from. The release can be given, for a caller that binds user32 by name.
struct ReleaseWindowDc {
    HWND window;
    decltype(&::ReleaseDC) release;
    void operator()(HDC dc) const { release(window, dc); }
};
using ReleasedDc = Owned<HDC, ReleaseWindowDc>;

// A window's DC for its whole rectangle, frame included.
class WindowDc : public ReleasedDc {
  public:
    explicit WindowDc(HWND window)
        : ReleasedDc(GetWindowDC(window), ReleaseWindowDc{window, &::ReleaseDC}) {}
};

// The screen's DC.
class ScreenDc : public ReleasedDc {
  public:
    using GetDcFunction = decltype(&::GetDC);
    using ReleaseDcFunction = decltype(&::ReleaseDC);

    explicit ScreenDc(GetDcFunction getDc = &::GetDC, ReleaseDcFunction releaseDc = &::ReleaseDC)
        : ReleasedDc(getDc(nullptr), ReleaseWindowDc{nullptr, releaseDc}) {}
};

// An object selected into a DC, with the previous one put back on destruction.
// Declare it after the DC and the object it selects so that it goes first.
struct SelectBack {
    HDC dc;
    void operator()(HGDIOBJ previous) const { SelectObject(dc, previous); }
};
class SelectedObject : public Owned<HGDIOBJ, SelectBack> {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : Owned(SelectObject(dc, object), SelectBack{dc}) {}
};

// BeginPaint/EndPaint for one WM_PAINT.
class PaintDc {
  public:
    explicit PaintDc(HWND window) : window_(window), paint_{}, dc_(BeginPaint(window, &paint_)) {}
    ~PaintDc() { EndPaint(window_, &paint_); }
    PaintDc(const PaintDc &) = delete;
    PaintDc &operator=(const PaintDc &) = delete;

    HDC get() const { return dc_; }
    const RECT &area() const { return paint_.rcPaint; }

  private:
    HWND window_;
    PAINTSTRUCT paint_;
    HDC dc_;
};

// A 32-bit top-down bitmap of a given size with its own memory DC: the persistent
// image of a picture box, and the off-screen buffer of a paint. 32 bits hold every
// colour a table can show, whatever the display's depth.
class OffscreenImage {
  public:
    OffscreenImage(int width, int height);
    OffscreenImage(const OffscreenImage &) = delete;
    OffscreenImage &operator=(const OffscreenImage &) = delete;

    HDC dc() const { return dc_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }
    // The pixels, top row first, 0x00RRGGBB each; call GdiFlush before reading what
    // GDI drew.
    uint32_t *pixels() const { return pixels_; }

  private:
    int width_;
    int height_;
    uint32_t *pixels_;
    MemoryDc dc_;
    Bitmap bitmap_;
    SelectedObject selection_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_GDI_HANDLES_H

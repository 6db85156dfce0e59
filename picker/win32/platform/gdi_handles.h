// Owners for the GDI and USER handles the window uses: each frees what it holds on
// destruction and cannot be copied.
#ifndef TINTWELL_PICKER_WIN32_GDI_HANDLES_H
#define TINTWELL_PICKER_WIN32_GDI_HANDLES_H

#include <windows.h>

#include <cstdint>
#include <utility>

namespace tintwell::win32 {

// A font, bitmap, brush or pen, deleted with DeleteObject.
template <typename Handle>
class GdiObject {
  public:
    explicit GdiObject(Handle handle = nullptr) : handle_(handle) {}
    ~GdiObject() {
        if (handle_ != nullptr) DeleteObject(handle_);
    }
    GdiObject(const GdiObject &) = delete;
    GdiObject &operator=(const GdiObject &) = delete;
    GdiObject(GdiObject &&other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject &operator=(GdiObject &&other) noexcept {
        std::swap(handle_, other.handle_);
        return *this;
    }

    Handle get() const { return handle_; }

  private:
    Handle handle_;
};

using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;
using Brush = GdiObject<HBRUSH>;

// A memory device context made with CreateCompatibleDC, deleted with DeleteDC.
class MemoryDc {
  public:
    explicit MemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDc() {
        if (dc_ != nullptr) DeleteDC(dc_);
    }
    MemoryDc(const MemoryDc &) = delete;
    MemoryDc &operator=(const MemoryDc &) = delete;

    HDC get() const { return dc_; }

  private:
    HDC dc_;
};

// A window's DC for its whole rectangle, frame included (GetWindowDC), released with
// ReleaseDC.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
    ~WindowDc() {
        if (dc_ != nullptr) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc &) = delete;
    WindowDc &operator=(const WindowDc &) = delete;

    HDC get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// The screen's DC, released with ReleaseDC. The two functions can be given, for a
// caller that binds user32 by name.
class ScreenDc {
  public:
    using GetDcFunction = decltype(&::GetDC);
    using ReleaseDcFunction = decltype(&::ReleaseDC);

    explicit ScreenDc(GetDcFunction getDc = &::GetDC, ReleaseDcFunction releaseDc = &::ReleaseDC)
        : releaseDc_(releaseDc), dc_(getDc(nullptr)) {}
    ~ScreenDc() {
        if (dc_ != nullptr) releaseDc_(nullptr, dc_);
    }
    ScreenDc(const ScreenDc &) = delete;
    ScreenDc &operator=(const ScreenDc &) = delete;

    HDC get() const { return dc_; }

  private:
    ReleaseDcFunction releaseDc_;
    HDC dc_;
};

// An object selected into a DC, with the previous one put back on destruction.
// Declare it after the DC and the object it selects so that it goes first.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (previous_ != nullptr) SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject &) = delete;
    SelectedObject &operator=(const SelectedObject &) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
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

    // False when the bitmap or its DC could not be made (GDI quota, no memory): then
    // there are no pixels to draw into.
    bool ok() const { return pixels_ != nullptr && dc_.get() != nullptr; }
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

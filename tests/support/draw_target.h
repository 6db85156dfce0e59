// A real GDI drawing target for the engine: a memory DC with a bitmap selected, of
// one of the kinds a picture box may draw into, whose pixels the test reads back
// exactly.
#ifndef TINTWELL_TESTS_SUPPORT_DRAW_TARGET_H
#define TINTWELL_TESTS_SUPPORT_DRAW_TARGET_H

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "picker/win32/platform/gdi_handles.h"

enum class TargetKind {
    Dib32,            // a 32-bit top-down DIB section
    Dib24,            // a 24-bit top-down DIB section (rows padded to 4 bytes)
    ScreenCompatible  // a device-dependent bitmap compatible with the screen
};

class DrawTarget {
  public:
    DrawTarget(TargetKind kind, int width, int height);
    DrawTarget(const DrawTarget &) = delete;
    DrawTarget &operator=(const DrawTarget &) = delete;

    bool ok() const { return dc_.get() != nullptr && bitmap_.get() != nullptr; }
    HDC dc() const { return dc_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }

    void Fill(COLORREF colour);
    // Reads the whole bitmap back; At() answers from this snapshot.
    void Capture();
    COLORREF At(int x, int y) const;

  private:
    int width_;
    int height_;
    tintwell::win32::MemoryDc dc_;
    tintwell::win32::Bitmap bitmap_;
    // Put back around each read: GetDIBits wants the bitmap out of every DC.
    std::optional<tintwell::win32::SelectedObject> selection_;
    std::vector<uint32_t> snapshot_;
};

#endif  // TINTWELL_TESTS_SUPPORT_DRAW_TARGET_H

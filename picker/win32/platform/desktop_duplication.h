// The desktop of a monitor in advanced colour as the compositor holds it: 16-bit float
// linear scRGB, through the desktop duplication (IDXGIOutput5::DuplicateOutput1 with
// DXGI_FORMAT_R16G16B16A16_FLOAT, on a device of the output's own adapter). d3d11.dll
// and dxgi.dll are bound by name: a system without them starts all the same, and its
// reads fall back to GDI.
//
// A duplication is a scarce thing (a few processes at once): it is made at the first
// read of a monitor and given back by Release, which the reader calls when sampling
// and picking end. The duplication hands over a frame only when the desktop changed,
// so the last frame is kept on the graphics device and reads come from it.
#ifndef TINTWELL_PICKER_WIN32_PLATFORM_DESKTOP_DUPLICATION_H
#define TINTWELL_PICKER_WIN32_PLATFORM_DESKTOP_DUPLICATION_H

#include <windows.h>

#include <memory>
#include <utility>
#include <vector>

#include "loupe_geometry.h"
#include "scrgb_pixels.h"
#include "system_library.h"

namespace tintwell::win32 {

// Where the reader gets a monitor's scRGB pixels from; tests feed it frames of their
// own.
class ScRgbFrameSource {
  public:
    virtual ~ScRgbFrameSource() = default;
    // The pixels of `area` (within `monitor`, both in screen coordinates) as the
    // monitor last showed them, row by row; false when the monitor cannot be
    // duplicated now (the next read tries again).
    virtual bool Read(const ScreenRect &monitor, const ScreenRect &area,
                      std::vector<ScRgbPixel> &pixels) = 0;
    // Every duplication given back.
    virtual void Release() = 0;
};

class DesktopDuplication : public ScRgbFrameSource {
  public:
    DesktopDuplication();
    ~DesktopDuplication() override;
    DesktopDuplication(const DesktopDuplication &) = delete;
    DesktopDuplication &operator=(const DesktopDuplication &) = delete;

    bool Read(const ScreenRect &monitor, const ScreenRect &area,
              std::vector<ScRgbPixel> &pixels) override;
    void Release() override;

  private:
    struct Session;
    std::unique_ptr<Session> Open(const ScreenRect &monitor);

    SystemLibrary dxgi_;
    SystemLibrary d3d11_;
    std::vector<std::unique_ptr<Session>> sessions_;
    // Monitors whose duplication could not be made, and when: making one costs a
    // device, so it is tried again only after a while (or after Release), not at
    // every read of a sampling that goes on through GDI meanwhile.
    std::vector<std::pair<ScreenRect, ULONGLONG>> refused_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_PLATFORM_DESKTOP_DUPLICATION_H

// What Windows says each monitor does to colours: advanced colour (HDR or wide colour)
// and the SDR white level from the display configuration, the colour profile
// associated with the monitor, and whether the colour filters are on. Every function
// is bound by name: a system without one answers nothing for it, and the monitor then
// counts as plain SDR sRGB.
#ifndef TINTWELL_PICKER_WIN32_PLATFORM_SCREEN_COLOUR_SYSTEM_H
#define TINTWELL_PICKER_WIN32_PLATFORM_SCREEN_COLOUR_SYSTEM_H

#include <windows.h>

#include <optional>
#include <vector>

#include "screen_colour.h"
#include "system_library.h"

namespace tintwell::win32 {

class SystemScreenColour : public ScreenColourSystem {
  public:
    SystemScreenColour();

    // In the coordinates of the calling thread's DPI awareness: call it where the
    // screen is read in physical pixels.
    std::vector<MonitorAnswers> Monitors() override;
    std::optional<bool> FiltersOn() override;

  private:
    void AskDisplayConfig(const wchar_t *device, MonitorAnswers &answers);
    std::optional<std::u16string> ProfileOf(const wchar_t *device);

    SystemLibrary user32_;
    SystemLibrary gdi32_;
    SystemLibrary advapi32_;
    BoundFunction<LONG(WINAPI *)(UINT32, UINT32 *, UINT32 *)> bufferSizes_;
    BoundFunction<LONG(WINAPI *)(UINT32, UINT32 *, DISPLAYCONFIG_PATH_INFO *, UINT32 *,
                                 DISPLAYCONFIG_MODE_INFO *, DISPLAYCONFIG_TOPOLOGY_ID *)>
        queryConfig_;
    BoundFunction<LONG(WINAPI *)(DISPLAYCONFIG_DEVICE_INFO_HEADER *)> deviceInfo_;
    BoundFunction<BOOL(WINAPI *)(HDC, LPDWORD, LPWSTR)> icmProfile_;
    BoundFunction<LSTATUS(WINAPI *)(HKEY, LPCWSTR, LPCWSTR, DWORD, LPDWORD, PVOID, LPDWORD)>
        regGetValue_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_PLATFORM_SCREEN_COLOUR_SYSTEM_H

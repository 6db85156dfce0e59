// The monitors as screen reads and the loupe see them: each one's rectangle, work area
// and DPI, in physical pixels of the virtual screen.
#ifndef TINTWELL_PICKER_WIN32_PLATFORM_MONITOR_LIST_H
#define TINTWELL_PICKER_WIN32_PLATFORM_MONITOR_LIST_H

#include <windows.h>

#include <exception>
#include <vector>

#include "dpi_functions.h"
#include "loupe_geometry.h"
#include "system_library.h"

namespace tintwell::win32 {

class MonitorList {
  public:
    MonitorList();

    // Read again at the next use: monitors came or went, or a work area or a scale
    // changed.
    void Forget() { known_ = false; }
    const std::vector<MonitorArea> &Areas();

  private:
    // The list being filled, and what failed meanwhile.
    struct MonitorWalk {
        MonitorList *list;
        std::exception_ptr failure;
    };
    static BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, RECT *, LPARAM walk);
    int DpiOf(HMONITOR monitor);

    bool known_;
    std::vector<MonitorArea> areas_;
    DpiFunctions dpi_;
    SystemLibrary shcore_;
    BoundFunction<HRESULT(WINAPI *)(HMONITOR, int, UINT *, UINT *)> getDpiForMonitor_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_PLATFORM_MONITOR_LIST_H

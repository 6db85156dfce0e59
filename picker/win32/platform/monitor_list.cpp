#include "monitor_list.h"

namespace tintwell::win32 {

namespace {

constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

ScreenRect FromRect(const RECT &rect) {
    return ScreenRect{rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace

MonitorList::MonitorList()
    : known_(false),
      areas_(),
      dpi_(),
      shcore_(L"shcore.dll"),
      getDpiForMonitor_(shcore_, "GetDpiForMonitor") {}

const std::vector<MonitorArea> &MonitorList::Areas() {
    if (!known_) {
        areas_.clear();
        EnumDisplayMonitors(nullptr, nullptr, &MonitorList::AddMonitor,
                            reinterpret_cast<LPARAM>(this));
        known_ = !areas_.empty();
    }
    return areas_;
}

BOOL CALLBACK MonitorList::AddMonitor(HMONITOR monitor, HDC, RECT *, LPARAM self) {
    auto *list = reinterpret_cast<MonitorList *>(self);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoW(monitor, &info)) {
        list->areas_.push_back(
            MonitorArea{FromRect(info.rcMonitor), FromRect(info.rcWork), list->DpiOf(monitor)});
    }
    return TRUE;
}

// Systems before Windows 8.1 have one DPI for every monitor.
int MonitorList::DpiOf(HMONITOR monitor) {
    if (auto forMonitor = getDpiForMonitor_.GetOptional()) {
        UINT x = 0;
        UINT y = 0;
        if (SUCCEEDED(forMonitor(monitor, kEffectiveDpi, &x, &y)) && x > 0) {
            return static_cast<int>(x);
        }
    }
    return dpi_.ForSystem();
}

}  // namespace tintwell::win32

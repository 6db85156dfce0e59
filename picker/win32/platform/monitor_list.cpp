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
        MonitorWalk walk{this, nullptr};
        EnumDisplayMonitors(nullptr, nullptr, &MonitorList::AddMonitor,
                            reinterpret_cast<LPARAM>(&walk));
        if (walk.failure) {
            areas_.clear();
            std::rethrow_exception(walk.failure);
        }
        known_ = !areas_.empty();
    }
    return areas_;
}

// Called by the system: a failure (no memory for the list) stops the walk and is
// thrown once EnumDisplayMonitors has returned, never through its frames.
BOOL CALLBACK MonitorList::AddMonitor(HMONITOR monitor, HDC, RECT *, LPARAM data) {
    auto *walk = reinterpret_cast<MonitorWalk *>(data);
    MonitorList *list = walk->list;
    try {
        MONITORINFO info{};
        info.cbSize = sizeof(info);
        if (GetMonitorInfoW(monitor, &info)) {
            list->areas_.push_back(
                MonitorArea{FromRect(info.rcMonitor), FromRect(info.rcWork), list->DpiOf(monitor)});
        }
        return TRUE;
    } catch (...) {
        walk->failure = std::current_exception();
        return FALSE;
    }
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

// Names that a screen reader announces for windows whose captions are blank or are
// pictures, set through the system's accessibility annotation service rather than as
// visible text. Nothing here is needed to pick a colour: where COM or the service is
// missing, or refuses, the windows keep the names the system gives them.
#ifndef TINTWELL_PICKER_WIN32_ACCESSIBLE_NAMES_H
#define TINTWELL_PICKER_WIN32_ACCESSIBLE_NAMES_H

#include <windows.h>

#include <objbase.h>

#include <utility>
#include <vector>

#include "system_library.h"

struct IAccPropServices;

namespace tintwell::win32 {

class AccessibleNames {
  public:
    // The system's service, started at the first Set on the calling (UI) thread.
    AccessibleNames();
    // A service handed in, used as it is (tests give their own).
    explicit AccessibleNames(IAccPropServices *services);
    ~AccessibleNames();
    AccessibleNames(const AccessibleNames &) = delete;
    AccessibleNames &operator=(const AccessibleNames &) = delete;

    // Names the window's client object; false when there is no service or it refused.
    bool Set(HWND window, const wchar_t *name);
    // Gives it a description, read after its name (the swatch says what its colour
    // is); the same false.
    bool SetDescription(HWND window, const wchar_t *description);
    // Takes back every name set, while the windows still exist.
    void ClearAll();

  private:
    IAccPropServices *Services();
    bool SetProperty(HWND window, const GUID &property, const wchar_t *text);

    SystemLibrary ole32_;
    BoundFunction<decltype(&::CoInitializeEx)> coInitializeEx_;
    BoundFunction<decltype(&::CoCreateInstance)> coCreateInstance_;
    BoundFunction<decltype(&::CoUninitialize)> coUninitialize_;
    bool looked_;
    bool comStarted_;
    IAccPropServices *services_;
    // What was set, to be taken back property by property.
    std::vector<std::pair<HWND, GUID>> set_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_ACCESSIBLE_NAMES_H

// The program's icon in the notification area, there from Show to Remove (or the
// object's end). The icon tells its window of clicks with the callback message, in
// the form of NOTIFYICON_VERSION_4 where the system takes it: the event in
// LOWORD(lParam), the pointer in wParam.
#ifndef TINTWELL_PICKER_WIN32_TRAY_ICON_H
#define TINTWELL_PICKER_WIN32_TRAY_ICON_H

#include <windows.h>

#include <shellapi.h>

#include <string>

#include "system_library.h"

namespace tintwell::win32 {

class TrayIcon {
  public:
    TrayIcon();
    ~TrayIcon();
    TrayIcon(const TrayIcon &) = delete;
    TrayIcon &operator=(const TrayIcon &) = delete;

    // Adds the icon, or adds it again after the notification area was made anew
    // (TaskbarCreated). False when the notification area refused it.
    bool Show(HWND window, UINT callbackMessage, HICON icon, const std::wstring &tip);
    // The tooltip, cut to what the notification area takes.
    void SetTip(const std::wstring &tip);
    void Remove();

    bool shown() const { return shown_; }
    // Whether the clicks come in the version-4 form (see above).
    bool versionFour() const { return versionFour_; }

  private:
    NOTIFYICONDATAW Data(UINT flags) const;
    // False also when shell32 or its function is missing: no notification area then.
    bool Notify(DWORD what, NOTIFYICONDATAW &data);

    SystemLibrary shell32_;
    BoundFunction<BOOL(WINAPI *)(DWORD, PNOTIFYICONDATAW)> notify_;

    HWND window_;
    UINT callbackMessage_;
    HICON icon_;
    std::wstring tip_;
    bool shown_;
    bool versionFour_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_TRAY_ICON_H

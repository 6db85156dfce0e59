// The program's home in the notification area while the user keeps it resident: the
// icon with the shown colour in its tooltip, its clicks and its menu, the window
// hidden rather than closed or minimised, the icon brought back when the
// notification area is made anew, and the mark by which a second start finds this
// instance and has it show its window instead of running beside it.
#ifndef TINTWELL_PICKER_WIN32_FORM_TRAY_HOME_H
#define TINTWELL_PICKER_WIN32_FORM_TRAY_HOME_H

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "colour_word.h"
#include "handler_routes.h"
#include "resident_instance.h"
#include "tray_icon.h"
#include "window_base.h"

namespace tintwell::win32 {

class TrayHome : public MessageOwner {
  public:
    // pick: a pick from the screen, asked for from the icon; run as a handler.
    TrayHome(HandlerRunner &runner, std::function<void()> pick);
    TrayHome(const TrayHome &) = delete;
    TrayHome &operator=(const TrayHome &) = delete;

    void Attach(HWND window, HICON icon);
    // The icon and the mark go; the window is going.
    void Detach();

    // Takes the one-instance mark and shows the icon, or removes both. Throws
    // PickerError when another instance holds the mark (markElsewhere() then says
    // so) or the notification area does not take the icon (the mark is kept then,
    // for the icon is still wanted). Going off while the window is hidden shows the
    // window, so that the program is never left with neither.
    void SetResident(bool on);
    bool resident() const { return resident_; }
    bool markElsewhere() const { return markElsewhere_; }
    // The notification area was made anew (TaskbarCreated): the icon went with the
    // old one, and SetResident(true) adds it again.
    void IconGone() { resident_ = false; }
    bool IsTaskbarCreated(UINT message) const {
        return taskbarCreated_ != 0 && message == taskbarCreated_;
    }
    // The tooltip for the colour the window shows now; cheap when it is unchanged.
    void ShowTip(std::optional<ColorRef> shown);

    // While resident, closing and minimising hide the window: true when it did.
    bool HideOnClose();
    void OnMinimised();
    // Restored, shown and in front.
    void ShowWindowInFront();

    // The icon's menu commands.
    bool OwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;
    // What reaches the window for the icon, not being about its parts: the icon's
    // callback, a second start's call, the click's timer and the restart manager's
    // request to end.
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result);

  private:
    void OnIcon(WPARAM wParam, LPARAM lParam);
    void OnClick();
    void OnDoubleClick();
    void OpenMenu(POINT at);

    HandlerRunner &runner_;
    std::function<void()> pick_;
    HWND window_;
    HICON iconImage_;
    UINT taskbarCreated_;
    TrayIcon icon_;
    ResidentMark mark_;
    bool resident_;
    bool markElsewhere_;
    std::wstring tip_;
    // The colour the tip was made for: every drag step asks, and most find it unchanged.
    std::optional<ColorRef> tipColour_;
    // When the last double click came: the click that ends it is no click of its own.
    ULONGLONG doubleClickAt_;
    bool clickWaiting_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_FORM_TRAY_HOME_H

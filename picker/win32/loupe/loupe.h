// The loupe: a small window beside the pointer that magnifies the screen around it
// while screen sampling is on. The user switches it with an item of the picker's
// system menu; it shows while that item and sampling are both on and the picker is
// not minimised. It never takes the activation or a click, stays out of the taskbar,
// and never stands over the pixels it shows.
//
// It is drawn again at every sample the picker takes, so that it shows what the
// sample read. When a sample finds the pointer moved, the loupe follows it frame by
// frame until a frame finds it resting; a resting pointer costs nothing beyond the
// samples the picker takes anyway.
#ifndef TINTWELL_PICKER_WIN32_LOUPE_LOUPE_H
#define TINTWELL_PICKER_WIN32_LOUPE_LOUPE_H

#include <windows.h>

#include "loupe_canvas.h"
#include "monitor_list.h"
#include "win32_platform.h"
#include "window_base.h"

namespace tintwell::win32 {

// The loupe's item in the system menu; system commands keep their low four bits
// clear.
constexpr UINT kLoupeCommand = 0x0010;
constexpr const wchar_t *kLoupeClass = L"TintwellLoupe";

// Also the owner of its item in the form's system menu (see WindowBase).
class Loupe : public WindowBase<Loupe>, public MessageOwner {
  public:
    // Reads the screen through `platform`, the read the picker's samples take.
    explicit Loupe(Win32Platform &platform);
    ~Loupe();

    static void RegisterClass(HINSTANCE instance);

    // Makes the (hidden) window and adds the switch to the form's system menu.
    void Create(HINSTANCE instance, HWND form);

    // A system command of the form; true when it was the loupe's switch.
    bool OnSysCommand(WPARAM command);
    bool OwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;
    void SetSampling(bool on);
    void SetMinimised(bool minimised);
    // The picker has just taken a sample: the loupe shows the screen as it is now,
    // and starts following the pointer if it has moved.
    void Refresh();

    // Draws and places the loupe for the pointer at once, and shows it.
    void UpdateNow();
    // The same on a given monitor, whatever monitor the pointer is on (the benchmark
    // measures one DPI after another with it).
    void ShowOn(const MonitorArea &monitor);

    // Draws the loupe as drawn at the last sample into `dc`: for WM_PAINT and
    // WM_PRINTCLIENT alike.
    void Paint(HDC dc) const;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    LRESULT OnFrame();
    LRESULT OnDisplayChange();

    bool Wanted() const { return switchedOn_ && sampling_ && !minimised_; }
    void Apply();
    void Hide();

    Win32Platform &platform_;
    HWND form_;
    MonitorList monitors_;
    bool following_;
    LoupeCanvas canvas_;
    bool switchedOn_;
    bool sampling_;
    bool minimised_;
    bool shown_;
    POINT drawnAt_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_LOUPE_LOUPE_H

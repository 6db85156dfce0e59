// The loupe: a small window beside the pointer that magnifies the screen around it
// while screen sampling is on. The user switches it (with an item of the picker's
// system menu, which the form declares); it shows while it is switched on, sampling
// is on and the picker is not minimised. It never takes the activation or a click, stays out of the
// taskbar, and never stands over the pixels it shows.
//
// It shows the very read each sample takes. Between samples it checks the pointer
// every frame: a moved pointer gets a read of its own and the loupe follows within
// the frame; a resting one costs neither a read nor a redraw, and a sample that reads
// what the loupe already shows is not drawn again (LoupeRefresh decides). After a
// rest the frames come slower until a frame or a sample finds the pointer moved
// (LoupePace decides). Before any read it steps out of the square about to be read,
// so that it never reads itself.
#ifndef TINTWELL_PICKER_WIN32_LOUPE_LOUPE_H
#define TINTWELL_PICKER_WIN32_LOUPE_LOUPE_H

#include <windows.h>

#include <functional>

#include "command_ids.h"
#include "loupe_canvas.h"
#include "loupe_pace.h"
#include "loupe_refresh.h"
#include "read_viewer.h"
#include "screen_reader.h"
#include "window_base.h"

namespace tintwell::win32 {

constexpr const wchar_t *kLoupeClass = L"TintwellLoupe";
// After the loupe stepped aside: long enough for other programs to draw what it
// covered before anything reads there.
constexpr UINT kStepAsideAllowanceMs = 50;

class Loupe : public WindowBase<Loupe>, public ReadViewer {
  public:
    // Reads one square of the screen around `pointer`, where the frame found the
    // cursor, as the sample would (live, or the snapshot while frozen), and shows it
    // in the viewer.
    using FrameRead = std::function<void(ReadViewer &viewer, ScreenPoint pointer)>;

    // Finds the pointer and the monitors through `screen`.
    Loupe(ScreenReader &screen, FailureSink &failures);
    ~Loupe();

    static void RegisterClass(HINSTANCE instance);

    // Makes the (hidden) window; throws when it cannot be made, and the loupe then
    // never shows.
    void Create(HINSTANCE instance, FrameRead readFrame);

    // The user's switch.
    void Switch();
    bool switchedOn() const { return switchedOn_; }
    void SetSampling(bool on);
    void SetMinimised(bool minimised);
    // A pick from the screen shows the loupe whatever its switch says, and with the
    // window minimised or hidden; the first frame comes at once.
    // Ending, it takes back the magnification the pick's wheel gave it.
    void SetPicking(bool on);
    // More magnification (`by` > 0) or less, by steps, during a pick.
    void Zoom(int by);
    bool shown() const { return shown_; }
    // How often the frames come now; 0 while they do not run.
    unsigned framePeriodMs() const { return frameMs_; }
    // Off the screen while a snapshot of it is taken; back at the next frame after.
    void SetSnapshotting(bool on);
    // The next frame draws again, wherever the pointer is (the sample's size or the
    // freeze changed).
    void Redraw();

    // Before a read around the pointer: true when the loupe stood in the way and
    // has moved (or hidden) within the last kStepAsideAllowanceMs, so that what it
    // covered gets a moment to be drawn again before anything reads it.
    bool StepAside();

    int WantedReach() const override;
    void ShowRead(const ScreenSquare &read, const SampleStatus &status) override;
    bool Covers(const ScreenSquare &read) const override;

    // Draws the loupe as drawn at the last sample into `dc`: for WM_PAINT and
    // WM_PRINTCLIENT alike.
    void Paint(HDC dc) const;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    LRESULT OnFrame();
    LRESULT OnDisplayChange();

    bool Wanted() const {
        return (picking_ || (switchedOn_ && sampling_ && !minimised_)) && !snapshotting_;
    }
    // Shown, and over the square of screen read around `pointer`.
    bool LiesOver(ScreenPoint pointer) const;
    // StepAside for the pointer found at `pointer`.
    bool StepAsideFrom(ScreenPoint pointer);
    void Apply();
    void Hide();
    // Where a loupe of the canvas's size goes for the pointer; false for nowhere.
    bool PlaceFor(ScreenPoint pointer, RECT &place);
    // Shows the loupe at `place` on top of the topmost band, asking the system only
    // for what is not so already.
    void MoveTo(const RECT &place);
    // Hidden, for a read at `pointer` it found no way to show.
    void CannotShowAt(ScreenPoint pointer);
    // The frame timer set to `periodMs`, if it runs at another.
    void PaceFrames(unsigned periodMs);

    ScreenReader &screen_;
    FrameRead readFrame_;
    LoupeCanvas canvas_;
    bool switchedOn_;
    bool sampling_;
    bool minimised_;
    bool snapshotting_;
    bool picking_;
    // The magnification step (loupe_zoom.h).
    int zoom_;
    // The frame timer runs, and how often.
    bool framing_;
    unsigned frameMs_;
    LoupePace pace_;
    bool shown_;
    // What the loupe shows, for when to read and draw again.
    LoupeRefresh refresh_;
    // Where the loupe stands.
    RECT placed_;
    // Until when reads wait after a step aside.
    ULONGLONG readsWaitUntil_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_LOUPE_LOUPE_H

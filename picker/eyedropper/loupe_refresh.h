// When the loupe reads the screen and when it draws. The sampling tick reads the
// screen ten times a second whatever the loupe does, and hands the loupe that read;
// between ticks the loupe checks the pointer every frame. Reading the screen and
// drawing the loupe are what cost, so both happen only for something new: a frame
// reads only for a pointer that has moved, and a read, from a tick or a frame, is
// drawn only when it would change what the loupe shows. A loupe that could not show
// (no room beside the pointer, or no bitmap to be had) tries again only once the
// pointer has moved or the monitors have changed; until then it neither reads nor
// draws.
#ifndef TINTWELL_PICKER_LOUPE_REFRESH_H
#define TINTWELL_PICKER_LOUPE_REFRESH_H

#include <vector>

#include "loupe_geometry.h"
#include "read_viewer.h"
#include "screen_square.h"

namespace tintwell {

class LoupeRefresh {
  public:
    // Whether a frame between ticks reads the square around `pointer`.
    bool FrameReads(ScreenPoint pointer, const std::vector<MonitorArea> &monitors) const;
    // Whether the loupe is to show this read: place itself for it and draw it.
    bool Shows(const ScreenSquare &read, const SampleStatus &status,
               const std::vector<MonitorArea> &monitors) const;

    // The loupe now shows `read`.
    void Drawn(const ScreenSquare &read, const SampleStatus &status,
               const std::vector<MonitorArea> &monitors);
    // The loupe found no way to show a read at `pointer`.
    void CannotShow(ScreenPoint pointer, const std::vector<MonitorArea> &monitors);
    // The next frame reads and the next read is drawn, wherever the pointer is: the
    // loupe hid or moved for other reasons, or what it draws with has changed (the
    // sample's size, the freeze, the display).
    void Forget();

  private:
    enum class Known { Nothing, Drawn, CannotShow };
    // The pointer and monitors of the last read shown, or of the last one that
    // could not be.
    bool SameSituation(ScreenPoint pointer, const std::vector<MonitorArea> &monitors) const;

    Known known_ = Known::Nothing;
    ScreenSquare read_;
    SampleStatus status_{};
    std::vector<MonitorArea> monitors_;
};

}  // namespace tintwell

#endif  // TINTWELL_PICKER_LOUPE_REFRESH_H

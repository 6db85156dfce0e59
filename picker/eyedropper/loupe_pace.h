// How often the loupe checks the pointer between sample ticks. While the pointer
// moves the loupe follows it within a frame; once it has rested a while the checks
// thin out, since each one is a wake-up of the whole program for nothing, and the
// first check or tick that finds it moved again brings the quick frames back. A
// slower check only delays following the first movement after a rest, and the sample
// tick, which reads around the pointer ten times a second anyway, bounds that too.
#ifndef TINTWELL_PICKER_LOUPE_PACE_H
#define TINTWELL_PICKER_LOUPE_PACE_H

#include <cstdint>
#include <optional>

#include "loupe_geometry.h"

namespace tintwell {

// About 60 frames a second while the pointer moves.
constexpr unsigned kFollowingFrameMs = 15;
// At rest: a few checks between two sample ticks, each still a chance to catch the
// first movement before the tick does.
constexpr unsigned kRestingFrameMs = 50;
// How long the pointer stays put before the checks thin out: longer than the pauses
// within one movement, so that a drag that slows down is still followed frame by
// frame.
constexpr std::uint64_t kRestAfterMs = 250;

class LoupePace {
  public:
    // The frame period from now on, after a frame or tick saw the pointer at
    // `pointer` at `nowMs` (a steady millisecond clock).
    unsigned Saw(ScreenPoint pointer, std::uint64_t nowMs);
    // Quick frames again from `nowMs`, wherever the pointer is: the loupe has just
    // started, or has something new to draw at the next frame.
    unsigned Hurry(std::uint64_t nowMs);
    unsigned periodMs() const { return periodMs_; }

  private:
    std::optional<ScreenPoint> pointer_;
    std::uint64_t stillSinceMs_ = 0;
    unsigned periodMs_ = kFollowingFrameMs;
};

}  // namespace tintwell

#endif  // TINTWELL_PICKER_LOUPE_PACE_H

#include "loupe_pace.h"

namespace tintwell {

unsigned LoupePace::Saw(ScreenPoint pointer, std::uint64_t nowMs) {
    if (!pointer_ || *pointer_ != pointer) {
        pointer_ = pointer;
        return Hurry(nowMs);
    }
    if (nowMs - stillSinceMs_ >= kRestAfterMs) periodMs_ = kRestingFrameMs;
    return periodMs_;
}

unsigned LoupePace::Hurry(std::uint64_t nowMs) {
    stillSinceMs_ = nowMs;
    periodMs_ = kFollowingFrameMs;
    return periodMs_;
}

}  // namespace tintwell

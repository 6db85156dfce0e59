#include "loupe_refresh.h"

namespace tintwell {

bool LoupeRefresh::SameSituation(ScreenPoint pointer,
                                 const std::vector<MonitorArea> &monitors) const {
    return pointer == read_.cursor && monitors == monitors_;
}

bool LoupeRefresh::FrameReads(ScreenPoint pointer, const std::vector<MonitorArea> &monitors) const {
    return known_ == Known::Nothing || !SameSituation(pointer, monitors);
}

bool LoupeRefresh::Shows(const ScreenSquare &read, const SampleStatus &status,
                         const std::vector<MonitorArea> &monitors) const {
    switch (known_) {
        case Known::Drawn:
            // The pixels, the sample and its caption all as drawn: nothing to do.
            return !SameSituation(read.cursor, monitors) || read.cells != read_.cells ||
                   read.reach != read_.reach || !(status == status_);
        case Known::CannotShow:
            // Whatever the screen shows there, the loupe would still find no room.
            return !SameSituation(read.cursor, monitors);
        case Known::Nothing:
        default:
            return true;
    }
}

void LoupeRefresh::Drawn(const ScreenSquare &read, const SampleStatus &status,
                         const std::vector<MonitorArea> &monitors) {
    known_ = Known::Drawn;
    read_ = read;
    status_ = status;
    monitors_ = monitors;
}

void LoupeRefresh::CannotShow(ScreenPoint pointer, const std::vector<MonitorArea> &monitors) {
    known_ = Known::CannotShow;
    read_ = UnreadSquare(pointer, 0);
    monitors_ = monitors;
}

void LoupeRefresh::Forget() {
    known_ = Known::Nothing;
    monitors_.clear();
}

}  // namespace tintwell

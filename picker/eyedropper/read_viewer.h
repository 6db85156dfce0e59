// What a read of the screen is shown with besides the sample itself: whether the
// samples come from the live screen or a snapshot, the status that goes with a read,
// and the viewer (the loupe) that is handed each read.
#ifndef TINTWELL_PICKER_READ_VIEWER_H
#define TINTWELL_PICKER_READ_VIEWER_H

#include "colour_word.h"
#include "screen_square.h"

namespace tintwell {

// Whether samples read the live screen or a snapshot of it.
enum class FreezeState {
    Live,
    Frozen,
    // The last Ctrl+F could not take a snapshot; samples go on from the live screen.
    Failed,
};

// How a read is shown beside it: the sample it makes and where it came from.
struct SampleStatus {
    int sampleReach;
    ColorRef sample;
    FreezeState freeze;
    // What the screen there does to colours (SampleNote); None on a plain monitor.
    ScreenNote note = ScreenNote::None;
};

inline bool operator==(const SampleStatus &a, const SampleStatus &b) {
    return a.sampleReach == b.sampleReach && a.sample == b.sample && a.freeze == b.freeze &&
           a.note == b.note;
}

// Whoever shows a tick's read besides the sample itself (the loupe).
class ReadViewer {
  public:
    virtual ~ReadViewer() = default;
    // How far around the pointer it wants to see; 0 when it shows nothing.
    virtual int WantedReach() const = 0;
    virtual void ShowRead(const ScreenSquare &read, const SampleStatus &status) = 0;
    // Whether it lay over the read square itself, so that the read may hold its own
    // pixels instead of the screen's. Shown such a read, it gets out of the way.
    virtual bool Covers(const ScreenSquare &) const { return false; }
};

}  // namespace tintwell

#endif  // TINTWELL_PICKER_READ_VIEWER_H

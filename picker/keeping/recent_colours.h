// The colours the user had lately, most recent first, for the session only: every
// colour that reached the clipboard and every colour screen sampling stopped on.
#ifndef TINTWELL_PICKER_RECENT_COLOURS_H
#define TINTWELL_PICKER_RECENT_COLOURS_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "colour_word.h"

namespace tintwell {

// The picker state a pick left behind, which shows the same colour again as long as
// the mode and the web-safe flag are the same.
struct PickOrigin {
    int32_t tableMode;
    int32_t red;
    int32_t green;
    int32_t blue;
    int32_t fieldX;
    int32_t fieldY;
    int32_t stripPos;
    int32_t webSafe;
};

struct RecentColour {
    ColorRef colour;
    // Empty when the colour did not come from a pick (a sample, a typed text, a mode
    // switch).
    std::optional<PickOrigin> origin;
};

class RecentColours {
  public:
    static constexpr size_t kLimit = 16;

    // Puts the colour on top; an entry of the same colour goes, so that none is
    // listed twice, and past the limit the oldest goes.
    void Add(const RecentColour &entry);

    // Most recent first.
    const std::vector<RecentColour> &Entries() const { return entries_; }

  private:
    std::vector<RecentColour> entries_;
};

}  // namespace tintwell

#endif  // TINTWELL_PICKER_RECENT_COLOURS_H

#include "recent_colours.h"

#include <algorithm>

namespace tintwell {

void RecentColours::Add(const RecentColour &entry) {
    Settle();
    Insert(entry);
}

void RecentColours::Hold(const RecentColour &entry) {
    held_ = entry;
}

void RecentColours::Settle() {
    if (!held_) return;
    const RecentColour entry = *held_;
    held_.reset();
    Insert(entry);
}

const std::vector<RecentColour> &RecentColours::Entries() {
    Settle();
    return entries_;
}

void RecentColours::Insert(const RecentColour &entry) {
    const ColorRef colour = entry.colour & 0xFFFFFFu;
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                  [colour](const RecentColour &e) { return e.colour == colour; }),
                   entries_.end());
    entries_.insert(entries_.begin(), RecentColour{colour, entry.origin});
    if (entries_.size() > kLimit) entries_.resize(kLimit);
}

}  // namespace tintwell

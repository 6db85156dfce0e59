#include "recent_colours.h"

#include <algorithm>

namespace tintwell {

void RecentColours::Add(const RecentColour &entry) {
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                  [&](const RecentColour &e) { return e.colour == entry.colour; }),
                   entries_.end());
    entries_.insert(entries_.begin(), entry);
    if (entries_.size() > kLimit) entries_.resize(kLimit);
}

}  // namespace tintwell

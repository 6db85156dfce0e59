#include "screen_colour.h"

#include "user_texts.h"

namespace tintwell {

namespace {

// The file name Windows gives its own sRGB profile, the one every monitor has until
// another is associated with it.
constexpr char16_t kSystemSrgbProfile[] = u"sRGB Color Space Profile.icm";

char16_t Lower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

}  // namespace

const MonitorColour *ScreenColour::At(ScreenPoint p) const {
    for (const MonitorColour &monitor : monitors) {
        if (monitor.bounds.Contains(p)) return &monitor;
    }
    return nullptr;
}

bool IsSrgbProfile(const std::u16string &fileName) {
    const size_t slash = fileName.find_last_of(u"\\/");
    const std::u16string name =
        slash == std::u16string::npos ? fileName : fileName.substr(slash + 1);
    const std::u16string wanted = kSystemSrgbProfile;
    if (name.size() != wanted.size()) return false;
    for (size_t i = 0; i < name.size(); ++i) {
        if (Lower(name[i]) != Lower(wanted[i])) return false;
    }
    return true;
}

MonitorColour MonitorColourOf(const MonitorAnswers &answers) {
    MonitorColour monitor;
    monitor.bounds = answers.bounds;
    if (const auto &colour = answers.advancedColour) {
        if (colour->activeMode) {
            monitor.mode = *colour->activeMode == 2   ? ColourMode::Hdr
                           : *colour->activeMode == 1 ? ColourMode::WideColour
                                                      : ColourMode::Sdr;
        } else if (colour->enabled && !colour->forceDisabled) {
            monitor.mode = colour->wideColourEnforced ? ColourMode::WideColour : ColourMode::Hdr;
        }
    }
    if (answers.sdrWhite && *answers.sdrWhite > 0) monitor.sdrWhite = *answers.sdrWhite;
    monitor.profile =
        answers.profile && !answers.profile->empty() && !IsSrgbProfile(*answers.profile);
    return monitor;
}

const ScreenColour &ScreenColourWatch::Current() {
    if (known_) return state_;
    ScreenColour state;
    for (const MonitorAnswers &answers : system_.Monitors()) {
        state.monitors.push_back(MonitorColourOf(answers));
    }
    state.filters = system_.FiltersOn().value_or(false);
    state_ = std::move(state);
    known_ = true;
    return state_;
}

ScreenNote NoteFor(const MonitorColour *monitor, bool filters, bool exact, bool clamped) {
    if (monitor != nullptr && monitor->mode != ColourMode::Sdr) {
        const bool hdr = monitor->mode == ColourMode::Hdr;
        if (!exact) return hdr ? ScreenNote::HdrUnread : ScreenNote::WideColourUnread;
        if (clamped) return hdr ? ScreenNote::HdrClamped : ScreenNote::WideColourClamped;
        return hdr ? ScreenNote::Hdr : ScreenNote::WideColour;
    }
    if (filters) return ScreenNote::Filters;
    if (monitor != nullptr && monitor->profile) return ScreenNote::Corrected;
    return ScreenNote::None;
}

std::string ScreenNoteLine(ScreenNote note) {
    switch (note) {
        case ScreenNote::Corrected:
            return screen_notes::kCorrected;
        case ScreenNote::Filters:
            return screen_notes::kFilters;
        case ScreenNote::WideColour:
            return screen_notes::kWideColour;
        case ScreenNote::WideColourClamped:
            return screen_notes::kWideColourClamped;
        case ScreenNote::WideColourUnread:
            return screen_notes::kWideColourUnread;
        case ScreenNote::Hdr:
            return screen_notes::kHdr;
        case ScreenNote::HdrClamped:
            return screen_notes::kHdrClamped;
        case ScreenNote::HdrUnread:
            return screen_notes::kHdrUnread;
        case ScreenNote::None:
        default:
            return std::string();
    }
}

}  // namespace tintwell

// What each monitor does to the colours programs draw, as the system says it, and
// what the picker says about a colour read there. On a monitor in advanced colour
// (HDR, or wide colour on an SDR monitor) the desktop is composed in linear scRGB and
// an 8-bit read of it is not the program's colour; with a colour profile other than
// sRGB, or with Windows' colour filters on, what the screen shows is not what the
// program drew. Where the system does not answer (older Windows, Wine) a monitor is
// plain SDR sRGB, and nothing is said.
#ifndef TINTWELL_PICKER_SCREEN_COLOUR_H
#define TINTWELL_PICKER_SCREEN_COLOUR_H

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "loupe_geometry.h"

namespace tintwell {

enum class ColourMode { Sdr, WideColour, Hdr };

struct MonitorColour {
    ScreenRect bounds{0, 0, 0, 0};
    ColourMode mode = ColourMode::Sdr;
    // Thousandths of 80 nits (scrgb_pixels.h); what SDR white is composed at.
    uint32_t sdrWhite = 1000;
    // A colour profile other than sRGB is associated with the monitor.
    bool profile = false;
};

struct ScreenColour {
    std::vector<MonitorColour> monitors;
    // Windows' colour filters (grey, inverted, colour-blindness) are on.
    bool filters = false;

    // The monitor holding `p`; null off every monitor, or where none is known.
    const MonitorColour *At(ScreenPoint p) const;
};

// What the system answers about one monitor; each part empty where it did not.
struct MonitorAnswers {
    ScreenRect bounds{0, 0, 0, 0};
    struct AdvancedColour {
        bool supported = false;
        bool enabled = false;
        // Wide colour on an SDR monitor (automatic colour management).
        bool wideColourEnforced = false;
        bool forceDisabled = false;
        // Windows 11 24H2 and later: the colour mode in effect (0 SDR, 1 wide
        // colour, 2 HDR), which supersedes the flags.
        std::optional<int> activeMode;
    };
    std::optional<AdvancedColour> advancedColour;
    std::optional<uint32_t> sdrWhite;
    // The file name of the profile associated with the monitor, when there is one.
    std::optional<std::u16string> profile;
};

// The system's side of it, which the window layer implements and tests fake.
class ScreenColourSystem {
  public:
    virtual ~ScreenColourSystem() = default;
    virtual std::vector<MonitorAnswers> Monitors() = 0;
    // Empty when the system keeps no such switch.
    virtual std::optional<bool> FiltersOn() = 0;
};

MonitorColour MonitorColourOf(const MonitorAnswers &answers);
// Whether a profile file name is the system's own sRGB profile.
bool IsSrgbProfile(const std::u16string &fileName);

// The state as the system tells it now, kept until the monitors or the display
// settings change: it is read once after each change, never per sample.
class ScreenColourWatch {
  public:
    explicit ScreenColourWatch(ScreenColourSystem &system) : system_(system) {}

    // Read again at the next use: monitors, modes, the SDR white level, a profile or
    // the filters may have changed.
    void Forget() { known_ = false; }
    const ScreenColour &Current();

  private:
    ScreenColourSystem &system_;
    bool known_ = false;
    ScreenColour state_;
};

// What a read is said with, beside its colour: nothing on a plain SDR sRGB monitor.
enum class ScreenNote : uint8_t {
    None,
    // A profile: what the screen shows may not be the colour the program meant.
    Corrected,
    // The filters: what the screen shows is not the colour read.
    Filters,
    // Advanced colour read exactly from the duplication and converted to 8-bit sRGB;
    // Clamped: some of what the sample takes lay beyond it; Unread: read through GDI,
    // the duplication could not be had.
    WideColour,
    WideColourClamped,
    WideColourUnread,
    Hdr,
    HdrClamped,
    HdrUnread,
};

// The note for a read on `monitor` (null: off every monitor), read exactly from the
// duplication or not, and whether what the sample takes was clamped.
ScreenNote NoteFor(const MonitorColour *monitor, bool filters, bool exact, bool clamped);

// The one short line that says it, in UTF-8; empty for None.
std::string ScreenNoteLine(ScreenNote note);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_SCREEN_COLOUR_H

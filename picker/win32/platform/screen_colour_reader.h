// What the screen reader adds to a GDI read where the monitor's pixels are not the
// colours programs drew. While the user samples or picks, it knows each monitor's
// colour state (read once at the start and again when the display settings change,
// never per read); a read over a monitor in advanced colour takes its pixels from the
// duplication in 16-bit float instead, converted back to the programs' 8-bit colours,
// and every read carries the note that says what the monitor did. Outside sampling and
// picking it adds nothing and holds nothing.
#ifndef TINTWELL_PICKER_WIN32_PLATFORM_SCREEN_COLOUR_READER_H
#define TINTWELL_PICKER_WIN32_PLATFORM_SCREEN_COLOUR_READER_H

#include <memory>
#include <vector>

#include "desktop_duplication.h"
#include "screen_colour.h"
#include "screen_square.h"
#include "scrgb_pixels.h"

namespace tintwell::win32 {

class ScreenColourReader {
  public:
    // The system's own state and duplication.
    ScreenColourReader();
    // Others in their place (tests); the state is read again at the next use.
    void UseSources(std::unique_ptr<ScreenColourSystem> system,
                    std::unique_ptr<ScRgbFrameSource> frames);

    // Sampling or picking started (the state is read afresh at the next read) or
    // ended (the duplications are given back).
    void SetInUse(bool on);
    bool inUse() const { return inUse_; }
    // Monitors, modes or display settings changed: read again at the next use, and
    // duplications made again.
    void DisplayChanged();

    void Complete(ScreenSquare &square);
    void Complete(ScreenSnapshot &snapshot);

  private:
    const ScRgbConverter &ConverterFor(uint32_t sdrWhite);
    // The monitor's pixels of `area` into `out` (`outStride` apart) and its flags;
    // false when the duplication could not give them.
    bool ReadExactly(const MonitorColour &monitor, const ScreenRect &area, BitmapPixel *out,
                     size_t outStride, uint8_t *clamped);

    std::unique_ptr<ScreenColourSystem> system_;
    std::unique_ptr<ScRgbFrameSource> frames_;
    std::unique_ptr<ScreenColourWatch> watch_;
    bool inUse_;
    std::unique_ptr<ScRgbConverter> converter_;
    std::vector<ScRgbPixel> pixels_;
    std::vector<BitmapPixel> converted_;
    std::vector<uint8_t> flags_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_PLATFORM_SCREEN_COLOUR_READER_H

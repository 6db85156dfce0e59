// The running picker's display scale as its windows show it: where the soak's
// positions, in table pixels and 96-dpi pixels, land on the screen, and whether the
// markers stand where their table positions show. At 96 dpi every conversion is the
// identity and a marker must stand exactly at its position.
#ifndef TINTWELL_SOAK_SCREEN_SCALE_H
#define TINTWELL_SOAK_SCREEN_SCALE_H

#include <windows.h>

#include "running_picker.h"

namespace soak {

class ScreenScale {
  public:
    // Read from the picker's windows: the form's client width against its 96-dpi
    // width, the pictures' inner areas, and where the strip's inner area begins.
    explicit ScreenScale(const RunningPicker &picker);

    double factor() const { return factor_; }

    // The screen pixel of a picture's inner area that shows table pixel t; the same
    // formula gives pixels outside the area for positions beyond the table.
    int FieldColumn(int t) const { return Shown(t, fieldWidth_); }
    int FieldRow(int t) const { return Shown(t, fieldHeight_); }
    int StripColumn(int t) const { return Shown(t, stripWidth_, kStripColumns); }
    int StripRow(int t) const { return Shown(t, stripHeight_); }
    // A 96-dpi length at this scale, to the nearest pixel.
    int Pixels(int basePixels) const;
    // The strip's inner top in the form's client pixels.
    int StripTop() const { return stripTop_; }

    // Whether the ring's corner (in Picture1's pixels) puts its centre, 5.5 table
    // pixels from its corner at this scale, on the middle of the marked field pixel
    // as shown (left + 5, top + 5), within half a pixel.
    bool RingAt(POINT corner, int left, int top) const;
    // Whether the arrow's top (in the form's pixels) puts its tip, 8.5 table pixels
    // down at this scale, on the middle of the marked strip row (top - 1) as shown,
    // within half a pixel.
    bool ArrowAt(int cornerTop, int top) const;

  private:
    static constexpr int kTable = 256;
    static constexpr int kStripColumns = 18;

    static int Shown(int t, int shown, int table = kTable);
    // The continuous screen position of a table position along an axis.
    static double Along(double t, int shown, int table = kTable) { return t * shown / table; }

    double factor_;
    int fieldWidth_;
    int fieldHeight_;
    int stripWidth_;
    int stripHeight_;
    int stripTop_;
};

}  // namespace soak

#endif  // TINTWELL_SOAK_SCREEN_SCALE_H

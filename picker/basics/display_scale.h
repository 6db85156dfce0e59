// The window's DPI and what follows from it: twips and 96-dpi pixels turned into
// screen pixels, and the one mapping between the screen pixels of a picture's inner
// area and the table pixels they show. At 96 dpi every conversion is the identity.
// Pure arithmetic, so that every scale can be checked without a window.
#ifndef TINTWELL_PICKER_DISPLAY_SCALE_H
#define TINTWELL_PICKER_DISPLAY_SCALE_H

#include "table_geometry.h"

namespace tintwell {

// The window's one rule from a fractional position or length to a whole pixel: the
// nearest, halves away from zero. Independent of the floating-point rounding mode.
int RoundToPixel(double value);

class DisplayScale {
  public:
    explicit DisplayScale(int dpi = kBaseDpi) : dpi_(dpi > 0 ? dpi : kBaseDpi) {}

    int dpi() const { return dpi_; }
    bool identity() const { return dpi_ == kBaseDpi; }
    // Screen pixels per table pixel.
    double factor() const { return static_cast<double>(dpi_) / kBaseDpi; }

    // The nearest pixel (so 4180 and 4000 twips give 279 and 267 at 96 dpi).
    int FromTwips(int twips) const;
    // A length drawn at 96 dpi (a border, a table), at this DPI.
    int FromBasePixels(int pixels) const;
    // A length in 96-dpi pixels, not yet rounded, at this DPI.
    double Scaled(double basePixels) const { return basePixels * factor(); }
    // A font size in points as a LOGFONT height (negative: the em height).
    int FontHeight(double points) const;

  private:
    int dpi_;
};

// One axis of a table shown magnified by nearest neighbour: screen pixel s of the
// inner area shows the table pixel whose span holds the centre of s. The same
// mapping names the table pixel a pointer position picks, also outside the area
// during a drag (the handlers clamp).
class TableAxis {
  public:
    TableAxis(int tableSize = kTableSize, int shownSize = kTableSize)
        : table_(tableSize), shown_(shownSize > 0 ? shownSize : tableSize) {}

    int table() const { return table_; }
    int shown() const { return shown_; }
    bool identity() const { return table_ == shown_; }

    int TableFromScreen(int screen) const;
    // The screen position (continuous, in pixels from the area's edge) of a table
    // position; a whole table pixel t has its centre at t + 0.5.
    double ScreenFromTable(double table) const { return table * shown_ / table_; }

  private:
    int table_;
    int shown_;
};

}  // namespace tintwell

#endif  // TINTWELL_PICKER_DISPLAY_SCALE_H

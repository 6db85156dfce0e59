// Where the two markers stand on screen for the positions the handlers give them,
// and what a pointer position on a marker is in the handlers' units. The handlers
// place the markers in table pixels of their container and expect twips of table
// pixels back; the window shows the tables magnified, so both go through the
// pictures' own screen-to-table mapping.
#ifndef TINTWELL_PICKER_WIN32_MARKER_GEOMETRY_H
#define TINTWELL_PICKER_WIN32_MARKER_GEOMETRY_H

#include <windows.h>

#include "display_scale.h"

namespace tintwell::win32 {

class PictureBox;

class MarkerGeometry {
  public:
    // The marker's top-left corner in its container's pixels for the position
    // (left, top) in table pixels.
    virtual POINT Corner(float left, float top) const = 0;
    // A pointer at `local` pixels from the marker's corner, which stands at `corner`,
    // in twips from (left, top): what the handler adds back to (left, top) lands on
    // the table pixel under the pointer.
    virtual void PointerTwips(POINT local, POINT corner, float left, float top, float &x,
                              float &y) const = 0;

  protected:
    ~MarkerGeometry() = default;
};

// Label1, the ring, inside Picture1: its centre on the centre of the marked table
// pixel as shown, which is kRingOffset + 0.5 table pixels from its corner.
class RingGeometry : public MarkerGeometry {
  public:
    RingGeometry(const PictureBox &field, const DisplayScale &scale)
        : field_(field), scale_(scale) {}
    POINT Corner(float left, float top) const override;
    void PointerTwips(POINT local, POINT corner, float left, float top, float &x,
                      float &y) const override;

  private:
    const PictureBox &field_;
    const DisplayScale &scale_;
};

// Label2, the arrow, on the form beside Picture2: its tip on the middle of the
// marked strip row as shown.
class ArrowGeometry : public MarkerGeometry {
  public:
    ArrowGeometry(const PictureBox &strip, const DisplayScale &scale)
        : strip_(strip), scale_(scale) {}
    POINT Corner(float left, float top) const override;
    void PointerTwips(POINT local, POINT corner, float left, float top, float &x,
                      float &y) const override;

  private:
    const PictureBox &strip_;
    const DisplayScale &scale_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_MARKER_GEOMETRY_H

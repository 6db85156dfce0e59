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
    virtual POINT Corner(float left, float top, const DisplayScale &scale) const = 0;
    // A pointer at `local` pixels from the marker's corner, which stands at `corner`,
    // in twips from (left, top): what the handler adds back to (left, top) lands on
    // the table pixel under the pointer.
    virtual void PointerTwips(POINT local, POINT corner, float left, float top,
                              const DisplayScale &scale, float &x, float &y) const = 0;

  protected:
    ~MarkerGeometry() = default;
};

// Label1, the ring, inside Picture1: its centre on the centre of the marked table
// pixel as shown, which is kRingOffset + 0.5 table pixels from its corner.
class RingGeometry : public MarkerGeometry {
  public:
    explicit RingGeometry(const PictureBox &field) : field_(field) {}
    POINT Corner(float left, float top, const DisplayScale &scale) const override;
    void PointerTwips(POINT local, POINT corner, float left, float top, const DisplayScale &scale,
                      float &x, float &y) const override;

    // Where the ring's glyph is drawn from the label's corner, given where the middle
    // of its ink lies from the point it is drawn at. At 96 dpi it is drawn from the
    // corner, as it always was; at other scales it is moved so that its middle is the
    // ring's centre.
    static POINT GlyphOffset(POINT inkCentre, const DisplayScale &scale);

  private:
    const PictureBox &field_;
};

// Label2, the arrow, on the form beside Picture2: its tip on the middle of the
// marked strip row as shown.
class ArrowGeometry : public MarkerGeometry {
  public:
    explicit ArrowGeometry(const PictureBox &strip) : strip_(strip) {}
    POINT Corner(float left, float top, const DisplayScale &scale) const override;
    void PointerTwips(POINT local, POINT corner, float left, float top, const DisplayScale &scale,
                      float &x, float &y) const override;

  private:
    const PictureBox &strip_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_MARKER_GEOMETRY_H

// Label1 and Label2, the two markers. A label draws one text from its top-left
// corner. Label1 is see-through: it copies the part of Picture1's image it covers
// before drawing the ring, so the field shows around the glyph, yet it stays a
// window of its own and takes presses over its whole rectangle. Label2 is opaque.
#ifndef TINTWELL_PICKER_WIN32_MARKER_LABEL_H
#define TINTWELL_PICKER_WIN32_MARKER_LABEL_H

#include <windows.h>

#include <string>

#include "control_placement.h"
#include "custom_control.h"
#include "marker_geometry.h"
#include "mouse_input.h"
#include "picture_box.h"
#include "window_base.h"

namespace tintwell::win32 {

constexpr const wchar_t *kLabelClass = L"TintwellMarkerLabel";

enum class MarkerStyle {
    // Shows its picture's image around the glyph, and a press on it gives the picture
    // the focus.
    SeeThrough,
    // Shows the form's face around the glyph.
    Opaque,
};

class MarkerLabel : public WindowBase<MarkerLabel>, public CustomControl, private PointerUnits {
  public:
    // picture: the picture the label marks a point of; geometry places the label and
    // converts pointer positions on it.
    MarkerLabel(ControlId id, MouseSink &sink, FailureSink &failures, MarkerStyle style,
                PictureBox &picture, const MarkerGeometry &geometry);

    static void RegisterClass(HINSTANCE instance);
    void Create(HWND parent, const ControlPlacement &placement, HINSTANCE instance,
                const DisplayScale &scale) override;
    // Sizes the label for a new scale and puts it where its position now shows.
    void LayOut(const ControlPlacement &placement, const DisplayScale &scale) override;

    // A null font draws a solid triangle pointing right instead of a text, at the
    // scale's size. The text is drawn `offset` pixels from the corner.
    void SetFont(HFONT font, const std::wstring &text, POINT offset = POINT{0, 0});
    void SetForeColor(COLORREF colour);

    // Position in the container's table pixels, kept exactly as set; the window sits
    // at the nearest screen pixel the geometry gives for it once Place has run. A step
    // sets both markers' positions one coordinate at a time; moving the windows then,
    // all at once, costs one trip to the window system instead of one per coordinate.
    float Left() const { return left_; }
    float Top() const { return top_; }
    void MoveTo(float left, float top);
    // Adds the window's move to where its position shows to `moves` (from
    // BeginDeferWindowPos) when it is not there yet, and returns the batch as
    // DeferWindowPos does; with a null batch it moves the window at once.
    HDWP Place(HDWP moves);

    // Draws the whole label into `dc`, as it shows on screen.
    void Paint(HDC dc) const;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void PaintBackground(HDC dc, int width, int height) const;
    void PaintText(HDC dc, RECT area) const;
    void PaintTriangle(HDC dc) const;
    void Convert(POINT client, float &x, float &y) const override;
    POINT PlacedCorner() const;
    RECT PlacedRect(const ControlPlacement &placement) const;

    ControlId id_;
    MouseSink &sink_;
    MarkerStyle style_;
    PictureBox &picture_;
    const MarkerGeometry &geometry_;
    HFONT font_;
    std::wstring text_;
    POINT textOffset_;
    DisplayScale scale_;
    COLORREF foreColor_;
    float left_;
    float top_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_MARKER_LABEL_H

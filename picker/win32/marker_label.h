// Label1 and Label2, the two markers. A label draws one text from its top-left
// corner. Label1 is see-through: it copies the part of Picture1's image it covers
// before drawing the ring, so the field shows around the glyph, yet it stays a
// window of its own and takes presses over its whole rectangle. Label2 is opaque.
#ifndef TINTWELL_PICKER_WIN32_MARKER_LABEL_H
#define TINTWELL_PICKER_WIN32_MARKER_LABEL_H

#include <windows.h>

#include <string>

#include "control_layout.h"
#include "mouse_input.h"
#include "picture_box.h"
#include "window_base.h"

namespace tintwell::win32 {

class MarkerLabel : public WindowBase<MarkerLabel> {
  public:
    // backdrop: the picture the label lies on and shows through, or nullptr for an
    // opaque label in the form's colour.
    MarkerLabel(ControlId id, MouseSink &sink, const PictureBox *backdrop);

    static void RegisterClass(HINSTANCE instance);
    void Create(HWND parent, const ControlPlacement &placement, HINSTANCE instance);

    // A null font draws a solid triangle pointing right instead of a text.
    void SetFont(HFONT font, const std::wstring &text);
    void SetForeColor(COLORREF colour);

    // Position in the container's pixels, kept exactly as set; the window sits at
    // the nearest whole pixel.
    float Left() const { return left_; }
    float Top() const { return top_; }
    void MoveTo(float left, float top);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    LRESULT OnPaint();
    void PaintBackground(HDC dc, int width, int height) const;
    void PaintText(HDC dc, RECT area) const;
    void PaintTriangle(HDC dc) const;

    ControlId id_;
    MouseSink &sink_;
    const PictureBox *backdrop_;
    HFONT font_;
    std::wstring text_;
    COLORREF foreColor_;
    float left_;
    float top_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_MARKER_LABEL_H

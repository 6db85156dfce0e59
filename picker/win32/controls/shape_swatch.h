// Shape1, the swatch: a plain rectangle filled with one colour inside a 1 px border
// in the window-text colour.
#ifndef TINTWELL_PICKER_WIN32_SHAPE_SWATCH_H
#define TINTWELL_PICKER_WIN32_SHAPE_SWATCH_H

#include <windows.h>

#include "control_placement.h"
#include "custom_control.h"
#include "display_scale.h"
#include "window_base.h"

namespace tintwell::win32 {

constexpr const wchar_t *kShapeClass = L"TintwellShape";

class ShapeSwatch : public WindowBase<ShapeSwatch>, public CustomControl {
  public:
    explicit ShapeSwatch(FailureSink &failures)
        : WindowBase(failures), fillColor_(RGB(0, 0, 0)), border_(1) {}

    static void RegisterClass(HINSTANCE instance);
    void Create(HWND parent, const ControlPlacement &placement, HINSTANCE instance,
                const DisplayScale &scale) override;
    // Places the swatch for a new scale, its border one 96-dpi pixel thick.
    void LayOut(const ControlPlacement &placement, const DisplayScale &scale) override;
    void SetFillColor(COLORREF colour);

    // Draws the whole swatch into `dc`: for WM_PAINT and WM_PRINTCLIENT alike.
    void Paint(HDC dc) const;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    COLORREF fillColor_;
    int border_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_SHAPE_SWATCH_H

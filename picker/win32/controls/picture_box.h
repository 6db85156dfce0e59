// Picture1 and Picture2: a bordered drawing surface with a persistent image. The
// library draws the table into the image's DC, one image pixel per table pixel; the
// window shows the image magnified to its inner area by nearest neighbour, so it
// repaints itself whenever it is uncovered and stays sharp at any DPI.
#ifndef TINTWELL_PICKER_WIN32_PICTURE_BOX_H
#define TINTWELL_PICKER_WIN32_PICTURE_BOX_H

#include <windows.h>

#include <memory>
#include <vector>

#include "control_placement.h"
#include "custom_control.h"
#include "display_scale.h"
#include "gdi_handles.h"
#include "key_input.h"
#include "mouse_input.h"
#include "table_geometry.h"
#include "window_base.h"

namespace tintwell::win32 {

constexpr const wchar_t *kPictureClass = L"TintwellPictureBox";

// A picture's border at 96 dpi: the sunken client edge is two lines, the flat border
// (the strip's) one.
constexpr int kSunkenBorder = 2;
constexpr int kFlatBorder = kStripBorder;

class PictureBox : public WindowBase<PictureBox>, public CustomControl, private PointerUnits {
  public:
    // The image holds as many table pixels as the design's inner area has 96-dpi
    // pixels; it is made with the window.
    PictureBox(ControlId id, MouseSink &sink, KeySink &keys, FailureSink &failures,
               int backgroundSysColor);

    static void RegisterClass(HINSTANCE instance);
    void Create(HWND parent, const ControlPlacement &placement, HINSTANCE instance,
                const DisplayScale &scale) override;
    // Places and sizes the box for a new scale: the inner area is the table magnified,
    // the border drawn at the scale's thickness, the corner where the design puts it.
    void LayOut(const ControlPlacement &placement, const DisplayScale &scale) override;

    // The persistent image in table pixels, for the library to draw into.
    HDC ImageDc() const { return image_->dc(); }
    // The image as the inner area shows it, brought up to date within `area` (inner
    // pixels); what Label1 shows through.
    HDC ShownDc(const RECT &area);
    // Shows the image now where it changed since the last refresh, with whatever sits
    // there (Label1) painted over it again.
    // Marks what changed in the image since the last refresh for repainting; the form
    // paints it, with the markers and the swatch, once the handler has finished.
    void Refresh();

    const TableAxis &columns() const { return columns_; }
    const TableAxis &rows() const { return rows_; }
    // The inner area's top-left corner in the container's pixels.
    POINT InnerOrigin() const;

    // Draws `area` of the inner area into `dc` as it shows on screen (the markers are
    // windows of their own): for WM_PAINT and WM_PRINTCLIENT alike.
    void Paint(HDC dc, const RECT &area);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    LRESULT OnCreate();
    LRESULT OnNcCalcSize(LPARAM lParam);
    LRESULT OnNcPaint();
    void PaintBorder(HDC dc) const;
    void Convert(POINT client, float &x, float &y) const override;

    RECT OuterRect(const ControlPlacement &placement, const DisplayScale &scale) const;
    void Rescale(const ControlPlacement &placement, const DisplayScale &scale);
    void Magnify(const RECT &area);
    LRESULT OnFocusCueChange(UINT message, WPARAM wParam, LPARAM lParam);

    ControlId id_;
    MouseSink &sink_;
    KeySink &keys_;
    int backgroundSysColor_;
    int tableWidth_;
    int tableHeight_;
    bool sunken_;  // sunken 3-D border two pixels wide at 96 dpi, else flat one
    int border_;   // border thickness in pixels at the current scale
    TableAxis columns_;
    TableAxis rows_;
    std::unique_ptr<OffscreenImage> image_;
    // The magnified image; null at 96 dpi, where the image itself is shown.
    std::unique_ptr<OffscreenImage> shown_;
    // The image as the last refresh showed it; empty before the first.
    std::vector<uint32_t> refreshed_;
    // For each shown column and row, the table pixel it shows.
    std::vector<int> sourceColumn_;
    std::vector<int> sourceRow_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_PICTURE_BOX_H

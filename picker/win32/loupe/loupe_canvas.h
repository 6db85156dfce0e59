// The loupe's picture at one DPI: the square of screen pixels it was handed, that
// square magnified with its grid and centre outline, and the centre's "#RRGGBB" in a
// band below, in the picker's caption font at that DPI.
#ifndef TINTWELL_PICKER_WIN32_LOUPE_LOUPE_CANVAS_H
#define TINTWELL_PICKER_WIN32_LOUPE_LOUPE_CANVAS_H

#include <windows.h>

#include <memory>

#include "form_controls.h"
#include "gdi_handles.h"
#include "loupe_geometry.h"

namespace tintwell::win32 {

class LoupeCanvas {
  public:
    LoupeCanvas();

    // Sizes everything for the DPI; nothing happens when it is the current one.
    void Prepare(int dpi);
    // Gives back the bitmaps and the font: a hidden loupe holds nothing.
    void Release();

    // False until the first Prepare.
    bool ready() const { return picture_ != nullptr; }
    const LoupeMetrics &metrics() const { return metrics_; }
    // Where the screen's square is copied to, cells x cells pixels.
    HDC seenDc() const { return seen_->dc(); }
    // Magnifies what seenDc holds, with `centre` in the middle cell and as the text.
    void Draw(ColorRef centre);

    HDC dc() const { return picture_->dc(); }
    SIZE size() const { return SIZE{picture_->width(), picture_->height()}; }

  private:
    void DrawCaption(ColorRef centre);

    int dpi_;
    LoupeMetrics metrics_;
    Font font_;
    int bandHeight_;
    std::unique_ptr<OffscreenImage> seen_;
    std::unique_ptr<OffscreenImage> picture_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_LOUPE_LOUPE_CANVAS_H

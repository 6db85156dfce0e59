// The loupe's picture at one DPI: the square of screen pixels of one read magnified
// with its grid and the outline of what the sample takes, and the sample's "#RRGGBB"
// (with a note while the screen is frozen) in a band below, in the picker's caption
// font at that DPI.
#ifndef TINTWELL_PICKER_WIN32_LOUPE_LOUPE_CANVAS_H
#define TINTWELL_PICKER_WIN32_LOUPE_LOUPE_CANVAS_H

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "gdi_handles.h"
#include "loupe_geometry.h"
#include "loupe_image.h"
#include "loupe_zoom.h"
#include "read_viewer.h"
#include "screen_square.h"

namespace tintwell::win32 {

class LoupeCanvas {
  public:
    LoupeCanvas();

    // Sizes everything for the DPI, the zoom step (loupe_zoom.h) and the caption's
    // lines of text; nothing happens when they are the current ones, and the font and
    // the bitmap are made again only when their size changes (never for another zoom
    // step). False when the bitmap or the font cannot be made (GDI quota): the
    // canvas then holds nothing.
    bool Prepare(int dpi, int zoom, int lines);
    // The same for this caption: its lines as Draw breaks them to the loupe's width.
    bool Prepare(int dpi, int zoom, const std::u16string &caption);
    // Gives back the bitmap and the font: a hidden loupe holds nothing.
    void Release();

    // False until a Prepare succeeds.
    bool ready() const { return picture_ != nullptr; }
    const LoupeMetrics &metrics() const { return metrics_; }
    // Magnifies the read, outlining the cells the sample takes, with the caption
    // (its band drawn again only when the text differs from the one it shows).
    void Draw(const ScreenSquare &read, int sampleReach, const std::u16string &caption);

    HDC dc() const { return picture_->dc(); }
    SIZE size() const { return SIZE{picture_->width(), picture_->height()}; }

  private:
    void DrawCaption(const std::u16string &caption);
    // The caption with each line after the colour's that is too wide for the loupe
    // broken where it fits, at a space where there is one.
    std::u16string Wrapped(HDC dc, const std::u16string &caption) const;

    int dpi_;
    int zoom_;
    int lines_;
    LoupeMetrics metrics_;
    // The magnified square's side and where its cells start in it.
    int side_;
    int inset_;
    Font font_;
    // The side the font was chosen to fit.
    int fontSide_;
    int lineHeight_;
    int padding_;
    std::unique_ptr<OffscreenImage> picture_;
    // The cells of the last read drawn, kept for their memory.
    std::vector<ColorRef> seen_;
    // The caption the band shows, once one is drawn into this bitmap.
    std::u16string drawnCaption_;
    bool captionDrawn_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_LOUPE_LOUPE_CANVAS_H

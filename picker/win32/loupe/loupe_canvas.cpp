#include "loupe_canvas.h"

#include "display_scale.h"
#include "loupe_image.h"
#include "text_conversion.h"
#include "ui_fonts.h"

namespace tintwell::win32 {

namespace {

// Space above and below the text, at 96 dpi.
constexpr int kBandPadding = 3;

}  // namespace

LoupeCanvas::LoupeCanvas() : dpi_(0), metrics_(), font_(), bandHeight_(0), seen_(), picture_() {}

void LoupeCanvas::Prepare(int dpi) {
    if (dpi == dpi_ && picture_ != nullptr) return;
    const DisplayScale scale(dpi);
    metrics_ = LoupeMetricsForDpi(scale.dpi());
    font_ = CreateCaptionFont(scale, metrics_.imageSize());
    TEXTMETRICW text{};
    {
        MemoryDc measure(nullptr);
        SelectedObject font(measure.get(), font_.get());
        GetTextMetricsW(measure.get(), &text);
    }
    bandHeight_ = text.tmHeight + 2 * scale.FromBasePixels(kBandPadding);
    seen_ = std::make_unique<OffscreenImage>(metrics_.cells, metrics_.cells);
    picture_ =
        std::make_unique<OffscreenImage>(metrics_.imageSize(), metrics_.imageSize() + bandHeight_);
    dpi_ = scale.dpi();
}

void LoupeCanvas::Release() {
    picture_.reset();
    seen_.reset();
    font_ = Font();
    dpi_ = 0;
}

void LoupeCanvas::Draw(ColorRef centre) {
    GdiFlush();
    BitmapPixel *seen = seen_->pixels();
    const int middle = metrics_.reach() * metrics_.cells + metrics_.reach();
    seen[middle] = BitmapPixelFromColour(centre);
    ComposeLoupeImage(seen, metrics_, picture_->pixels(), static_cast<size_t>(picture_->width()));
    DrawCaption(centre);
    GdiFlush();
}

void LoupeCanvas::DrawCaption(ColorRef centre) {
    HDC dc = picture_->dc();
    const int top = metrics_.imageSize();
    RECT band{0, top, picture_->width(), picture_->height()};
    FillRect(dc, &band, GetSysColorBrush(COLOR_BTNFACE));
    // The image's grid closes its right and bottom edges; the band gets a frame of
    // the same width on its other three sides.
    for (int line = 0; line < metrics_.gridWidth; ++line) {
        RECT frame{band.left + line, band.top - 1, band.right - line, band.bottom - line};
        FrameRect(dc, &frame, GetSysColorBrush(COLOR_WINDOWFRAME));
    }
    SelectedObject font(dc, font_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    const std::wstring text = WideFromUtf16(LoupeCaption(centre));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &band,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace tintwell::win32

#include "loupe_canvas.h"

#include <algorithm>
#include <string>
#include <vector>

#include "display_scale.h"
#include "text_conversion.h"
#include "ui_fonts.h"

namespace tintwell::win32 {

namespace {

// Space above and below the text, at 96 dpi.
constexpr int kBandPadding = 3;

}  // namespace

LoupeCanvas::LoupeCanvas()
    : dpi_(0),
      zoom_(kDefaultLoupeZoom),
      lines_(0),
      metrics_(),
      side_(0),
      inset_(0),
      font_(),
      fontSide_(0),
      lineHeight_(0),
      padding_(0),
      picture_(),
      seen_(),
      drawnCaption_(),
      captionDrawn_(false) {}

// Every zoom step has the same side at a DPI, so the font and the bitmap made for
// one serve them all: a turn of the wheel changes only the cells' metrics. What is
// made is made again only for a size it has not: another DPI, another number of
// caption lines.
bool LoupeCanvas::Prepare(int dpi, int zoom, int lines) {
    const DisplayScale scale(dpi);
    if (scale.dpi() == dpi_ && zoom == zoom_ && lines == lines_ && picture_ != nullptr) {
        return true;
    }
    if (scale.dpi() != dpi_) Release();
    const LoupeView view = LoupeViewAt(scale.dpi(), zoom);
    if (font_.get() == nullptr || fontSide_ != view.side) {
        picture_.reset();
        font_ = CreateCaptionFont(scale, view.side);
        if (font_.get() == nullptr) {
            Release();
            return false;
        }
        TEXTMETRICW text{};
        {
            MemoryDc measure(nullptr);
            SelectedObject font(measure.get(), font_.get());
            if (measure.get() == nullptr || !GetTextMetricsW(measure.get(), &text)) {
                Release();
                return false;
            }
        }
        fontSide_ = view.side;
        lineHeight_ = text.tmHeight;
        padding_ = scale.FromBasePixels(kBandPadding);
    }
    const int height = view.side + lines * lineHeight_ + 2 * padding_;
    if (picture_ == nullptr || picture_->width() != view.side || picture_->height() != height) {
        picture_.reset();
        auto picture = std::make_unique<OffscreenImage>(view.side, height);
        if (!picture->ok()) {
            Release();
            return false;
        }
        picture_ = std::move(picture);
    }
    metrics_ = view.metrics;
    side_ = view.side;
    inset_ = view.inset;
    // The band's frame follows the metrics: drawn again at the next Draw.
    captionDrawn_ = false;
    dpi_ = scale.dpi();
    zoom_ = zoom;
    lines_ = lines;
    return true;
}

bool LoupeCanvas::Prepare(int dpi, int zoom, const std::u16string &caption) {
    if (!Prepare(dpi, zoom, lines_ > 0 ? lines_ : CaptionLines(caption))) return false;
    MemoryDc measure(nullptr);
    SelectedObject font(measure.get(), font_.get());
    if (measure.get() == nullptr) return false;
    const int lines = CaptionLines(Wrapped(measure.get(), caption));
    return lines == lines_ || Prepare(dpi, zoom, lines);
}

std::u16string LoupeCanvas::Wrapped(HDC dc, const std::u16string &caption) const {
    // As wide as the colour's line may be, which the font was chosen for.
    const int room = side_;
    auto width = [dc](const std::u16string &text) {
        const std::wstring wide = WideFromUtf16(text);
        SIZE size{0, 0};
        GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
        return static_cast<int>(size.cx);
    };
    std::u16string out;
    size_t start = 0;
    while (start <= caption.size()) {
        const size_t end = std::min(caption.find(u'\n', start), caption.size());
        std::u16string line = caption.substr(start, end - start);
        while (start > 0 && width(line) > room && line.size() > 1) {
            size_t fits = 1;
            while (fits < line.size() && width(line.substr(0, fits + 1)) <= room) ++fits;
            const size_t space = line.rfind(u' ', fits);
            const size_t cut = space != std::u16string::npos && space > 0 ? space : fits;
            out += line.substr(0, cut) + u"\n";
            line.erase(0, line[cut] == u' ' ? cut + 1 : cut);
        }
        out += line;
        if (end == caption.size()) break;
        out += u"\n";
        start = end + 1;
    }
    return out;
}

void LoupeCanvas::Release() {
    picture_.reset();
    font_ = Font();
    fontSide_ = 0;
    dpi_ = 0;
    lines_ = 0;
    captionDrawn_ = false;
}

void LoupeCanvas::Draw(const ScreenSquare &read, int sampleReach, const std::u16string &caption) {
    // The loupe shows its own cells however wide the read was: the middle ones.
    const int reach = metrics_.reach();
    seen_.assign(static_cast<size_t>(metrics_.cells) * metrics_.cells, kInvalidColor);
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            if (dx < -read.reach || dx > read.reach || dy < -read.reach || dy > read.reach)
                continue;
            seen_[static_cast<size_t>(dy + reach) * metrics_.cells + (dx + reach)] =
                read.At(dx, dy);
        }
    }
    GdiFlush();
    const auto stride = static_cast<size_t>(picture_->width());
    BitmapPixel *square = picture_->pixels();
    if (metrics_.imageSize() != side_) {
        // Zoomed, the cells need not fill the square: the frame's colour fills the rest.
        const BitmapPixel frame = BitmapPixelFromColour(GetSysColor(COLOR_WINDOWFRAME));
        for (size_t i = 0; i < stride * static_cast<size_t>(side_); ++i) square[i] = frame;
    }
    ComposeLoupeImage(seen_.data(), metrics_,
                      square + static_cast<size_t>(inset_) * stride + inset_, stride, sampleReach);
    // The band below the cells holds what it held unless its text changed.
    if (!captionDrawn_ || caption != drawnCaption_) {
        DrawCaption(caption);
        drawnCaption_ = caption;
        captionDrawn_ = true;
    }
    GdiFlush();
}

void LoupeCanvas::DrawCaption(const std::u16string &caption) {
    HDC dc = picture_->dc();
    const int top = side_;
    RECT band{0, top, picture_->width(), picture_->height()};
    FillRect(dc, &band, GetSysColorBrush(COLOR_BTNFACE));
    // The image's grid closes its right and bottom edges; the band gets a frame of
    // the same width on its other three sides, below the image and never over it.
    const int line = metrics_.gridWidth;
    const RECT sides[] = {{band.left, band.top, band.left + line, band.bottom},
                          {band.right - line, band.top, band.right, band.bottom},
                          {band.left, band.bottom - line, band.right, band.bottom}};
    for (const RECT &side : sides) FillRect(dc, &side, GetSysColorBrush(COLOR_WINDOWFRAME));
    SelectedObject font(dc, font_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    const std::wstring text = WideFromUtf16(Wrapped(dc, caption));
    RECT lines{band.left, band.top + padding_, band.right, band.bottom - padding_};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &lines, DT_CENTER | DT_NOPREFIX);
}

}  // namespace tintwell::win32

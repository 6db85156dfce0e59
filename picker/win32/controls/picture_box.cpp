#include "picture_box.h"

#include <algorithm>
#include <cstring>

#include "focus_cue.h"
#include "paint_routine.h"

namespace tintwell::win32 {

namespace {

bool IsSunken(const ControlPlacement &placement) {
    return (placement.exStyle & WS_EX_CLIENTEDGE) != 0;
}

// The border's thickness at 96 dpi.
int BaseBorder(const ControlPlacement &placement) {
    return IsSunken(placement) ? kSunkenBorder : kFlatBorder;
}

}  // namespace

PictureBox::PictureBox(ControlId id, MouseSink &sink, KeySink &keys, FailureSink &failures,
                       int backgroundSysColor)
    : WindowBase(failures),
      id_(id),
      sink_(sink),
      keys_(keys),
      backgroundSysColor_(backgroundSysColor),
      tableWidth_(0),
      tableHeight_(0),
      sunken_(false),
      border_(0),
      columns_(),
      rows_(),
      image_(),
      shown_(),
      refreshed_(),
      sourceColumn_(),
      sourceRow_() {}

void PictureBox::RegisterClass(HINSTANCE instance) {
    // No class background: the image covers the whole inner area.
    Register(instance, kPictureClass, nullptr);
}

// The border is drawn here rather than by the system, whose edges keep their 96-dpi
// thickness: the inner area must be exactly the table magnified.
RECT PictureBox::OuterRect(const ControlPlacement &placement, const DisplayScale &scale) const {
    const RECT designed = DesignedRect(placement, scale);
    return RECT{designed.left, designed.top, designed.left + columns_.shown() + 2 * border_,
                designed.top + rows_.shown() + 2 * border_};
}

void PictureBox::Rescale(const ControlPlacement &placement, const DisplayScale &scale) {
    sunken_ = IsSunken(placement);
    border_ = scale.FromBasePixels(BaseBorder(placement));
    columns_ = TableAxis(tableWidth_, scale.FromBasePixels(tableWidth_));
    rows_ = TableAxis(tableHeight_, scale.FromBasePixels(tableHeight_));
    if (columns_.identity() && rows_.identity()) {
        shown_.reset();
        sourceColumn_.clear();
        sourceRow_.clear();
        return;
    }
    shown_ = std::make_unique<OffscreenImage>(columns_.shown(), rows_.shown());
    sourceColumn_.resize(static_cast<size_t>(columns_.shown()));
    for (int x = 0; x < columns_.shown(); ++x) sourceColumn_[x] = columns_.TableFromScreen(x);
    sourceRow_.resize(static_cast<size_t>(rows_.shown()));
    for (int y = 0; y < rows_.shown(); ++y) sourceRow_[y] = rows_.TableFromScreen(y);
}

void PictureBox::Create(HWND parent, const ControlPlacement &placement, HINSTANCE instance,
                        const DisplayScale &scale) {
    tableWidth_ = placement.width / kTwipsPerTablePixel - 2 * BaseBorder(placement);
    tableHeight_ = placement.height / kTwipsPerTablePixel - 2 * BaseBorder(placement);
    Rescale(placement, scale);
    WindowBase::Create(instance, placement.windowClass, placement.caption, placement.style,
                       placement.exStyle, OuterRect(placement, scale), parent, placement.id);
}

void PictureBox::LayOut(const ControlPlacement &placement, const DisplayScale &scale) {
    Rescale(placement, scale);
    const RECT outer = OuterRect(placement, scale);
    SetWindowPos(hwnd_, nullptr, outer.left, outer.top, outer.right - outer.left,
                 outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    InvalidateRect(hwnd_, nullptr, FALSE);
}

POINT PictureBox::InnerOrigin() const {
    POINT origin{0, 0};
    MapWindowPoints(hwnd_, GetParent(hwnd_), &origin, 1);
    return origin;
}

// Every pick draws both tables again, though a drag in the field mostly leaves them
// as they were; putting unchanged pixels on the screen again would cost more than the
// draw, the more so when they are magnified. Only the band of rows that changed is
// shown again.
void PictureBox::Refresh() {
    GdiFlush();
    const uint32_t *image = image_->pixels();
    if (image == nullptr) {
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
        return;
    }
    // Before the first refresh the screen shows whatever the image held when it was
    // last painted (the start-up draws), which no copy records: show all of it.
    if (refreshed_.empty()) {
        refreshed_.assign(image, image + static_cast<size_t>(tableWidth_) * tableHeight_);
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
        return;
    }
    const size_t rowPixels = static_cast<size_t>(tableWidth_);
    const size_t rowBytes = rowPixels * sizeof(uint32_t);
    int first = -1;
    int last = -1;
    for (int y = 0; y < tableHeight_; ++y) {
        const size_t at = static_cast<size_t>(y) * rowPixels;
        if (std::memcmp(image + at, refreshed_.data() + at, rowBytes) == 0) continue;
        std::memcpy(refreshed_.data() + at, image + at, rowBytes);
        if (first < 0) first = y;
        last = y;
    }
    if (first < 0) return;
    int top = 0;
    while (top < rows_.shown() && rows_.TableFromScreen(top) < first) ++top;
    int bottom = top;
    while (bottom < rows_.shown() && rows_.TableFromScreen(bottom) <= last) ++bottom;
    const RECT band{0, top, columns_.shown(), bottom};
    RedrawWindow(hwnd_, &band, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

HDC PictureBox::ShownDc(const RECT &area) {
    if (shown_ == nullptr) return image_->dc();
    Magnify(area);
    return shown_->dc();
}

// Each table row is widened once, into the first screen row that shows it; the
// other rows showing it are copies of that one.
void PictureBox::Magnify(const RECT &area) {
    const int left = std::max<int>(area.left, 0);
    const int top = std::max<int>(area.top, 0);
    const int right = std::min<int>(area.right, shown_->width());
    const int bottom = std::min<int>(area.bottom, shown_->height());
    if (left >= right || top >= bottom) return;
    GdiFlush();
    const uint32_t *table = image_->pixels();
    uint32_t *shown = shown_->pixels();
    if (table == nullptr || shown == nullptr) return;
    const size_t stride = static_cast<size_t>(shown_->width());
    const size_t bytes = static_cast<size_t>(right - left) * sizeof(uint32_t);
    const int *columns = sourceColumn_.data();
    for (int y = top; y < bottom; ++y) {
        uint32_t *to = shown + static_cast<size_t>(y) * stride;
        if (y > top && sourceRow_[y] == sourceRow_[y - 1]) {
            std::memcpy(to + left, to - stride + left, bytes);
            continue;
        }
        const uint32_t *from = table + static_cast<size_t>(sourceRow_[y]) * tableWidth_;
        for (int x = left; x < right; ++x) to[x] = from[columns[x]];
    }
}

void PictureBox::Convert(POINT client, float &x, float &y) const {
    x = static_cast<float>(columns_.TableFromScreen(client.x));
    y = static_cast<float>(rows_.TableFromScreen(client.y));
}

LRESULT PictureBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT painted = 0;
    if (RoutePaintMessage(hwnd_, message, wParam, painted,
                          [this](HDC dc, const RECT &area) { Paint(dc, area); })) {
        return painted;
    }
    switch (message) {
        case WM_CREATE:
            return OnCreate();
        case WM_NCCALCSIZE:
            return OnNcCalcSize(lParam);
        case WM_NCPAINT:
            return OnNcPaint();
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_UPDATEUISTATE:
            return OnFocusCueChange(message, wParam, lParam);
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS;  // the arrows step the pick; Tab and Enter stay the form's
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            SetFocus(hwnd_);  // a press in a picture takes the focus, then is routed
            break;
        default:
            break;
    }
    if (RouteKeyMessage(id_, keys_, message, wParam)) return 0;
    if (RouteMouseMessage(hwnd_, id_, sink_, *this, message, wParam, lParam)) return 0;
    return Default(message, wParam, lParam);
}

LRESULT PictureBox::OnCreate() {
    image_ = std::make_unique<OffscreenImage>(tableWidth_, tableHeight_);
    RECT all{0, 0, tableWidth_, tableHeight_};
    FillRect(image_->dc(), &all, GetSysColorBrush(backgroundSysColor_));
    return 0;
}

LRESULT PictureBox::OnNcCalcSize(LPARAM lParam) {
    // Both forms of the message carry the proposed window rectangle first.
    RECT *proposed = reinterpret_cast<RECT *>(lParam);
    InflateRect(proposed, -border_, -border_);
    return 0;
}

LRESULT PictureBox::OnNcPaint() {
    {
        WindowDc window(hwnd_);
        if (window.get() != nullptr) PaintBorder(window.get());
    }
    PaintFocusCue(hwnd_, keys_.KeyboardInUse());
    return 0;
}

void PictureBox::PaintBorder(HDC dc) const {
    RECT frame{};
    GetWindowRect(hwnd_, &frame);
    OffsetRect(&frame, -frame.left, -frame.top);
    // The sunken edge is the system's two lines (shadow, then dark shadow), each
    // thickened alike; the flat border one line in the window-frame colour.
    for (int line = 0; line < border_; ++line) {
        if (sunken_) {
            const bool outer = line < (border_ + 1) / 2;
            DrawEdge(dc, &frame, outer ? BDR_SUNKENOUTER : BDR_SUNKENINNER, BF_RECT);
        } else {
            FrameRect(dc, &frame, GetSysColorBrush(COLOR_WINDOWFRAME));
        }
        InflateRect(&frame, -1, -1);
    }
}

LRESULT PictureBox::OnFocusCueChange(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Default(message, wParam, lParam);
    RepaintFocusCue(hwnd_);
    return result;
}

void PictureBox::Paint(HDC dc, const RECT &area) {
    BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, ShownDc(area),
           area.left, area.top, SRCCOPY);
}

}  // namespace tintwell::win32

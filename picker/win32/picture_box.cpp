#include "picture_box.h"

#include <algorithm>

namespace tintwell::win32 {

namespace {

// The picture's border at 96 dpi: the sunken client edge is two lines, the flat
// border one.
constexpr int kSunkenBorder = 2;
constexpr int kFlatBorder = 1;

bool IsSunken(const ControlPlacement &placement) {
    return (placement.exStyle & WS_EX_CLIENTEDGE) != 0;
}

}  // namespace

PictureBox::PictureBox(ControlId id, MouseSink &sink, int backgroundSysColor, int tableWidth,
                       int tableHeight)
    : id_(id),
      sink_(sink),
      backgroundSysColor_(backgroundSysColor),
      tableWidth_(tableWidth),
      tableHeight_(tableHeight),
      sunken_(false),
      border_(0),
      columns_(tableWidth, tableWidth),
      rows_(tableHeight, tableHeight),
      image_(),
      shown_(),
      sourceColumn_(),
      sourceRow_() {}

void PictureBox::RegisterClass(HINSTANCE instance) {
    // No class background: the image covers the whole inner area.
    Register(instance, kPictureClass, nullptr);
}

// The border is drawn here rather than by the system, whose edges keep their 96-dpi
// thickness: the inner area must be exactly the table magnified.
RECT PictureBox::OuterRect(const ControlPlacement &placement, const DisplayScale &scale) const {
    const int border = scale.FromBasePixels(IsSunken(placement) ? kSunkenBorder : kFlatBorder);
    const RECT designed = DesignedRect(placement, scale);
    return RECT{designed.left, designed.top,
                designed.left + scale.FromBasePixels(tableWidth_) + 2 * border,
                designed.top + scale.FromBasePixels(tableHeight_) + 2 * border};
}

void PictureBox::Rescale(const ControlPlacement &placement, const DisplayScale &scale) {
    sunken_ = IsSunken(placement);
    border_ = scale.FromBasePixels(sunken_ ? kSunkenBorder : kFlatBorder);
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
    Rescale(placement, scale);
    CreateControlWindow(parent, placement, instance, this, OuterRect(placement, scale));
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

void PictureBox::Refresh() {
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

HDC PictureBox::ShownDc(const RECT &area) {
    if (shown_ == nullptr) return image_->dc();
    Magnify(area);
    return shown_->dc();
}

void PictureBox::Magnify(const RECT &area) {
    const int left = std::max<int>(area.left, 0);
    const int top = std::max<int>(area.top, 0);
    const int right = std::min<int>(area.right, shown_->width());
    const int bottom = std::min<int>(area.bottom, shown_->height());
    GdiFlush();
    const uint32_t *table = image_->pixels();
    uint32_t *shown = shown_->pixels();
    if (table == nullptr || shown == nullptr) return;
    for (int y = top; y < bottom; ++y) {
        const uint32_t *from = table + static_cast<size_t>(sourceRow_[y]) * tableWidth_;
        uint32_t *to = shown + static_cast<size_t>(y) * shown_->width();
        for (int x = left; x < right; ++x) to[x] = from[sourceColumn_[x]];
    }
}

void PictureBox::Convert(POINT client, float &x, float &y) const {
    x = static_cast<float>(columns_.TableFromScreen(client.x));
    y = static_cast<float>(rows_.TableFromScreen(client.y));
}

LRESULT PictureBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return OnCreate();
        case WM_NCCALCSIZE:
            return OnNcCalcSize(lParam);
        case WM_NCPAINT:
            return OnNcPaint();
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            return OnPaint();
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            SetFocus(hwnd_);  // a press in a picture takes the focus, then is routed
            break;
        default:
            break;
    }
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
    HDC dc = GetWindowDC(hwnd_);
    if (dc == nullptr) return 0;
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
    ReleaseDC(hwnd_, dc);
    return 0;
}

LRESULT PictureBox::OnPaint() {
    PaintDc paint(hwnd_);
    const RECT &area = paint.area();
    BitBlt(paint.get(), area.left, area.top, area.right - area.left, area.bottom - area.top,
           ShownDc(area), area.left, area.top, SRCCOPY);
    return 0;
}

}  // namespace tintwell::win32

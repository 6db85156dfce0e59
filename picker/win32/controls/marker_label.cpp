#include "marker_label.h"

#include "form_controls.h"
#include "gdi_handles.h"
#include "paint_routine.h"

namespace tintwell::win32 {

MarkerLabel::MarkerLabel(ControlId id, MouseSink &sink, FailureSink &failures, MarkerStyle style,
                         PictureBox &picture, const MarkerGeometry &geometry)
    : WindowBase(failures),
      id_(id),
      sink_(sink),
      style_(style),
      picture_(picture),
      geometry_(geometry),
      font_(nullptr),
      text_(),
      textOffset_{0, 0},
      scale_(),
      foreColor_(GetSysColor(COLOR_BTNTEXT)),
      left_(0.0f),
      top_(0.0f) {}

void MarkerLabel::RegisterClass(HINSTANCE instance) {
    Register(instance, kLabelClass, nullptr);
}

// The designed size at the scale, at the corner the geometry gives the position.
RECT MarkerLabel::PlacedRect(const ControlPlacement &placement) const {
    const POINT corner = geometry_.Corner(left_, top_, scale_);
    const RECT designed = DesignedRect(placement, scale_);
    return RECT{corner.x, corner.y, corner.x + designed.right - designed.left,
                corner.y + designed.bottom - designed.top};
}

void MarkerLabel::Create(HWND parent, const ControlPlacement &placement, HINSTANCE instance,
                         const DisplayScale &scale) {
    left_ = static_cast<float>(placement.left) / kTwipsPerTablePixel;
    top_ = static_cast<float>(placement.top) / kTwipsPerTablePixel;
    text_ = placement.caption;
    scale_ = scale;
    WindowBase::Create(instance, placement.windowClass, placement.caption, placement.style,
                       placement.exStyle, PlacedRect(placement), parent, placement.id);
}

void MarkerLabel::LayOut(const ControlPlacement &placement, const DisplayScale &scale) {
    scale_ = scale;
    const RECT placed = PlacedRect(placement);
    SetWindowPos(hwnd_, nullptr, placed.left, placed.top, placed.right - placed.left,
                 placed.bottom - placed.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void MarkerLabel::SetFont(HFONT font, const std::wstring &text, POINT offset) {
    font_ = font;
    text_ = text;
    textOffset_ = offset;
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void MarkerLabel::SetForeColor(COLORREF colour) {
    if (colour == foreColor_) return;
    foreColor_ = colour;
    InvalidateRect(hwnd_, nullptr, FALSE);
}

POINT MarkerLabel::PlacedCorner() const {
    RECT placed{};
    GetWindowRect(hwnd_, &placed);
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT *>(&placed), 1);
    return POINT{placed.left, placed.top};
}

void MarkerLabel::MoveTo(float left, float top) {
    // A position no pixel can show is refused here, before anything is kept.
    geometry_.Corner(left, top, scale_);
    left_ = left;
    top_ = top;
}

HDWP MarkerLabel::Place(HDWP moves) {
    if (hwnd_ == nullptr) return moves;
    const POINT corner = geometry_.Corner(left_, top_, scale_);
    // A drag moves the markers on every step, mostly to where they already are; a
    // move costs a repaint, so only real moves are made.
    const POINT placed = PlacedCorner();
    if (placed.x == corner.x && placed.y == corner.y) return moves;
    // The ring shows the field under its own position, so the pixels it had at the old
    // place are wrong at the new one: have it repainted there instead of copied along.
    constexpr UINT kMove = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS;
    // Without a batch (the system had no room for one) the window moves on its own.
    if (moves == nullptr) {
        SetWindowPos(hwnd_, nullptr, corner.x, corner.y, 0, 0, kMove);
        return nullptr;
    }
    return DeferWindowPos(moves, hwnd_, nullptr, corner.x, corner.y, 0, 0, kMove);
}

void MarkerLabel::Convert(POINT client, float &x, float &y) const {
    geometry_.PointerTwips(client, PlacedCorner(), left_, top_, scale_, x, y);
}

LRESULT MarkerLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT painted = 0;
    if (RoutePaintMessage(hwnd_, message, wParam, painted,
                          [this](HDC dc, const RECT &) { Paint(dc); })) {
        return painted;
    }
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            // A press on the ring picks in the field, and gives the field the focus as
            // a press beside the ring does, so that the arrow keys go on from there.
            if (style_ == MarkerStyle::SeeThrough) SetFocus(picture_.hwnd());
            break;
        default:
            break;
    }
    // Labels report twips of table pixels from their own corner, as the handlers
    // expect.
    if (RouteMouseMessage(hwnd_, id_, sink_, *this, message, wParam, lParam)) return 0;
    return Default(message, wParam, lParam);
}

// Drawn off screen first so that a marker moving over the field never flickers.
void MarkerLabel::Paint(HDC dc) const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    OffscreenImage buffer(client.right, client.bottom);
    PaintBackground(buffer.dc(), client.right, client.bottom);
    if (font_ != nullptr) {
        PaintText(buffer.dc(), client);
    } else {
        PaintTriangle(buffer.dc());
    }
    BitBlt(dc, 0, 0, client.right, client.bottom, buffer.dc(), 0, 0, SRCCOPY);
}

void MarkerLabel::PaintText(HDC dc, RECT area) const {
    SelectedObject font(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, foreColor_);
    OffsetRect(&area, textOffset_.x, textOffset_.y);
    DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &area,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}

// Where Marlett's arrow would stand: at 96 dpi the tip is 12 px right of and 8 px
// below the corner, which points at the strip row the label's top is one pixel
// above; larger scales stretch the same triangle about the middles of its rows.
void MarkerLabel::PaintTriangle(HDC dc) const {
    static const POINT kCorners[] = {{8, 4}, {13, 8}, {8, 12}};
    POINT corners[3];
    for (int i = 0; i < 3; ++i) {
        corners[i].x = RoundToPixel(scale_.Scaled(kCorners[i].x));
        corners[i].y = RoundToPixel(scale_.Scaled(kCorners[i].y + 0.5) - 0.5);
    }
    Brush fill(CreateSolidBrush(foreColor_));
    SelectedObject brush(dc, fill.get());
    SelectedObject pen(dc, GetStockObject(NULL_PEN));
    Polygon(dc, corners, 3);
}

void MarkerLabel::PaintBackground(HDC dc, int width, int height) const {
    if (style_ == MarkerStyle::SeeThrough) {
        RECT placed{};
        GetWindowRect(hwnd_, &placed);
        MapWindowPoints(nullptr, picture_.hwnd(), reinterpret_cast<POINT *>(&placed), 2);
        BitBlt(dc, 0, 0, width, height, picture_.ShownDc(placed), placed.left, placed.top, SRCCOPY);
        return;
    }
    RECT all{0, 0, width, height};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace tintwell::win32

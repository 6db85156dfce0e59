#include "marker_label.h"

#include <cmath>

#include "form_controls.h"
#include "gdi_handles.h"
#include "user_texts.h"

namespace tintwell::win32 {

namespace {

// Window positions are 16-bit on the wire of several messages; anything beyond is
// no position a marker can take.
int WholePixel(float value) {
    if (!std::isfinite(value) || std::fabs(value) > 32767.0f) {
        throw PickerError(messages::kMarkerOutOfPlace);
    }
    return static_cast<int>(std::nearbyint(value));
}

}  // namespace

MarkerLabel::MarkerLabel(ControlId id, MouseSink &sink, const PictureBox *backdrop)
    : id_(id),
      sink_(sink),
      backdrop_(backdrop),
      font_(nullptr),
      text_(),
      foreColor_(GetSysColor(COLOR_BTNTEXT)),
      left_(0.0f),
      top_(0.0f) {}

void MarkerLabel::RegisterClass(HINSTANCE instance) {
    Register(instance, kLabelClass, nullptr);
}

void MarkerLabel::Create(HWND parent, const ControlPlacement &placement, HINSTANCE instance) {
    left_ = static_cast<float>(placement.left) / kTwipsPerPixel;
    top_ = static_cast<float>(placement.top) / kTwipsPerPixel;
    text_ = placement.caption;
    CreateControlWindow(parent, placement, instance, this);
}

void MarkerLabel::SetFont(HFONT font, const std::wstring &text) {
    font_ = font;
    text_ = text;
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void MarkerLabel::SetForeColor(COLORREF colour) {
    if (colour == foreColor_) return;
    foreColor_ = colour;
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void MarkerLabel::MoveTo(float left, float top) {
    const int x = WholePixel(left);
    const int y = WholePixel(top);
    left_ = left;
    top_ = top;
    // A drag moves the markers on every step, mostly to where they already are; a
    // move costs a repaint, so only real moves are made.
    RECT placed{};
    GetWindowRect(hwnd_, &placed);
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT *>(&placed), 1);
    if (placed.left == x && placed.top == y) return;
    // The ring shows the field under its own position, so the pixels it had at the old
    // place are wrong at the new one: have it repainted there instead of copied along.
    SetWindowPos(hwnd_, nullptr, x, y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}

LRESULT MarkerLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            return OnPaint();
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            // A press on the ring picks in the field, and gives the field the focus as
            // a press beside the ring does, so that the arrow keys go on from there.
            if (backdrop_ != nullptr) SetFocus(backdrop_->hwnd());
            break;
        default:
            break;
    }
    // Labels report twips from their own corner, as the handlers expect.
    if (RouteMouseMessage(hwnd_, id_, sink_, kTwipsPerPixel, message, wParam, lParam)) return 0;
    return Default(message, wParam, lParam);
}

// Drawn off screen first so that a marker moving over the field never flickers.
LRESULT MarkerLabel::OnPaint() {
    PaintDc paint(hwnd_);
    RECT client{};
    GetClientRect(hwnd_, &client);
    OffscreenImage buffer(client.right, client.bottom);
    PaintBackground(buffer.dc(), client.right, client.bottom);
    if (font_ != nullptr) {
        PaintText(buffer.dc(), client);
    } else {
        PaintTriangle(buffer.dc());
    }
    BitBlt(paint.get(), 0, 0, client.right, client.bottom, buffer.dc(), 0, 0, SRCCOPY);
    return 0;
}

void MarkerLabel::PaintText(HDC dc, RECT area) const {
    SelectedObject font(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, foreColor_);
    DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &area,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}

// Where Marlett's arrow would stand: tip 12 px right of and 8 px below the corner,
// which points at the strip row the label's top is one pixel above.
void MarkerLabel::PaintTriangle(HDC dc) const {
    static const POINT kCorners[] = {{8, 4}, {13, 8}, {8, 12}};
    Brush fill(CreateSolidBrush(foreColor_));
    SelectedObject brush(dc, fill.get());
    SelectedObject pen(dc, GetStockObject(NULL_PEN));
    Polygon(dc, kCorners, 3);
}

void MarkerLabel::PaintBackground(HDC dc, int width, int height) const {
    if (backdrop_ != nullptr) {
        RECT placed{};
        GetWindowRect(hwnd_, &placed);
        MapWindowPoints(nullptr, backdrop_->hwnd(), reinterpret_cast<POINT *>(&placed), 2);
        BitBlt(dc, 0, 0, width, height, backdrop_->ImageDc(), placed.left, placed.top, SRCCOPY);
        return;
    }
    RECT all{0, 0, width, height};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace tintwell::win32

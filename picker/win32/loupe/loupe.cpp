#include "loupe.h"

#include "paint_routine.h"
#include "user_texts.h"

namespace tintwell::win32 {

namespace {

constexpr DWORD kLoupeStyle = WS_POPUP;
constexpr DWORD kLoupeExStyle =
    WS_EX_TOPMOST | WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW;
constexpr UINT_PTR kFrameTimer = 1;
// About 60 frames a second; a coarser system timer may stretch it, never below 30.
constexpr UINT kFrameMs = 15;

bool SamePoint(POINT a, POINT b) {
    return a.x == b.x && a.y == b.y;
}

}  // namespace

Loupe::Loupe(Win32Platform &platform)
    : platform_(platform),
      form_(nullptr),
      monitors_(),
      following_(false),
      canvas_(),
      switchedOn_(false),
      sampling_(false),
      minimised_(false),
      shown_(false),
      drawnAt_{0, 0} {}

Loupe::~Loupe() {
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

void Loupe::RegisterClass(HINSTANCE instance) {
    Register(instance, kLoupeClass, nullptr);
}

void Loupe::Create(HINSTANCE instance, HWND form) {
    form_ = form;
    WindowBase::Create(instance, kLoupeClass, captions::kLoupe, kLoupeStyle, kLoupeExStyle,
                       RECT{0, 0, 0, 0});
    // Layered for WS_EX_TRANSPARENT to let clicks through, and fully opaque.
    if (hwnd_ != nullptr) SetLayeredWindowAttributes(hwnd_, 0, 255, LWA_ALPHA);
    HMENU menu = GetSystemMenu(form, FALSE);
    if (menu == nullptr) return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING | MF_UNCHECKED, kLoupeCommand, captions::kLoupe);
}

bool Loupe::OnSysCommand(WPARAM command) {
    if ((command & 0xFFF0) != kLoupeCommand) return false;
    switchedOn_ = !switchedOn_;
    CheckMenuItem(GetSystemMenu(form_, FALSE), kLoupeCommand,
                  MF_BYCOMMAND | (switchedOn_ ? MF_CHECKED : MF_UNCHECKED));
    Apply();
    return true;
}

bool Loupe::OwnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT &result) {
    if (message != WM_SYSCOMMAND || !OnSysCommand(wParam)) return false;
    result = 0;
    return true;
}

void Loupe::SetSampling(bool on) {
    sampling_ = on;
    Apply();
}

void Loupe::SetMinimised(bool minimised) {
    minimised_ = minimised;
    Apply();
}

// Also brings back a loupe that had no room beside the pointer when it last moved.
void Loupe::Refresh() {
    if (!Wanted()) return;
    const POINT before = drawnAt_;
    UpdateNow();
    if (shown_ && !SamePoint(before, drawnAt_) && !following_) {
        following_ = true;
        SetTimer(hwnd_, kFrameTimer, kFrameMs, nullptr);
    }
}

void Loupe::Apply() {
    if (Wanted() == shown_) return;
    if (Wanted()) {
        monitors_.Forget();
        UpdateNow();
    } else {
        Hide();
    }
}

void Loupe::Hide() {
    if (hwnd_ == nullptr) return;
    KillTimer(hwnd_, kFrameTimer);
    following_ = false;
    ShowWindow(hwnd_, SW_HIDE);
    shown_ = false;
    canvas_.Release();
}

void Loupe::UpdateNow() {
    if (hwnd_ == nullptr) return;
    const POINT pointer = platform_.CursorPosition();
    const std::vector<MonitorArea> &areas = monitors_.Areas();
    const auto monitor = PointerMonitor(areas, ScreenPoint{pointer.x, pointer.y});
    if (monitor) ShowOn(areas[*monitor]);
}

void Loupe::ShowOn(const MonitorArea &monitor) {
    if (hwnd_ == nullptr) return;
    canvas_.Prepare(monitor.dpi);
    const ScreenRead read = platform_.ReadUnderCursor(canvas_.seenDc(), canvas_.metrics().reach());
    drawnAt_ = read.cursor;
    canvas_.Draw(SampledColour(read.pixel));

    const SIZE size = canvas_.size();
    const auto corner = PlaceLoupe(ScreenPoint{read.cursor.x, read.cursor.y}, monitor.work, size.cx,
                                   size.cy, canvas_.metrics());
    if (!corner) {
        // No room beside the pointer on this monitor: better no loupe than one over
        // the pixels it shows.
        Hide();
        return;
    }
    // The picker may have entered the topmost band after the loupe did.
    SetWindowPos(hwnd_, HWND_TOPMOST, corner->x, corner->y, size.cx, size.cy,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    shown_ = true;
}

LRESULT Loupe::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT painted = 0;
    if (RoutePaintMessage(hwnd_, message, wParam, painted,
                          [this](HDC dc, const RECT &) { Paint(dc); })) {
        return painted;
    }
    switch (message) {
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_TIMER:
            return wParam == kFrameTimer ? OnFrame() : 0;
        case WM_DISPLAYCHANGE:
        case WM_SETTINGCHANGE:
            return OnDisplayChange();
        default:
            return Default(message, wParam, lParam);
    }
}

void Loupe::Paint(HDC dc) const {
    if (!canvas_.ready()) return;
    const SIZE size = canvas_.size();
    BitBlt(dc, 0, 0, size.cx, size.cy, canvas_.dc(), 0, 0, SRCCOPY);
}

// The first frame that finds the pointer where the last one drew it ends the frames
// until a sample finds it moved again.
LRESULT Loupe::OnFrame() {
    if (!Wanted() || SamePoint(platform_.CursorPosition(), drawnAt_)) {
        KillTimer(hwnd_, kFrameTimer);
        following_ = false;
        return 0;
    }
    UpdateNow();
    return 0;
}

LRESULT Loupe::OnDisplayChange() {
    monitors_.Forget();
    if (shown_) UpdateNow();
    return 0;
}

}  // namespace tintwell::win32

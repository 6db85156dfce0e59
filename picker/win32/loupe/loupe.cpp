#include "loupe.h"

#include "user_texts.h"

namespace tintwell::win32 {

namespace {

constexpr DWORD kLoupeStyle = WS_POPUP;
constexpr DWORD kLoupeExStyle =
    WS_EX_TOPMOST | WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW;
constexpr UINT kPointerMovedMessage = WM_APP + 1;
constexpr UINT_PTR kFrameTimer = 1;

bool SamePoint(POINT a, POINT b) {
    return a.x == b.x && a.y == b.y;
}

}  // namespace

Loupe::Loupe(Win32Platform &platform)
    : platform_(platform),
      form_(nullptr),
      monitors_(),
      follower_(kPointerMovedMessage, kFrameTimer),
      canvas_(),
      switchedOn_(false),
      sampling_(false),
      minimised_(false),
      shown_(false),
      drawnAt_{0, 0} {}

Loupe::~Loupe() {
    follower_.Stop();
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

void Loupe::RegisterClass(HINSTANCE instance) {
    Register(instance, kLoupeClass, nullptr);
}

void Loupe::Create(HINSTANCE instance, HWND form) {
    form_ = form;
    CreateWindowExW(kLoupeExStyle, kLoupeClass, captions::kLoupe, kLoupeStyle, 0, 0, 0, 0, nullptr,
                    nullptr, instance, this);
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

void Loupe::SetSampling(bool on) {
    sampling_ = on;
    Apply();
}

void Loupe::SetMinimised(bool minimised) {
    minimised_ = minimised;
    Apply();
}

void Loupe::Refresh() {
    if (!shown_) return;
    UpdateNow();
    // The picker may have entered the topmost band after the loupe did.
    if (shown_) {
        SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void Loupe::Apply() {
    if (Wanted() == shown_ && (!Wanted() || follower_.following())) return;
    if (Wanted()) {
        Show();
    } else {
        Hide();
    }
}

void Loupe::Show() {
    if (hwnd_ == nullptr) return;
    monitors_.Forget();
    follower_.Start(hwnd_);
    UpdateNow();
}

void Loupe::Hide() {
    follower_.Stop();
    if (hwnd_ != nullptr) ShowWindow(hwnd_, SW_HIDE);
    shown_ = false;
}

void Loupe::UpdateNow() {
    if (hwnd_ == nullptr) return;
    const POINT pointer = platform_.CursorPosition();
    const std::vector<MonitorArea> &areas = monitors_.Areas();
    const auto monitor = PointerMonitor(areas, ScreenPoint{pointer.x, pointer.y});
    if (!monitor) return;
    canvas_.Prepare(areas[*monitor].dpi);
    const ScreenRead read = platform_.ReadUnderCursor(canvas_.seenDc(), canvas_.metrics().reach());
    drawnAt_ = read.cursor;
    canvas_.Draw(SampledColour(read.pixel));

    SIZE size = canvas_.size();
    const auto corner = PlaceLoupe(ScreenPoint{read.cursor.x, read.cursor.y}, areas[*monitor].work,
                                   size.cx, size.cy, canvas_.metrics());
    if (!corner) {
        // No room beside the pointer on this monitor: better no loupe than one over
        // the pixels it shows.
        ShowWindow(hwnd_, SW_HIDE);
        shown_ = false;
        return;
    }
    POINT at{corner->x, corner->y};
    POINT origin{0, 0};
    UpdateLayeredWindow(hwnd_, nullptr, &at, &size, canvas_.dc(), &origin, 0, nullptr, ULW_OPAQUE);
    if (!shown_) {
        SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        shown_ = true;
    }
}

LRESULT Loupe::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case kPointerMovedMessage:
            return OnPointerMoved();
        case WM_TIMER:
            return wParam == kFrameTimer ? OnFrame() : 0;
        case WM_DISPLAYCHANGE:
        case WM_SETTINGCHANGE:
        case WM_DPICHANGED:
            return OnDisplayChange();
        default:
            return Default(message, wParam, lParam);
    }
}

LRESULT Loupe::OnPointerMoved() {
    if (!follower_.following()) return 0;
    UpdateNow();
    follower_.Moving();
    return 0;
}

// While the pointer moves, every frame shows where it is now; the first frame that
// finds it where the last one drew it ends the frames until it moves again.
LRESULT Loupe::OnFrame() {
    if (!follower_.following()) return 0;
    if (SamePoint(platform_.CursorPosition(), drawnAt_)) {
        follower_.Rest();
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

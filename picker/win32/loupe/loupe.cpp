#include "loupe.h"

#include <algorithm>

#include "display_scale.h"
#include "loupe_zoom.h"
#include "paint_routine.h"
#include "user_texts.h"

namespace tintwell::win32 {

namespace {

constexpr DWORD kLoupeStyle = WS_POPUP;
constexpr DWORD kLoupeExStyle =
    WS_EX_TOPMOST | WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW;
// SetWindowDisplayAffinity's WDA_EXCLUDEFROMCAPTURE (Windows 10 2004): screen reads
// then pass over the loupe wherever it stands.
constexpr DWORD kExcludeFromCapture = 0x00000011;

RECT ToRect(const ScreenRect &r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

bool Overlap(const RECT &a, const RECT &b) {
    RECT both{};
    return IntersectRect(&both, &a, &b) != FALSE;
}

LoupeNote NoteFor(FreezeState freeze) {
    switch (freeze) {
        case FreezeState::Frozen:
            return LoupeNote::Frozen;
        case FreezeState::Failed:
            return LoupeNote::CannotFreeze;
        case FreezeState::Live:
        default:
            return LoupeNote::None;
    }
}

}  // namespace

Loupe::Loupe(ScreenReader &screen, FailureSink &failures)
    : WindowBase(failures),
      screen_(screen),
      readFrame_(),
      canvas_(),
      switchedOn_(false),
      sampling_(false),
      minimised_(false),
      snapshotting_(false),
      picking_(false),
      zoom_(kDefaultLoupeZoom),
      framing_(false),
      frameMs_(0),
      pace_(),
      shown_(false),
      refresh_(),
      placed_{0, 0, 0, 0},
      readsWaitUntil_(0) {}

Loupe::~Loupe() {
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

void Loupe::RegisterClass(HINSTANCE instance) {
    Register(instance, kLoupeClass, nullptr);
}

void Loupe::Create(HINSTANCE instance, FrameRead readFrame) {
    WindowBase::Create(instance, kLoupeClass, captions::kLoupe, kLoupeStyle, kLoupeExStyle,
                       RECT{0, 0, 0, 0});
    readFrame_ = std::move(readFrame);
    // Layered for WS_EX_TRANSPARENT to let clicks through, and fully opaque.
    SetLayeredWindowAttributes(hwnd_, 0, 255, LWA_ALPHA);
    // Where the system can, reads never see the loupe at all; elsewhere it steps
    // aside before each read.
    SetWindowDisplayAffinity(hwnd_, kExcludeFromCapture);
}

void Loupe::Switch() {
    switchedOn_ = !switchedOn_;
    Apply();
}

void Loupe::SetSampling(bool on) {
    sampling_ = on;
    screen_.colour().SetInUse(sampling_ || picking_);
    Apply();
}

void Loupe::SetMinimised(bool minimised) {
    minimised_ = minimised;
    Apply();
}

void Loupe::SetPicking(bool on) {
    picking_ = on;
    screen_.colour().SetInUse(sampling_ || picking_);
    if (!on && zoom_ != kDefaultLoupeZoom) {
        zoom_ = kDefaultLoupeZoom;
        refresh_.Forget();
    }
    Apply();
    if (on) OnFrame();
}

void Loupe::Zoom(int by) {
    const int step = ZoomedStep(zoom_, by);
    if (step == zoom_ || !picking_) return;
    zoom_ = step;
    refresh_.Forget();
    OnFrame();
}

void Loupe::SetSnapshotting(bool on) {
    snapshotting_ = on;
    Apply();
}

// While wanted, the frames run whether or not the loupe found room to show; they
// read only when the pointer has moved.
void Loupe::Apply() {
    if (hwnd_ == nullptr) return;
    if (Wanted() == framing_) return;
    framing_ = Wanted();
    if (framing_) {
        // The next frame reads and shows.
        screen_.monitors().Forget();
        refresh_.Forget();
        PaceFrames(pace_.Hurry(GetTickCount64()));
    } else {
        KillTimer(hwnd_, kLoupeFrameTimer);
        frameMs_ = 0;
        Hide();
    }
}

void Loupe::PaceFrames(unsigned periodMs) {
    if (!framing_ || periodMs == frameMs_) return;
    // A coarser system timer may stretch the quick frames; never below 30 a second.
    SetTimer(hwnd_, kLoupeFrameTimer, periodMs, nullptr);
    frameMs_ = periodMs;
}

void Loupe::Redraw() {
    refresh_.Forget();
    PaceFrames(pace_.Hurry(GetTickCount64()));
}

void Loupe::Hide() {
    if (hwnd_ == nullptr) return;
    if (shown_) ShowWindow(hwnd_, SW_HIDE);
    shown_ = false;
    refresh_.Forget();
    canvas_.Release();
}

// Cells are whole pixels, so a scaled monitor may show a few more of them than 96 dpi
// does; the read reaches for the wider of the two.
int Loupe::WantedReach() const {
    if (!Wanted() || hwnd_ == nullptr) return 0;
    const int base = LoupeViewAt(kBaseDpi, zoom_).metrics.reach();
    return canvas_.ready() ? std::max(base, canvas_.metrics().reach()) : base;
}

bool Loupe::PlaceFor(ScreenPoint pointer, RECT &place) {
    const std::vector<MonitorArea> &areas = screen_.monitors().Areas();
    const auto monitor = PointerMonitor(areas, pointer);
    if (!monitor || !canvas_.ready()) return false;
    const SIZE size = canvas_.size();
    const auto corner =
        PlaceLoupe(pointer, areas[*monitor].work, size.cx, size.cy, canvas_.metrics());
    if (!corner) return false;
    place = RECT{corner->x, corner->y, corner->x + size.cx, corner->y + size.cy};
    return true;
}

void Loupe::MoveTo(const RECT &place) {
    // Where the window is, not where it was put: nothing else moves it, but if
    // something did, it goes back.
    RECT now{};
    const bool there = shown_ && GetWindowRect(hwnd_, &now) && EqualRect(&now, &place);
    // A window before the loupe in the z-order stands above it (the picker may have
    // entered the topmost band after the loupe did, a tooltip may have shown); with
    // none, the loupe is the top of the band already.
    const bool covered = !shown_ || GetWindow(hwnd_, GW_HWNDPREV) != nullptr;
    if (!there || covered) {
        UINT flags = SWP_NOACTIVATE | SWP_SHOWWINDOW;
        if (!covered) flags |= SWP_NOZORDER;
        SetWindowPos(hwnd_, HWND_TOPMOST, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, flags);
    }
    placed_ = place;
    shown_ = true;
}

bool Loupe::StepAside() {
    if (GetTickCount64() < readsWaitUntil_) return true;
    if (!shown_) return false;
    const POINT cursor = screen_.Cursor();
    return StepAsideFrom(ScreenPoint{cursor.x, cursor.y});
}

bool Loupe::StepAsideFrom(ScreenPoint pointer) {
    if (GetTickCount64() < readsWaitUntil_) return true;
    if (!LiesOver(pointer)) return false;
    RECT place{};
    if (PlaceFor(pointer, place)) {
        MoveTo(place);
    } else {
        Hide();
    }
    refresh_.Forget();
    readsWaitUntil_ = GetTickCount64() + kStepAsideAllowanceMs;
    return true;
}

bool Loupe::LiesOver(ScreenPoint pointer) const {
    return shown_ && Overlap(ToRect(Neighbourhood(pointer, canvas_.metrics())), placed_);
}

bool Loupe::Covers(const ScreenSquare &read) const {
    return LiesOver(read.cursor);
}

void Loupe::ShowRead(const ScreenSquare &read, const SampleStatus &status) {
    if (hwnd_ == nullptr || !Wanted()) return;
    // A sample tick may be the first to see the pointer leave its rest.
    PaceFrames(pace_.Saw(read.cursor, GetTickCount64()));
    const std::vector<MonitorArea> &areas = screen_.monitors().Areas();
    if (!refresh_.Shows(read, status, areas)) {
        // Nothing new to draw; but a window may have entered the topmost band since
        // (the picker kept on top) and stand over the loupe.
        if (shown_ && GetWindow(hwnd_, GW_HWNDPREV) != nullptr) MoveTo(placed_);
        return;
    }
    const auto monitor = PointerMonitor(areas, read.cursor);
    if (!monitor) return;
    const std::u16string caption = LoupeCaption(status.sample, NoteFor(status.freeze), status.note);
    if (!canvas_.Prepare(areas[*monitor].dpi, zoom_, caption)) {
        // No bitmap or font to be had: no loupe, and sampling goes on without it.
        CannotShowAt(read.cursor);
        return;
    }
    // The pointer reached the loupe between the step aside and the read: what was
    // read there may be the loupe's own pixels. Out of the way first, and the next
    // frame reads again.
    const bool tainted = status.freeze != FreezeState::Frozen && Covers(read);
    RECT place{};
    if (!PlaceFor(read.cursor, place)) {
        // No room beside the pointer on this monitor: better no loupe than one over
        // the pixels it shows.
        CannotShowAt(read.cursor);
        return;
    }
    if (tainted) {
        MoveTo(place);
        refresh_.Forget();
        readsWaitUntil_ = GetTickCount64() + kStepAsideAllowanceMs;
        return;
    }
    canvas_.Draw(read, status.sampleReach, caption);
    MoveTo(place);
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    refresh_.Drawn(read, status, areas);
}

void Loupe::CannotShowAt(ScreenPoint pointer) {
    Hide();
    refresh_.CannotShow(pointer, screen_.monitors().Areas());
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
            return wParam == kLoupeFrameTimer ? OnFrame() : 0;
        case WM_DPICHANGED:
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

// A resting pointer costs one GetCursorPos a frame, nothing more, and so does one
// the loupe found no room beside. A moved one is read where that one look found it.
LRESULT Loupe::OnFrame() {
    if (!Wanted()) return 0;
    const POINT cursor = screen_.Cursor();
    const ScreenPoint pointer{cursor.x, cursor.y};
    PaceFrames(pace_.Saw(pointer, GetTickCount64()));
    if (!refresh_.FrameReads(pointer, screen_.monitors().Areas())) return 0;
    if (StepAsideFrom(pointer)) return 0;
    if (readFrame_) readFrame_(*this, pointer);
    return 0;
}

// Monitors came or went, or a scale changed: cell size, font and placement are
// measured again, and the next frame draws for them; a loupe that found no room may
// find it now. The loupe keeps the size it measured itself rather than the one the
// system suggests.
LRESULT Loupe::OnDisplayChange() {
    screen_.monitors().Forget();
    screen_.colour().DisplayChanged();
    if (shown_) canvas_.Release();
    Redraw();
    return 0;
}

}  // namespace tintwell::win32

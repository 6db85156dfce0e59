#include "screen_pick_session.h"

#include <iterator>
#include <utility>

#include "pick_format.h"
#include "user_texts.h"

namespace tintwell::win32 {

namespace {

constexpr UINT kWatchMs = 50;
constexpr int kArrowStep = 1;
constexpr int kShiftArrowStep = 10;

constexpr int kWatchedKeys[] = {VK_LBUTTON, VK_RETURN, VK_SPACE, VK_RBUTTON, VK_ESCAPE};
constexpr size_t kFirstCancelKey = 3;

bool Down(int key) {
    return (GetAsyncKeyState(key) & 0x8000) != 0;
}

}  // namespace

ScreenPickSession::ScreenPickSession(Form &form, Loupe &loupe, HandlerRunner &runner,
                                     std::function<std::string()> formatKey)
    : form_(form),
      loupe_(loupe),
      runner_(runner),
      formatKey_(std::move(formatKey)),
      window_(nullptr),
      hooks_(),
      active_(false),
      heldAtStart_{} {}

void ScreenPickSession::Detach() {
    if (active_) End(false);
}

void ScreenPickSession::Toggle() {
    if (active_) {
        End(false);
    } else {
        Start();
    }
}

void ScreenPickSession::Start() {
    if (active_ || window_ == nullptr) return;
    if (!hooks_.Install(window_)) {
        runner_.RunHandler([] { throw PickerError(messages::kCannotStartPick); });
        return;
    }
    active_ = true;
    for (size_t i = 0; i < std::size(kWatchedKeys); ++i) heldAtStart_[i] = Down(kWatchedKeys[i]);
    runner_.RunHandler([&] { form_.ScreenPickBegan(); });
    SetTimer(window_, kPickWatchTimer, kWatchMs, nullptr);
    loupe_.SetPicking(true);
}

void ScreenPickSession::End(bool take) {
    if (!active_) return;
    active_ = false;
    hooks_.Remove();
    KillTimer(window_, kPickWatchTimer);
    KillTimer(window_, kPickFreezeAfterHiding);
    loupe_.SetSnapshotting(false);
    loupe_.SetPicking(false);
    const std::string format = formatKey_ ? formatKey_() : std::string(kDefaultPickFormatKey);
    runner_.RunHandler([&] {
        if (take) {
            form_.ScreenPickTaken(format);
        } else {
            form_.ScreenPickCancelled();
        }
    });
}

bool ScreenPickSession::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kPickMouseEvent:
            if (active_) OnMouse(wParam);
            return true;
        case kPickKeyEvent:
            if (active_) OnKey(wParam, lParam);
            return true;
        case WM_TIMER:
            if (wParam == kPickWatchTimer) {
                OnWatch();
                return true;
            }
            if (wParam == kPickFreezeAfterHiding) {
                KillTimer(window_, wParam);
                Freeze();
                return true;
            }
            return false;
        default:
            return false;
    }
}

void ScreenPickSession::OnMouse(WPARAM message) {
    switch (message) {
        case WM_LBUTTONDOWN:
            End(true);
            break;
        case WM_RBUTTONDOWN:
            End(false);
            break;
        default:
            break;
    }
}

void ScreenPickSession::OnKey(WPARAM key, LPARAM held) {
    const int step = (held & kPickHeldShift) != 0 ? kShiftArrowStep : kArrowStep;
    POINT pointer{};
    switch (key) {
        case VK_RETURN:
        case VK_SPACE:
            End(true);
            return;
        case VK_ESCAPE:
            End(false);
            return;
        case 'F':
            // The snapshot must not hold the loupe: it goes first, as while sampling.
            if (form_.freezeState() != FreezeState::Frozen && loupe_.shown()) {
                loupe_.SetSnapshotting(true);
                SetTimer(window_, kPickFreezeAfterHiding, kStepAsideAllowanceMs, nullptr);
            } else {
                Freeze();
            }
            return;
        default:
            break;
    }
    if (!GetCursorPos(&pointer)) return;
    if (key == VK_LEFT) pointer.x -= step;
    if (key == VK_RIGHT) pointer.x += step;
    if (key == VK_UP) pointer.y -= step;
    if (key == VK_DOWN) pointer.y += step;
    SetCursorPos(pointer.x, pointer.y);
}

void ScreenPickSession::Freeze() {
    if (!active_) return;
    runner_.RunHandler([&] { form_.ScreenPickToggleFreeze(); });
    loupe_.SetSnapshotting(false);
    loupe_.Redraw();
}

// While the hooks hold, a press never reaches the system's key state; one that does
// means a hook was dropped, and the press still ends the pick as the hook would have.
// A key held when the pick began (the click on the notification icon) counts once it
// has been let go.
void ScreenPickSession::OnWatch() {
    if (!active_) return;
    for (size_t i = 0; i < std::size(kWatchedKeys); ++i) {
        const bool down = Down(kWatchedKeys[i]);
        if (heldAtStart_[i]) {
            heldAtStart_[i] = down;
            continue;
        }
        if (!down) continue;
        End(i < kFirstCancelKey);
        return;
    }
}

}  // namespace tintwell::win32

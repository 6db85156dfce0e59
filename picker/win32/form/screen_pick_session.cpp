#include "screen_pick_session.h"

#include <iterator>
#include <utility>

#include "pick_format.h"
#include "user_texts.h"

namespace tintwell::win32 {

namespace {

constexpr UINT kWatchMs = 50;
constexpr UINT kOwedUpsCheckMs = 100;
// About as long as a click or a key is held; a release later than that was lost
// (the pick's rule lets the next press through then).
constexpr ULONGLONG kOwedUpsWaitMs = 2000;

constexpr int kWatchedKeys[] = {VK_LBUTTON, VK_RETURN, VK_SPACE, VK_RBUTTON, VK_ESCAPE};
constexpr size_t kFirstCancelKey = 3;

bool Down(int key) {
    return (GetAsyncKeyState(key) & 0x8000) != 0;
}

}  // namespace

ScreenPickSession::ScreenPickSession(Form &form, Loupe &loupe, HandlerRunner &runner,
                                     std::function<std::string()> formatKey,
                                     std::function<HotkeyCombo()> hotkey)
    : form_(form),
      loupe_(loupe),
      runner_(runner),
      formatKey_(std::move(formatKey)),
      hotkey_(std::move(hotkey)),
      window_(nullptr),
      session_(),
      hooks_(),
      heldAtStart_{},
      owedUntil_(0) {}

void ScreenPickSession::Detach() {
    if (active()) End(PickActionKind::Cancel);
    hooks_.Remove();
    if (window_ != nullptr) KillTimer(window_, kPickOwedUpsTimer);
}

void ScreenPickSession::Toggle() {
    if (session_.RespondTo(PickTrigger::Hotkey) == TriggerResponse::Cancel) {
        End(PickActionKind::Cancel);
    } else {
        Start();
    }
}

void ScreenPickSession::Start() {
    if (active() || window_ == nullptr) return;
    const PickerBefore before{false, form_.freezeState() == FreezeState::Frozen};
    session_.Start(before, hotkey_ ? hotkey_() : HotkeyCombo{});
    if (!hooks_.Install(window_, session_)) {
        session_.Finish(PickActionKind::Cancel, false);
        runner_.RunHandler([] { throw PickerError(messages::kCannotStartPick); });
        return;
    }
    KillTimer(window_, kPickOwedUpsTimer);
    for (size_t i = 0; i < std::size(kWatchedKeys); ++i) heldAtStart_[i] = Down(kWatchedKeys[i]);
    runner_.RunHandler([&] { form_.ScreenPickBegan(); });
    SetTimer(window_, kPickWatchTimer, kWatchMs, nullptr);
    loupe_.SetPicking(true);
}

// The hooks have seen the end already when it came from them; `how` is Pick or Cancel.
void ScreenPickSession::End(PickActionKind how) {
    const bool frozen = form_.freezeState() == FreezeState::Frozen;
    const auto ending = session_.Finish(how, frozen);
    if (!ending) return;
    KillTimer(window_, kPickWatchTimer);
    KillTimer(window_, kPickFreezeAfterHiding);
    loupe_.SetSnapshotting(false);
    loupe_.SetPicking(false);
    owedUntil_ = GetTickCount64() + kOwedUpsWaitMs;
    LetHooksGoWhenDone();
    const std::string format = formatKey_ ? formatKey_() : std::string(kDefaultPickFormatKey);
    runner_.RunHandler([&] {
        if (ending->take) {
            form_.ScreenPickTaken(format);
        } else {
            form_.ScreenPickCancelled();
        }
    });
}

void ScreenPickSession::LetHooksGoWhenDone() {
    if (active() || !hooks_.installed()) return;
    if (!session_.hooksNeeded() || GetTickCount64() >= owedUntil_) {
        hooks_.Remove();
        KillTimer(window_, kPickOwedUpsTimer);
        return;
    }
    SetTimer(window_, kPickOwedUpsTimer, kOwedUpsCheckMs, nullptr);
}

bool ScreenPickSession::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message == kPickActionMessage) {
        OnAction(UnpackPickAction(static_cast<uint32_t>(wParam)));
        return true;
    }
    if (message != WM_TIMER) return false;
    switch (wParam) {
        case kPickWatchTimer:
            OnWatch();
            return true;
        case kPickFreezeAfterHiding:
            KillTimer(window_, wParam);
            Freeze();
            return true;
        case kPickOwedUpsTimer:
            LetHooksGoWhenDone();
            return true;
        default:
            return false;
    }
}

void ScreenPickSession::OnAction(const PickAction &action) {
    switch (action.kind) {
        case PickActionKind::Pick:
        case PickActionKind::Cancel:
            End(action.kind);
            return;
        case PickActionKind::Nudge: {
            POINT pointer{};
            if (active() && GetCursorPos(&pointer)) {
                SetCursorPos(pointer.x + action.dx, pointer.y + action.dy);
            }
            return;
        }
        case PickActionKind::Zoom:
            if (active()) loupe_.Zoom(action.zoomSteps);
            return;
        case PickActionKind::ToggleFreeze:
            if (!active()) return;
            // The snapshot must not hold the loupe: it goes first, as while sampling.
            if (form_.freezeState() != FreezeState::Frozen && loupe_.shown()) {
                loupe_.SetSnapshotting(true);
                SetTimer(window_, kPickFreezeAfterHiding, kStepAsideAllowanceMs, nullptr);
            } else {
                Freeze();
            }
            return;
        case PickActionKind::None:
            return;
    }
}

void ScreenPickSession::Freeze() {
    if (!active()) return;
    runner_.RunHandler([&] { form_.ScreenPickToggleFreeze(); });
    loupe_.SetSnapshotting(false);
    loupe_.Redraw();
}

// While the hooks hold, a press never reaches the system's key state; one that does
// means a hook was dropped, and the press still ends the pick as the hook would have.
// A key held when the pick began (the click on the notification icon) counts once it
// has been let go.
void ScreenPickSession::OnWatch() {
    if (!active()) return;
    for (size_t i = 0; i < std::size(kWatchedKeys); ++i) {
        const bool down = Down(kWatchedKeys[i]);
        if (heldAtStart_[i]) {
            heldAtStart_[i] = down;
            continue;
        }
        if (!down) continue;
        End(i < kFirstCancelKey ? PickActionKind::Pick : PickActionKind::Cancel);
        return;
    }
}

}  // namespace tintwell::win32

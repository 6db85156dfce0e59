#include "screen_pick_session.h"

#include <algorithm>
#include <utility>

#include "pick_format.h"
#include "user_texts.h"

namespace tintwell::win32 {

namespace {

// A click or a key is held about a tenth of a second: the copy waits that long for
// its release, so that the hooks have gone before the clipboard, which may keep the
// thread waiting, is touched. A longer hold has the copy made under the hooks.
constexpr ULONGLONG kCopyWaitMs = 500;

BOOL CALLBACK NoteDialog(HWND candidate, LPARAM found) {
    wchar_t name[16] = {};
    if (IsWindowVisible(candidate) && GetClassNameW(candidate, name, 16) > 0 &&
        lstrcmpW(name, L"#32770") == 0) {
        *reinterpret_cast<bool *>(found) = true;
        return FALSE;
    }
    return TRUE;
}

// A box or dialog of the picker's is open: the window is disabled under a modal one
// (a message box, the settings dialog, a save dialog), or a dialog of this thread
// shows (a message box owned by no window).
bool BoxOfOursOpen(HWND window) {
    if (!IsWindowEnabled(window)) return true;
    bool open = false;
    EnumThreadWindows(GetCurrentThreadId(), &NoteDialog, reinterpret_cast<LPARAM>(&open));
    return open;
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
      hold_(session_),
      copyDue_(false),
      copyBy_(0) {}

void ScreenPickSession::Detach() {
    if (active()) End(PickActionKind::Cancel);
    hold_.Release();
    CopyTaken();
    if (window_ != nullptr) KillTimer(window_, kPickOwedUpsTimer);
}

void ScreenPickSession::Toggle() {
    if (session_.RespondTo(PickTrigger::Hotkey) == TriggerResponse::Cancel) {
        End(PickActionKind::Cancel);
    } else {
        Start();
    }
}

// Doing nothing while a box of ours is open is the sure way never to take the input
// meant for it; the loupe over a modal box would also leave unclear which of the two
// a click is for.
void ScreenPickSession::Start() {
    if (active() || window_ == nullptr || BoxOfOursOpen(window_)) return;
    // What the last pick copies is copied before this one begins, and the format
    // (perhaps a template, from its file) is read before the hooks go in: nothing
    // slow runs while they are held. Releases it still owes stay owed to the new
    // hooks.
    hold_.SetAside();
    CopyTaken();
    KillTimer(window_, kPickOwedUpsTimer);
    const std::string format = formatKey_ ? formatKey_() : std::string(kDefaultPickFormatKey);
    runner_.RunHandler([&] { form_.ScreenPickBegan(format); });
    if (!form_.screenPicking()) return;
    if (!hold_.Begin(window_, hotkey_ ? hotkey_() : HotkeyCombo{})) {
        runner_.RunHandler([&] { form_.ScreenPickCancelled(); });
        runner_.RunHandler([] { throw PickerError(messages::kCannotStartPick); });
        return;
    }
    loupe_.SetPicking(true);
}

// The hooks have seen the end already when it came from them; `how` is Pick or Cancel.
void ScreenPickSession::End(PickActionKind how) {
    if (!hold_.End(how)) return;
    KillTimer(window_, kPickWatchTimer);
    KillTimer(window_, kPickFreezeAfterHiding);
    loupe_.SetSnapshotting(false);
    loupe_.SetPicking(false);
    const ULONGLONG now = GetTickCount64();
    if (how == PickActionKind::Pick) {
        runner_.RunHandler([&] { copyDue_ = form_.ScreenPickTaken(); });
        copyBy_ = now + kCopyWaitMs;
    } else {
        runner_.RunHandler([&] { form_.ScreenPickCancelled(); });
    }
    LetHooksGoWhenDone();
}

void ScreenPickSession::LetHooksGoWhenDone() {
    if (active()) return;
    const ULONGLONG now = GetTickCount64();
    const bool held = hold_.LetGoWhenDone();
    if (copyDue_ && (!held || now >= copyBy_)) CopyTaken();
    if (!held && !copyDue_) {
        KillTimer(window_, kPickOwedUpsTimer);
        return;
    }
    // The hooks tell of the last owed release themselves; the timer only keeps the
    // bounds.
    const ULONGLONG next = copyDue_ ? copyBy_ : hold_.owedUntil();
    SetTimer(window_, kPickOwedUpsTimer, static_cast<UINT>(std::max<ULONGLONG>(next - now, 10)),
             nullptr);
}

void ScreenPickSession::CopyTaken() {
    if (!copyDue_) return;
    copyDue_ = false;
    runner_.RunHandler([&] { form_.ScreenPickCopy(); });
}

bool ScreenPickSession::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kPickActionMessage) {
        OnAction(UnpackPickAction(static_cast<uint32_t>(wParam)));
        return true;
    }
    if (message == WM_INPUT) {
        OnWitness(lParam);
        // The system frees the raw input's data there.
        if (window_ != nullptr) DefWindowProcW(window_, message, wParam, lParam);
        return true;
    }
    if (message != WM_TIMER) return false;
    switch (wParam) {
        case kPickWatchTimer:
            KillTimer(window_, wParam);
            CheckWitness();
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
            // The last release the hooks owed has come.
            LetHooksGoWhenDone();
            return;
    }
}

void ScreenPickSession::OnWitness(LPARAM rawInput) {
    OnWitnessSays(hold_.OnRawInput(rawInput));
}

void ScreenPickSession::CheckWitness() {
    OnWitnessSays(hold_.Check());
}

// A press the hooks did not see went on to the program beneath: the hooks are gone.
// The pick ends without a colour and says why; the next one installs them afresh.
void ScreenPickSession::OnWitnessSays(PickHold::Witness says) {
    if (!active()) return;
    if (says == PickHold::Witness::HooksGone) {
        End(PickActionKind::Cancel);
        hold_.Release();
        LetHooksGoWhenDone();
        runner_.RunChosenHandler([] { throw PickerError(messages::kPickInputLost); });
        return;
    }
    if (says == PickHold::Witness::Waiting) {
        SetTimer(window_, kPickWatchTimer, HookWitness::kWitnessGraceMs, nullptr);
    }
}

void ScreenPickSession::Freeze() {
    if (!active()) return;
    runner_.RunHandler([&] { form_.ScreenPickToggleFreeze(); });
    loupe_.SetSnapshotting(false);
    loupe_.Redraw();
}

}  // namespace tintwell::win32

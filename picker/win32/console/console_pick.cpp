#include "console_pick.h"

#include <algorithm>

#include "user_texts.h"

namespace tintwell::win32 {

namespace {

// The timer that keeps the bound of the owed releases; the hooks tell of the last
// release themselves.
constexpr ULONGLONG kShortestWaitMs = 10;

BOOL CALLBACK CancelIfOwnPick(HWND window, LPARAM found) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t name[64] = {};
    if (process != GetCurrentProcessId() || GetClassNameW(window, name, 64) == 0 ||
        lstrcmpW(name, kConsolePickClass) != 0) {
        return TRUE;
    }
    PostMessageW(window, kPickActionMessage, PackPickAction(PickAction{PickActionKind::Cancel}), 0);
    *reinterpret_cast<bool *>(found) = true;
    return TRUE;
}

// Ctrl+C or Ctrl+Break in the console cancel the pick as Esc does, so that the hooks
// and the loupe go in order and the exit says "cancelled". The handler runs on a
// thread of its own: it only posts to the pick's window, which it finds among the
// process's windows.
BOOL WINAPI CancelOnBreak(DWORD event) {
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
    bool found = false;
    EnumWindows(&CancelIfOwnPick, reinterpret_cast<LPARAM>(&found));
    return found ? TRUE : FALSE;
}

}  // namespace

ConsolePick::ConsolePick(HINSTANCE instance, ScreenReader &screen, SampleSize sample)
    : FailureSink(),
      WindowBase(static_cast<FailureSink &>(*this)),
      instance_(instance),
      screen_(screen),
      sample_(sample),
      loupe_(screen, static_cast<FailureSink &>(*this)),
      session_(),
      hold_(session_),
      freeze_(FreezeState::Live),
      snapshot_(),
      ended_(false),
      result_() {}

ConsolePick::~ConsolePick() {
    hold_.Release();
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

bool ConsolePick::Create() {
    Register(instance_, kConsolePickClass, nullptr);
    Loupe::RegisterClass(instance_);
    // Hidden and never shown: a message-only window would do for the hooks' messages,
    // but the clipboard wants an owner, and this one serves both.
    WindowBase::Create(instance_, kConsolePickClass, L"", WS_POPUP, WS_EX_TOOLWINDOW,
                       RECT{0, 0, 0, 0});
    try {
        loupe_.Create(instance_,
                      [this](ReadViewer &viewer, ScreenPoint pointer) { ShowFrame(viewer, pointer); });
    } catch (const std::exception &) {
        return false;
    }
    return true;
}

ConsolePickResult ConsolePick::Run() {
    // No hotkey is registered here: every key of the pick's is the pick's.
    if (!hold_.Begin(hwnd_, HotkeyCombo{})) {
        ConsolePickResult failed;
        failed.kind = ConsolePickResult::Kind::Failed;
        failed.failure = messages::kCannotStartPick;
        return failed;
    }
    SetConsoleCtrlHandler(&CancelOnBreak, TRUE);
    try {
        loupe_.SetPicking(true);
    } catch (...) {
        HandlerFailed(std::current_exception());
    }
    MSG message{};
    while (!ended_ || hold_.held()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            if (!ended_) Fail(messages::kUnexpectedError);
            hold_.Release();
            break;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    SetConsoleCtrlHandler(&CancelOnBreak, FALSE);
    return result_;
}

LRESULT ConsolePick::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kPickActionMessage) {
        OnAction(UnpackPickAction(static_cast<uint32_t>(wParam)));
        return 0;
    }
    if (message == WM_INPUT) {
        const PickHold::Witness says = hold_.OnRawInput(lParam);
        // The system frees the raw input's data there.
        const LRESULT done = Default(message, wParam, lParam);
        OnWitness(says);
        return done;
    }
    if (message != WM_TIMER) return Default(message, wParam, lParam);
    switch (wParam) {
        case kConsolePickWatchTimer:
            KillTimer(hwnd_, wParam);
            OnWitness(hold_.Check());
            break;
        case kConsolePickFreezeTimer:
            KillTimer(hwnd_, wParam);
            Freeze();
            break;
        case kConsolePickOwedUpsTimer:
            LetHooksGoWhenDone();
            break;
        default:
            break;
    }
    return 0;
}

void ConsolePick::HandlerFailed(const std::exception_ptr &failure) noexcept {
    std::string why = messages::kUnexpectedError;
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception &error) {
        why = FailureMessage(error);
    } catch (...) {
    }
    Fail(why);
}

void ConsolePick::Fail(const std::string &why) {
    const bool wasEnded = ended_;
    if (!wasEnded) {
        hold_.End(PickActionKind::Cancel);
        ended_ = true;
        if (hwnd_ != nullptr) KillTimer(hwnd_, kConsolePickWatchTimer);
        try {
            loupe_.SetPicking(false);
        } catch (...) {
        }
    }
    // The first failure is the one said; a pick already taken stays taken only if
    // nothing failed in taking it.
    if (result_.kind != ConsolePickResult::Kind::Failed) {
        result_ = ConsolePickResult{};
        result_.kind = ConsolePickResult::Kind::Failed;
        result_.failure = why;
    }
    if (hwnd_ != nullptr) LetHooksGoWhenDone();
}

void ConsolePick::OnAction(const PickAction &action) {
    switch (action.kind) {
        case PickActionKind::Pick:
        case PickActionKind::Cancel:
            End(action.kind);
            return;
        case PickActionKind::Nudge: {
            POINT pointer{};
            if (!ended_ && GetCursorPos(&pointer)) {
                SetCursorPos(pointer.x + action.dx, pointer.y + action.dy);
            }
            return;
        }
        case PickActionKind::Zoom:
            if (!ended_) loupe_.Zoom(action.zoomSteps);
            return;
        case PickActionKind::ToggleFreeze:
            if (ended_) return;
            if (freeze_ == FreezeState::Frozen) {
                snapshot_.reset();
                freeze_ = FreezeState::Live;
                loupe_.Redraw();
            } else if (loupe_.shown()) {
                // The snapshot must not hold the loupe: it goes first.
                loupe_.SetSnapshotting(true);
                SetTimer(hwnd_, kConsolePickFreezeTimer, kStepAsideAllowanceMs, nullptr);
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

void ConsolePick::Freeze() {
    if (ended_) return;
    snapshot_ = screen_.TakeSnapshot();
    freeze_ = snapshot_ ? FreezeState::Frozen : FreezeState::Failed;
    loupe_.SetSnapshotting(false);
    loupe_.Redraw();
}

ScreenSquare ConsolePick::Read(int reach) {
    const POINT cursor = screen_.Cursor();
    return ReadAt(ScreenPoint{cursor.x, cursor.y}, reach);
}

ScreenSquare ConsolePick::ReadAt(ScreenPoint pointer, int reach) {
    if (freeze_ == FreezeState::Frozen && snapshot_) return snapshot_->ReadSquare(pointer, reach);
    return screen_.ReadSquareAt(pointer, reach);
}

// The loupe found the pointer there for this frame: the read takes the same point.
void ConsolePick::ShowFrame(ReadViewer &viewer, ScreenPoint pointer) {
    const int sampleReach = SampleReach(sample_);
    const ScreenSquare read = ReadAt(pointer, std::max(viewer.WantedReach(), sampleReach));
    viewer.ShowRead(read, SampleStatus{sampleReach, SampleOf(read, sample_), freeze_});
}

// The hooks have seen the end already when it came from them.
void ConsolePick::End(PickActionKind how) {
    if (!hold_.End(how)) return;
    ended_ = true;
    KillTimer(hwnd_, kConsolePickWatchTimer);
    KillTimer(hwnd_, kConsolePickFreezeTimer);
    loupe_.SetSnapshotting(false);
    loupe_.SetPicking(false);
    if (how == PickActionKind::Pick) {
        // Read before the freeze goes: a frozen pick takes what it froze.
        const ScreenSquare read = Read(SampleReach(sample_));
        if (read.centre() == kInvalidColor) {
            result_.kind = ConsolePickResult::Kind::Failed;
            result_.failure = console_texts::kCannotReadScreen;
        } else {
            result_.kind = ConsolePickResult::Kind::Picked;
            result_.colour = SampleOf(read, sample_);
            result_.point = read.cursor;
        }
    } else {
        result_.kind = ConsolePickResult::Kind::Cancelled;
    }
    snapshot_.reset();
    LetHooksGoWhenDone();
}

void ConsolePick::LetHooksGoWhenDone() {
    if (!ended_ || !hold_.LetGoWhenDone()) {
        KillTimer(hwnd_, kConsolePickOwedUpsTimer);
        return;
    }
    const ULONGLONG now = GetTickCount64();
    const ULONGLONG wait = hold_.owedUntil() > now
                               ? std::max(hold_.owedUntil() - now, kShortestWaitMs)
                               : kShortestWaitMs;
    SetTimer(hwnd_, kConsolePickOwedUpsTimer, static_cast<UINT>(wait), nullptr);
}

// A press the hooks did not see went on to the program beneath: the hooks are gone,
// and nothing is owed to them any more. The pick ends as a failure of the system's,
// saying so, rather than as a cancel the user did not make.
void ConsolePick::OnWitness(PickHold::Witness says) {
    if (ended_) return;
    if (says == PickHold::Witness::HooksGone) {
        End(PickActionKind::Cancel);
        hold_.Release();
        Fail(messages::kPickInputLost);
        return;
    }
    if (says == PickHold::Witness::Waiting) {
        SetTimer(hwnd_, kConsolePickWatchTimer, HookWitness::kWitnessGraceMs, nullptr);
    }
}

}  // namespace tintwell::win32

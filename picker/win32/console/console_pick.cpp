#include "console_pick.h"

#include <algorithm>
#include <iterator>

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
      hooks_(),
      freeze_(FreezeState::Live),
      snapshot_(),
      heldAtStart_{},
      owedUntil_(0),
      ended_(false),
      result_() {}

ConsolePick::~ConsolePick() {
    hooks_.Remove();
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
        loupe_.Create(instance_, [this](ReadViewer &viewer) { ShowFrame(viewer); });
    } catch (const std::exception &) {
        return false;
    }
    return true;
}

ConsolePickResult ConsolePick::Run() {
    session_.Start(PickerBefore{}, HotkeyCombo{});
    if (!hooks_.Install(hwnd_, session_)) {
        session_.Finish(PickActionKind::Cancel, false);
        ConsolePickResult failed;
        failed.kind = ConsolePickResult::Kind::Failed;
        failed.failure = messages::kCannotStartPick;
        return failed;
    }
    for (size_t i = 0; i < std::size(kWatchedKeys); ++i) heldAtStart_[i] = Down(kWatchedKeys[i]);
    SetTimer(hwnd_, kConsolePickWatchTimer, kWatchMs, nullptr);
    SetConsoleCtrlHandler(&CancelOnBreak, TRUE);
    try {
        loupe_.SetPicking(true);
    } catch (...) {
        HandlerFailed(std::current_exception());
    }
    MSG message{};
    while (!ended_ || hooks_.installed()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            if (!ended_) Fail(messages::kUnexpectedError);
            hooks_.Remove();
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
    if (message != WM_TIMER) return Default(message, wParam, lParam);
    switch (wParam) {
        case kConsolePickWatchTimer:
            OnWatch();
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
        session_.Finish(PickActionKind::Cancel, false);
        ended_ = true;
        owedUntil_ = GetTickCount64() + kOwedUpsWaitMs;
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
    if (hwnd_ != nullptr) SetTimer(hwnd_, kConsolePickOwedUpsTimer, kOwedUpsCheckMs, nullptr);
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
    if (freeze_ == FreezeState::Frozen && snapshot_) {
        const POINT cursor = screen_.Cursor();
        return snapshot_->ReadSquare(ScreenPoint{cursor.x, cursor.y}, reach);
    }
    return screen_.ReadSquare(reach);
}

void ConsolePick::ShowFrame(ReadViewer &viewer) {
    const int sampleReach = SampleReach(sample_);
    const ScreenSquare read = Read(std::max(viewer.WantedReach(), sampleReach));
    viewer.ShowRead(read, SampleStatus{sampleReach, SampleOf(read, sample_), freeze_});
}

// The hooks have seen the end already when it came from them.
void ConsolePick::End(PickActionKind how) {
    const auto ending = session_.Finish(how, freeze_ == FreezeState::Frozen);
    if (!ending) return;
    ended_ = true;
    owedUntil_ = GetTickCount64() + kOwedUpsWaitMs;
    KillTimer(hwnd_, kConsolePickWatchTimer);
    KillTimer(hwnd_, kConsolePickFreezeTimer);
    loupe_.SetSnapshotting(false);
    loupe_.SetPicking(false);
    if (ending->take) {
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
    if (!ended_ || !hooks_.installed()) {
        KillTimer(hwnd_, kConsolePickOwedUpsTimer);
        return;
    }
    if (!session_.hooksNeeded() || GetTickCount64() >= owedUntil_) {
        hooks_.Remove();
        KillTimer(hwnd_, kConsolePickOwedUpsTimer);
        return;
    }
    SetTimer(hwnd_, kConsolePickOwedUpsTimer, kOwedUpsCheckMs, nullptr);
}

// While the hooks hold, a press never reaches the system's key state; one that does
// means a hook was dropped, and the press still ends the pick as the hook would have.
// A key held when the pick began (the Enter that started the command) counts once it
// has been let go.
void ConsolePick::OnWatch() {
    if (ended_) return;
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

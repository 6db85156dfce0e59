#include "form_window.h"

#include <commctrl.h>

#include <exception>
#include <string>
#include <utility>

#include "focus_cue.h"
#include "form_frame.h"
#include "handler_routes.h"
#include "key_codes.h"
#include "option_group.h"
#include "user_texts.h"

namespace tintwell::win32 {

namespace {

constexpr int kIconResource = 1;

}  // namespace

FormWindow::FormWindow(HINSTANCE instance)
    : WindowBase(static_cast<FailureSink &>(*this)),
      instance_(instance),
      dpi_(),
      scale_(),
      fonts_(),
      platform_(nullptr),
      library_("dyeplate.dll"),
      loupe_(platform_.screen(), *this),
      picture1_(kPicture1, *this, *this, *this, COLOR_BTNFACE),
      picture2_(kPicture2, *this, *this, *this, COLOR_WINDOW),
      ringGeometry_(picture1_),
      arrowGeometry_(picture2_),
      label1_(kLabel1, *this, *this, MarkerStyle::SeeThrough, picture1_, ringGeometry_),
      label2_(kLabel2, *this, *this, MarkerStyle::Opaque, picture2_, arrowGeometry_),
      shape1_(*this),
      controlSet_({{{kPicture1, &picture1_},
                    {kPicture2, &picture2_},
                    {kLabel1, &label1_},
                    {kLabel2, &label2_},
                    {kShape1, &shape1_}}}),
      controls_(hwnd_, picture1_, picture2_, label1_, label2_, shape1_, loupe_),
      failures_(),
      help_(),
      systemMenu_(*this, *this),
      eyedropper_(form_, controls_, loupe_, *this, *this),
      historySwitch_(form_, platform_, *this),
      colourPaste_(form_, *this, hwnd_),
      copyMenuChoices_(form_, platform_, *this, colourPaste_, hwnd_),
      copyMenu_(copyMenuChoices_, scale_),
      focusMemory_(),
      keyboardInUse_(false),
      form_(controls_, platform_, library_),
      screenPick_(
          form_, loupe_, *this, [this] { return settings_.choices().pickFormat; },
          [this] { return settings_.registeredHotkey(); }),
      settings_(
          instance, [this] { return form_.PickFormatKeys(); }, [this] { screenPick_.Toggle(); }),
      trayHome_(*this,
                [this] {
                    if (!screenPick_.active()) screenPick_.Start();
                }),
      keptSettings_(settings_, trayHome_, eyedropper_, form_, loupe_) {}

void FormWindow::RegisterClasses(HINSTANCE instance) {
    // The title bar takes the 16 x 16 image, Alt+Tab and the taskbar the 32 x 32 ones.
    auto icon = [instance](int size) {
        return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                                             size, size, LR_SHARED));
    };
    Register(instance, kFormClass, GetSysColorBrush(COLOR_BTNFACE),
             icon(GetSystemMetrics(SM_CXICON)), icon(GetSystemMetrics(SM_CXSMICON)));
    PictureBox::RegisterClass(instance);
    MarkerLabel::RegisterClass(instance);
    ShapeSwatch::RegisterClass(instance);
    Loupe::RegisterClass(instance);
}

FormWindow::~FormWindow() {
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

bool FormWindow::Start(int showCommand, bool inTray) {
    try {
        scale_ = DisplayScale(dpi_.ForSystem());
        const RECT frame = CentredFrame(dpi_, scale_);
        Create(instance_, kFormClass, kFormTitle, kFormStyle, kFormExStyle, frame);
        // Made on a monitor of another scale than the primary one, it was laid out there.
        FitClientArea(hwnd_, scale_);
        form_.Form_Load();
        controls_.ShowChanges();
        historySwitch_.Restore();
        help_.DescribeSwatch(form_.ShownColourDescriptionKey(),
                             [this] { return form_.ShownColourDescription(); });
        trayHome_.ShowTip(form_.ShownColour());
    } catch (...) {
        ShowStartupFailure(std::current_exception());
        if (hwnd_ != nullptr) DestroyWindow(hwnd_);
        return false;
    }
    // What the kept settings could not put into effect has been said; the rest runs.
    try {
        keptSettings_.Restore();
    } catch (...) {
        HandlerFailed(std::current_exception());
    }
    if (inTray && trayHome_.resident()) return true;
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
    SetFocus(picture1_.hwnd());
    return true;
}

int FormWindow::Run() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        NoteKeyboardUse(message);
        if (IsFreezeKey(message, hwnd_)) {
            // Outside any window procedure, so its failure is caught here.
            try {
                eyedropper_.OnFreezeKey();
            } catch (...) {
                NoteFailure(std::current_exception(), NoticeOrigin::UserAction);
            }
            continue;
        }
        if (IsPasteKey(message, hwnd_, Control(kText1))) {
            colourPaste_.Run();
            continue;
        }
        if (hwnd_ != nullptr && IsDialogMessageW(hwnd_, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

// From the first key that moves around the window on, the pictures show the focus;
// the one that has it now shows it at once, as a Tab arrives at the next one later.
void FormWindow::NoteKeyboardUse(const MSG &message) {
    if (keyboardInUse_ || !IsNavigationKey(message)) return;
    keyboardInUse_ = true;
    const HWND focus = GetFocus();
    if (focus == picture1_.hwnd() || focus == picture2_.hwnd()) RepaintFocusCue(focus);
}

LRESULT FormWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return OnCreate();
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam), HIWORD(wParam));
        case WM_TIMER:
            return OnTimer(wParam);
        case WM_INPUT:
        case kPickActionMessage:
            return OnPickEvent(message, wParam, lParam);
        case WM_ACTIVATE:
            return OnActivate(LOWORD(wParam));
        case DM_GETDEFID:
            return OnGetDefaultButton();
        case kShowFailureMessage:
            return OnShowFailure();
        case kTellUserMessage:
            return OnTellUser(lParam);
        case WM_DPICHANGED:
            return OnDpiChanged(HIWORD(wParam), reinterpret_cast<const RECT *>(lParam));
        case WM_DESTROY:
            return OnDestroy();
        case WM_SIZE:
            return OnSize(wParam);
        case WM_CLOSE:
            return OnClose();
        default:
            return OnOtherMessage(message, wParam, lParam);
    }
}

LRESULT FormWindow::OnCreate() {
    platform_.SetOwner(hwnd_);
    // Set on the window as well as its class, so that other programs (task switchers,
    // the tests) can ask the window for them.
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, GetClassLongPtrW(hwnd_, GCLP_HICON));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, GetClassLongPtrW(hwnd_, GCLP_HICONSM));
    // A per-monitor-aware window is made at its monitor's scale.
    scale_ = DisplayScale(dpi_.ForWindow(hwnd_));
    CreateControls();
    help_.Attach(hwnd_, instance_);
    systemMenu_.Attach(hwnd_);
    eyedropper_.Attach(instance_, hwnd_, systemMenu_);
    historySwitch_.Attach(systemMenu_);
    settings_.Attach(hwnd_, systemMenu_);
    trayHome_.Attach(hwnd_, reinterpret_cast<HICON>(GetClassLongPtrW(hwnd_, GCLP_HICONSM)));
    keptSettings_.Attach(hwnd_);
    screenPick_.Attach(hwnd_);
    copyMenu_.Attach(hwnd_, Control(kCommand1));
    AddOwner(copyMenu_);
    AddOwner(trayHome_);
    AddOwner(systemMenu_);
    AddOwner(help_);
    AddOwner(settings_);
    return 0;
}

void FormWindow::CreateControls() {
    controlSet_.Create(hwnd_, instance_, scale_);
    SendMessageW(Control(kText1), EM_SETLIMITTEXT, 0, 0);
    SendMessageW(Control(kOption1), BM_SETCHECK, BST_CHECKED, 0);
    ApplyFonts();
}

void FormWindow::LayOut() {
    controlSet_.LayOut(hwnd_, scale_);
    ApplyFonts();
}

void FormWindow::ApplyFonts() {
    fonts_.Apply(hwnd_, label1_, label2_, scale_);
}

LRESULT FormWindow::OnCommand(int control, int notification) {
    if (notification != BN_CLICKED) return 0;
    if (control == IDCANCEL) return OnEscape();
    if (IsOptionButton(control)) KeepSelectedOptionAsTabStop(hwnd_);
    if (const ClickHandler click = ClickHandlerOf(control)) Dispatch([&] { (form_.*click)(); });
    return 0;
}

LRESULT FormWindow::OnActivate(WORD state) {
    if (state == WA_INACTIVE) {
        focusMemory_.Leave(hwnd_);
    } else if (!IsIconic(hwnd_)) {
        focusMemory_.Return(picture1_.hwnd());
    }
    return 0;
}

// Enter presses Command1, the copy button.
LRESULT FormWindow::OnGetDefaultButton() {
    return MAKELRESULT(kCommand1, DC_HASDEFID);
}

LRESULT FormWindow::OnShowFailure() {
    failures_.ShowPending(hwnd_);
    return 0;
}

LRESULT FormWindow::OnTellUser(LPARAM notice) {
    failures_.Note(hwnd_, ToldNotice(notice), NoticeOrigin::UserAction);
    return 1;
}

// Moved to a monitor of another scale: everything is laid out and lettered again
// for it, the window takes the place the system suggests, and the picker's state
// and images stay as they are.
LRESULT FormWindow::OnDpiChanged(int dpi, const RECT *suggested) {
    scale_ = DisplayScale(dpi);
    LayOut();
    if (suggested != nullptr) {
        SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    FitClientArea(hwnd_, scale_);
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return 0;
}

// The dialog manager turns Esc into IDCANCEL, from whichever control has the focus.
LRESULT FormWindow::OnEscape() {
    const int16_t shift = HeldShiftMask();
    Dispatch([&] { form_.Form_KeyDown(kKeyEscape, shift); });
    return 0;
}

LRESULT FormWindow::OnSize(WPARAM kind) {
    loupe_.SetMinimised(kind == SIZE_MINIMIZED);
    if (kind == SIZE_MINIMIZED) trayHome_.OnMinimised();
    return 0;
}

LRESULT FormWindow::OnClose() {
    if (trayHome_.HideOnClose()) return 0;
    return Default(WM_CLOSE, 0, 0);
}

LRESULT FormWindow::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (trayHome_.OnMessage(message, wParam, lParam, result)) return result;
    return Default(message, wParam, lParam);
}

LRESULT FormWindow::OnTimer(WPARAM timer) {
    if (screenPick_.OnMessage(WM_TIMER, timer, 0)) return 0;
    LRESULT result = 0;
    if (trayHome_.OnMessage(WM_TIMER, timer, 0, result)) return result;
    return eyedropper_.OnTimer(timer);
}

LRESULT FormWindow::OnPickEvent(UINT message, WPARAM wParam, LPARAM lParam) {
    screenPick_.OnMessage(message, wParam, lParam);
    return 0;
}

LRESULT FormWindow::OnDestroy() {
    // The hooks and the hotkey go before the window does: neither may outlive it.
    screenPick_.Detach();
    settings_.Detach();
    trayHome_.Detach();
    help_.Detach();
    KillTimer(hwnd_, kTimer1);
    eyedropper_.Detach();
    PostQuitMessage(0);
    return 0;
}

void FormWindow::MouseDown(ControlId control, const MouseEvent &e) {
    if (const PointerHandler press = PressHandlerOf(control)) {
        Dispatch([&] { (form_.*press)(e.button, e.shift, e.x, e.y); });
    }
}

void FormWindow::MouseMove(ControlId control, const MouseEvent &e) {
    if (const PointerHandler move = MoveHandlerOf(control)) {
        // A drag's moves come many a second: one failing comes again by itself.
        Dispatch([&] { (form_.*move)(e.button, e.shift, e.x, e.y); }, NoticeOrigin::ByItself);
    }
}

void FormWindow::MouseLetGo(ControlId control) {
    if (control == kPicture1 || control == kLabel1) Dispatch([&] { form_.FieldGestureEnded(); });
}

void FormWindow::KeyDown(ControlId control, int16_t keyCode, int16_t shift) {
    if (const KeyHandler keyDown = KeyHandlerOf(control)) {
        Dispatch([&] { (form_.*keyDown)(keyCode, shift); });
    }
}

template <typename Handler>
void FormWindow::Dispatch(Handler &&handler, NoticeOrigin origin) {
    if (failures_.Busy()) return;
    if (origin == NoticeOrigin::UserAction) failures_.UserActed();
    std::exception_ptr failure;
    try {
        handler();
    } catch (...) {
        failure = std::current_exception();
    }
    // What the handler changed, also when it ended early, shows once, and before any
    // report of its failure.
    controls_.ShowChanges();
    if (failure) NoteFailure(failure, origin);
    help_.DescribeSwatch(form_.ShownColourDescriptionKey(),
                         [this] { return form_.ShownColourDescription(); });
    trayHome_.ShowTip(form_.ShownColour());
}

void FormWindow::HandlerFailed(const std::exception_ptr &failure) noexcept {
    NoteFailure(failure, NoticeOrigin::ByItself);
}

void FormWindow::NoteFailure(const std::exception_ptr &failure, NoticeOrigin origin) noexcept {
    try {
        failures_.Note(hwnd_, Notice{FailureText(failure), NoticeLook::Failure}, origin);
    } catch (...) {
        // Not even the note could be made (no memory for its text): there is nothing
        // left to tell the user with.
    }
}

HWND FormWindow::Control(ControlId id) const {
    return GetDlgItem(hwnd_, id);
}

}  // namespace tintwell::win32

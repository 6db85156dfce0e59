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
#include "resident_instance.h"
#include "user_texts.h"

namespace tintwell::win32 {

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
      pickFromAnywhere_(instance, form_, loupe_, eyedropper_, *this) {}

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
        pickFromAnywhere_.ShowTip(form_.ShownColour());
    } catch (...) {
        ShowStartupFailure(std::current_exception());
        if (hwnd_ != nullptr) DestroyWindow(hwnd_);
        return false;
    }
    // What the kept settings could not put into effect has been said; the rest runs.
    try {
        pickFromAnywhere_.Start();
    } catch (...) {
        HandlerFailed(std::current_exception());
    }
    if (pickFromAnywhere_.anotherIsResident()) {
        if (!inTray) ShowResidentInstance(kFormClass);
        DestroyWindow(hwnd_);
        return true;
    }
    if (inTray && pickFromAnywhere_.resident()) return true;
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
    LRESULT owned = 0;
    if (pickFromAnywhere_.OnMessage(message, wParam, lParam, owned)) return owned;
    switch (message) {
        case WM_CREATE:
            return OnCreate();
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam), HIWORD(wParam));
        case WM_TIMER:
            return eyedropper_.OnTimer(wParam);
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
        default:
            return Default(message, wParam, lParam);
    }
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

// The dialog manager turns Esc into IDCANCEL, from whichever control has the focus.
LRESULT FormWindow::OnEscape() {
    const int16_t shift = HeldShiftMask();
    Dispatch([&] { form_.Form_KeyDown(kKeyEscape, shift); });
    return 0;
}

LRESULT FormWindow::OnSize(WPARAM kind) {
    loupe_.SetMinimised(kind == SIZE_MINIMIZED);
    return 0;
}

LRESULT FormWindow::OnDestroy() {
    pickFromAnywhere_.Detach();
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
    pickFromAnywhere_.ShowTip(form_.ShownColour());
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

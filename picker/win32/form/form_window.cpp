#include "form_window.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "focus_cue.h"
#include "key_codes.h"
#include "text_conversion.h"
#include "user_texts.h"

namespace tintwell::win32 {

namespace {

constexpr DWORD kFormStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_CONTROLPARENT;
constexpr int kIconResource = 1;

// The buttons whose clicks reach a handler of the core.
struct ClickRoute {
    ControlId control;
    void (Form::*handler)();
};

constexpr ClickRoute kClickRoutes[] = {
    {kOption1, &Form::Option1_Click}, {kOption4, &Form::Option4_Click},
    {kOption5, &Form::Option5_Click}, {kOption6, &Form::Option6_Click},
    {kCheck1, &Form::Check1_Click},   {kCheck3, &Form::Check3_Click},
    {kCheck4, &Form::Check4_Click},   {kCommand1, &Form::Command1_Click},
};

constexpr ControlId kOptions[] = {kOption1, kOption2, kOption3, kOption4, kOption5, kOption6};

RECT CentredOnScreen(DpiFunctions &dpi, const DisplayScale &scale) {
    const RECT frame = dpi.FrameAround(scale.FromTwips(kFormClientWidthTwips),
                                       scale.FromTwips(kFormClientHeightTwips), kFormStyle,
                                       kFormExStyle, scale.dpi());
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    return RECT{left, top, left + width, top + height};
}

}  // namespace

FormWindow::FormWindow(HINSTANCE instance)
    : instance_(instance),
      dpi_(),
      scale_(),
      captionFont_(),
      arrow_{Font(), L""},
      platform_(nullptr),
      library_("dyeplate.dll"),
      loupe_(platform_),
      picture1_(kPicture1, *this, *this, COLOR_BTNFACE, kTableSize, kTableSize),
      picture2_(kPicture2, *this, *this, COLOR_WINDOW, kStripImageWidth, kTableSize),
      ringGeometry_(picture1_, scale_),
      arrowGeometry_(picture2_, scale_),
      label1_(kLabel1, *this, &picture1_, ringGeometry_),
      label2_(kLabel2, *this, nullptr, arrowGeometry_),
      shape1_(),
      controls_(hwnd_, picture1_, picture2_, label1_, label2_, shape1_, loupe_),
      failures_(),
      help_(),
      focusWhileInactive_(nullptr),
      keyboardInUse_(false),
      form_(controls_, platform_, library_) {}

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

bool FormWindow::Start(int showCommand) {
    scale_ = DisplayScale(dpi_.ForSystem());
    const RECT frame = CentredOnScreen(dpi_, scale_);
    CreateWindowExW(kFormExStyle, kFormClass, kFormTitle, kFormStyle, frame.left, frame.top,
                    frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance_,
                    this);
    if (hwnd_ == nullptr) {
        ShowStartupFailure(PickerError(messages::kCannotCreateWindow));
        return false;
    }
    // Made on a monitor of another scale than the primary one, it was laid out there.
    FitClientArea();
    try {
        form_.Form_Load();
    } catch (const std::exception &failure) {
        ShowStartupFailure(failure);
        DestroyWindow(hwnd_);
        return false;
    }
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
    SetFocus(picture1_.hwnd());
    return true;
}

int FormWindow::Run() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        NoteKeyboardUse(message);
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
        case WM_ACTIVATE:
            return OnActivate(LOWORD(wParam));
        case DM_GETDEFID:
            return OnGetDefaultButton();
        case kShowFailureMessage:
            return OnShowFailure();
        case WM_DPICHANGED:
            return OnDpiChanged(HIWORD(wParam), reinterpret_cast<const RECT *>(lParam));
        case WM_DESTROY:
            return OnDestroy();
        case WM_SYSCOMMAND:
            return OnSysCommand(wParam, lParam);
        case WM_SIZE:
            return OnSize(wParam);
        default:
            return Default(message, wParam, lParam);
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
    loupe_.Create(instance_, hwnd_);
    return 0;
}

void FormWindow::CreateControls() {
    for (size_t i = 0; i < kControlCount; ++i) {
        const ControlPlacement &placement = kControls[i];
        // The table lists every container before what it holds.
        const HWND parent = placement.container == 0 ? hwnd_ : Control(placement.container);
        switch (placement.id) {
            case kPicture1:
                picture1_.Create(parent, placement, instance_, scale_);
                break;
            case kPicture2:
                picture2_.Create(parent, placement, instance_, scale_);
                break;
            case kLabel1:
                label1_.Create(parent, placement, instance_, scale_);
                break;
            case kLabel2:
                label2_.Create(parent, placement, instance_, scale_);
                break;
            case kShape1:
                shape1_.Create(parent, placement, instance_, scale_);
                break;
            default:
                CreateControlWindow(parent, placement, instance_, nullptr,
                                    DesignedRect(placement, scale_));
                break;
        }
    }
    SendMessageW(Control(kText1), EM_SETLIMITTEXT, 0, 0);
    SendMessageW(Control(kOption1), BM_SETCHECK, BST_CHECKED, 0);
    ApplyFonts();
}

void FormWindow::LayOut() {
    for (size_t i = 0; i < kControlCount; ++i) {
        const ControlPlacement &placement = kControls[i];
        switch (placement.id) {
            case kPicture1:
                picture1_.LayOut(placement, scale_);
                break;
            case kPicture2:
                picture2_.LayOut(placement, scale_);
                break;
            case kLabel1:
                label1_.LayOut(placement, scale_);
                break;
            case kLabel2:
                label2_.LayOut(placement, scale_);
                break;
            case kShape1:
                shape1_.LayOut(placement, scale_);
                break;
            default: {
                const RECT rect = DesignedRect(placement, scale_);
                SetWindowPos(Control(placement.id), nullptr, rect.left, rect.top,
                             rect.right - rect.left, rect.bottom - rect.top,
                             SWP_NOZORDER | SWP_NOACTIVATE);
                break;
            }
        }
    }
    ApplyFonts();
}

// With a Japanese font the edit control picks wide default margins, and the last
// digit of "#RRGGBB" no longer fits Text1: it has none, and the font is chosen for
// the width that leaves. A new font resets the margins, so they are cleared again.
void FormWindow::ApplyFonts() {
    HWND text = Control(kText1);
    SendMessageW(text, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
    RECT format{};
    SendMessageW(text, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    Font caption = CreateCaptionFont(scale_, format.right - format.left);
    ArrowGlyph arrow = CreateStripArrow(scale_);
    for (size_t i = 0; i < kControlCount; ++i) {
        const ControlPlacement &placement = kControls[i];
        if (placement.kind == ControlKind::PictureBox || placement.kind == ControlKind::Label ||
            placement.kind == ControlKind::Shape) {
            continue;
        }
        SendMessageW(Control(placement.id), WM_SETFONT, reinterpret_cast<WPARAM>(caption.get()),
                     TRUE);
    }
    SendMessageW(text, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
    // At 96 dpi the ring is drawn from the label's corner, as it always was; at other
    // scales its glyph is moved so that its middle is the label's reference point.
    POINT ringOffset{0, 0};
    const wchar_t *ring = FindControl(kLabel1).caption;
    if (!scale_.identity()) {
        const POINT ink = InkCentre(caption.get(), ring[0]);
        const double centre = (kRingOffset + 0.5) * scale_.factor();
        ringOffset = POINT{static_cast<LONG>(std::lround(centre - ink.x)),
                           static_cast<LONG>(std::lround(centre - ink.y))};
    }
    label1_.SetFont(caption.get(), ring, ringOffset);
    label2_.SetFont(arrow.font.get(), arrow.text);
    // The controls hold the new fonts now; the old ones go with the locals.
    captionFont_ = std::move(caption);
    arrow_ = std::move(arrow);
}

void FormWindow::FitClientArea() {
    const int width = scale_.FromTwips(kFormClientWidthTwips);
    const int height = scale_.FromTwips(kFormClientHeightTwips);
    RECT client{};
    GetClientRect(hwnd_, &client);
    if (client.right == width && client.bottom == height) return;
    RECT frame{};
    GetWindowRect(hwnd_, &frame);
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left + width - client.right,
                 frame.bottom - frame.top + height - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT FormWindow::OnCommand(int control, int notification) {
    if (notification != BN_CLICKED) return 0;
    // Esc, from whichever control has the focus.
    if (control == IDCANCEL) {
        const int16_t shift = HeldShiftMask();
        Dispatch([&] { form_.Form_KeyDown(kKeyEscape, shift); });
        return 0;
    }
    if (std::find(std::begin(kOptions), std::end(kOptions), control) != std::end(kOptions)) {
        KeepSelectedOptionAsTabStop();
    }
    for (const ClickRoute &route : kClickRoutes) {
        if (route.control == control) Dispatch([&] { (form_.*route.handler)(); });
    }
    return 0;
}

// Tab enters the option group at the selected button, the one that carries the
// group's tab stop; arrow keys move within the group.
void FormWindow::KeepSelectedOptionAsTabStop() {
    for (ControlId id : kOptions) {
        HWND option = Control(id);
        const bool selected = SendMessageW(option, BM_GETCHECK, 0, 0) == BST_CHECKED;
        LONG_PTR style = GetWindowLongPtrW(option, GWL_STYLE);
        style = selected ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
        SetWindowLongPtrW(option, GWL_STYLE, style);
    }
}

LRESULT FormWindow::OnTimer(UINT_PTR timer) {
    if (timer != kTimer1) return 0;
    Dispatch([&] { form_.Timer1_Timer(); });
    loupe_.Refresh();
    return 0;
}

// Coming back to the window puts the focus where the user left it, as in a dialog,
// rather than on the form itself, where Tab and Enter would have nothing to act on.
LRESULT FormWindow::OnActivate(WORD state) {
    if (state == WA_INACTIVE) {
        HWND focus = GetFocus();
        focusWhileInactive_ = IsChild(hwnd_, focus) ? focus : nullptr;
        return 0;
    }
    if (IsIconic(hwnd_)) return 0;
    const bool remembered = focusWhileInactive_ != nullptr && IsWindow(focusWhileInactive_) &&
                            IsWindowEnabled(focusWhileInactive_);
    SetFocus(remembered ? focusWhileInactive_ : picture1_.hwnd());
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
    FitClientArea();
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return 0;
}

LRESULT FormWindow::OnSysCommand(WPARAM command, LPARAM lParam) {
    if (loupe_.OnSysCommand(command)) return 0;
    return Default(WM_SYSCOMMAND, command, lParam);
}

LRESULT FormWindow::OnSize(WPARAM kind) {
    loupe_.SetMinimised(kind == SIZE_MINIMIZED);
    return 0;
}

LRESULT FormWindow::OnDestroy() {
    help_.Detach();
    KillTimer(hwnd_, kTimer1);
    PostQuitMessage(0);
    return 0;
}

void FormWindow::MouseDown(ControlId control, const MouseEvent &e) {
    switch (control) {
        case kPicture1:
            Dispatch([&] { form_.Picture1_mousedown(e.button, e.shift, e.x, e.y); });
            break;
        case kPicture2:
            Dispatch([&] { form_.Picture2_mousedown(e.button, e.shift, e.x, e.y); });
            break;
        case kLabel1:
            Dispatch([&] { form_.Label1_Mousedown(e.button, e.shift, e.x, e.y); });
            break;
        default:
            break;
    }
}

void FormWindow::MouseMove(ControlId control, const MouseEvent &e) {
    switch (control) {
        case kPicture1:
            Dispatch([&] { form_.Picture1_MouseMove(e.button, e.shift, e.x, e.y); });
            break;
        case kPicture2:
            Dispatch([&] { form_.Picture2_MouseMove(e.button, e.shift, e.x, e.y); });
            break;
        case kLabel1:
            Dispatch([&] { form_.Label1_Mousemove(e.button, e.shift, e.x, e.y); });
            break;
        case kLabel2:
            Dispatch([&] { form_.Label2_Mousemove(e.button, e.shift, e.x, e.y); });
            break;
        default:
            break;
    }
}

void FormWindow::KeyDown(ControlId control, int16_t keyCode, int16_t shift) {
    switch (control) {
        case kPicture1:
            Dispatch([&] { form_.Picture1_KeyDown(keyCode, shift); });
            break;
        case kPicture2:
            Dispatch([&] { form_.Picture2_KeyDown(keyCode, shift); });
            break;
        default:
            break;
    }
}

template <typename Handler>
void FormWindow::Dispatch(Handler &&handler) {
    if (failures_.Busy()) return;
    try {
        handler();
    } catch (const std::exception &failure) {
        failures_.Note(hwnd_, failure.what());
    } catch (...) {
        failures_.Note(hwnd_, messages::kUnexpectedError);
    }
}

HWND FormWindow::Control(ControlId id) const {
    return GetDlgItem(hwnd_, id);
}

}  // namespace tintwell::win32

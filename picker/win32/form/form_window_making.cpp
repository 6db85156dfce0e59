// How the form window is made, and laid out again at each scale: its window
// classes, its controls, its fonts and its parts attached to it.
#include <windows.h>

#include "form_frame.h"
#include "form_window.h"

namespace tintwell::win32 {

namespace {

constexpr int kIconResource = 1;

}  // namespace

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
    pickFromAnywhere_.Attach(hwnd_, reinterpret_cast<HICON>(GetClassLongPtrW(hwnd_, GCLP_HICONSM)),
                             systemMenu_);
    copyMenu_.Attach(hwnd_, Control(kCommand1));
    AddOwner(copyMenu_);
    AddOwner(systemMenu_);
    AddOwner(help_);
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

}  // namespace tintwell::win32

#include "pointer_follower.h"

namespace tintwell::win32 {

namespace {

// About 60 frames a second; the timer's granularity may stretch it, never below 30.
constexpr UINT kFrameMs = 15;

// A hook procedure gets no context of its own. The hook lives on the thread that set
// it, which is the window's thread, so the follower listening there is found here.
thread_local PointerFollower *listening = nullptr;

}  // namespace

PointerFollower::PointerFollower(UINT message, UINT_PTR timer)
    : message_(message), timer_(timer), window_(nullptr), hook_(nullptr), awake_(false) {}

PointerFollower::~PointerFollower() {
    Stop();
}

void PointerFollower::Start(HWND window) {
    if (hook_ != nullptr || listening != nullptr) return;
    window_ = window;
    hook_ = SetWindowsHookExW(WH_MOUSE_LL, &PointerFollower::OnMouse, GetModuleHandleW(nullptr), 0);
    if (hook_ != nullptr) listening = this;
}

void PointerFollower::Stop() {
    if (hook_ == nullptr) return;
    UnhookWindowsHookEx(hook_);
    hook_ = nullptr;
    listening = nullptr;
    Rest();
}

void PointerFollower::Moving() {
    SetTimer(window_, timer_, kFrameMs, nullptr);
}

void PointerFollower::Rest() {
    if (window_ != nullptr) KillTimer(window_, timer_);
    awake_ = false;
}

// Called for every mouse event of the whole desktop, so it only wakes the window:
// the system drops hooks that keep it waiting.
LRESULT CALLBACK PointerFollower::OnMouse(int code, WPARAM wParam, LPARAM lParam) {
    PointerFollower *self = listening;
    if (code == HC_ACTION && wParam == WM_MOUSEMOVE && self != nullptr && !self->awake_) {
        self->awake_ = true;
        PostMessageW(self->window_, self->message_, 0, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace tintwell::win32

// Tells a window that the pointer moved, anywhere on the screen, at most once per
// frame while it moves and not at all while it rests: a low-level mouse hook wakes
// the follower, a frame timer then runs until the pointer has stopped.
#ifndef TINTWELL_PICKER_WIN32_LOUPE_POINTER_FOLLOWER_H
#define TINTWELL_PICKER_WIN32_LOUPE_POINTER_FOLLOWER_H

#include <windows.h>

namespace tintwell::win32 {

class PointerFollower {
  public:
    // `window` receives `message` when the pointer starts to move, and WM_TIMER with
    // `timer` every frame after that until Rest() is called.
    PointerFollower(UINT message, UINT_PTR timer);
    ~PointerFollower();
    PointerFollower(const PointerFollower &) = delete;
    PointerFollower &operator=(const PointerFollower &) = delete;

    // Starts and stops listening; both may be called repeatedly.
    void Start(HWND window);
    void Stop();

    // The window took the first move: frames follow.
    void Moving();
    // The pointer stood still for a frame: no more frames until it moves again.
    void Rest();

    bool following() const { return hook_ != nullptr; }

  private:
    static LRESULT CALLBACK OnMouse(int code, WPARAM wParam, LPARAM lParam);

    UINT message_;
    UINT_PTR timer_;
    HWND window_;
    HHOOK hook_;
    bool awake_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_LOUPE_POINTER_FOLLOWER_H

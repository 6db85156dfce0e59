// Another program's ordinary window for the pick's tests: active, painting a pattern of
// the test's own, and noting every button message and every Esc it gets, so that a test
// can show that nothing of a pick reached the program beneath it.
#ifndef TINTWELL_TESTS_E2E_PICK_TARGET_WINDOW_H
#define TINTWELL_TESTS_E2E_PICK_TARGET_WINDOW_H

#include <windows.h>

#include <cstdint>

#include "window_base.h"

namespace e2e {

class PickTargetWindow : public tintwell::win32::WindowBase<PickTargetWindow> {
  public:
    // The colour at a client pixel, as a COLORREF.
    using Pattern = uint32_t (*)(int x, int y);

    // Shown over `area`, active, and on the screen when it returns.
    PickTargetWindow(RECT area, Pattern pattern);
    ~PickTargetWindow();
    PickTargetWindow(const PickTargetWindow &) = delete;
    PickTargetWindow &operator=(const PickTargetWindow &) = delete;

    int buttonMessages() const { return buttonMessages_; }
    // Esc's downs and ups (not the characters they make).
    int escMessages() const { return escMessages_; }
    // Paints the pattern as it stands `by` pixels further right, and waits until the
    // screen shows it.
    bool Shift(int by);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    RECT area_;
    Pattern pattern_;
    int buttonMessages_ = 0;
    int escMessages_ = 0;
    int shift_ = 0;
};

}  // namespace e2e

#endif  // TINTWELL_TESTS_E2E_PICK_TARGET_WINDOW_H

// Reading the picker from outside: texts, places and styles of its windows, pixels
// on the screen, the clipboard, and polling with a time limit for all of them.
#ifndef TINTWELL_TESTS_E2E_SCREEN_PROBE_H
#define TINTWELL_TESTS_E2E_SCREEN_PROBE_H

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "colour_window.h"
#include "window_probe.h"

namespace e2e {

using testsupport::ClipboardText;
using testsupport::ColourWindow;
using testsupport::Pause;
using testsupport::RectInContainer;
using testsupport::ScreenShows;
using testsupport::WaitUntil;
using testsupport::WindowText;

std::wstring ClassName(HWND window);
POINT ClientToScreenPoint(HWND window, int x, int y);

// Screen pixels, read all at once.
class ScreenImage {
  public:
    ScreenImage(int left, int top, int width, int height);
    // COLORREF of the pixel at (x, y) of the captured area.
    uint32_t At(int x, int y) const;
    int width() const { return width_; }
    int height() const { return height_; }

  private:
    int width_;
    int height_;
    std::vector<uint32_t> pixels_;
};

// The client area of a window as it shows on screen.
ScreenImage CaptureClient(HWND window);

bool SetClipboardText(const std::wstring &text);

// The window that has the keyboard focus in the given thread.
HWND FocusOf(DWORD threadId);
// The popup menu the thread shows, or nullptr.
HWND VisibleMenuOf(DWORD threadId);

// "#RRGGBB" for a COLORREF, as Text1 shows a colour.
std::wstring DisplayText(uint32_t colour);
uint32_t Rgb(int red, int green, int blue);
// The colour the picker starts on, the base of most tables the tests compare.
inline const uint32_t kWhite = 0xFFFFFF;

}  // namespace e2e

#endif  // TINTWELL_TESTS_E2E_SCREEN_PROBE_H

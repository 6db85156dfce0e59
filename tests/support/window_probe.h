// Reading another process's windows from a Windows test program, and waiting for
// them with a time limit. Every wait keeps this thread's own windows running.
#ifndef TINTWELL_TESTS_SUPPORT_WINDOW_PROBE_H
#define TINTWELL_TESTS_SUPPORT_WINDOW_PROBE_H

#include <windows.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace testsupport {

// Polls the condition every 20 ms (or less, near the end) until it holds or the
// time is up. Returns whether it held.
bool WaitUntil(DWORD timeoutMs, const std::function<bool()> &condition);
// Lets this thread's windows run for a while.
void Pause(DWORD milliseconds);
// Waits until the screen shows the colour (a COLORREF) at the screen point: a window
// of this process has reached the screen. Returns whether it did in time.
bool ScreenShows(POINT at, uint32_t colour, DWORD timeoutMs = 5000);

// The window's outer rectangle in its container's client pixels.
RECT RectInContainer(HWND window, HWND container);

// A window's text, asked for with a time limit; "<no answer>" from a hung window.
std::wstring WindowText(HWND window);

// The visible top-level windows of a process with the given class.
std::vector<HWND> TopLevelWindows(DWORD processId, const wchar_t *className);
// The visible message boxes (dialog class #32770) of a process.
std::vector<HWND> MessageBoxes(DWORD processId);
// The texts of a message box's children (caption-less: the message and the
// buttons), each followed by a newline.
std::wstring MessageBoxText(HWND box);

// Answers the first message box this process shows within ten seconds from a thread
// of its own (the box's modal loop holds the test's), keeping its text.
class BoxAnswer {
  public:
    BoxAnswer();
    ~BoxAnswer();
    BoxAnswer(const BoxAnswer &) = delete;
    BoxAnswer &operator=(const BoxAnswer &) = delete;

    // Empty when no box came.
    const std::wstring &Text();

  private:
    static DWORD WINAPI Answer(void *self);

    std::wstring text_;
    HANDLE thread_;
};

std::optional<std::wstring> ClipboardText();

// The process's shown top-level window of the class and title (either null for any);
// null when it shows none.
HWND ShownWindowOf(DWORD processId, const wchar_t *className, const wchar_t *title);

// "設定…" chosen in the picker's window `form` of process `processId`, each box of
// `boxes` clicked and OK pressed; false when the dialog did not open or close in time.
bool ClickInSettings(HWND form, DWORD processId, std::initializer_list<int> boxes, DWORD timeoutMs);

// The keys pressed in order and let go in the opposite order, as a hand plays a chord.
void PressKeys(std::initializer_list<WORD> keys);

}  // namespace testsupport

#endif  // TINTWELL_TESTS_SUPPORT_WINDOW_PROBE_H

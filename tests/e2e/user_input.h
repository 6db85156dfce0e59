// Real mouse and keyboard input through SendInput, as a user's hand would give it.
#ifndef TINTWELL_TESTS_E2E_USER_INPUT_H
#define TINTWELL_TESTS_E2E_USER_INPUT_H

#include <windows.h>

#include <string>

namespace e2e {

enum class Button { Left, Right, Middle };

// Moves the pointer to a screen pixel and waits until it is there.
bool MoveTo(POINT screen);
void Press(Button button);
void Release(Button button);
void Click(POINT screen, Button button = Button::Left);
// Presses the key, with Shift held when asked.
void Key(WORD virtualKey, bool shift = false);
// Presses the key with a modifier (VK_CONTROL, VK_MENU, VK_SHIFT) held.
void KeyWith(WORD modifier, WORD virtualKey);
// Presses the key with Alt held (Alt+Space opens the system menu).
void AltKey(WORD virtualKey);
// Types the text character by character, as a keyboard of any layout would.
void TypeText(const std::wstring &text);
// Runs xdotool from the Wine side with the arguments, as the X display's own input
// (what reaches low-level hooks and windows of other processes as a user's hand
// does); true when it ran and succeeded.
bool RunXdoTool(const std::wstring &arguments);

// Low-level hooks of this process, newer than the picker's and so called before
// them, that hand every event straight on without calling the next hook: the
// picker's hooks no longer run, as when the system has removed them. On a thread of
// their own, whose messages run while this one waits for xdotool.
class HooksBypassed {
  public:
    HooksBypassed();
    ~HooksBypassed();
    HooksBypassed(const HooksBypassed &) = delete;
    HooksBypassed &operator=(const HooksBypassed &) = delete;
    bool installed() const { return installed_; }

  private:
    static DWORD WINAPI Run(void *self);

    HANDLE ready_ = nullptr;
    HANDLE thread_ = nullptr;
    DWORD threadId_ = 0;
    bool installed_ = false;
};

}  // namespace e2e

#endif  // TINTWELL_TESTS_E2E_USER_INPUT_H

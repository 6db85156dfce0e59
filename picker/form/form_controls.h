// The window as the picker's handlers see it: the control properties and platform
// operations they use, and nothing else. picker/win32 implements it with real
// windows; the tests implement it with fakes. Every operation may throw
// PickerError (or anything derived from std::exception) to report a failure; the
// handler that called it then ends at that step.
#ifndef TINTWELL_PICKER_FORM_CONTROLS_H
#define TINTWELL_PICKER_FORM_CONTROLS_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "colour_word.h"

namespace tintwell {

struct ScreenPoint;
struct ScreenSquare;
class ScreenSnapshot;

// The controls of Form1 (names as the window names them). Texts are UTF-16, as the
// window holds them; lengths and selections count UTF-16 code units.
class FormControls {
  public:
    virtual ~FormControls() = default;

    // Device context of the picture box's persistent image, valid for the library
    // call that follows.
    virtual DeviceContext Picture1_hDC() = 0;
    virtual DeviceContext Picture2_hDC() = 0;
    // Repaint the picture box from its image at once.
    virtual void Picture1_Refresh() = 0;
    virtual void Picture2_Refresh() = 0;

    // Label1: pixels of Picture1's inner area. Label2: pixels of the window's client area.
    virtual float Label1_Left() = 0;
    virtual float Label1_Top() = 0;
    virtual void set_Label1_Left(float value) = 0;
    virtual void set_Label1_Top(float value) = 0;
    virtual void set_Label1_ForeColor(ColorRef colour) = 0;
    virtual float Label2_Left() = 0;
    virtual float Label2_Top() = 0;
    virtual void set_Label2_Top(float value) = 0;

    virtual void set_Shape1_FillColor(ColorRef colour) = 0;

    virtual std::u16string Text1_Text() = 0;
    virtual void set_Text1_Text(const std::u16string &text) = 0;
    virtual void set_Text1_SelStart(int32_t start) = 0;
    virtual void set_Text1_SelLength(int32_t length) = 0;
    virtual std::u16string Text1_SelText() = 0;

    virtual void set_Option2_Enabled(bool enabled) = 0;
    virtual void set_Option3_Enabled(bool enabled) = 0;

    // 0 clear, 1 ticked (2 would be greyed; nothing here makes a box grey).
    virtual int16_t Check1_Value() = 0;
    virtual int16_t Check2_Value() = 0;
    virtual int16_t Check3_Value() = 0;
    virtual int16_t Check4_Value() = 0;
    virtual void set_Check3_Value(int16_t value) = 0;

    // Milliseconds between ticks; 0 stops the timer.
    virtual void set_Timer1_Interval(int32_t milliseconds) = 0;
    // Screen sampling has been switched on or off; the window's parts that show only
    // while sampling (the loupe) follow it from here.
    virtual void SamplingSwitched(bool on) = 0;

    virtual WindowHandle hWnd() = 0;
};

// What the picker asks of the system outside its own window.
class Platform {
  public:
    virtual ~Platform() = default;

    // Put the window into the topmost band (true) or take it out (false), without
    // moving or resizing it. The result is not examined.
    virtual void SetTopmost(WindowHandle window, bool topmost) = 0;

    // One read of the screen: the cursor, and the square of physical pixels reaching
    // `reach` around it, cells on no monitor or unreadable as kInvalidColor.
    virtual ScreenSquare ReadScreenSquare(int reach) = 0;
    // The same around `pointer`, where the caller just found the cursor.
    virtual ScreenSquare ReadScreenSquareAt(ScreenPoint pointer, int reach) = 0;
    // The cursor in physical pixels.
    virtual ScreenPoint CursorPosition() = 0;
    // The whole virtual screen as it is now; null when it cannot be had (no memory, a
    // desktop that cannot be read).
    virtual std::unique_ptr<ScreenSnapshot> TakeSnapshot() = 0;

    // Empty the clipboard; put plain text on it. Either may throw when the clipboard
    // cannot be had.
    virtual void ClipboardClear() = 0;
    virtual void ClipboardSetText(const std::u16string &text) = 0;
    // The same, marked for clipboard history, cloud clipboard and clipboard managers
    // to pass over: a text that is replaced again at once.
    virtual void ClipboardSetTransientText(const std::u16string &text) = 0;
    // The plain text on the clipboard, empty when it holds none. A text of more than
    // kClipboardTextLimit code units comes cut to that many: nothing longer is ever
    // read as a colour, and a huge text is not copied whole for nothing. Throws when
    // the clipboard cannot be had.
    static constexpr size_t kClipboardTextLimit = 1024;
    virtual std::optional<std::u16string> ClipboardText() = 0;

    // The user's copy templates file as it is on disk; empty when there is none.
    // Throws, with the user's message naming the file, when it exists but cannot be
    // read.
    virtual std::optional<std::string> ReadCopyTemplates() = 0;

    // The recent colours changed, newest first. A platform keeping them between starts
    // (the user turned that on) writes them; otherwise it does nothing. Throws when
    // they cannot be kept.
    virtual void KeepRecentColours(const std::vector<ColorRef> &newestFirst) = 0;
};

}  // namespace tintwell

#endif  // TINTWELL_PICKER_FORM_CONTROLS_H

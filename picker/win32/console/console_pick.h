// tintwell-cli pick: a pick from the screen as the hotkey starts one, for a console
// program that has no window of the picker. A hidden window of its own receives the
// hooks' actions and the pick's timers; the loupe follows the pointer; the keys and
// buttons mean what they mean in every pick (pick_input.h), so nothing of the pick
// reaches the program beneath. The hooks and the witness are the picker's own
// (pick_hold.h): the hooks go once every release the pick owes has come, before Run
// returns, so that no release reaches the program beneath after this one has gone; a
// witness that sees the hooks removed by the system ends the pick as a failure that
// says so. Ctrl+C and Ctrl+Break in the console cancel it.
#ifndef TINTWELL_PICKER_WIN32_CONSOLE_CONSOLE_PICK_H
#define TINTWELL_PICKER_WIN32_CONSOLE_CONSOLE_PICK_H

#include <windows.h>

#include <exception>
#include <memory>
#include <string>

#include "loupe.h"
#include "pick_hold.h"
#include "pick_session.h"
#include "read_viewer.h"
#include "sample_size.h"
#include "screen_reader.h"
#include "screen_square.h"
#include "window_base.h"

namespace tintwell::win32 {

constexpr const wchar_t *kConsolePickClass = L"TintwellConsolePick";

struct ConsolePickResult {
    enum class Kind { Picked, Cancelled, Failed };
    Kind kind = Kind::Cancelled;
    // Picked: the sample and the physical point it was taken at.
    ColorRef colour = 0;
    ScreenPoint point{0, 0};
    // Failed: what the user is told.
    std::string failure;
};

// The sink first, made before the window base that keeps a reference to it.
class ConsolePick : private FailureSink, public WindowBase<ConsolePick> {
  public:
    ConsolePick(HINSTANCE instance, ScreenReader &screen, SampleSize sample);
    ~ConsolePick();

    // The window, and the loupe's; throws PickerError when the window cannot be made.
    // False when the loupe could not be: the pick goes on without it.
    bool Create();
    // The whole pick, its messages run here until it has ended and the hooks are gone:
    // nothing slow (the clipboard, a pipe that may not be read) waits while they hold.
    ConsolePickResult Run();

    HWND window() const { return hwnd_; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void HandlerFailed(const std::exception_ptr &failure) noexcept override;
    void OnAction(const PickAction &action);
    void OnWitness(PickHold::Witness says);
    void Freeze();
    void End(PickActionKind how);
    void Fail(const std::string &why);
    // The read around the pointer: live, or from the snapshot while frozen.
    ScreenSquare Read(int reach);
    ScreenSquare ReadAt(ScreenPoint pointer, int reach);
    void ShowFrame(ReadViewer &viewer, ScreenPoint pointer);
    void LetHooksGoWhenDone();

    HINSTANCE instance_;
    ScreenReader &screen_;
    SampleSize sample_;
    Loupe loupe_;
    PickSession session_;
    PickHold hold_;
    FreezeState freeze_;
    std::unique_ptr<ScreenSnapshot> snapshot_;
    bool ended_;
    ConsolePickResult result_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_CONSOLE_CONSOLE_PICK_H

// Form1, the picker's one window: builds its controls from the layout table, gives
// the picker core the controls and the platform it works on, and turns window
// messages into calls of the core's handlers.
#ifndef TINTWELL_PICKER_WIN32_FORM_WINDOW_H
#define TINTWELL_PICKER_WIN32_FORM_WINDOW_H

#include <windows.h>

#include "colour_library.h"
#include "colour_paste.h"
#include "control_help.h"
#include "control_layout.h"
#include "copy_menu.h"
#include "copy_menu_choices.h"
#include "display_scale.h"
#include "dpi_functions.h"
#include "eyedropper.h"
#include "eyedropper_input.h"
#include "failure_report.h"
#include "failure_sink.h"
#include "focus_memory.h"
#include "form.h"
#include "form_control_set.h"
#include "form_controls_adapter.h"
#include "form_fonts.h"
#include "gdi_handles.h"
#include "handler_routes.h"
#include "history_switch.h"
#include "key_input.h"
#include "loupe.h"
#include "marker_geometry.h"
#include "marker_label.h"
#include "mouse_input.h"
#include "pick_from_anywhere.h"
#include "picture_box.h"
#include "shape_swatch.h"
#include "system_menu.h"
#include "win32_platform.h"
#include "window_base.h"

namespace tintwell::win32 {

class FormWindow : public WindowBase<FormWindow>,
                   private MouseSink,
                   private KeySink,
                   private HandlerRunner,
                   private FailureSink {
  public:
    explicit FormWindow(HINSTANCE instance);
    ~FormWindow();

    static void RegisterClasses(HINSTANCE instance);

    // Creates the window hidden, runs Form_Load, puts the kept settings into effect
    // and shows the window, unless `inTray` (a start with /tray) finds the program
    // resident: then only the notification icon shows. A start that finds another
    // instance resident hands over to it (shows its window, unless `inTray`) and
    // leaves no window, so that Run ends at once. A window that cannot be made, or a
    // failing Form_Load, is shown in a message box and no window is left; the result
    // then is false.
    bool Start(int showCommand, bool inTray = false);
    // The message loop; its result is the program's exit code.
    int Run();

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // The controls as the picker core works them.
    FormControlsAdapter &controls() { return controls_; }
    // The screen reader the samples, the loupe and the freeze share.
    ScreenReader &screen() { return platform_.screen(); }
    // What the swatch's tooltip says of the colour shown.
    const std::wstring &swatchDescription() const { return help_.DescribedText(); }

  private:
    LRESULT OnCreate();
    LRESULT OnCommand(int control, int notification);
    LRESULT OnActivate(WORD state);
    LRESULT OnGetDefaultButton();
    LRESULT OnShowFailure();
    LRESULT OnDpiChanged(int dpi, const RECT *suggested);
    LRESULT OnDestroy();
    LRESULT OnEscape();
    LRESULT OnSize(WPARAM kind);

    void MouseDown(ControlId control, const MouseEvent &event) override;
    void MouseMove(ControlId control, const MouseEvent &event) override;
    void MouseLetGo(ControlId control) override;
    void KeyDown(ControlId control, int16_t keyCode, int16_t shift) override;
    bool KeyboardInUse() const override { return keyboardInUse_; }
    void NoteKeyboardUse(const MSG &message);

    void CreateControls();
    // Places every control for the current scale and gives them its fonts.
    void LayOut();
    void ApplyFonts();
    HWND Control(ControlId id) const;

    // Runs one handler of the core; a failure ends it and is reported.
    // `origin`: whether the user did what runs it (report_queue.h).
    template <typename Handler>
    void Dispatch(Handler &&handler, NoticeOrigin origin = NoticeOrigin::UserAction);
    void RunHandler(const std::function<void()> &handler) override { Dispatch(handler); }
    void RunChosenHandler(const std::function<void()> &handler) override { Dispatch(handler); }
    void RunRepeatingHandler(const std::function<void()> &handler) override {
        Dispatch(handler, NoticeOrigin::ByItself);
    }
    // The one way a failure reaches the user, from the core's handlers and from any
    // window's handling of a message alike; a window's messages (paints, ticks) come
    // by themselves.
    void HandlerFailed(const std::exception_ptr &failure) noexcept override;
    void NoteFailure(const std::exception_ptr &failure, NoticeOrigin origin) noexcept;
    // kTellUserMessage: a part's notice, queued with the rest.
    LRESULT OnTellUser(LPARAM notice);

    HINSTANCE instance_;
    DpiFunctions dpi_;
    DisplayScale scale_;
    FormFonts fonts_;
    Win32Platform platform_;
    ColourTableLibrary library_;
    Loupe loupe_;
    PictureBox picture1_;
    PictureBox picture2_;
    RingGeometry ringGeometry_;
    ArrowGeometry arrowGeometry_;
    MarkerLabel label1_;
    MarkerLabel label2_;
    ShapeSwatch shape1_;
    FormControlSet controlSet_;
    FormControlsAdapter controls_;
    FailureReport failures_;
    ControlHelp help_;
    SystemMenu systemMenu_;
    Eyedropper eyedropper_;
    HistorySwitch historySwitch_;
    ColourPaste colourPaste_;
    CopyMenuChoices copyMenuChoices_;
    CopyMenu copyMenu_;
    FocusMemory focusMemory_;
    bool keyboardInUse_;
    Form form_;
    PickFromAnywhere pickFromAnywhere_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_FORM_WINDOW_H
